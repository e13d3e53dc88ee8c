#pragma once

#include <QString>

namespace orv {

class Db;

// Writes a fresh data file: every table, the look-up indexes and the one
// Sistema row "N". Refuses to touch an existing file. Used by the data-file
// tool and by the tests; the program itself never creates tables.
void createDataFile(const QString& path);

// True when the file is a whole data file of the program: it opens with the
// program's key, holds every table and column a fresh data file has, and passes
// SQLite's integrity check. Used before a restored copy replaces the data file.
bool isWholeDataFile(const QString& path);

// Gives a data file the program's current look-up indexes: each one it lacks,
// or holds in an older form under the same name, is made anew. Only indexes
// are touched, all in one transaction, and a file that has them all is not
// written at all. Returns how many were made; a file that cannot be written
// throws DbError and is left as it was.
int upgradeIndexes(Db& db);

} // namespace orv
