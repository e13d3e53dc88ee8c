#include "mainwindow/ui/MainWindow.h"

#include "mainwindow/Panels.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/AnalogClock.h"
#include "mainwindow/ui/FocusRing.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/PanelFactory.h"
#include "mainwindow/ui/TabOrder.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WaitCursor.h"
#include "mainwindow/ui/WindowServices.h"
#include "reminders/ui/ReminderController.h"
#include "reminders/ui/ReminderWindow.h"
#include "search/ui/SearchFrame.h"
#include "session/AppContext.h"
#include "session/SettingsForm.h"
#include "session/Users.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <optional>

namespace orv {

namespace {

const QString kLogoutTip = QStringLiteral("Encerrar Sessão do Usuário");

QString longDate(const QDate& day) {
    return QLocale().toString(day, QLocale::LongFormat) + QLatin1Char(' ');
}

QPushButton* smallButton(QWidget* parent, const QString& name, const QString& icon,
                         const QString& tip, const QRect& geometry) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(tip);
    button->setToolTip(tip);
    button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(icon)));
    button->setIconSize(geometry.size() - QSize(6, 6));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(geometry);
    return button;
}

QLabel* label(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFont(font);
    return l;
}

} // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("frmAgenda"));
    setWindowTitle(QStringLiteral("Orvalune"));
    setWindowIcon(QIcon(QStringLiteral(":/images/orvalune.png")));
    setAttribute(Qt::WA_TranslucentBackground, false);
    resize(760, 540);
    FocusRing::install();
    buildControls();
}

