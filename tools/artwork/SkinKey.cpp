#include "SkinKey.h"

#include "Palette.h"

#include <QPainter>

namespace art {

static QImage insideMask(QSize size, const QPainterPath& outline) {
    QImage mask(size, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(outline);
    return mask;
}

static bool inside(const QImage& mask, int x, int y) {
    if (x < 0 || y < 0 || x >= mask.width() || y >= mask.height()) {
        return false;
    }
    return qAlpha(mask.pixel(x, y)) == 255;
}

QImage keyedSkin(const QImage& picture, const QPainterPath& outline, const QColor& border) {
    const QImage mask = insideMask(picture.size(), outline);
    const QRgb key = Palette::skinKey().rgb();
    const QRgb nearKey = qRgb(254, 0, 255);
    QImage skin(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            if (!inside(mask, x, y)) {
                skin.setPixel(x, y, key);
                continue;
            }
            const bool edge = !inside(mask, x - 1, y) || !inside(mask, x + 1, y) ||
                              !inside(mask, x, y - 1) || !inside(mask, x, y + 1);
            QRgb colour = edge ? border.rgb() : (picture.pixel(x, y) | 0xff000000u);
            if (colour == key) {
                colour = nearKey; // a drawn pixel must never read as outside
            }
            skin.setPixel(x, y, colour);
        }
    }
    return skin;
}

} // namespace art
