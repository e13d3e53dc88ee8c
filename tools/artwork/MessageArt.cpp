#include "MessageArt.h"

#include "Canvas.h"
#include "Emblem.h"
#include "Palette.h"

namespace art {

namespace {

// A round badge with one bold sign, the shape of the question and information icons.
QImage badge(const QColor& light, const QColor& dark, const QString& sign, qreal signSize,
             qreal signDrop) {
    return iconImage(32, 32, [&](QPainter& p) {
        QPainterPath disc;
        disc.addEllipse(QPointF(16, 16), 14, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawPath(disc.translated(0.6, 1.2));
        fillOutlined(p, disc, verticalGradient(2, 30, light, dark), dark.darker(140), 1.5);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 22, 22), 40 * 16, 100 * 16);
        drawCentredText(p, QRectF(2, 2 + signDrop, 28, 28), sign, labelFont(signSize),
                        Palette::white());
    });
}

// The frame both backgrounds share: a square outer edge, an inner rounded line.
void drawFrame(QPainter& p, const QRectF& area, const QColor& edge) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, 2));
    p.drawRect(area.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawRoundedRect(area.adjusted(4.5, 4.5, -4.5, -4.5), 5, 5);
    p.restore();
}

} // namespace

QImage questionIcon() {
    return badge(Palette::petrolLight(), Palette::petrol(), QStringLiteral("?"), 20, 0.5);
}

QImage informationIcon() {
    return badge(QColor(98, 188, 140), Palette::green(), QStringLiteral("i"), 20, 0);
}

QImage seriousIcon() {
    return iconImage(32, 32, [](QPainter& p) {
        QPainterPath sign;
        sign.moveTo(16, 3.5);
        sign.quadTo(17.6, 3.5, 18.6, 5.2);
        sign.lineTo(29.4, 24.6);
        sign.quadTo(30.4, 27.8, 27.4, 28.5);
        sign.lineTo(4.6, 28.5);
        sign.quadTo(1.6, 27.8, 2.6, 24.6);
        sign.lineTo(13.4, 5.2);
        sign.quadTo(14.4, 3.5, 16, 3.5);
        sign.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawPath(sign.translated(0.6, 1.2));
        fillOutlined(p, sign, verticalGradient(3, 29, QColor(242, 96, 70), QColor(196, 40, 30)),
                     QColor(130, 26, 20), 1.5);
        p.setPen(roundPen(Palette::white(), 3.2));
        p.drawLine(QPointF(16, 11), QPointF(16, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::white());
        p.drawEllipse(QPointF(16, 24), 1.9, 1.9);
    });
}

QImage messageBackground() {
    const QRectF area(0, 0, 324, 124);
    QImage image = filledImage(324, 124, Palette::messageOrange());
    QPainter p(&image);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(0, 124, QColor(255, 243, 228), QColor(255, 221, 186)));
    p.drawRect(area);
    // The title band.
    p.setBrush(verticalGradient(0, 24, QColor(255, 160, 70), Palette::messageOrange()));
    p.drawRect(QRectF(0, 0, 324, 24));
    p.setBrush(Palette::coralDark());
    p.drawRect(QRectF(0, 24, 324, 1.5));
    drawEmblem(p, QRectF(8, 3, 18, 18), false);
    QPainterPath title;
    title.addText(QPointF(30, 17), subtitleFont(13), QStringLiteral("Mensagem do Orvalune"));
    p.setBrush(QColor(120, 50, 10, 90));
    p.drawPath(title.translated(0.8, 1));
    p.setBrush(Palette::white());
    p.drawPath(title);
    drawFrame(p, area, QColor(170, 80, 20));
    return image;
}

QImage waitBackground() {
    const QRectF area(0, 0, 200, 41);
    QImage image = filledImage(200, 41, Palette::waitBlue());
    QPainter p(&image);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(0, 41, QColor(226, 226, 255), QColor(178, 178, 250)));
    p.drawRect(area);
    // A row of dew drops fading away at the right, as if still arriving.
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(80, 80, 200, 150 - 45 * i));
        p.drawEllipse(QPointF(178 + 7 * i, 30), 2.0 - 0.3 * i, 2.0 - 0.3 * i);
    }
    drawFrame(p, area, QColor(80, 80, 190));
    return image;
}

QImage reminderBackground() {
    const QRectF area(0, 0, 400, 246);
    QImage image = filledImage(400, 246, QColor(255, 236, 179));
    QPainter p(&image);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(0, 246, QColor(255, 250, 232), QColor(255, 232, 172)));
    p.drawRect(area);
    // A band behind the date at the top, and a seam above the buttons.
    p.setBrush(verticalGradient(0, 36, QColor(255, 226, 150), QColor(252, 210, 120)));
    p.drawRect(QRectF(0, 0, 400, 36));
    p.setBrush(Palette::coral());
    p.drawRect(QRectF(0, 36, 400, 1.5));
    p.setBrush(QColor(200, 140, 60, 90));
    p.drawRect(QRectF(12, 194, 376, 1));
    drawFrame(p, area, QColor(138, 90, 26));
    return image;
}

} // namespace art
