#pragma once

#include <QString>

namespace orv {

// Writes a fresh data file: every table, the look-up indexes and the one
// Sistema row "N". Refuses to touch an existing file. Used by the data-file
// tool and by the tests; the program itself never creates tables.
void createDataFile(const QString& path);

// True when the file is a whole data file of the program: it opens with the
// program's key, holds every table and column a fresh data file has, and passes
// SQLite's integrity check. Used before a restored copy replaces the data file.
bool isWholeDataFile(const QString& path);

} // namespace orv
