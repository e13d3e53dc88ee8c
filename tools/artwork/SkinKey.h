// Turns a drawn window picture into a skin: every pixel outside the outline gets
// the colour key, every pixel inside is fully opaque, and the outline itself is
// rasterised without antialiasing so that no half-keyed fringe can appear.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace art {

QImage keyedSkin(const QImage& picture, const QPainterPath& outline, const QColor& border);

} // namespace art
