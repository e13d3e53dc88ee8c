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
        // A paper clip on a slant: three nested U turns of one wire.
        p.translate(8, 8);
        p.rotate(35);
        QPainterPath wire;
        wire.moveTo(1.8, -3.5);
        wire.lineTo(1.8, 4.0);
        wire.arcTo(QRectF(-1.8, 2.2, 3.6, 3.6), 0, -180);
        wire.lineTo(-1.8, -4.8);
        wire.arcTo(QRectF(-1.8, -7.0, 5.2, 4.4), 180, -180);
        wire.lineTo(3.4, 4.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(Palette::petrolDeep(), 2.6));
        p.drawPath(wire);
        p.setPen(roundPen(QColor(120, 190, 200), 1.3));
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
        // Candle and flame.
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::petrol());
        p.drawRect(QRectF(7.2, 3.5, 1.6, 4));
        QPainterPath flame;
        flame.moveTo(8, 0.3);
        flame.cubicTo(10.2, 2.2, 9.6, 3.6, 8, 3.6);
        flame.cubicTo(6.4, 3.6, 5.8, 2.2, 8, 0.3);
        p.setBrush(Palette::orange());
        p.drawPath(flame);
        // Cake with pink icing dripping over the edge.
        QPainterPath cake;
        cake.addRoundedRect(QRectF(1.5, 7.5, 13, 7), 1.5, 1.5);
        fillOutlined(p, cake, verticalGradient(7, 15, QColor(222, 170, 120), QColor(176, 112, 70)),
                     QColor(110, 64, 40), 1.0);
        QPainterPath icing;
        icing.moveTo(1.5, 9);
        icing.quadTo(1.5, 7.5, 3, 7.5);
        icing.lineTo(13, 7.5);
        icing.quadTo(14.5, 7.5, 14.5, 9);
        icing.lineTo(14.5, 10.2);
        for (qreal x = 14.5; x > 2; x -= 3.25) {
            icing.quadTo(x - 0.8, 12.4, x - 1.6, 10.6);
            icing.quadTo(x - 2.4, 9.6, x - 3.25, 10.4);
        }
        icing.lineTo(1.5, 9);
        icing.closeSubpath();
        p.setBrush(Palette::coralPale());
        p.setPen(Qt::NoPen);
        p.drawPath(icing);
        p.setPen(QPen(QColor(110, 64, 40), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 7.5, 13, 7), 1.5, 1.5);
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
