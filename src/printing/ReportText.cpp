#include "printing/ReportText.h"

#include <algorithm>

namespace orv {

QString pad(const QString& value, int width, bool rightAligned) {
    if (value.size() >= width) {
        return value;
    }
    const QString blanks(width - value.size(), QLatin1Char(' '));
    return rightAligned ? blanks + value : value + blanks;
}

QString pad(const QVariant& value, int width, bool rightAligned) {
    return pad(value.isNull() ? QString() : value.toString(), width, rightAligned);
}

QStringList wrapSegments(const QString& text, int width, int maxSegments) {
    QString flat = text.trimmed();
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    // A lone carriage return or line feed would break the layout just as well.
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));

    QStringList segments;
    qsizetype from = 0;
    do {
        const bool last = segments.size() + 1 >= maxSegments;
        const qsizetype take =
            last ? flat.size() - from : std::min<qsizetype>(width, flat.size() - from);
        segments << flat.mid(from, take);
        from += take;
    } while (from < flat.size());
    return segments;
}

QString wrapped(const QString& text, const WrapStyle& style) {
    const QStringList segments = wrapSegments(text, style.width, style.maxSegments);
    QString out;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        if (i > 0) {
            out += QLatin1Char('\n') + style.prefix;
        }
        out += style.padded ? pad(segments[i], style.width) + QLatin1String(" | ") : segments[i];
    }
    return out;
}

} // namespace orv
