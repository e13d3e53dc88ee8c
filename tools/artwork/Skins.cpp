#include "Skins.h"

#include "Canvas.h"
#include "Ornaments.h"
#include "Palette.h"
#include "SkinKey.h"

#include <array>
#include <cmath>
#include <numbers>

namespace art {

namespace {

// A soft inner edge along an outline, so that the hard window edge reads as a rim.
void drawRim(QPainter& painter, const QPainterPath& outline) {
    painter.save();
    painter.setClipPath(outline);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::petrolDeep(), 3));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
    painter.drawPath(outline.translated(0, 2.5).intersected(outline));
    painter.restore();
}

constexpr QPointF kLogonSeal{66, 58};
constexpr qreal kLogonSealRadius = 56;

// The small concave curves that join a disc rising above a horizontal edge at
// height top (above the disc's centre) to that edge, on both sides of the disc.
QPainterPath fillets(const QPointF& centre, qreal radius, qreal top, qreal filletRadius) {
    QPainterPath joins;
    const qreal fy = top - filletRadius;
    const qreal reach = radius + filletRadius;
    const qreal dx = std::sqrt(reach * reach - (centre.y() - fy) * (centre.y() - fy));
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF fillet(centre.x() + side * dx, fy);
        const QPointF touch = centre + (fillet - centre) * (radius / reach);
        QPainterPath wedge;
        wedge.moveTo(fillet.x(), top);
        wedge.lineTo(fillet);
        wedge.lineTo(touch);
        wedge.lineTo(centre.x(), top);
        wedge.closeSubpath();
        QPainterPath disc;
        disc.addEllipse(fillet, filletRadius, filletRadius);
        joins.addPath(wedge.subtracted(disc));
    }
    return joins;
}

QPainterPath logonOutline() {
    // A rounded card with the round seal rising above its top-left corner.
    const qreal top = 14;
    QPainterPath card = roundedRect(QRectF(0, top, 420, 300 - top), 24, 24);
    QPainterPath seal;
    seal.addEllipse(kLogonSeal, kLogonSealRadius, kLogonSealRadius);
    return card.united(seal).united(fillets(kLogonSeal, kLogonSealRadius, top, 7)).simplified();
}

// The top edge of the main window dips gently between the title and the buttons.
QPainterPath mainOutline() {
    const qreal dipLeft = 250;
    const qreal dipRight = 440;
    const qreal depth = 7;
    QPainterPath path = roundedRect(QRectF(0, 0, 760, 540), 20, 14);
    QPainterPath dip;
    dip.moveTo(dipLeft, -1);
    for (int i = 0; i <= 48; ++i) {
        const qreal t = i / 48.0;
        const qreal x = dipLeft + t * (dipRight - dipLeft);
        const qreal y = depth * 0.5 * (1 - std::cos(2 * std::numbers::pi * t));
        dip.lineTo(x, y);
    }
    dip.lineTo(dipRight, -1);
    dip.closeSubpath();
    return path.subtracted(dip);
}

struct Tab {
    int left;
    int width;
};

// The six panel tabs, left to right: appointments, contacts, finances, tasks,
// notes, start panel.
constexpr std::array<Tab, 6> kTabs{
    {{343, 99}, {443, 72}, {516, 63}, {580, 56}, {637, 46}, {684, 20}}};
constexpr int kTabTop = 430;
constexpr int kTabLine = 472; // the line under the tabs, 4 pixels high