void MainWindow::buildControls() {
    picMainSkin = new QLabel(this);
    picMainSkin->setObjectName(QStringLiteral("picMainSkin"));
    picMainSkin->setPixmap(QPixmap(QStringLiteral(":/images/skin_main.png")));
    picMainSkin->setGeometry(0, 0, 760, 540);
    picMainSkin->setStyleSheet(QStringLiteral("background-color: #f4efe6;"));
    dragWindowBy(picMainSkin);

    picFocus = new QWidget(this);
    picFocus->setObjectName(QStringLiteral("picFocus"));
    picFocus->setGeometry(0, 0, 0, 0);
    picFocus->setFocusPolicy(Qt::StrongFocus);

    for (const auto& info : panelTable()) {
        Panel* frame = createPanel(info.name, ctx_, this);
        frame->setGeometry(16, 46, 728, 378);
        frame->hide();
        panels_.insert(info.name, frame);
        connect(frame, &Panel::printButtonWanted, this, &MainWindow::setPrintButtonVisible);
        connect(frame, &Panel::restoreFocusWanted, this, &MainWindow::restoreFocus);
        connect(frame, &Panel::dateCaptionWanted, this,
                [this](const QString& caption) { lblData->setText(caption); });
        if (auto* settings = qobject_cast<SettingsPanel*>(frame)) {
            settings_ = settings;
            connect(settings, &SettingsPanel::cancelled, this, [this] {
                if (ctx_.session.newUserMode) {
                    Q_EMIT settingsCancelled();
                } else {
                    leaveSettings();
                }
            });
            connect(settings, &SettingsPanel::saved, this, [this](bool wasNewUser) {
                showIdentity();
                leaveSettings();
                Q_EMIT settingsSaved(wasNewUser);
            });
            connect(settings, &SettingsPanel::userDeleted, this, &MainWindow::userDeleted);
        }
    }

    // The panel buttons: icons over the tab strip, in the order of their gaps.
    const struct {
        QPushButton** member;
        const char* icon;
        const char* tip;
        int shortcut;
    } tabs[] = {
        {&imgCompromissos, "compromissos", "Compromissos", Qt::Key_1},
        {&imgEnderecos, "enderecos", "Endereços", Qt::Key_2},
        {&imgFinancas, "financas", "Finanças", Qt::Key_3},
        {&imgTarefas, "tarefas", "Tarefas", Qt::Key_4},
        {&imgNotas, "notas", "Anotações", Qt::Key_5},
        {&imgAjuda, "ajuda", "Início", Qt::Key_6},
    };
    std::size_t i = 0;
    for (const auto& tab : tabs) {
        const PanelInfo& info = panelTable()[i++];
        QPushButton* button = tabButton(info.button, tab.icon, QString::fromUtf8(tab.tip));
        const int left = px(info.gapLeft);
        const int width = px(info.gapWidth);
        button->setGeometry(left, 432, width, 40);
        const int side = std::min(32, width - 4);
        button->setIconSize(QSize(side, side));
        button->setShortcut(QKeySequence(Qt::ALT | Qt::Key(tab.shortcut)));
        *tab.member = button;
        const QString name = info.name;
        connect(button, &QPushButton::clicked, this,
                guarded(ctx_.guard, [this, name] { pressPanel(name); }));
    }

    frmLinhaApagar = new QFrame(this);
    frmLinhaApagar->setObjectName(QStringLiteral("frmLinhaApagar"));
    frmLinhaApagar->setFrameShape(QFrame::NoFrame);
    frmLinhaApagar->setStyleSheet(QStringLiteral("background-color: rgb(222, 222, 222);"));
    frmLinhaApagar->setGeometry(0, px(kTabGapTop), 0, px(60));
    frmLinhaApagar->hide();

    cmdConfig = smallButton(this, QStringLiteral("cmdConfig"), QStringLiteral("config"),
                            QStringLiteral("Configurações (Alt+7)"), QRect(566, 8, 28, 28));
    cmdConfig->setShortcut(QKeySequence(Qt::ALT | Qt::Key_7));
    cmdLogout = smallButton(this, QStringLiteral("cmdLogout"), QStringLiteral("logout"), kLogoutTip,
                            QRect(598, 8, 28, 28));
    cmdAjuda = smallButton(this, QStringLiteral("cmdAjuda"), QStringLiteral("ajuda"),
                           QStringLiteral("Ajuda (F1)"), QRect(630, 8, 28, 28));
    cmdAjuda->setShortcut(QKeySequence(Qt::Key_F1));
    imgMinimizar =
        smallButton(this, QStringLiteral("imgMinimizar"), QStringLiteral("minimizar"),
                    QStringLiteral("Minimizar para a área de notificação"), QRect(662, 8, 28, 28));
    lblMinimizar = new QPushButton(QStringLiteral("Minimizar"), this);
    lblMinimizar->setObjectName(QStringLiteral("lblMinimizar"));
    lblMinimizar->setFlat(true);
    nameByCaption(lblMinimizar);
    lblMinimizar->setFont(arial(8));
    lblMinimizar->setGeometry(690, 12, 58, 20);
    lblMinimizar->setCursor(Qt::PointingHandCursor);

    imgImpressora = smallButton(this, QStringLiteral("imgImpressora"), QStringLiteral("impressora"),
                                QStringLiteral("Imprimir (Ctrl+P)"), QRect(600, 496, 30, 30));
    imgImpressora->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    imgImpressora->hide();
    cmdBackup =
        smallButton(this, QStringLiteral("cmdBackup"), QStringLiteral("backup"),
                    QStringLiteral("Cópia de segurança dos dados"), QRect(634, 496, 30, 30));
    cmdRestore =
        smallButton(this, QStringLiteral("cmdRestore"), QStringLiteral("restore"),
                    QStringLiteral("Recuperar cópia de segurança"), QRect(668, 496, 30, 30));
    cmdCalculadora =
        smallButton(this, QStringLiteral("cmdCalculadora"), QStringLiteral("calculadora"),
                    QStringLiteral("Calculadora"), QRect(702, 496, 30, 30));

    picRelogio = new AnalogClock(ctx_.clock, this);
    picRelogio->setObjectName(QStringLiteral("picRelogio"));
    picRelogio->setGeometry(20, 440, 90, 90);

    lblHora = label(this, QStringLiteral("lblHora"), QRect(116, 440, 60, 18), arial(10, true));
    lblData = label(this, QStringLiteral("lblData"), QRect(330, 14, 230, 18), arial(9));
    lblData->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblIdentCaption =
        label(this, QStringLiteral("lblIdentCaption"), QRect(116, 458, 220, 16), arial(8, true));
    lblIdentCaption->setText(QStringLiteral("Essa agenda pertence a"));
    lblIdentNome = label(this, QStringLiteral("lblIdentNome"), QRect(116, 476, 220, 14), arial(8));
    lblIdentTelefone =
        label(this, QStringLiteral("lblIdentTelefone"), QRect(116, 490, 220, 14), arial(8));
    lblIdentCelular =
        label(this, QStringLiteral("lblIdentCelular"), QRect(116, 504, 220, 14), arial(8));
    lblIdentEmail =
        label(this, QStringLiteral("lblIdentEmail"), QRect(116, 518, 220, 14), arial(8));

    tmrChecagem = new QTimer(this);
    tmrChecagem->setObjectName(QStringLiteral("tmrChecagem"));
    tmrRelogio = new QTimer(this);
    tmrRelogio->setObjectName(QStringLiteral("tmrRelogio"));
    tmrRelogio->setTimerType(Qt::PreciseTimer); // never early: a tick shows the new minute
    tmrRelogio->setSingleShot(true);
    connect(tmrRelogio, &QTimer::timeout, this, &MainWindow::clockTick);
    connect(tmrChecagem, &QTimer::timeout, this, &MainWindow::dueCheckTick);
    reminders = new ReminderController(ctx_, this);
    reminders->setAppointmentsPanelShown([this] { return panelName_ == panel::Compromissos; });
    connect(this, &MainWindow::dueCheckTick, reminders, &ReminderController::checkNow);
    connect(reminders, &ReminderController::dayGridRefreshWanted, this, [this] {
        if (panelName_ == panel::Compromissos) {
            panels_.value(panel::Compromissos)->load();
        }
    });

    connect(cmdConfig, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &MainWindow::openSettings));
    const auto focused = [this](void (MainWindow::*signal)()) {
        return [this, signal] {
            restoreFocus();
            Q_EMIT(this->*signal)();
        };
    };
    connect(cmdLogout, &QPushButton::clicked, this, focused(&MainWindow::logoutRequested));
    connect(cmdAjuda, &QPushButton::clicked, this, focused(&MainWindow::helpRequested));
    connect(cmdCalculadora, &QPushButton::clicked, this, focused(&MainWindow::calculatorRequested));
    connect(cmdBackup, &QPushButton::clicked, this, focused(&MainWindow::backupRequested));
    connect(cmdRestore, &QPushButton::clicked, this, focused(&MainWindow::restoreRequested));
    connect(imgMinimizar, &QPushButton::clicked, this, focused(&MainWindow::hideRequested));
    connect(lblMinimizar, &QPushButton::clicked, this, focused(&MainWindow::hideRequested));
    connect(imgImpressora, &QPushButton::clicked, this, guarded(ctx_.guard, [this] {
                restoreFocus();
                if (Panel* shown = panels_.value(panelName_)) {
                    shown->print();
                }
            }));

    cmdPesquisar =
        smallButton(this, QStringLiteral("cmdPesquisar"), QStringLiteral("pesquisar"),
                    QStringLiteral("Procurar em tudo (Ctrl+F)"), QRect(708, 436, 32, 32));
    connect(cmdPesquisar, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &MainWindow::openSearch));
    frmPesquisaGeral = new search::SearchFrame(ctx_, this);
    frmPesquisaGeral->setGeometry(16, 46, 728, 378);
    connect(frmPesquisaGeral, &search::SearchFrame::openWanted, this,
            guarded(ctx_.guard, this, &MainWindow::openFound));
    connect(frmPesquisaGeral, &search::SearchFrame::closed, this, [this] {
        if (Panel* shown = shownPanel()) {
            shown->setFocus(Qt::OtherFocusReason);
        }
    });
    addStandardKeys();

    // Keeps the skin behind every control created later by the panels.
    picMainSkin->lower();

    // The panels, their frames and the reminders forget their own values; the
    // window itself goes back to how it was built: no panel, no owner.
    ctx_.resets.add(this, [this] { endSession(); });
}

