#include "mainwindow/ui/Fonts.h"

namespace orv {

QFont designFont(const QString& family, double points, bool bold, bool italic) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    if (family == QLatin1String("Courier New")) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else if (family == QLatin1String("Book Antiqua")) {
        font.setStyleHint(QFont::Serif);
    } else if (family == QLatin1String("Monotype Corsiva")) {
        font.setStyleHint(QFont::Cursive);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

} // namespace orv
