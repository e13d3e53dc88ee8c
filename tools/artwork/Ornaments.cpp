#include "Ornaments.h"

#include "Canvas.h"
#include "Emblem.h"
#include "Palette.h"

#include <array>

namespace art {

// Soft dew drops scattered over a band, the quiet decoration of the headers.
void drawDewPattern(QPainter& painter, const QRectF& band, const QColor& colour) {
    painter.save();
    painter.setClipRect(band);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const std::array<QPointF, 9> spots{{{0.06, 0.30},
                                        {0.17, 0.72},
                                        {0.29, 0.38},
                                        {0.41, 0.80},
                                        {0.52, 0.26},
                                        {0.64, 0.62},
                                        {0.76, 0.34},
                                        {0.87, 0.74},
                                        {0.96, 0.44}}};
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const qreal r = 1.5 + static_cast<qreal>(i % 3);
        painter.drawEllipse(QPointF(band.left() + spots[i].x() * band.width(),
                                    band.top() + spots[i].y() * band.height()),
                            r, r);
    }
    painter.restore();
}

// A gentle wave line across a band, the flourish at the foot of the logon card.
void drawWave(QPainter& painter, qreal left, qreal right, qreal baseline, qreal amplitude,
              const QPen& pen) {
    QPainterPath wave;
    wave.moveTo(left, baseline);
    const qreal step = 40.0;
    bool up = true;
    for (qreal x = left; x < right; x += step) {
        const qreal next = qMin(x + step, right);
        wave.quadTo((x + next) / 2, baseline + (up ? -amplitude : amplitude), next, baseline);
        up = !up;
    }
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    painter.restore();
}

// Text with a soft drop shadow, drawn as a path from a baseline start.
void drawShadowedText(QPainter& painter, const QPointF& baselineStart, const QFont& font,
                      const QString& text, const QColor& colour, const QColor& shadow) {
    QPainterPath path;
    path.addText(baselineStart, font, text);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPath(path.translated(1, 1.5));
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

// The round seal of the emblem: a petrol disc with a cream ring.
void drawMedallion(QPainter& painter, const QPointF& centre, qreal radius) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(centre.y() - radius, centre.y() + radius,
                                      Palette::petrolLight(), Palette::petrol()));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::cream(), qMax(1.2, radius * 0.045)));
    painter.drawEllipse(centre, radius * 0.89, radius * 0.89);
    if (radius > 30) {
        painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
        painter.drawEllipse(centre, radius * 0.82, radius * 0.82);
    }
    painter.restore();
    const qreal e = radius * 1.2;
    drawEmblem(painter, QRectF(centre.x() - e / 2, centre.y() - e / 2, e, e), true);
}

} // namespace art