void MainWindow::addStandardKeys() {
    const auto key = [this](QKeyCombination keys, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(Qt::CTRL | Qt::Key_N, [this] {
        if (Panel* shown = shownPanel()) {
            shown->newItem();
        }
    });
    key(Qt::CTRL | Qt::Key_S, [this] {
        if (Panel* shown = shownPanel()) {
            shown->saveOpen();
        }
    });
    key(Qt::CTRL | Qt::Key_Q, [this] { Q_EMIT quitRequested(); });
    key(Qt::CTRL | Qt::Key_F, guarded(ctx_.guard, this, &MainWindow::openSearch));
}

void MainWindow::openSearch() {
    // Only a logged-on user's own window searches (not while a new user is made).
    if (!ctx_.session.loggedOn() || ctx_.session.newUserMode) {
        return;
    }
    frmPesquisaGeral->open();
}

void MainWindow::openFound(const search::Hit& hit) {
    const QString name = search::panelOf(hit.kind);
    pressPanel(name);
    if (panelName_ == name) {
        panels_.value(name)->showItem(hit.key, hit.day, hit.text);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    Panel* shown = shownPanel();
    if (event->key() == Qt::Key_Escape && shown != nullptr && shown->closeOpen()) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::endSession() {
    tmrChecagem->stop();
    tmrRelogio->stop();
    for (Panel* frame : std::as_const(panels_)) {
        frame->hide();
    }
    panelName_.clear();
    frmLinhaApagar->hide();
    setPrintButtonVisible(false);
    for (QLabel* l : {lblData, lblIdentNome, lblIdentTelefone, lblIdentCelular, lblIdentEmail}) {
        l->clear();
    }
    cmdLogout->setToolTip(kLogoutTip);
}

QPushButton* MainWindow::tabButton(const QString& name, const char* icon, const QString& tip) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(icon))));
    button->setIconSize(QSize(32, 32));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void MainWindow::shapeOnce() {
    if (shaped_) {
        return;
    }
    shaped_ = true;
    const QImage skin(QStringLiteral(":/images/skin_main.png"));
    if (!skin.isNull()) {
        shapeWindow(this, skin);
    }
}

