#include "calculator/ui/KeypadKey.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

KeypadKey::KeypadKey(const QString& name, const QString& caption, Kind kind, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
    setObjectName(name);
    setText(caption);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    QFont face = font();
    face.setBold(kind != Kind::Digit);
    face.setPointSizeF(kind == Kind::Memory ? 8 : 10);
    setFont(face);
}

QColor KeypadKey::faceColor() const {
    switch (kind_) {
    case Kind::Digit:
        return QColor(236, 236, 230);
    case Kind::Operation:
        return QColor(206, 220, 236);
    case Kind::Function:
        return QColor(240, 204, 196);
    case Kind::Memory:
        return QColor(214, 226, 206);
    }
    return Qt::lightGray;
}

void KeypadKey::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath outline;
    outline.addRoundedRect(face, 5, 5);

    QColor top = faceColor();
    if (isDown()) {
        top = top.darker(115);
    }
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, top.lighter(108));
    shade.setColorAt(1, top.darker(110));
    painter.fillPath(outline, shade);
    painter.setPen(QPen(hasFocus() ? palette().highlight().color() : QColor(120, 120, 120),
                        hasFocus() ? 2 : 1));
    painter.drawPath(outline);

    painter.setPen(QColor(40, 40, 40));
    painter.drawText(face.translated(0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}

} // namespace orv
