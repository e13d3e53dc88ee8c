#include "mainwindow/ClockGeometry.h"

#include <cmath>

namespace orv {
namespace {

constexpr float kPi = 3.141592f;

// Rounds to the nearest whole number, halves to the even neighbour.
int roundEven(float v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

ClockGeometry::ClockGeometry(double innerWidth, double innerHeight) {
    cx_ = static_cast<float>(innerWidth / 2);
    cy_ = static_cast<float>(innerHeight / 2);
    if (cy_ == 0) {
        return;
    }
    if (innerWidth < innerHeight) {
        f_ = static_cast<float>(innerWidth / (2 * innerHeight));
    } else {
        f_ = 0.1f;
    }
    if (f_ > 0.5f) {
        f_ = 0.4f;
    }
    if (f_ < 0.2f) {
        f_ = 0.23f;
    }
    l_ = innerWidth < innerHeight ? static_cast<float>(innerWidth / 2.4 - f_ * 300) : 181.25f;
    t_ = roundEven(f_ * 200);
    valid_ = true;
}

int ClockGeometry::hourHandLength() const {
    return roundEven(l_ * 0.75f);
}

float ClockGeometry::secondAngle(const QTime& t) {
    return static_cast<float>(t.second()) * 6.0f;
}

float ClockGeometry::minuteAngle(const QTime& t) {
    return static_cast<float>(t.minute()) * 6.0f + static_cast<float>(t.second()) * 6.0f / 60.0f;
}

float ClockGeometry::hourAngle(const QTime& t) {
    int h = t.hour();
    if (h > 12) {
        h %= 12;
    }
    return static_cast<float>(h) * 30.0f + static_cast<float>(t.minute()) * 30.0f / 60.0f;
}

ClockGeometry::Hand ClockGeometry::hand(float degrees, float length) const {
    const float a = degrees * kPi / 180.0f;
    const float s = std::sin(a);
    const float c = std::cos(a);
    return {QPointF(cx_ - static_cast<float>(t_) * s, cy_ + static_cast<float>(t_) * c),
            QPointF(cx_ + length * s, cy_ - length * c), degrees};
}

int ClockGeometry::msToNextMinute(const QTime& t) {
    return 60000 - (t.second() * 1000 + t.msec());
}

} // namespace orv
