#pragma once

#include "backup/BackupCommands.h"

namespace orv {

class LogonWindow;
class MainWindow;

namespace backup {

// The hourglass pointer of the application around the long work.
void useWaitCursor(BackupHooks& hooks);

// tmrChecagem of the main window stopped and started around the work.
void useDueCheckTimer(BackupHooks& hooks, MainWindow& window);

// After a restore from the logon window: txtLogin emptied and enabled again.
void useLogonWindow(BackupHooks& hooks, LogonWindow& window);

// Several drives plugged in: the person picks one in frmUnidades.
void useDriveChoice(BackupHooks& hooks);

// cmdBackup and cmdRestore of the main window run the commands.
void connectMainWindow(MainWindow& window, BackupCommands& commands);

} // namespace backup
} // namespace orv
