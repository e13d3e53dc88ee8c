#include "TabIcons.h"

#include "Canvas.h"
#include "Palette.h"

namespace art {

namespace {

constexpr int kSize = 32;
constexpr qreal kEdge = 1.5;

QPainterPath rounded(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// A soft shadow under an icon's main shape.
void dropShadow(QPainter& painter, const QPainterPath& shape) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(shape.translated(0.8, 1.2));
    painter.restore();
}

void tick(QPainter& painter, const QPointF& at, qreal size, const QColor& colour, qreal width) {
    QPainterPath path;
    path.moveTo(at + QPointF(0, size * 0.5));
    path.lineTo(at + QPointF(size * 0.38, size * 0.85));
    path.lineTo(at + QPointF(size, 0));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(colour, width));
    painter.drawPath(path);
    painter.restore();
}

} // namespace

QImage appointmentsIcon() {
    return iconImage(kSize, 32, [](QPainter& p) {
        const QPainterPath page = rounded(QRectF(3.5, 5.5, 25, 23), 3.5);
        dropShadow(p, page);
        fillOutlined(p, page, verticalGradient(5, 29, Palette::white(), Palette::creamDeep()),
                     Palette::petrolDark(), kEdge);
        // Coral header band with the two rings of the binding.
        p.save();
        p.setClipPath(page);
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(5, 12, Palette::coral(), Palette::coralDark()));
        p.drawRect(QRectF(3, 5, 26, 7));
        p.restore();
        p.setPen(roundPen(Palette::petrolDark(), kEdge));
        p.setBrush(Qt::NoBrush);
        p.drawPath(page);
        for (qreal x : {10.0, 22.0}) {
            p.setPen(roundPen(Palette::petrolDeep(), 2.2));
            p.drawLine(QPointF(x, 3), QPointF(x, 8));
        }
        // The days: a small grid of dots, today ringed.
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::steel());
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 4; ++col) {
                p.drawEllipse(QPointF(8.5 + col * 5, 16.5 + row * 4.5), 1.3, 1.3);
            }
        }
        p.setBrush(Palette::coral());
        p.drawEllipse(QPointF(18.5, 21), 2.6, 2.6);
    });
}

QImage contactsIcon() {
    return iconImage(kSize, 32, [](QPainter& p) {
        const QPainterPath book = rounded(QRectF(6.5, 3.5, 21, 26), 3);
        dropShadow(p, book);
        fillOutlined(p, book, verticalGradient(3, 30, Palette::petrolLight(), Palette::petrol()),
                     Palette::petrolDeep(), kEdge);
        // Pages showing at the right edge.
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::cream());
        p.drawRect(QRectF(25, 5.5, 1.5, 22));
        // Rings of the spine.
        for (qreal y : {8.0, 13.0, 18.0, 23.0}) {
            fillOutlined(p, rounded(QRectF(3.5, y - 1.3, 6, 2.6), 1.3), Palette::gold(),
                         Palette::goldDark(), 0.8);
        }
        // The person on the cover.
        QPainterPath label = rounded(QRectF(11, 8, 12, 15), 2.5);
        fillOutlined(p, label, Palette::cream(), Palette::petrolDeep(), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::coral());
        p.drawEllipse(QPointF(17, 13), 2.6, 2.6);
        QPainterPath shoulders;
        shoulders.moveTo(12.5, 21.5);
        shoulders.cubicTo(12.5, 15.8, 21.5, 15.8, 21.5, 21.5);
        shoulders.closeSubpath();
        p.drawPath(shoulders);
    });
}

QImage financesIcon() {
    return iconImage(kSize, 32, [](QPainter& p) {
        // A bank note, slightly tilted, behind the coins.
        p.save();
        p.translate(14, 13);
        p.rotate(-12);
        const QPainterPath note = rounded(QRectF(-12, -7, 24, 14), 2);
        dropShadow(p, note);
        fillOutlined(p, note, verticalGradient(-7, 7, QColor(150, 214, 160), Palette::green()),
                     Palette::greenDark(), 1.2);
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(-9.5, -4.5, 19, 9), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::greenDark());
        p.drawEllipse(QPointF(0, 0), 3, 3);
        p.restore();
        // Two coins, the front one with the currency mark.
        const auto coin = [&p](const QPointF& centre, qreal r) {
            QPainterPath disc;
            disc.addEllipse(centre, r, r);
            dropShadow(p, disc);
            fillOutlined(p, disc,
                         verticalGradient(centre.y() - r, centre.y() + r, QColor(255, 222, 120),
                                          Palette::orange()),
                         Palette::goldDark(), 1.2);
            p.setPen(QPen(QColor(255, 244, 200), 0.9));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, r - 2.2, r - 2.2);
        };
        coin(QPointF(16.5, 23), 6);
        coin(QPointF(23.5, 20.5), 7);
        drawCentredText(p, QRectF(17.5, 14.5, 12, 12), QStringLiteral("$"), labelFont(10),
                        Palette::goldDark());
    });
}

