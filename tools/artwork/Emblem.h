// Orvalune's emblem: a cream crescent moon holding a coral dew drop.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace art {

// The emblem alone, on whatever is already painted in box.
void drawEmblem(QPainter& painter, const QRectF& box, bool withStar);

// The application icon: the emblem on a rounded petrol tile, size x size pixels.
QImage applicationIcon(int size);

} // namespace art