void drawTabs(QPainter& painter) {
    for (const Tab& tab : kTabs) {
        const QRectF box(tab.left + 0.5, kTabTop + 0.5, tab.width - 1, kTabLine - kTabTop + 2);
        const QPainterPath shape = roundedTopRect(box, 6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(
            verticalGradient(kTabTop, kTabLine, QColor(246, 246, 246), Palette::tabSurface()));
        painter.drawPath(shape);
        painter.setPen(QPen(QColor(160, 172, 176), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::petrolDark());
    painter.drawRect(QRectF(340, kTabLine, 400, 4));
}

} // namespace

QImage logonSkin() {
    QImage picture = filledImage(420, 300, Palette::cream());
    QPainter painter(&picture);
    prepare(painter);
    painter.setPen(Qt::NoPen);
    const QPainterPath outline = logonOutline();

    // Petrol header, lighter towards the top, with the seal and the name.
    const qreal seam = 112;
    painter.setBrush(verticalGradient(0, seam, Palette::petrolLight(), Palette::petrol()));
    painter.drawRect(QRectF(0, 0, 420, seam));
    drawDewPattern(painter, QRectF(300, 22, 80, 80), QColor(255, 255, 255, 24));

    // Warm cream body with a coral seam under the header.
    painter.setBrush(verticalGradient(seam, 300, Palette::cream(), Palette::creamDeep()));
    painter.drawRect(QRectF(0, seam, 420, 300 - seam));
    painter.setBrush(Palette::coral());
    painter.drawRect(QRectF(0, seam - 1, 420, 3));
    painter.setBrush(QColor(0, 0, 0, 28));
    painter.drawRect(QRectF(0, seam + 2, 420, 2));

    drawMedallion(painter, kLogonSeal, kLogonSealRadius - 1.5);
    drawShadowedText(painter, QPointF(136, 66), titleFont(36), QStringLiteral("Orvalune"),
                     Palette::cream());
    drawShadowedText(painter, QPointF(140, 92), subtitleFont(15),
                     QStringLiteral("a agenda da família"), Palette::tealPale());

    // The calm field behind the login and password rows.
    painter.setPen(QPen(Palette::sand(), 1));
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawRoundedRect(QRectF(36.5, 124.5, 347, 82), 10, 10);

    drawWave(painter, 40, 380, 280, 3, QPen(Palette::coralPale(), 1.5));
    drawRim(painter, outline);
    painter.end();

    return keyedSkin(picture, outline, Palette::petrolDeep());
}

QImage mainSkin() {
    QImage picture = filledImage(760, 540, Palette::petrol());
    QPainter painter(&picture);
    prepare(painter);
    painter.setPen(Qt::NoPen);
    const QPainterPath outline = mainOutline();

    // Frame around the panels: petrol, darker towards the bottom.
    painter.setBrush(verticalGradient(40, 540, Palette::petrol(), Palette::petrolDark()));
    painter.drawRect(QRectF(0, 40, 760, 500));

    // A light header band, so that the dark captions laid on it read; the seal and
    // the name at the left, the right part plain for the date and the buttons.
    painter.setBrush(verticalGradient(0, 42, Palette::headerLight(), Palette::tealPale()));
    painter.drawRect(QRectF(0, 0, 760, 42));
    drawDewPattern(painter, QRectF(200, 8, 110, 28), QColor(31, 95, 110, 30));
    drawMedallion(painter, QPointF(34, 21), 17);
    drawShadowedText(painter, QPointF(60, 30), titleFont(26), QStringLiteral("Orvalune"),
                     Palette::petrol(), QColor(255, 255, 255, 160));

    // Panel surface, plain, with a coral seam above it.
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawRect(QRectF(15, 45, 730, 381));
    painter.setBrush(Palette::coral());
    painter.drawRect(QRectF(16, 42, 728, 2));
    painter.setBrush(Palette::cream());
    painter.drawRect(QRectF(16, 46, 728, 378));

    // Bottom left: the card of the clock and of the owner's identity.
    painter.setPen(QPen(Palette::petrolDeep(), 1));
    painter.setBrush(verticalGradient(432, 532, Palette::cream(), Palette::creamDeep()));
    painter.drawRoundedRect(QRectF(16.5, 431.5, 318, 101), 10, 10);

    // Bottom right: the tabs of the panels over the light grey of the open tab.
    painter.setBrush(Palette::tabSurface());
    painter.drawPath(roundedRect(QRectF(338.5, 431.5, 405, 101), 10, 10));
    drawTabs(painter);

    drawRim(painter, outline);
    painter.end();
    return keyedSkin(picture, outline, Palette::petrolDeep());
}

} // namespace art
