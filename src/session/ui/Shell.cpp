#include "session/ui/Shell.h"

#include "backup/ui/BackupWiring.h"
#include "calculator/ui/CalculatorWindow.h"
#include "mainwindow/ui/FocusRing.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/WaitCursor.h"
#include "mainwindow/ui/WaitWindow.h"
#include "mainwindow/ui/WindowServices.h"
#include "session/Logon.h"
#include "session/OldDataImport.h"
#include "session/SessionEnd.h"
#include "session/Startup.h"
#include "session/Users.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/TrayIcon.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>

namespace orv {

Shell::Shell(AppContext& ctx, bool withTray, QObject* parent)
    : QObject(parent), ctx_(ctx), withTray_(withTray), logon_(new LogonWindow),
      tray_(new TrayIcon(this)), backup_(ctx) {
    connect(logon_, &LogonWindow::logonRequested, this, guarded(ctx_.guard, this, &Shell::onLogon));
    connect(logon_, &LogonWindow::newUserRequested, this,
            guarded(ctx_.guard, this, &Shell::onNewUser));
    connect(logon_, &LogonWindow::closeRequested, this, &Shell::closeLogonWindow);
    connect(tray_, &TrayIcon::showWanted, this, &Shell::trayShow);
    connect(tray_, &TrayIcon::logOutWanted, this, guarded(ctx_.guard, this, &Shell::trayLogOut));
    connect(tray_, &TrayIcon::quitWanted, this, &Shell::quit);
    tray_->setLogOutVisible(false);
    FocusRing::install();
    wireBackup();
}

void Shell::wireBackup() {
    backup::BackupHooks& hooks = backup_.hooks();
    backup::useWaitCursor(hooks);
    backup::useLogonWindow(hooks, *logon_);
    backup::useDriveChoice(hooks);
    hooks.endSession = [this] { leaveSession(); };
    hooks.showLogon = [this] {
        logon_->show();
        restartAfterRestore();
    };
}

Shell::~Shell() {
    delete main_;
    delete logon_;
}

void Shell::start(bool hasUsers) {
    logon_->shapeOnce();
    centreOnScreen(logon_);
    logon_->show();
    logon_->activateWindow();
    logon_->txtLogin->setFocus();
    if (!hasUsers) {
        ctx_.messages.okay(kFirstRun, msg::Information);
    }
    logon_->setUsersExist(hasUsers);
    if (withTray_) {
        tray_->add();
    }
    ctx_.session.importFlag = readImportFlag(ctx_.db);
    automaticLogon();
}

void Shell::restartAfterRestore() {
    // A restored backup may come from before the current indexes.
    bringIndexesUpToDate(ctx_.db);
    const bool hasUsers = !noUsers(ctx_.db);
    logon_->setUsersExist(hasUsers);
    if (!hasUsers) {
        ctx_.messages.okay(kFirstRun, msg::Information);
    }
    ctx_.session.importFlag = readImportFlag(ctx_.db);
    automaticLogon();
    if (ctx_.session.loggedOn()) {
        return;
    }
    ctx_.session.loggedOutFlag = false;
    bringToFront(logon_);
}

void Shell::automaticLogon() {
    const RowSet user = automaticLogonUser(ctx_.db);
    if (user.eof()) {
        return;
    }
    leaveActiveSession();
    startSession(ctx_.session, user, user.text(QStringLiteral("Login")), {});
    openMainWindow(false);
}

void Shell::onLogon(const QString& login, const QString& password) {
    const LogonCheck check = checkLogon(ctx_.db, login, password);
    switch (check.result) {
    case LogonResult::Restore:
        restoreFromLogon();
        return;
    case LogonResult::LoggedOn:
        leaveActiveSession();
        startSession(ctx_.session, check.user, login, password);
        openMainWindow(true);
        return;
    default:
        ctx_.messages.okay(logonRefusal(check.result), msg::Information);
    }
}

bool Shell::sessionActive() const {
    return ctx_.session.loggedOn() || ctx_.session.newUserMode;
}

void Shell::leaveActiveSession() {
    if (sessionActive()) {
        leaveSession();
    }
}

void Shell::onNewUser(const QString& login) {
    switch (checkNewUser(ctx_, login)) {
    case NewUserResult::EmptyLogin:
        ctx_.messages.okay(QStringLiteral("Informe o Login !"), msg::Information);
        logon_->txtLogin->setFocus();
        return;
    case NewUserResult::Duplicate:
        ctx_.messages.okay(QStringLiteral("Usuário já cadastrado, escolha outro Login!"),
                           msg::Serious);
        return;
    case NewUserResult::Accepted:
        break;
    }
    leaveActiveSession();
    offerImport(ctx_);
    ctx_.session.login = login.trimmed();
    ctx_.session.newUserMode = true;
    openMainWindow(tray_->logOutVisible());
}

void Shell::openMainWindow(bool logOutEntry) {
    WaitWindow wait;
    wait.showAndPaint();
    logon_->picLogon->setEnabled(false);
    // Enabled again however the load ends.
    const auto enableAgain = qScopeGuard([this] { logon_->picLogon->setEnabled(true); });
    WaitCursor cursor;
    tray_->setLogOutVisible(logOutEntry);
    QApplication::processEvents();

    // Every logon loads the window for the person who logged on, whatever it
    // showed before.
    ctx_.session.restoreFlag = false;
    ctx_.session.loggedOutFlag = false;
    if (main_ == nullptr) {
        createMainWindow();
    }
    main_->loadSequence();
    main_->show();
    if (ctx_.startedWithArguments) {
        main_->hide();
    }
    logon_->hide();
}

void Shell::createMainWindow() {
    main_ = new MainWindow(ctx_);
    centreOnScreen(main_);
    connect(main_, &MainWindow::logoutRequested, this, [this] {
        if (!ctx_.session.newUserMode) {
            returnToLogon();
        }
    });
    connect(main_, &MainWindow::hideRequested, this, [this] {
        if (withTray_) {
            main_->hide();
        } else {
            main_->showMinimized();
        }
    });
    connect(main_, &MainWindow::quitRequested, this, &Shell::quit);
    connect(main_, &MainWindow::settingsCancelled, this, &Shell::returnToLogon);
    connect(main_, &MainWindow::userDeleted, this, &Shell::returnToLogon);
    connect(main_, &MainWindow::settingsSaved, this, [this](bool wasNewUser) {
        if (wasNewUser) {
            tray_->setLogOutVisible(true);
            main_->startDueCheck();
        }
    });
    connect(main_, &MainWindow::helpRequested, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(ctx_.paths.helpFile())); });
    auto* calculator = new CalculatorWindow(ctx_, main_);
    connect(main_, &MainWindow::calculatorRequested, calculator,
            [this, calculator] { calculator->toggle(main_->cmdCalculadora); });
    backup::useDueCheckTimer(backup_.hooks(), *main_);
    backup::connectMainWindow(*main_, backup_, ctx_.guard);
}

