#include "ButtonIcons.h"

#include "Canvas.h"
#include "Palette.h"

#include <QLineF>
#include <QTransform>

namespace art {

namespace {

constexpr int kSize = 24;

// The tile every small button stands on.
void tile(QPainter& p, const QColor& top, const QColor& bottom, const QColor& edge) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1.5, 1.5, 21, 21), 6, 6);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(shape.translated(0, 1));
    p.restore();
    fillOutlined(p, shape, verticalGradient(1.5, 22.5, top, bottom), edge, 1.0);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(6, 2.8), QPointF(18, 2.8));
    p.restore();
}

void lightTile(QPainter& p) {
    tile(p, Palette::white(), Palette::creamDeep(), Palette::petrolDark());
}

QImage button(const std::function<void(QPainter&)>& glyph) {
    return iconImage(kSize, 24, [&glyph](QPainter& p) {
        lightTile(p);
        glyph(p);
    });
}

// A filled arrow pointing along +x, its tip at the origin.
QPainterPath arrowHead(qreal length, qreal halfWidth) {
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-length, -halfWidth);
    head.lineTo(-length, halfWidth);
    head.closeSubpath();
    return head;
}

// The floppy disk of the backup buttons.
void disk(QPainter& p) {
    QPainterPath body;
    body.moveTo(5.5, 5.5);
    body.lineTo(16, 5.5);
    body.lineTo(18.5, 8);
    body.lineTo(18.5, 18.5);
    body.lineTo(5.5, 18.5);
    body.closeSubpath();
    fillOutlined(p, body, verticalGradient(5, 19, Palette::petrolLight(), Palette::petrol()),
                 Palette::petrolDeep(), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::steel());
    p.drawRect(QRectF(8, 5.5, 7, 4));
    p.setBrush(Palette::petrolDeep());
    p.drawRect(QRectF(12.5, 6.3, 1.6, 2.4));
    p.setBrush(Palette::cream());
    p.drawRoundedRect(QRectF(7.5, 12, 9, 6), 1, 1);
}

// An arrow along x from one height to another, with a white halo so that it
// stands out from the disk under it.
void verticalArrow(QPainter& p, qreal x, qreal from, qreal to, const QColor& colour) {
    const qreal direction = to > from ? 1 : -1;
    const qreal headLength = 4.2;
    QPainterPath head = arrowHead(headLength, 3.4);
    head = QTransform().translate(x, to).rotate(direction > 0 ? 90 : -90).map(head);
    QPainterPath shaft;
    shaft.moveTo(x, from);
    shaft.lineTo(x, to - direction * (headLength - 0.5));
    p.save();
    p.setPen(roundPen(Palette::white(), 4.4));
    p.setBrush(Palette::white());
    p.drawPath(shaft);
    p.drawPath(head);
    p.setPen(roundPen(colour, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(roundPen(colour, 0.8));
    p.setBrush(colour);
    p.drawPath(head);
    p.restore();
}

} // namespace

QImage settingsButton() {
    return button([](QPainter& p) {
        QPainterPath gear;
        const QPointF c(12, 12);
        const int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
            const qreal angle = (i - 0.5) * (360.0 / (teeth * 4));
            const qreal r = (i % 4 == 0 || i % 4 == 1) ? 7.6 : 5.6;
            QLineF ray(c, c + QPointF(r, 0));
            ray.setAngle(angle);
            if (i == 0) {
                gear.moveTo(ray.p2());
            } else {
                gear.lineTo(ray.p2());
            }
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(c, 2.4, 2.4);
        fillOutlined(p, gear.subtracted(hole),
                     verticalGradient(4, 20, Palette::petrolLight(), Palette::petrolDark()),
                     Palette::petrolDeep(), 0.8);
    });
}

QImage logoutButton() {
    return button([](QPainter& p) {
        // Door frame and the open door.
        p.setPen(roundPen(Palette::petrolDark(), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{13, 8}, {13, 5.5}, {6, 5.5}, {6, 18.5}, {13, 18.5}, {13, 16}}));
        QPainterPath door;
        door.moveTo(6, 5.5);
        door.lineTo(10.5, 7.5);
        door.lineTo(10.5, 20);
        door.lineTo(6, 18.5);
        door.closeSubpath();
        fillOutlined(p, door, Palette::petrol(), Palette::petrolDeep(), 0.8);
        // Coral arrow leaving to the right.
        p.setPen(roundPen(Palette::coral(), 2.2));
        p.drawLine(QPointF(11.5, 12), QPointF(16.5, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::coral());
        p.drawPath(arrowHead(4.5, 3.6).translated(20, 12));
    });
}

QImage calculatorButton() {
    return button([](QPainter& p) {
        QPainterPath body;
        body.addRoundedRect(QRectF(6.5, 4.5, 11, 15), 1.8, 1.8);
        fillOutlined(p, body, verticalGradient(4, 20, Palette::petrolLight(), Palette::petrol()),
                     Palette::petrolDeep(), 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::tealPale());
        p.drawRect(QRectF(8.3, 6.3, 7.4, 3.2));
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                p.setBrush(row == 2 && col == 2 ? Palette::coral() : Palette::cream());
                p.drawRect(QRectF(8.3 + col * 2.7, 11 + row * 2.7, 1.9, 1.9));
            }
        }
    });
}

QImage backupButton() {
    return button([](QPainter& p) {
        disk(p);
        verticalArrow(p, 18, 2.5, 12.5, Palette::green());
    });
}

QImage restoreButton() {
    return button([](QPainter& p) {
        disk(p);
        verticalArrow(p, 18, 12.5, 2.5, Palette::coral());
    });
}

