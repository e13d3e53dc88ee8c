#pragma once

#include <QFont>

namespace orv {

// The design's font families, asked for with a style hint so that a metric
// stand-in is found where the family itself is missing.
QFont designFont(const QString& family, double points, bool bold = false, bool italic = false);
inline QFont arial(double points, bool bold = false, bool italic = false) {
    return designFont(QStringLiteral("Arial"), points, bold, italic);
}

} // namespace orv
