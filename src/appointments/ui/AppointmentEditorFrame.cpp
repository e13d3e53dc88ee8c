#include "appointments/ui/AppointmentEditorFrame.h"

#include "appointments/AppointmentEditor.h"
#include "appointments/AppointmentStore.h"
#include "appointments/Repetition.h"
#include "appointments/ui/Controls.h"
#include "mainwindow/ui/PanelControls.h"
#include "mainwindow/ui/WaitCursor.h"
#include "session/AppContext.h"
#include "session/ui/BoxLimit.h"
#include "session/ui/KeyMode.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orv::appointments {
namespace {

const QString kDayFormat = QStringLiteral("dd/MM/yyyy");
constexpr int kTimeLength = 5;
constexpr int kDescriptionLength = 255;

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* l = control<QLabel>(parent, QString(), geometry);
    l->setText(text);
    return l;
}

} // namespace

AppointmentEditorFrame::AppointmentEditorFrame(AppContext& ctx, QWidget* parent)
    : QFrame(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmDadosCompromisso"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    buildControls();
    hide();
    ctx_.resets.add(this, [this] {
        calCompromisso->hide();
        closeAndEmpty(this);
        editedKey_ = 0;
        hadEndTime_ = false;
    });
}

void AppointmentEditorFrame::buildControls() {
    auto* dayCaption = caption(this, QStringLiteral("Data :"), QRect(10, 10, 110, 20));
    txtDataCompromisso =
        control<QLineEdit>(this, QStringLiteral("txtDataCompromisso"), QRect(124, 8, 90, 22));
    labelFor(dayCaption, txtDataCompromisso);
    txtDataCompromisso->setReadOnly(true);
    cmdExibirCalendarioPequeno = control<QPushButton>(
        this, QStringLiteral("cmdExibirCalendarioPequeno"), QRect(218, 7, 28, 24));
    cmdExibirCalendarioPequeno->setText(QStringLiteral("▦"));
    cmdExibirCalendarioPequeno->setToolTip(QStringLiteral("Exibir Calendário"));
    cmdExibirCalendarioPequeno->setAccessibleName(QStringLiteral("Exibir Calendário"));

    auto* startCaption = caption(this, QStringLiteral("Horário Inicial :"), QRect(10, 40, 110, 20));
    txtCompromissoInicio =
        control<QLineEdit>(this, QStringLiteral("txtCompromissoInicio"), QRect(124, 38, 60, 22));
    labelFor(startCaption, txtCompromissoInicio);
    auto* endCaption = caption(this, QStringLiteral("Horário Final :"), QRect(10, 68, 110, 20));
    txtCompromissoFinal =
        control<QLineEdit>(this, QStringLiteral("txtCompromissoFinal"), QRect(124, 66, 60, 22));
    labelFor(endCaption, txtCompromissoFinal);
    for (QLineEdit* box : {txtCompromissoInicio, txtCompromissoFinal}) {
        limitLength(box, kTimeLength);
        applyKeyMode(box, KeyMode::Time);
    }

    auto* textCaption =
        caption(this, QStringLiteral("Descrição Compromisso :"), QRect(10, 96, 200, 20));
    txtDescricaoCompromisso = control<QPlainTextEdit>(
        this, QStringLiteral("txtDescricaoCompromisso"), QRect(10, 118, 316, 60));
    labelFor(textCaption, txtDescricaoCompromisso);
    txtDescricaoCompromisso->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDescricaoCompromisso->setTabChangesFocus(true);
    applyKeyMode(txtDescricaoCompromisso, KeyMode::MultilineText);
    limitLength(txtDescricaoCompromisso, kDescriptionLength);

    chkAvisar = control<QCheckBox>(this, QStringLiteral("chkAvisar"), QRect(10, 184, 316, 20));
    chkAvisar->setText(QStringLiteral("Avisar Compromisso"));
    nameByCaption(chkAvisar);
    chkCompartilhar =
        control<QCheckBox>(this, QStringLiteral("chkCompartilhar"), QRect(10, 206, 316, 20));
    chkCompartilhar->setText(QStringLiteral("Compartilhar esse Compromisso com outros usuários"));
    nameByCaption(chkCompartilhar);

    frmCompromissoAgendaPeriodo = control<QFrame>(
        this, QStringLiteral("frmCompromissoAgendaPeriodo"), QRect(6, 230, 324, 30));
    auto* repeatCaption =
        caption(frmCompromissoAgendaPeriodo, QStringLiteral("Agendar para :"), QRect(4, 5, 90, 20));
    cmbAgendarPara = control<QComboBox>(frmCompromissoAgendaPeriodo,
                                        QStringLiteral("cmbAgendarPara"), QRect(96, 3, 224, 24));
    labelFor(repeatCaption, cmbAgendarPara);
    cmbAgendarPara->addItems(repetitionChoices());

    lblExecutado = control<QLabel>(this, QStringLiteral("lblExecutado"), QRect(10, 264, 316, 22));
    lblExecutado->setFont(arial(11, true));
    lblExecutado->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    lblExecutado->setAlignment(Qt::AlignCenter);
    lblExecutado->hide();

    cmdCompromissoGravar =
        textButton(this, QStringLiteral("cmdCompromissoGravar"),
                   QStringLiteral("&Salvar Compromisso"), QRect(10, 292, 150, 26));
    cmdCompromissoExcluir =
        textButton(this, QStringLiteral("cmdCompromissoExcluir"),
                   QStringLiteral("&Excluir Compromisso"), QRect(166, 292, 160, 26));
    cmdCompromissoVoltar = textButton(this, QStringLiteral("cmdCompromissoVoltar"),
                                      QStringLiteral("&Voltar"), QRect(226, 322, 100, 26));

    calCompromisso =
        control<QCalendarWidget>(this, QStringLiteral("calCompromisso"), QRect(10, 34, 300, 190));
    calCompromisso->setGridVisible(true);
    calCompromisso->hide();

    connect(cmdCompromissoGravar, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &AppointmentEditorFrame::save));
    connect(cmdCompromissoExcluir, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &AppointmentEditorFrame::remove));
    connect(cmdCompromissoVoltar, &QPushButton::clicked, this, &AppointmentEditorFrame::close);
    connect(cmdExibirCalendarioPequeno, &QPushButton::clicked, this,
            &AppointmentEditorFrame::showSmallCalendar);
    // A click or Enter on a date takes it.
    connect(calCompromisso, &QCalendarWidget::clicked, this,
            &AppointmentEditorFrame::takeSmallCalendarDate);
    connect(calCompromisso, &QCalendarWidget::activated, this,
            &AppointmentEditorFrame::takeSmallCalendarDate);
}

