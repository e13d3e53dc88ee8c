#pragma once

#include <QString>
#include <optional>

struct sqlite3;

namespace orv {

// The expression functions of the Access dialect that statements use:
// cdate, day, Month, Year, Asc, Left and ucase. LEFT is a keyword of the
// store's dialect, so statements call that one by its quoted name: "Left"(Nome,1).
void registerAccessFunctions(sqlite3* db);

// cdate: a day "DD/MM/YYYY" (or an ISO day) becomes the stored date text,
// a time "HH:NN" or "HH:NN:SS" the stored time text; anything else is refused.
std::optional<QString> accessCDate(const QString& text);

} // namespace orv
