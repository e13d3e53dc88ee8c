#include "backup/BackupCommands.h"

#include "backup/BackupDrive.h"
#include "backup/BackupErrors.h"
#include "backup/BackupFiles.h"
#include "db/DbError.h"
#include "session/AppContext.h"

#include <QDir>
#include <QFile>

namespace orv::backup {

namespace {

const QString kInsertBlankDisk = QStringLiteral("Insira um Disquete em Branco no Drive A:");
const QString kCleanDisk = QStringLiteral("Limpe o Disquete para efetuar Backup!");
const QString kBackupDone = QStringLiteral("Backup Realizado com Sucesso!");
const QString kInsertDisk = QStringLiteral("Insira um Disquete no Drive A:");
const QString kNoBackupOnDisk = QStringLiteral("Disquete não contém Backup da Orvalune!");
const QString kConfirmRestore = QStringLiteral("Você Confirma Restaução do Backup?");
const QString kRestoreDone = QStringLiteral("  Restauração Realizada com Sucesso!  \r\n"
                                            "    É Necessário Logar Novamente!");
const QString kRestoreDoneAtLogon = QStringLiteral("  Restauração Realizada com Sucesso! ");

constexpr int kBestCompression = 9;

// The hourglass for as long as the guard lives or until end().
class Wait {
public:
    explicit Wait(const BackupHooks& hooks) : hooks_(hooks) {
        if (hooks_.beginWait) {
            hooks_.beginWait();
        }
    }
    ~Wait() { end(); }
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;
    void end() {
        if (!ended_ && hooks_.endWait) {
            hooks_.endWait();
        }
        ended_ = true;
    }

private:
    const BackupHooks& hooks_;
    bool ended_ = false;
};

// True when the file opens as a data file of this program with its tables.
bool opensAsDataFile(const QString& path) {
    try {
        SqlCipherFile file(path, Db::dataPassphrase());
        file.query(QStringLiteral("Select EfetuoImportacao from Sistema"));
        file.query(QStringLiteral("Select Codigo from Usuarios Where Codigo = 0"));
        return true;
    } catch (const DbError&) {
        return false;
    }
}

} // namespace

BackupCommands::BackupCommands(AppContext& ctx, BackupHooks hooks)
    : ctx_(ctx), hooks_(std::move(hooks)) {}

QString BackupCommands::backupFailure(int error) {
    return QStringLiteral("Impossível Efetuar Backup (%1)!").arg(error);
}

QString BackupCommands::restoreFailure(int error) {
    return QStringLiteral("Impossível Efetuar Restauração (%1)!").arg(error);
}

QString BackupCommands::backupFile() const {
    return folder_.backupFile();
}

QString BackupCommands::workFile() const {
    return QDir(ctx_.paths.programFolder).filePath(kBackupFileName);
}

void BackupCommands::call(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

bool BackupCommands::locateFolder(const QString& noDiskText, DriveListing& files) {
    if (!ctx_.paths.backupFolder.isEmpty()) {
        folder_ = BackupFolder::fixed(ctx_.paths.backupFolder);
    } else if (const QList<Drive> drives = findDrives(ctx_.paths.mediaRoots); drives.isEmpty()) {
        folder_ = BackupFolder::fixed(QString()); // no disk
    } else if (drives.size() == 1) {
        folder_ = BackupFolder::onDriveAt(drives.first().mountFolder);
    } else {
        const int picked = hooks_.chooseDrive ? hooks_.chooseDrive(drives) : -1;
        if (picked < 0 || picked >= drives.size()) {
            return false;
        }
        folder_ = BackupFolder::onDriveAt(drives.at(picked).mountFolder);
    }
    files = folder_.list();
    if (files.noDisk) {
        ctx_.messages.okay(noDiskText, msg::Serious);
        return false;
    }
    return true;
}

void BackupCommands::backup() {
    if (ctx_.session.newUserMode) {
        return;
    }
    DriveListing drive;
    if (!locateFolder(kInsertBlankDisk, drive)) {
        return;
    }
    if (!drive.holdsOnlyBackup()) {
        ctx_.messages.okay(kCleanDisk, msg::Serious);
        return;
    }
    Wait wait(hooks_);
    call(hooks_.stopDueCheck);
    lastError_ = folder_.prepare();
    const bool done = lastError_ == err::None && compressFile(ctx_.paths.dataFile(), backupFile(),
                                                              kBestCompression, lastError_, true);
    wait.end();
    if (done) {
        ctx_.messages.okay(kBackupDone, msg::NoIcon);
    } else {
        ctx_.messages.okay(backupFailure(lastError_), msg::Serious);
    }
    call(hooks_.startDueCheck);
}

bool BackupCommands::checkRestoreDisk() {
    DriveListing drive;
    if (!locateFolder(kInsertDisk, drive)) {
        return false;
    }
    if (!drive.firstIsBackup()) {
        ctx_.messages.okay(kNoBackupOnDisk, msg::Serious);
        return false;
    }
    return ctx_.messages.confirm(kConfirmRestore);
}

// Decompresses the backup into the work file and, only when that is a whole
// data file, moves it over the data file in one rename. Any failure leaves the
// data file as it was and removes the work file.
bool BackupCommands::replaceDataFile() {
    const QString work = workFile();
    if (!decompressFile(backupFile(), work, lastError_, true)) {
        if (lastError_ == err::None) {
            lastError_ = err::PathFileAccess; // a failure must never show as code 0
        }
    } else if (!opensAsDataFile(work)) {
        lastError_ = err::InvalidFileFormat;
    } else {
        // A journal left beside the old file by an interrupted write would be
        // played back into the restored one.
        ctx_.db.release();
        QFile::remove(ctx_.paths.dataFile() + QStringLiteral("-journal"));
        lastError_ = replaceFile(work, ctx_.paths.dataFile());
    }
    if (lastError_ != err::None) {
        QFile::remove(work);
        return false;
    }
    return true;
}

void BackupCommands::restore() {
    if (ctx_.session.newUserMode || !checkRestoreDisk()) {
        return;
    }
    Wait wait(hooks_);
    call(hooks_.stopDueCheck);
    const bool done = replaceDataFile();
    wait.end();
    if (!done) {
        ctx_.messages.okay(restoreFailure(lastError_), msg::Serious);
        call(hooks_.startDueCheck);
        return;
    }
    ctx_.messages.okay(kRestoreDone, msg::NoIcon);
    call(hooks_.endSession);
    ctx_.session.restoreFlag = true;
    call(hooks_.showLogon);
}

bool BackupCommands::restoreAtLogon() {
    if (!checkRestoreDisk()) {
        return false;
    }
    Wait wait(hooks_);
    const bool done = replaceDataFile();
    wait.end();
    if (!done) {
        ctx_.messages.okay(restoreFailure(lastError_), msg::Serious);
        return false;
    }
    ctx_.messages.okay(kRestoreDoneAtLogon, msg::NoIcon);
    ctx_.session.restoreFlag = true;
    call(hooks_.loginRestored);
    return true;
}

} // namespace orv::backup
