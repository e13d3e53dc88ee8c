// Small drawing helpers shared by every picture of the program.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <functional>

namespace art {

// A fully transparent picture, ready for antialiased drawing.
QImage transparentImage(int width, int height);
// An opaque picture filled with one colour.
QImage filledImage(int width, int height, const QColor& fill);

// A painter with antialiasing and smooth scaling switched on.
void prepare(QPainter& painter);

// A pen with round caps and joins.
QPen roundPen(const QColor& colour, qreal width);

// Fonts by preference order; the first family installed wins.
QFont titleFont(qreal pixelSize);    // warm serif italic for the name "Orvalune"
QFont subtitleFont(qreal pixelSize); // light serif italic for the line under the name
QFont labelFont(qreal pixelSize);    // bold sans for keys and small glyphs

// Vertical gradient brush over [top, bottom].
QBrush verticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to);

// Text centred in a rectangle, drawn as a path so that tiny glyphs stay sharp.
void drawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour);

// A rectangle with rounded top corners and square bottom corners.
QPainterPath roundedTopRect(const QRectF& rect, qreal radius);

// A rectangle whose top corners and bottom corners have their own radius.
QPainterPath roundedRect(const QRectF& rect, qreal topRadius, qreal bottomRadius);

// A transparent size x size icon drawn in a design square of design x design units.
QImage iconImage(int size, qreal design, const std::function<void(QPainter&)>& draw);

// Fills a path and strokes its edge (round joins) in one go.
void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& edge, qreal edgeWidth);

} // namespace art
