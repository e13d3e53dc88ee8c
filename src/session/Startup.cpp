#include "session/Startup.h"

#include "db/DbError.h"
#include "db/Schema.h"

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
