#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace orv {

// A value as text filled with blanks to a fixed width, in front when right-aligned,
// behind otherwise. A longer value is kept whole: nothing is ever cut off.
QString pad(const QString& value, int width, bool rightAligned = false);
// A null value pads as the empty text.
QString pad(const QVariant& value, int width, bool rightAligned = false);

// How a report lays out a description over several lines: cut into segments of
// `width` characters, at most `maxSegments` of them (the last allowed one takes
// all the rest), each further segment on a new line that begins with `prefix`.
// With `padded`, each segment is filled to the width and followed by " | ".
struct WrapStyle {
    int width;
    int maxSegments;
    QString prefix;
    bool padded;
};

// The segments of a description: trimmed, line breaks turned into blanks, then cut
// as the style says. An empty description is one empty segment.
QStringList wrapSegments(const QString& text, int width, int maxSegments);
// The wrapped description as report text, lines separated by '\n'.
QString wrapped(const QString& text, const WrapStyle& style);

} // namespace orv
