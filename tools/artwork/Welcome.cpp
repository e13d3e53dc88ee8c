#include "Welcome.h"

#include "Canvas.h"
#include "Ornaments.h"
#include "Palette.h"
#include "TabIcons.h"

#include <array>

namespace art {

QImage welcomePicture() {
    QImage image = transparentImage(400, 220);
    QPainter p(&image);
    prepare(p);
    const QRectF card(1.5, 1.5, 397, 215);
    QPainterPath shape;
    shape.addRoundedRect(card, 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawPath(shape.translated(0, 2));
    fillOutlined(p, shape, verticalGradient(0, 218, Palette::headerLight(), Palette::tealPale()),
                 Palette::teal(), 1.5);
    drawDewPattern(p, QRectF(250, 14, 130, 40), QColor(31, 95, 110, 28));

    drawMedallion(p, QPointF(78, 78), 54);
    drawShadowedText(p, QPointF(150, 82), titleFont(40), QStringLiteral("Orvalune"),
                     Palette::petrol(), QColor(255, 255, 255, 170));
    drawShadowedText(p, QPointF(154, 110), subtitleFont(17), QStringLiteral("a agenda da família"),
                     Palette::petrolLight(), QColor(255, 255, 255, 170));

    // The five working panels, each icon on a small white disc.
    const std::array<QImage, 5> icons{appointmentsIcon(), contactsIcon(), financesIcon(),
                                      tasksIcon(), notesIcon()};
    const qreal step = 64;
    const qreal left = 200 - step * 2;
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const QPointF centre(left + step * static_cast<qreal>(i), 170);
        p.setPen(QPen(Palette::teal(), 1.2));
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawEllipse(centre, 24, 24);
        p.drawImage(centre - QPointF(16, 16), icons[i]);
    }
    drawWave(p, 40, 360, 206, 2.5, QPen(Palette::coralPale(), 1.5));
    return image;
}

} // namespace art
