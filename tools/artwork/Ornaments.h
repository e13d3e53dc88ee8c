// Decorations shared by the larger pictures: the dew pattern, the wave, the
// seal with the emblem and shadowed lettering.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

namespace art {

// Soft dew drops scattered over a band.
void drawDewPattern(QPainter& painter, const QRectF& band, const QColor& colour);

// A gentle wave line from left to right around a baseline.
void drawWave(QPainter& painter, qreal left, qreal right, qreal baseline, qreal amplitude,
              const QPen& pen);

// Text with a soft drop shadow, drawn as a path from a baseline start.
void drawShadowedText(QPainter& painter, const QPointF& baselineStart, const QFont& font,
                      const QString& text, const QColor& colour,
                      const QColor& shadow = QColor(0, 0, 0, 70));

// The round seal: the emblem on a petrol disc with a cream ring.
void drawMedallion(QPainter& painter, const QPointF& centre, qreal radius);

} // namespace art