void MainWindow::showIdentity() {
    // An empty value shows empty: a label never keeps someone else's text.
    const Session& s = ctx_.session;
    lblIdentNome->setText(s.name);
    lblIdentTelefone->setText(s.homePhone);
    lblIdentCelular->setText(s.mobilePhone);
    lblIdentEmail->setText(s.email);
    cmdLogout->setToolTip(QStringLiteral("%1 [%2]").arg(kLogoutTip, s.login));
}

void MainWindow::setDateCaption(const QDate& day) {
    lblData->setText(longDate(day));
}

void MainWindow::startClock() {
    const QDateTime now = ctx_.clock.now();
    clockDay_ = now.date();
    // The hands move once a minute, on the minute: each tick waits for the next
    // one, so days in the notification area (or a suspended computer) never
    // leave the time behind.
    tmrRelogio->start(ClockGeometry::msToNextMinute(now.time()));
}

void MainWindow::clockTick() {
    const QDateTime now = ctx_.clock.now();
    lblHora->setText(now.time().toString(QStringLiteral("HH:mm")));
    picRelogio->tick();
    if (now.date() != clockDay_) {
        bool captionTaken = false;
        for (Panel* panel : std::as_const(panels_)) {
            captionTaken |= panel->dayChanged(clockDay_, now.date());
        }
        if (!captionTaken) {
            setDateCaption(now.date());
        }
    }
    startClock();
}

