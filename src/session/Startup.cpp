#include "session/Startup.h"

#include "backup/BackupDrive.h"
#include "backup/BackupFiles.h"
#include "db/DbError.h"
#include "db/Schema.h"
#include "session/SingleCopy.h"

#include <QDir>
#include <QFile>

namespace orv {

void removeVersion1Leftovers(const Paths& paths) {
    const QDir folder(paths.v1Folder);
    for (const char* name : {"Agenda.exe", "alarm.wav"}) {
        QFile::remove(folder.filePath(QLatin1String(name)));
    }
}

DataState checkDataFile(Db& db) {
    try {
        const RowSet users = db.runQuery(QStringLiteral("Select * from usuarios"));
        bringIndexesUpToDate(db);
        return {DataCheck::Usable, !users.eof()};
    } catch (const DbError& e) {
        return {e.isFileFailure() ? DataCheck::FileInvalid : DataCheck::LibraryFailure, false};
    }
}

StartUp startUp(AppContext& ctx, SingleCopy& copy, int screenHeight) {
    switch (copy.claim()) {
    case SingleCopy::Claim::Taken:
        break;
    case SingleCopy::Claim::HeldByAnotherCopy:
        copy.askToComeForward();
        return {0};
    case SingleCopy::Claim::FolderUnusable:
        ctx.messages.showStandard(copy.unusableFolderText(), Messages::Standard::Critical);
        return {1};
    }
    if (screenTooSmall(screenHeight)) {
        ctx.messages.okay(kScreenTooSmall, msg::Information);
        return {0};
    }
    removeVersion1Leftovers(ctx.paths);
    backup::removeWorkLeftovers(ctx.paths.programFolder, backup::kBackupFileName);
    const DataState data = checkDataFile(ctx.db);
    if (data.check != DataCheck::Usable) {
        ctx.messages.showStandard(data.check == DataCheck::FileInvalid ? kDataFileInvalid
                                                                       : kLibraryUnavailable,
                                  Messages::Standard::Critical);
        return {1};
    }
    return {std::nullopt, data.hasUsers};
}

bool bringIndexesUpToDate(Db& db) {
    try {
        upgradeIndexes(db);
        return true;
    } catch (const DbError&) {
        // A file that cannot be written (read only, full disk, held by another
        // program) works as before, only slower: it is tried again next time.
        return false;
    }
}

} // namespace orv
