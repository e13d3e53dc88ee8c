#include "Emblem.h"

#include "Canvas.h"
#include "Palette.h"

#include <QRadialGradient>

namespace art {

static QPainterPath crescent(const QRectF& box) {
    const qreal s = box.width();
    const QPointF centre = box.center() + QPointF(-0.04 * s, 0.0);
    const qreal outer = 0.40 * s;
    QPainterPath moon;
    moon.addEllipse(centre, outer, outer);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(0.22 * s, -0.12 * s), 0.33 * s, 0.33 * s);
    return moon.subtracted(bite);
}

static QPainterPath dewDrop(const QPointF& tip, qreal height) {
    const qreal r = height * 0.34;
    const QPointF centre = tip + QPointF(0, height - r);
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(r * 0.35, height * 0.30), centre + QPointF(r, -r * 0.55),
                 centre + QPointF(r, 0));
    drop.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(centre + QPointF(-r, -r * 0.55), tip + QPointF(-r * 0.35, height * 0.30), tip);
    drop.closeSubpath();
    return drop;
}

void drawEmblem(QPainter& painter, const QRectF& box, bool withStar) {
    const qreal s = box.width();
    painter.save();
    painter.setPen(Qt::NoPen);

    const QPainterPath moon = crescent(box);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawPath(moon.translated(0, s * 0.03));
    painter.setBrush(
        verticalGradient(box.top(), box.bottom(), Palette::cream(), Palette::creamDeep()));
    painter.drawPath(moon);

    const QPainterPath drop = dewDrop(box.topLeft() + QPointF(0.64 * s, 0.40 * s), 0.36 * s);
    painter.setBrush(verticalGradient(box.top() + 0.40 * s, box.top() + 0.76 * s, Palette::orange(),
                                      Palette::coral()));
    painter.drawPath(drop);
    if (s >= 24) {
        // A glint on the drop.
        painter.setBrush(QColor(255, 255, 255, 170));
        painter.drawEllipse(box.topLeft() + QPointF(0.605 * s, 0.64 * s), 0.035 * s, 0.05 * s);
    }
    if (withStar) {
        painter.setBrush(Palette::gold());
        painter.drawEllipse(box.topLeft() + QPointF(0.80 * s, 0.22 * s), 0.045 * s, 0.045 * s);
        painter.drawEllipse(box.topLeft() + QPointF(0.70 * s, 0.12 * s), 0.025 * s, 0.025 * s);
    }
    painter.restore();
}

QImage applicationIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    prepare(painter);
    const qreal s = size;
    const qreal margin = size >= 32 ? s * 0.04 : 0.5;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    const qreal radius = s * 0.22;

    painter.setPen(Qt::NoPen);
    QRadialGradient glow(tile.center() - QPointF(0, s * 0.18), s * 0.75);
    glow.setColorAt(0, Palette::petrolLight());
    glow.setColorAt(1, Palette::petrolDeep());
    painter.setBrush(glow);
    painter.drawRoundedRect(tile, radius, radius);
    if (size >= 32) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 40), s / 64.0));
        painter.drawRoundedRect(tile.adjusted(s * 0.03, s * 0.03, -s * 0.03, -s * 0.03),
                                radius * 0.85, radius * 0.85);
    }
    const qreal inset = size >= 32 ? s * 0.12 : s * 0.06;
    drawEmblem(painter, tile.adjusted(inset, inset, -inset, -inset), size >= 32);
    return image;
}

} // namespace art