bool AppointmentEditorFrame::open(const ScheduleRow& row, const QDate& currentDay) {
    const OpenedRow o = openRow(row, currentDay);
    if (!o.opens) {
        return false;
    }
    Q_EMIT printButtonWanted(false);
    WaitCursor wait;
    calCompromisso->hide();
    txtDataCompromisso->setText(o.dayText);
    editedKey_ = o.editedKey;
    hadEndTime_ = o.hadEndTime;
    txtCompromissoFinal->setText(o.end);
    chkAvisar->setChecked(o.alarm);
    chkCompartilhar->setChecked(o.share);
    cmdCompromissoExcluir->setVisible(o.deleteVisible);
    txtCompromissoInicio->setText(o.start);
    txtDescricaoCompromisso->setPlainText(o.description);
    frmCompromissoAgendaPeriodo->setVisible(o.repetitionVisible);
    cmbAgendarPara->setCurrentIndex(kOnlyThisDay);
    setEditable(!o.readOnly());
    if (o.readOnly()) {
        lblExecutado->setText(o.readOnlyCaption);
        lblExecutado->show();
    }
    raise();
    show();
    if (!o.readOnly()) {
        (o.editedKey == 0 ? static_cast<QWidget*>(txtDescricaoCompromisso) : txtCompromissoInicio)
            ->setFocus(Qt::OtherFocusReason);
    } else {
        cmdCompromissoVoltar->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

void AppointmentEditorFrame::setEditable(bool editable) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txtCompromissoFinal, txtCompromissoInicio, txtDescricaoCompromisso,
             cmdExibirCalendarioPequeno, chkAvisar, chkCompartilhar}) {
        w->setEnabled(editable);
    }
    cmdCompromissoGravar->setVisible(editable);
    lblExecutado->setVisible(!editable);
    if (!editable) {
        chkAvisar->setChecked(true);
    }
}

