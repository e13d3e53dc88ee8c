#include "Canvas.h"

#include <QLinearGradient>

namespace art {

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage filledImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen roundPen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

static QFont pixelFont(const QStringList& families, qreal pixelSize, int weight, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont titleFont(qreal pixelSize) {
    return pixelFont({"DejaVu Serif", "Liberation Serif"}, pixelSize, QFont::Bold, true);
}

QFont subtitleFont(qreal pixelSize) {
    return pixelFont({"DejaVu Serif", "Liberation Serif"}, pixelSize, QFont::Normal, true);
}

QFont labelFont(qreal pixelSize) {
    return pixelFont({"DejaVu Sans", "Liberation Sans", "Nimbus Sans"}, pixelSize, QFont::Bold,
                     false);
}

QBrush verticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return QBrush(gradient);
}

void drawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const QPointF shift = box.center() - bounds.center();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path.translated(shift));
    painter.restore();
}

QPainterPath roundedTopRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.moveTo(rect.left(), rect.bottom());
    path.lineTo(rect.left(), rect.top() + radius);
    path.arcTo(QRectF(rect.left(), rect.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(rect.right() - radius, rect.top());
    path.arcTo(QRectF(rect.right() - 2 * radius, rect.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(rect.right(), rect.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath roundedRect(const QRectF& rect, qreal topRadius, qreal bottomRadius) {
    const qreal t = topRadius;
    const qreal b = bottomRadius;
    QPainterPath path;
    path.moveTo(rect.left() + t, rect.top());
    path.lineTo(rect.right() - t, rect.top());
    path.arcTo(QRectF(rect.right() - 2 * t, rect.top(), 2 * t, 2 * t), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - b);
    path.arcTo(QRectF(rect.right() - 2 * b, rect.bottom() - 2 * b, 2 * b, 2 * b), 0, -90);
    path.lineTo(rect.left() + b, rect.bottom());
    path.arcTo(QRectF(rect.left(), rect.bottom() - 2 * b, 2 * b, 2 * b), 270, -90);
    path.lineTo(rect.left(), rect.top() + t);
    path.arcTo(QRectF(rect.left(), rect.top(), 2 * t, 2 * t), 180, -90);
    path.closeSubpath();
    return path;
}

QImage iconImage(int size, qreal design, const std::function<void(QPainter&)>& draw) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(size / design, size / design);
    draw(painter);
    return image;
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& edge, qreal edgeWidth) {
    painter.save();
    painter.setBrush(fill);
    painter.setPen(edgeWidth > 0 ? roundPen(edge, edgeWidth) : QPen(Qt::NoPen));
    painter.drawPath(path);
    painter.restore();
}

} // namespace art
