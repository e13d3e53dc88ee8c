#include "reminders/ui/ReminderWindow.h"

#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/WindowServices.h"
#include "reminders/AlarmSound.h"
#include "reminders/ReminderActions.h"
#include "reminders/ReminderContent.h"
#include "reminders/ui/SoundPlayer.h"
#include "session/AppContext.h"
#include "session/ui/BoxLimit.h"
#include "session/ui/KeyMode.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace orv {
namespace {

using reminders::ReminderField;

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
              const QFont& font = arial(9, true)) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font);
    return l;
}

// The display-only boxes: shown like text boxes, never focused or edited.
QLineEdit* shownBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(arial(9));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(arial(9, true));
    // Enter must never delete or complete by accident.
    b->setAutoDefault(false);
    nameByCaption(b);
    return b;
}

} // namespace

ReminderWindow::ReminderWindow(AppContext& ctx, SoundPlayer& sound, QWidget* parent)
    : QDialog(parent), ctx_(ctx), sound_(sound) {
    setObjectName(QStringLiteral("frmLembrete"));
    setWindowTitle(QStringLiteral("Lembrete"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Modal to the main window and the windows over it, never to the whole
    // application: the notification-area icon and its menu keep answering
    // (log out, quit) while the reminder waits.
    setWindowModality(Qt::WindowModal);
    setFixedSize(400, 246);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 236, 179));
    const QPixmap background(QStringLiteral(":/images/fundo_lembrete.png"));
    if (!background.isNull()) {
        pal.setBrush(QPalette::Window, QBrush(background));
    }
    setPalette(pal);
    setStyleSheet(QStringLiteral("QDialog#frmLembrete { border: 2px solid #8a5a1a; }"));
    buildControls();
    dragWindowBy(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void ReminderWindow::buildControls() {
    lblData = label(this, "lblData", QString(), QRect(10, 8, 380, 22), arial(11, true));
    lblData->setAlignment(Qt::AlignCenter);

    lblLembrete =
        label(this, "lblLembrete", QStringLiteral("Data Agendada :"), QRect(12, 42, 112, 22));
    TxtData = shownBox(this, "TxtData", QRect(126, 42, 86, 22));
    labelFor(lblLembrete, TxtData);
    lblAniversario = label(this, "lblAniversario", QStringLiteral("Aniversário"),
                           QRect(230, 42, 150, 22), arial(12, true, true));
    lblHoraAviso =
        label(this, "lblHoraAviso", QStringLiteral("Horário Aviso :"), QRect(12, 70, 112, 22));
    TxtHora = shownBox(this, "TxtHora", QRect(126, 70, 52, 22));
    labelFor(lblHoraAviso, TxtHora);
    lblHoraTermino =
        label(this, "lblHoraTermino", QStringLiteral("Hora Termino :"), QRect(214, 70, 110, 22));
    txtHoraFim = shownBox(this, "txtHoraFim", QRect(326, 70, 52, 22));
    labelFor(lblHoraTermino, txtHoraFim);

    lblDescricao =
        label(this, "lblDescricao", QStringLiteral("Descrição :"), QRect(12, 98, 112, 22));
    TxtCompromisso = new QLineEdit(this);
    TxtCompromisso->setObjectName(QStringLiteral("TxtCompromisso"));
    TxtCompromisso->setGeometry(12, 120, 376, 24);
    TxtCompromisso->setFont(arial(9));
    limitLength(TxtCompromisso, 255);
    applyKeyMode(TxtCompromisso, KeyMode::Text);
    labelFor(lblDescricao, TxtCompromisso);

    lblReagendar = label(this, "lblReagendar", QStringLiteral("ReAgendar Compromisso em :"),
                         QRect(12, 156, 186, 24));
    cmbReAgendar = new QComboBox(this);
    cmbReAgendar->setObjectName(QStringLiteral("cmbReAgendar"));
    cmbReAgendar->setGeometry(200, 156, 108, 24);
    cmbReAgendar->setFont(arial(9));
    cmbReAgendar->setMaxVisibleItems(21);
    labelFor(lblReagendar, cmbReAgendar);
    cmdReagendar =
        button(this, "cmdReagendar", QStringLiteral("&ReAgendar"), QRect(314, 154, 74, 28));

    cmdExcluir =
        button(this, "cmdExcluir", QStringLiteral("&Excluir Compromisso"), QRect(12, 204, 182, 30));
    cmdExecutar = button(this, "cmdExecutar", QStringLiteral("Compromisso &Executado"),
                         QRect(206, 204, 182, 30));

    setTabOrder(TxtCompromisso, cmbReAgendar);
    setTabOrder(cmbReAgendar, cmdReagendar);
    setTabOrder(cmdReagendar, cmdExecutar);
    setTabOrder(cmdExecutar, cmdExcluir);

    connect(cmdExcluir, &QPushButton::clicked, this, &ReminderWindow::deleteItem);
    connect(cmdExecutar, &QPushButton::clicked, this, &ReminderWindow::completeItem);
    connect(cmdReagendar, &QPushButton::clicked, this, &ReminderWindow::rescheduleItem);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(59000);
    connect(Timer1, &QTimer::timeout, this, &ReminderWindow::showClock);
}

void ReminderWindow::fill(const reminders::DueItem& item) {
    item_ = item;
    const reminders::ReminderContent c = reminders::reminderContent(item);
    TxtData->setText(c.day);
    TxtHora->setText(c.start);
    txtHoraFim->setText(c.end);
    for (QWidget* w : {static_cast<QWidget*>(lblHoraAviso), static_cast<QWidget*>(TxtHora),
                       static_cast<QWidget*>(lblHoraTermino), static_cast<QWidget*>(txtHoraFim),
                       static_cast<QWidget*>(lblReagendar), static_cast<QWidget*>(cmbReAgendar),
                       static_cast<QWidget*>(cmdReagendar)}) {
        w->setVisible(!c.birthday);
    }
    lblAniversario->setVisible(c.birthday);
    TxtCompromisso->setText(c.description);
    TxtCompromisso->setCursorPosition(0);
    TxtCompromisso->setEnabled(c.descriptionEditable);
    setCaption(cmdExcluir, c.deleteCaption);
    setCaption(cmdExecutar, c.completeCaption);
    cmbReAgendar->clear();
    cmbReAgendar->addItems(c.choices);
    cmbReAgendar->setCurrentIndex(-1);
    // Enter in the description or the list reschedules; a birthday has no default.
    cmdReagendar->setDefault(!c.birthday);
    (c.birthday ? static_cast<QWidget*>(cmdExecutar) : static_cast<QWidget*>(cmbReAgendar))
        ->setFocus();
}

void ReminderWindow::showClock() {
    lblData->setText(reminders::reminderCaption(ctx_.clock.now()));
}

void ReminderWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showClock();
    Timer1->start();
    if (!firstShown_) {
        firstShown_ = true;
        bringToFront(this);
        const QString sound = alarmResource(ctx_.settings.soundName);
        if (!sound.isEmpty()) {
            sound_.play(sound);
        }
    }
}

void ReminderWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showClock();
    }
}

void ReminderWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

template <class Action> void ReminderWindow::act(Action&& action) {
    // A failing statement leaves the window open, so the button can be pressed again.
    if (ctx_.guard.run(std::forward<Action>(action))) {
        finish();
    }
}

void ReminderWindow::deleteItem() {
    sound_.stop();
    act([this] { reminders::deleteReminded(ctx_.db, ctx_.session.userCode, item_); });
}

void ReminderWindow::completeItem() {
    sound_.stop();
    act([this] { reminders::completeReminded(ctx_.db, ctx_.session.userCode, item_); });
}

void ReminderWindow::rescheduleItem() {
    sound_.stop();
    reminders::RescheduleResult result;
    const bool ran = ctx_.guard.run([&] {
        result = reminders::reschedule(ctx_.db, ctx_.clock, ctx_.session.userCode, item_,
                                       cmbReAgendar->currentIndex(), TxtCompromisso->text());
    });
    if (!ran) {
        return;
    }
    if (!result.moved()) {
        ctx_.messages.okay(result.message, msg::Information);
        (result.focus == ReminderField::Choices ? static_cast<QWidget*>(cmbReAgendar)
                                                : static_cast<QWidget*>(TxtCompromisso))
            ->setFocus();
        return;
    }
    finish();
}

void ReminderWindow::dismiss() {
    sound_.stop();
    finish();
}

void ReminderWindow::finish() {
    closing_ = true;
    Timer1->stop();
    accept();
}

} // namespace orv