void MainWindow::loadSequence() {
    picRelogio->setUp();
    lblHora->setText(ctx_.clock.now().time().toString(QStringLiteral("HH:mm")));
    ctx_.settings.decimalSeparator = QLocale().toString(0.5).at(1);
    WaitCursor wait;
    QApplication::processEvents();
    shapeOnce();
    startDueCheck();
    startClock();
    setDateCaption(ctx_.clock.today());

    if (ctx_.session.newUserMode) {
        tmrChecagem->stop();
        const IdentityTexts identity = newUserIdentity();
        lblIdentNome->setText(identity.name);
        lblIdentTelefone->setText(identity.homePhone);
        lblIdentCelular->setText(identity.mobilePhone);
        lblIdentEmail->setText(identity.email);
        settings_->fillForNewUser();
        panelName_ = panel::Configuracao;
        showPanel(panel::Configuracao);
        return;
    }
    showIdentity();
    readSettings(ctx_);
    if (findPanel(ctx_.session.lastPanel) != nullptr) {
        if (ctx_.session.lastPanel == panel::Configuracao) {
            openSettings();
        } else {
            pressPanel(ctx_.session.lastPanel);
        }
    }
}

void MainWindow::startDueCheck() {
    tmrChecagem->setInterval(60000);
    tmrChecagem->start();
    reminders->start();
}

void MainWindow::pressPanel(const QString& name) {
    const PanelInfo* info = findPanel(name);
    // Nobody is logged on while a new user is being made, nor after a session
    // ended (a handler still running then opens nothing).
    if (info == nullptr || name == panel::Configuracao || panelName_ == name ||
        !ctx_.session.loggedOn()) {
        return;
    }
    restoreFocus();
    std::optional<WaitCursor> wait;
    if (name != panel::Inicial) {
        wait.emplace();
    }
    const bool printShown = imgImpressora->isVisibleTo(this);
    setPrintButtonVisible(info->printable);
    Panel* frame = panels_.value(name);
    try {
        frame->load();
    } catch (...) {
        // The panel shown so far stays as it was.
        setPrintButtonVisible(printShown);
        throw;
    }
    panelName_ = name;
    placeTabGap(*info);
    showPanel(name);
    frame->afterShow();
}

void MainWindow::openSettings() {
    restoreFocus();
    if (!ctx_.session.loggedOn() || panelName_ == panel::Configuracao) {
        return;
    }
    setPrintButtonVisible(false);
    panelName_ = panel::Configuracao;
    frmLinhaApagar->hide();
    settings_->fillFromSession();
    showPanel(panel::Configuracao);
    settings_->afterShow();
}

void MainWindow::leaveSettings() {
    restoreFocus();
    const QString last = ctx_.session.lastPanel;
    const bool tabPanel = findPanel(last) != nullptr && last != panel::Configuracao;
    pressPanel(tabPanel ? last : panel::Inicial);
}

void MainWindow::placeTabGap(const PanelInfo& info) {
    frmLinhaApagar->hide();
    frmLinhaApagar->setGeometry(px(info.gapLeft), px(kTabGapTop), px(info.gapWidth), px(60));
    frmLinhaApagar->show();
    frmLinhaApagar->raise();
}

void MainWindow::showPanel(const QString& name) {
    for (Panel* frame : std::as_const(panels_)) {
        frame->hide();
    }
    frmPesquisaGeral->hide();
    if (ctx_.session.loggedOn()) {
        ctx_.guard.bookkeeping([&] { storeLastPanel(ctx_, name); });
    }
    if (name != panel::Configuracao) {
        ctx_.session.lastPanel = name;
    }
    if (name == panel::Configuracao) {
        frmLinhaApagar->hide();
    }
    panels_.value(name)->show();
    // Laid out now that it shows: Tab follows what is on screen.
    orderTabsByScreen(this);
    setDateCaption(ctx_.clock.today());
}

void MainWindow::restoreFocus() {
    if (isVisible()) {
        picFocus->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::setPrintButtonVisible(bool visible) {
    imgImpressora->setVisible(visible);
}

} // namespace orv