QImage printerButton() {
    return button([](QPainter& p) {
        fillOutlined(
            p,
            [] {
                QPainterPath paper;
                paper.addRect(QRectF(8.5, 4.5, 7, 6));
                return paper;
            }(),
            Palette::white(), Palette::steel(), 0.9);
        QPainterPath body;
        body.addRoundedRect(QRectF(4.5, 9.5, 15, 7), 1.8, 1.8);
        fillOutlined(p, body, verticalGradient(9, 17, Palette::petrolLight(), Palette::petrol()),
                     Palette::petrolDeep(), 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::green());
        p.drawEllipse(QPointF(16.8, 12), 0.9, 0.9);
        QPainterPath sheet;
        sheet.addRect(QRectF(7.5, 14.5, 9, 5));
        fillOutlined(p, sheet, Palette::white(), Palette::steel(), 0.9);
        p.setPen(QPen(Palette::steel(), 0.8));
        p.drawLine(QPointF(9, 16.5), QPointF(15, 16.5));
    });
}

QImage minimiseButton() {
    return button([](QPainter& p) {
        p.setPen(roundPen(Palette::petrolDark(), 2.6));
        p.drawLine(QPointF(7.5, 16), QPointF(16.5, 16));
    });
}

QImage closeButton() {
    return iconImage(kSize, 24, [](QPainter& p) {
        tile(p, QColor(246, 140, 112), Palette::coralDark(), QColor(140, 50, 34));
        p.setPen(roundPen(Palette::white(), 2.4));
        p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
        p.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
    });
}

QImage calendarButton() {
    return button([](QPainter& p) {
        QPainterPath page;
        page.addRoundedRect(QRectF(5.5, 6.5, 13, 12), 1.8, 1.8);
        fillOutlined(p, page, Palette::white(), Palette::petrolDark(), 1.0);
        p.save();
        p.setClipPath(page);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::coral());
        p.drawRect(QRectF(5, 6, 14, 4));
        p.restore();
        p.setPen(roundPen(Palette::petrolDeep(), 1.4));
        p.drawLine(QPointF(9, 5), QPointF(9, 8));
        p.drawLine(QPointF(15, 5), QPointF(15, 8));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 3; ++col) {
                p.setBrush(row == 1 && col == 1 ? Palette::coral() : Palette::steel());
                p.drawRect(QRectF(7.8 + col * 3, 12 + row * 3, 2, 2));
            }
        }
    });
}

QImage emailButton() {
    return button([](QPainter& p) {
        QPainterPath envelope;
        envelope.addRoundedRect(QRectF(4.5, 7.5, 15, 10), 1.5, 1.5);
        fillOutlined(p, envelope, verticalGradient(7, 18, Palette::white(), Palette::tealPale()),
                     Palette::petrolDark(), 1.0);
        p.setPen(roundPen(Palette::petrolDark(), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{5, 8.2}, {12, 13.2}, {19, 8.2}}));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::coral());
        p.drawEllipse(QPointF(12, 13.6), 1.6, 1.6);
    });
}

QImage searchButton() {
    return button([](QPainter& p) {
        p.setPen(roundPen(Palette::petrolDark(), 2.6));
        p.drawLine(QPointF(14.5, 14.5), QPointF(19, 19));
        QPainterPath lens;
        lens.addEllipse(QPointF(10.5, 10.5), 5.2, 5.2);
        fillOutlined(p, lens, verticalGradient(5, 16, Palette::white(), Palette::tealPale()),
                     Palette::petrolDark(), 1.6);
    });
}

namespace {

QImage balanceButton(bool forward) {
    return button([forward](QPainter& p) {
        QPainterPath coin;
        coin.addEllipse(QPointF(12, 9.5), 5.2, 5.2);
        fillOutlined(p, coin, verticalGradient(4, 15, QColor(255, 222, 120), Palette::orange()),
                     Palette::goldDark(), 1.0);
        p.setPen(QPen(QColor(255, 244, 200), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 9.5), 3.3, 3.3);
        const qreal d = forward ? 1 : -1;
        p.setPen(roundPen(Palette::petrol(), 2.0));
        p.drawLine(QPointF(12 - 6 * d, 18), QPointF(12 + 3.5 * d, 18));
        p.setPen(roundPen(Palette::petrol(), 0.8));
        p.setBrush(Palette::petrol());
        p.drawPath(QTransform()
                       .translate(12 + 7 * d, 18)
                       .rotate(forward ? 0 : 180)
                       .map(arrowHead(4.2, 3.2)));
    });
}

QImage dayArrow(bool forward) {
    return iconImage(kSize, 24, [forward](QPainter& p) {
        QPainterPath disc;
        disc.addEllipse(QPointF(12, 12), 10.5, 10.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 55));
        p.drawPath(disc.translated(0, 1));
        fillOutlined(p, disc, verticalGradient(1.5, 22.5, Palette::teal(), Palette::petrol()),
                     Palette::petrolDeep(), 1.0);
        const qreal d = forward ? 1 : -1;
        p.setPen(roundPen(Palette::cream(), 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{12 - 2.5 * d, 6.5}, {12 + 3 * d, 12}, {12 - 2.5 * d, 17.5}}));
    });
}

} // namespace

QImage balanceFromPreviousButton() {
    return balanceButton(false);
}

QImage balanceToNextButton() {
    return balanceButton(true);
}

QImage previousDayArrow() {
    return dayArrow(false);
}

QImage nextDayArrow() {
    return dayArrow(true);
}

} // namespace art
