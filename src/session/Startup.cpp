#include "session/Startup.h"

#include "db/DbError.h"

#include <QDir>
#include <QFile>

namespace orv {

void removeVersion1Leftovers(const Paths& paths) {
    const QDir folder(paths.v1Folder);
    for (const char* name : {"Agenda.exe", "alarm.wav"}) {
        QFile::remove(folder.filePath(QLatin1String(name)));
    }
}

DataState checkDataFile(const Db& db) {
    try {
        const RowSet users = db.runQuery(QStringLiteral("Select * from usuarios"));
        return {DataCheck::Usable, !users.eof()};
    } catch (const DbError& e) {
        return {e.isFileFailure() ? DataCheck::FileInvalid : DataCheck::LibraryFailure, false};
    }
}

} // namespace orv