void AppointmentEditorFrame::save() {
    const EditorCheck check = checkEditor(txtCompromissoInicio->text(), txtCompromissoFinal->text(),
                                          txtDescricaoCompromisso->toPlainText());
    txtCompromissoInicio->setText(check.startText);
    txtCompromissoFinal->setText(check.endText);
    if (!check.passed()) {
        ctx_.messages.okay(check.message, check.icon);
        QWidget* box = check.focus == EditorField::Start ? txtCompromissoInicio
                       : check.focus == EditorField::End
                           ? static_cast<QWidget*>(txtCompromissoFinal)
                           : txtDescricaoCompromisso;
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    EditorSave s;
    s.editedKey = editedKey_;
    s.hadEndTime = hadEndTime_;
    s.day = QDate::fromString(txtDataCompromisso->text(), kDayFormat);
    s.start = check.start;
    s.end = check.end;
    s.description = txtDescricaoCompromisso->toPlainText();
    s.alarm = chkAvisar->isChecked();
    s.share = chkCompartilhar->isChecked();
    s.repetition =
        frmCompromissoAgendaPeriodo->isVisible() ? cmbAgendarPara->currentIndex() : kOnlyThisDay;
    bool written = false;
    {
        WaitCursor wait;
        written = !saveEditor(ctx_.db, ctx_.session.userCode, ctx_.settings.gridStep, s).isEmpty();
        Q_EMIT printButtonWanted(true);
        Q_EMIT dataChanged();
    }
    if (!written) {
        // Deleted meanwhile (by a reminder, say): nothing was written.
        ctx_.messages.okay(QStringLiteral("Esse Compromisso não Existe Mais!"), msg::Information);
    }
    hide();
    Q_EMIT closed();
}

void AppointmentEditorFrame::remove() {
    if (ctx_.messages.confirm(QStringLiteral("Você Confirma Exclusão desse Compromisso?"))) {
        WaitCursor wait;
        deleteAppointment(ctx_.db, ctx_.session.userCode, editedKey_);
        Q_EMIT printButtonWanted(true);
        Q_EMIT dataChanged();
        hide();
        Q_EMIT closed();
    }
    Q_EMIT restoreFocusWanted();
}

void AppointmentEditorFrame::close() {
    Q_EMIT printButtonWanted(true);
    hide();
    Q_EMIT closed();
    Q_EMIT restoreFocusWanted();
}

void AppointmentEditorFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (calCompromisso->isVisible()) {
            calCompromisso->hide();
            cmdExibirCalendarioPequeno->setFocus(Qt::OtherFocusReason);
        } else {
            close();
        }
        return;
    }
    QFrame::keyPressEvent(event);
}

void AppointmentEditorFrame::showSmallCalendar() {
    const QDate day = QDate::fromString(txtDataCompromisso->text(), kDayFormat);
    calCompromisso->setSelectedDate(day);
    calCompromisso->raise();
    calCompromisso->show();
    calCompromisso->setFocus(Qt::OtherFocusReason);
}

void AppointmentEditorFrame::takeSmallCalendarDate() {
    calCompromisso->hide();
    txtDataCompromisso->setText(calCompromisso->selectedDate().toString(kDayFormat));
    cmdExibirCalendarioPequeno->setFocus(Qt::OtherFocusReason);
}

} // namespace orv::appointments
