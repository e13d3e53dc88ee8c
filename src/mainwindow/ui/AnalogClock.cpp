#include "mainwindow/ui/AnalogClock.h"

#include "mainwindow/ui/Twips.h"
#include "session/Clock.h"

#include <QPainter>

#include <algorithm>

namespace orv {

namespace {
// The clock face of the design, in twips.
constexpr int kFace = 550;
} // namespace

AnalogClock::AnalogClock(const Clock& clock, QWidget* parent) : QWidget(parent), clock_(clock) {
    setObjectName(QStringLiteral("picRelogio"));
    resize(px(kFace), px(kFace));
}

void AnalogClock::setUp() {
    // The hands keep the face's design measures, whatever size the face is shown at.
    geometry_ = ClockGeometry(kFace, kFace);
    const QTime now = clock_.time();
    minute_ = geometry_.minuteHand(now);
    hour_ = geometry_.hourHand(now);
    second_ = geometry_.secondHand(now);
    update();
}

void AnalogClock::tick() {
    const QTime now = clock_.time();
    second_ = geometry_.secondHand(now);
    minute_ = geometry_.minuteHand(now);
    hour_ = geometry_.hourHand(now);
    update();
}

void AnalogClock::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QPixmap dial(QStringLiteral(":/images/relogio.png"));
    if (!dial.isNull()) {
        p.drawPixmap(rect(), dial);
    } else {
        p.setBrush(QColor(250, 244, 230));
        p.setPen(QPen(QColor(29, 59, 83), 1.5));
        p.drawEllipse(rect().adjusted(1, 1, -1, -1));
    }
    if (!geometry_.valid()) {
        return;
    }
    const double scale = std::min(width(), height()) / double(kFace);
    p.scale(scale, scale);
    auto drawHand = [&p, scale](const ClockGeometry::Hand& h, QColor colour) {
        // A dark edge under the coloured hand keeps it readable on a light dial.
        p.setPen(QPen(QColor(20, 40, 60), 5 / scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(h.inner, h.outer);
        p.setPen(QPen(colour, 3 / scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(h.inner, h.outer);
    };
    drawHand(minute_, QColor(255, 255, 128));
    drawHand(hour_, QColor(0, 192, 192));
    const QPixmap centre(QStringLiteral(":/images/relogio_centro.png"));
    const QRectF centreRect(217, 217, 120, 120);
    if (!centre.isNull()) {
        p.drawPixmap(centreRect.toRect(), centre);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 110, 60));
        p.drawEllipse(centreRect);
    }
}

} // namespace orv
