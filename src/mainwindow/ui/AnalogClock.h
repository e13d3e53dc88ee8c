#pragma once

#include "mainwindow/ClockGeometry.h"

#include <QWidget>

namespace orv {

class Clock;

// picRelogio: the small clock face with its hour and minute hands. The second
// hand is computed at every tick like the others but never drawn.
class AnalogClock : public QWidget {
    Q_OBJECT
public:
    AnalogClock(const Clock& clock, QWidget* parent = nullptr);

    // Fixes the geometry and reads the time (the main window's load).
    void setUp();
    // One tick of tmrRelogio: reads the time and moves the hands.
    void tick();

    const ClockGeometry& geometry() const { return geometry_; }
    const ClockGeometry::Hand& hourHand() const { return hour_; }
    const ClockGeometry::Hand& minuteHand() const { return minute_; }
    const ClockGeometry::Hand& secondHand() const { return second_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Clock& clock_;
    ClockGeometry geometry_{0, 0};
    ClockGeometry::Hand hour_{}, minute_{}, second_{};
};

} // namespace orv
