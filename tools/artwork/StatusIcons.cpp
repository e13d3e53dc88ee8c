#include "StatusIcons.h"

#include "Canvas.h"
#include "Palette.h"

namespace art {

namespace {

constexpr int kSize = 16;

QImage status(const std::function<void(QPainter&)>& draw) {
    return iconImage(kSize, 16, draw);
}

} // namespace

QImage attachedPicture() {
    return status([](QPainter& p) {
        // A paper clip on a slant: one wire bent into two nested loops.
        p.translate(8, 8);
        p.rotate(40);
        QPainterPath wire;
        wire.moveTo(1.6, -2.8);
        wire.lineTo(1.6, 3.6);
        wire.arcTo(QRectF(-1.6, 2.0, 3.2, 3.2), 0, -180);
        wire.lineTo(-1.6, -4.6);
        wire.arcTo(QRectF(-1.6, -7.4, 5.0, 5.0), 180, -180);
        wire.lineTo(3.4, 5.0);
        wire.arcTo(QRectF(-3.4, 1.6, 6.8, 6.8), 0, -180);
        wire.lineTo(-3.4, -3.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(Palette::petrolDark(), 1.45));
        p.drawPath(wire);
    });
}

QImage lockedPicture() {
    return status([](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(Palette::petrolDark(), 1.8));
        QPainterPath shackle;
        shackle.moveTo(4.8, 8);
        shackle.lineTo(4.8, 5.2);
        shackle.arcTo(QRectF(4.8, 1.8, 6.4, 6.4), 180, -180);
        shackle.lineTo(11.2, 8);
        p.drawPath(shackle);
        QPainterPath body;
        body.addRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.6, 1.6);
        fillOutlined(p, body, verticalGradient(7.5, 15, QColor(255, 214, 110), Palette::orange()),
                     Palette::goldDark(), 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::petrolDeep());
        p.drawEllipse(QPointF(8, 10.5), 1.3, 1.3);
        p.drawRect(QRectF(7.4, 10.5, 1.2, 2.6));
    });
}

QImage birthdayPicture() {
    return status([](QPainter& p) {
        // A plate, a two-tier cake with pink icing, one candle and its flame.
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::steel());
        p.drawRoundedRect(QRectF(1.2, 14, 13.6, 1.7), 0.85, 0.85);
        const QColor crumb(150, 92, 56);
        const auto tier = [&p, &crumb](const QRectF& box) {
            QPainterPath body;
            body.addRoundedRect(box, 1.2, 1.2);
            fillOutlined(
                p, body,
                verticalGradient(box.top(), box.bottom(), Palette::cream(), Palette::sand()), crumb,
                0.9);
            QPainterPath icing;
            icing.moveTo(box.left(), box.top() + 1.2);
            icing.quadTo(box.left(), box.top(), box.left() + 1.2, box.top());
            icing.lineTo(box.right() - 1.2, box.top());
            icing.quadTo(box.right(), box.top(), box.right(), box.top() + 1.2);
            const int drips = qRound(box.width() / 3);
            const qreal step = box.width() / drips;
            for (int i = drips; i > 0; --i) {
                const qreal x = box.left() + i * step;
                icing.quadTo(x - step * 0.25, box.top() + 3.4, x - step * 0.5, box.top() + 2.4);
                icing.quadTo(x - step * 0.75, box.top() + 1.6, x - step, box.top() + 2.2);
            }
            icing.closeSubpath();
            p.setPen(QPen(Palette::coralDark(), 0.6));
            p.setBrush(QColor(246, 150, 170));
            p.drawPath(icing);
        };
        tier(QRectF(1.5, 9.5, 13, 4.5));
        tier(QRectF(4, 5.8, 8, 3.9));
        // Candle and flame.
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::petrol());
        p.drawRect(QRectF(7.3, 2.6, 1.4, 3.2));
        QPainterPath flame;
        flame.moveTo(8, -0.2);
        flame.cubicTo(9.9, 1.4, 9.4, 2.7, 8, 2.7);
        flame.cubicTo(6.6, 2.7, 6.1, 1.4, 8, -0.2);
        p.setBrush(Palette::orange());
        p.drawPath(flame);
    });
}

QImage alarmPicture() {
    return status([](QPainter& p) {
        QPainterPath bell;
        bell.moveTo(2, 12.5);
        bell.quadTo(3.8, 11, 3.8, 7.5);
        bell.cubicTo(3.8, 2.2, 12.2, 2.2, 12.2, 7.5);
        bell.quadTo(12.2, 11, 14, 12.5);
        bell.closeSubpath();
        fillOutlined(p, bell, verticalGradient(2, 13, QColor(255, 224, 120), Palette::orange()),
                     Palette::goldDark(), 1.1);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::goldDark());
        p.drawEllipse(QPointF(8, 2.3), 1.2, 1.2);
        p.setBrush(Palette::coralDark());
        p.drawEllipse(QPointF(8, 13.8), 1.8, 1.8);
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        p.drawLine(QPointF(5.6, 8.5), QPointF(5.9, 6.2));
    });
}

QImage donePicture() {
    return status([](QPainter& p) {
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.2, 12.2);
        tick.lineTo(13.5, 3.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(Palette::greenDark(), 3.6));
        p.drawPath(tick);
        p.setPen(roundPen(QColor(86, 190, 120), 2.0));
        p.drawPath(tick);
    });
}

QImage sharedPicture() {
    return status([](QPainter& p) {
        const auto person = [&p](qreal x, const QColor& fill, const QColor& edge) {
            QPainterPath body;
            body.moveTo(x - 3.6, 14.5);
            body.cubicTo(x - 3.6, 8.2, x + 3.6, 8.2, x + 3.6, 14.5);
            body.closeSubpath();
            body.addEllipse(QPointF(x, 5.6), 2.4, 2.4);
            fillOutlined(p, body, fill, edge, 1.0);
        };
        person(10.8, Palette::teal(), Palette::petrolDark());
        person(5.2, Palette::coral(), Palette::coralDark());
    });
}

} // namespace art
