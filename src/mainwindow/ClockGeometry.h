#pragma once

#include <QPointF>
#include <QTime>

namespace orv {

// The hands of the analog clock, in the clock face's own units (twips).
class ClockGeometry {
public:
    struct Hand {
        QPointF inner; // the end of the short tail behind the centre
        QPointF outer; // the tip
        float angle;   // degrees clockwise from 12 o'clock, as computed
    };

    // Fixes the geometry for a face of the given inner size; a face of height 0
    // has no hands.
    ClockGeometry(double innerWidth, double innerHeight);

    bool valid() const { return valid_; }
    float factor() const { return f_; }
    float handLength() const { return l_; }
    int hourHandLength() const;
    int tail() const { return t_; }

    static float secondAngle(const QTime& t);
    static float minuteAngle(const QTime& t);
    static float hourAngle(const QTime& t);

    Hand secondHand(const QTime& t) const { return hand(secondAngle(t), l_); }
    Hand minuteHand(const QTime& t) const { return hand(minuteAngle(t), l_); }
    Hand hourHand(const QTime& t) const { return hand(hourAngle(t), hourHandLength()); }

    // How long after `t` the next whole minute begins, in milliseconds (the
    // clock ticks on the minute: its first tick waits for it, the others come
    // a minute apart).
    static int msToNextMinute(const QTime& t);

private:
    Hand hand(float degrees, float length) const;

    bool valid_ = false;
    float cx_ = 0, cy_ = 0, f_ = 0, l_ = 0;
    int t_ = 0;
};

} // namespace orv
