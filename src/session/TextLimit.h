#pragma once

#include <QString>

namespace orv {

// Texts are limited in UTF-16 code units (what QString::size() counts, and what
// the boxes' limits count), but never cut inside a character as a reader sees
// it: an emoji with its modifiers and joiners, a letter with its combining
// accents, a flag stay whole or go whole.

// The longest start of `text` of at most `maxUnits` units that ends between two
// whole characters.
QString cutAtCharacterBoundary(const QString& text, qsizetype maxUnits);

// A CEP box takes the 8 digits with the usual hyphen ("13010-000") as well as
// without it ("13010000").
inline constexpr int kPostalCodeLength = 9;

// One edit of a box's text: `removed` (a selection, or nothing) replaced by
// `inserted` at `position`.
struct TextEdit {
    qsizetype position = 0;
    QString removed;
    QString inserted;
};

// The edit that turned `before` into `after`, the caret standing right after
// the inserted text (where a typed or pasted text leaves it).
TextEdit editBetween(const QString& before, const QString& after, qsizetype caret);

} // namespace orv
