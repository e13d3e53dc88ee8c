#include "backup/ui/BackupWiring.h"

#include "backup/ui/DriveChoiceWindow.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/WaitCursor.h"
#include "session/ui/LogonWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

namespace orv::backup {

void useWaitCursor(BackupHooks& hooks) {
    auto cursor = std::make_shared<std::optional<WaitCursor>>();
    hooks.beginWait = [cursor] {
        cursor->emplace();
        // Lets the pointer change show before the work blocks the window; no
        // click or key gets in meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    hooks.endWait = [cursor] { cursor->reset(); };
}

void useDueCheckTimer(BackupHooks& hooks, MainWindow& window) {
    QPointer<QTimer> timer = window.tmrChecagem;
    hooks.stopDueCheck = [timer] {
        if (timer) {
            timer->stop();
        }
    };
    hooks.startDueCheck = [timer] {
        if (timer) {
            timer->start();
        }
    };
}

void useLogonWindow(BackupHooks& hooks, LogonWindow& window) {
    QPointer<QLineEdit> login = window.txtLogin;
    hooks.loginRestored = [login] {
        if (login) {
            login->clear();
            login->setEnabled(true);
        }
    };
}

void useDriveChoice(BackupHooks& hooks) {
    hooks.chooseDrive = [](const QList<Drive>& drives) {
        return DriveChoiceWindow::choose(drives, QApplication::activeWindow());
    };
}

void connectMainWindow(MainWindow& window, BackupCommands& commands) {
    QObject::connect(&window, &MainWindow::backupRequested, &window,
                     [&commands] { commands.backup(); });
    QObject::connect(&window, &MainWindow::restoreRequested, &window,
                     [&commands] { commands.restore(); });
}

} // namespace orv::backup
