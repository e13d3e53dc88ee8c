#include "mainwindow/ClockGeometry.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv;

TEST(ClockGeometry, HandLengthsForSquareAndTallFaces) {
    // The square face's hands are measured in AnglesOfTheHands.
    ASSERT_TRUE(ClockGeometry(550, 550).valid());
    const ClockGeometry tall(400, 1000);
    EXPECT_FLOAT_EQ(tall.factor(), 0.2f);
    EXPECT_NEAR(tall.handLength(), 106.6667, 1e-3);
    EXPECT_EQ(tall.tail(), 40);

    EXPECT_FALSE(ClockGeometry(550, 0).valid());
}

TEST(ClockGeometry, AnglesOfTheHands) {
    EXPECT_FLOAT_EQ(ClockGeometry::hourAngle(QTime(15, 0)), 90.f);
    EXPECT_FLOAT_EQ(ClockGeometry::minuteAngle(QTime(15, 0)), 0.f);
    EXPECT_FLOAT_EQ(ClockGeometry::hourAngle(QTime(15, 30)), 105.f);
    EXPECT_FLOAT_EQ(ClockGeometry::hourAngle(QTime(0, 20)), 10.f);
    // 12 stays 12: the angle is 370, the same direction as 10.
    EXPECT_FLOAT_EQ(std::fmod(ClockGeometry::hourAngle(QTime(12, 20)), 360.f), 10.f);
    EXPECT_FLOAT_EQ(ClockGeometry::hourAngle(QTime(23, 20)), 340.f);
    EXPECT_FLOAT_EQ(ClockGeometry::minuteAngle(QTime(10, 7, 30)), 45.f);
    EXPECT_FLOAT_EQ(ClockGeometry::secondAngle(QTime(10, 7, 30)), 180.f);

    // A hand pointing right from the centre of a square face, with its tail behind.
    const ClockGeometry face(550, 550);
    const auto hour = face.hourHand(QTime(15, 0));
    EXPECT_NEAR(hour.outer.x(), 275 + 136, 0.01);
    EXPECT_NEAR(hour.outer.y(), 275, 0.01);
    EXPECT_NEAR(hour.inner.x(), 275 - 46, 0.01);
}