void Shell::restoreFromLogon() {
    if (backup_.restoreAtLogon()) {
        logon_->setUsersExist(!noUsers(ctx_.db));
    }
}

void Shell::leaveSession() {
    if (main_ != nullptr) {
        main_->hide();
    }
    // The session ends even when the data file cannot say whether users are left.
    bool usersExist = true;
    ctx_.guard.bookkeeping([&] { usersExist = endSession(ctx_); });
    logon_->setUsersExist(usersExist);
    logon_->txtPass->clear();
    tray_->setLogOutVisible(false);
}

void Shell::returnToLogon() {
    leaveSession();
    logon_->show();
    bringToFront(logon_);
}

void Shell::closeLogonWindow() {
    if (withTray_) {
        logon_->hide();
    } else {
        quit();
    }
}

void Shell::trayShow() {
    QWidget* reminder = visibleWindow(QStringLiteral("frmLembrete"));
    QWidget* box = visibleWindow(QStringLiteral("frmMsgBox"));
    if (!logon_->isVisible() && !sessionActive()) {
        logon_->show();
    } else if (reminder != nullptr && box != nullptr) {
        bringToFront(reminder);
        bringToFront(box);
    } else if (reminder != nullptr) {
        bringToFront(reminder);
    } else if (!logon_->isVisible() && main_ != nullptr) {
        main_->showNormal();
        bringToFront(main_);
    } else if (logon_->isVisible()) {
        bringToFront(logon_);
    }
}

void Shell::trayLogOut() {
    // An open reminder closes with the session, its item untouched.
    if (QWidget* box = visibleWindow(QStringLiteral("frmMsgBox"))) {
        box->close();
    }
    returnToLogon();
}

void Shell::quit() {
    // A due-check pass waiting on a reminder stops with the session.
    leaveActiveSession();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->hide();
    }
    tray_->remove();
    QApplication::quit();
}

} // namespace orv
