#include "ClockFace.h"

#include "Canvas.h"
#include "Palette.h"

#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace art {

QImage clockDial(int size) {
    return iconImage(size, 90, [](QPainter& p) {
        const QPointF c(45, 45);
        // Petrol rim with a light inner edge.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(c + QPointF(0, 1), 44, 44);
        p.setBrush(verticalGradient(1, 89, Palette::petrolLight(), Palette::petrolDeep()));
        p.drawEllipse(c, 44, 44);
        QRadialGradient face(c - QPointF(8, 10), 50);
        face.setColorAt(0, Palette::white());
        face.setColorAt(1, Palette::creamDeep());
        p.setBrush(face);
        p.setPen(QPen(Palette::coral(), 1.2));
        p.drawEllipse(c, 39, 39);

        // Minute dots and hour strokes; the quarters longer and coral.
        for (int minute = 0; minute < 60; ++minute) {
            const qreal angle = minute * 6.0 * std::numbers::pi / 180.0;
            const QPointF direction(std::sin(angle), -std::cos(angle));
            if (minute % 5 != 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(Palette::steel());
                p.drawEllipse(c + direction * 35.5, 0.7, 0.7);
                continue;
            }
            const bool quarter = minute % 15 == 0;
            p.setPen(roundPen(quarter ? Palette::coralDark() : Palette::petrolDark(),
                              quarter ? 2.6 : 1.8));
            p.drawLine(c + direction * (quarter ? 29.5 : 31.5), c + direction * 36);
        }
        // A small crescent under the centre, the program's signature.
        QPainterPath moon;
        moon.addEllipse(c + QPointF(0, 17), 5, 5);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(2.6, 15.4), 4.2, 4.2);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::sand());
        p.drawPath(moon.subtracted(bite));
    });
}

QImage clockCap(int size) {
    return iconImage(size, 16, [](QPainter& p) {
        QPainterPath cap;
        cap.addEllipse(QPointF(8, 8), 6.5, 6.5);
        fillOutlined(p, cap, verticalGradient(1.5, 14.5, Palette::coral(), Palette::coralDark()),
                     Palette::petrolDeep(), 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(6.4, 6.2), 1.6, 1.6);
    });
}

} // namespace art
