#pragma once

#include <QString>

namespace orv {

// Writes a fresh data file: every table, the look-up indexes and the one
// Sistema row "N". Refuses to touch an existing file. Used by the data-file
// tool and by the tests; the program itself never creates tables.
void createDataFile(const QString& path);

} // namespace orv
