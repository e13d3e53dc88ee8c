#pragma once

#include "backup/BackupCommands.h"

#include <QObject>
#include <QString>

class QWidget;

namespace orv {

class AppContext;
class LogonWindow;
class MainWindow;
class TrayIcon;

// The running program around its windows: the logon window that lives for the
// whole run, the main window made at the first logon, the notification-area
// icon, and the moves between them (logon, new user, session end, quit).
class Shell : public QObject {
    Q_OBJECT
public:
    // Without a notification area the windows minimise instead of hiding.
    Shell(AppContext& ctx, bool withTray, QObject* parent = nullptr);
    ~Shell() override;

    // The start-up after the data file was found usable: the logon window, the
    // first-run message, the tray icon, the import flag and the automatic logon.
    void start(bool hasUsers);
    // The same sequence again inside the running program, after a restore.
    void restartAfterRestore();

    LogonWindow* logonWindow() const { return logon_; }
    MainWindow* mainWindow() const { return main_; }
    TrayIcon* tray() const { return tray_; }

    // The notification-area handlers.
    void trayShow();
    void trayLogOut();
    void quit();

    // Ends the session and shows the logon window (logout, deleted user,
    // abandoned new user, restore).
    void returnToLogon();

private:
    void onLogon(const QString& login, const QString& password);
    void onNewUser(const QString& login);
    void openMainWindow(bool logOutEntry);
    void createMainWindow();
    // Ends the session without showing the logon window.
    void leaveSession();
    // A user logged on, or a new user being made.
    bool sessionActive() const;
    // Ends the session still on before another begins.
    void leaveActiveSession();
    void automaticLogon();
    void closeLogonWindow();
    void restoreFromLogon();
    void wireBackup();

    AppContext& ctx_;
    bool withTray_;
    LogonWindow* logon_;
    MainWindow* main_ = nullptr;
    TrayIcon* tray_;
    backup::BackupCommands backup_;
};

} // namespace orv
