#pragma once

#include "backup/BackupDrive.h"
#include "backup/RemovableDrives.h"

#include <QString>
#include <functional>

namespace orv {

class AppContext;

namespace backup {

// What the windows do around a backup or a restore. Every hook may be left
// empty; the commands call only those that are set.
struct BackupHooks {
    std::function<void()> beginWait;     // the hourglass pointer on
    std::function<void()> endWait;       // and off again
    std::function<void()> stopDueCheck;  // tmrChecagem of the main window
    std::function<void()> startDueCheck; // tmrChecagem again
    // After a restore from the main window: hide the main window, end the
    // session, empty txtPass and hide the tray menu's LogOut entry.
    std::function<void()> endSession;
    // Then, with the restore flag set: run the logon window's load step again.
    std::function<void()> showLogon;
    // After a restore from the logon window: empty txtLogin and enable it again.
    std::function<void()> loginRestored;
    // With several drives plugged in: the index of the one the person picked,
    // or -1 when the choice was cancelled. Unset, nothing is picked.
    std::function<int(const QList<Drive>& drives)> chooseDrive;
};

// The backup and restore commands of the main window (cmdBackup, cmdRestore)
// and the restore of the logon window. They talk to the user through
// ctx.messages and keep the last error code between operations.
class BackupCommands {
public:
    explicit BackupCommands(AppContext& ctx, BackupHooks hooks = {});

    void setHooks(BackupHooks hooks) { hooks_ = std::move(hooks); }
    BackupHooks& hooks() { return hooks_; }

    // cmdBackup: the data file into the backup file on the backup drive.
    void backup();
    // cmdRestore: the data file from the backup, then back to the logon.
    void restore();
    // The restore started at the logon window; true when the data file was replaced.
    bool restoreAtLogon();

    int lastError() const { return lastError_; }

    static QString backupFailure(int error);
    static QString restoreFailure(int error);

private:
    // Takes the backup folder of this operation and lists its files: the fixed
    // folder, or that of the one drive plugged in or of the drive picked among
    // several. False when there is none (after noDiskText) or the choice was
    // cancelled.
    bool locateFolder(const QString& noDiskText, DriveListing& files);
    bool checkRestoreDisk();
    bool replaceDataFile();
    QString backupFile() const;
    QString workFile() const;
    static void call(const std::function<void()>& hook);

    AppContext& ctx_;
    BackupHooks hooks_;
    BackupFolder folder_;
    int lastError_ = 0;
};

} // namespace backup
} // namespace orv