QImage tasksIcon() {
    return iconImage(kSize, 32, [](QPainter& p) {
        const QPainterPath board = rounded(QRectF(5.5, 4.5, 21, 25), 3);
        dropShadow(p, board);
        fillOutlined(p, board, verticalGradient(4, 30, Palette::sand(), Palette::sandDark()),
                     QColor(120, 96, 62), kEdge);
        fillOutlined(p, rounded(QRectF(8.5, 8.5, 15, 18.5), 1), Palette::white(),
                     Palette::sandDark(), 0.8);
        // The clip.
        fillOutlined(p, rounded(QRectF(11.5, 2.5, 9, 5), 1.8), Palette::steel(),
                     Palette::petrolDark(), 1.0);
        // Three lines, the first two done.
        for (int i = 0; i < 3; ++i) {
            const qreal y = 12.5 + i * 5;
            p.setPen(roundPen(Palette::steel(), 1.4));
            p.drawLine(QPointF(15.5, y + 0.5), QPointF(21.5, y + 0.5));
            if (i < 2) {
                tick(p, QPointF(10, y - 1.2), 4, Palette::green(), 1.6);
            } else {
                p.setPen(QPen(Palette::steel(), 1));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(QRectF(10.2, y - 1.3, 3.4, 3.4), 0.8, 0.8);
            }
        }
    });
}

QImage notesIcon() {
    return iconImage(kSize, 32, [](QPainter& p) {
        // A yellow sheet with its bottom-right corner folded.
        QPainterPath sheet;
        sheet.moveTo(5.5, 4.5);
        sheet.lineTo(25.5, 4.5);
        sheet.lineTo(25.5, 22.5);
        sheet.lineTo(19.5, 28.5);
        sheet.lineTo(5.5, 28.5);
        sheet.closeSubpath();
        dropShadow(p, sheet);
        fillOutlined(p, sheet, verticalGradient(4, 29, QColor(255, 240, 170), Palette::gold()),
                     Palette::goldDark(), 1.3);
        QPainterPath fold;
        fold.moveTo(25.5, 22.5);
        fold.lineTo(19.5, 22.5);
        fold.lineTo(19.5, 28.5);
        fold.closeSubpath();
        fillOutlined(p, fold, QColor(222, 170, 60), Palette::goldDark(), 1.0);
        p.setPen(roundPen(QColor(190, 140, 50), 1.1));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 10 + i * 4;
            p.drawLine(QPointF(9, y), QPointF(i == 3 ? 16 : 22, y));
        }
        // A coral pencil across the sheet.
        p.save();
        p.translate(22, 17);
        p.rotate(-50);
        const QPainterPath body = rounded(QRectF(-9, -2.2, 15, 4.4), 0.8);
        fillOutlined(p, body, verticalGradient(-2.2, 2.2, Palette::coral(), Palette::coralDark()),
                     Palette::coralDark(), 0.8);
        QPainterPath tip;
        tip.moveTo(6, -2.2);
        tip.lineTo(10.5, 0);
        tip.lineTo(6, 2.2);
        tip.closeSubpath();
        fillOutlined(p, tip, Palette::creamDeep(), Palette::sandDark(), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::ink());
        p.drawEllipse(QPointF(9.6, 0), 0.9, 0.9);
        p.setBrush(Palette::steel());
        p.drawRect(QRectF(-9, -2.2, 2.5, 4.4));
        p.restore();
    });
}

QImage startIcon() {
    return iconImage(kSize, 32, [](QPainter& p) {
        QPainterPath disc;
        disc.addEllipse(QPointF(16, 16), 12.5, 12.5);
        dropShadow(p, disc);
        fillOutlined(p, disc, verticalGradient(3, 29, Palette::petrolLight(), Palette::petrol()),
                     Palette::petrolDeep(), kEdge);
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 10.5, 10.5);
        drawCentredText(p, QRectF(4, 4.5, 24, 24), QStringLiteral("?"), labelFont(19),
                        Palette::cream());
    });
}

} // namespace art
