#pragma once

#include <QString>

struct sqlite3;

namespace orv {

// Names and search words compare as a Brazilian reader compares them: without
// regard to case or accents ("Érica", "ERICA" and "erica" are alike, "ç" is a
// "c"). The folded form of a text is its letters in lower case without their
// accents; everything else stays as it is.
QString foldedText(const QString& text);

// Registers folded(text) on a connection, the same folding in SQL: lists sort
// on folded(Nome) and searches match folded(Nome) like a folded pattern. It
// lives on the program's connection only; the file's schema never names it.
void registerTextFolding(sqlite3* db);

} // namespace orv
