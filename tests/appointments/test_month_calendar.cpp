#include "AppointmentFixture.h"

#include "appointments/MonthCalendar.h"

using namespace orv;
using namespace orv::appointments;

namespace {

using MonthCalendar = test::AppointmentFixture;

int filledCells(const MonthSheet& s) {
    int n = 0;
    for (const auto& c : s.cells) {
        n += c.caption.isEmpty() ? 0 : 1;
    }
    return n;
}

TEST_F(MonthCalendar, MonthSheetsAndMovingByMonths) {
    const struct {
        int month, year, first, days;
        const char* caption;
    } cases[] = {
        {11, 2026, 0, 30, "novembro 2026"}, // starts on a Sunday
        {8, 2026, 6, 31, "agosto 2026"},    // starts on a Saturday: sixth row used
        {2, 2027, 1, 28, "fevereiro 2027"}, {2, 2028, 2, 29, "fevereiro 2028"},
        {2, 2100, 1, 28, "fevereiro 2100"}, // not a leap year though divisible by 4
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const MonthSheet s = fillMonth(c.month, c.year, QDate(c.year, c.month, 1));
        EXPECT_EQ(s.caption, c.caption);
        EXPECT_EQ(filledCells(s), c.days); // and every one holds its own day, below
        EXPECT_EQ(s.cells[c.first].caption, "1 ");
        EXPECT_EQ(s.cells[c.first + c.days - 1].caption, QString::number(c.days) + " ");
        EXPECT_EQ(s.markedCell, c.first);
        for (int i = 0; i < kCalendarCells; ++i) {
            EXPECT_FALSE(s.cells[i].bold);
            EXPECT_EQ(s.cells[i].colour, i % 7 == 0 ? kSundayColour : kWeekdayColour);
            const auto date = cellDate(s, i);
            EXPECT_EQ(date.has_value(), !s.cells[i].caption.isEmpty());
            if (date) {
                EXPECT_EQ(*date, QDate(c.year, c.month, i - c.first + 1));
            }
        }
    }
    EXPECT_EQ(fillMonth(8, 2026, QDate(2026, 8, 31)).markedCell, 36);
    EXPECT_EQ(fillMonth(8, 2026, QDate(2026, 9, 1)).markedCell, -1);
    EXPECT_FALSE(cellDate(fillMonth(8, 2026, QDate(2026, 8, 1)), 42).has_value());

    // Moving by months clamps the day.
    EXPECT_EQ(moveMonth(QDate(2028, 3, 31), -1), QDate(2028, 2, 29));
    EXPECT_EQ(moveMonth(QDate(2027, 3, 31), -1), QDate(2027, 2, 28));
    EXPECT_EQ(moveMonth(QDate(2026, 12, 15), 1), QDate(2027, 1, 15));
    EXPECT_EQ(moveMonth(QDate(2027, 1, 31), 1), QDate(2027, 2, 28));
}

TEST_F(MonthCalendar, BoldDaysWithAppointments) {
    // November 2026: the 29th is a Sunday in the fifth row (cell 28).
    on(2026, 11, 29).add(ana, "08:00", "Domingo");
    add(ana, "09:00", "Domingo de novo");
    on(2026, 11, 3).addBirthday(ana, "Duda");
    on(2026, 11, 10).add(beto, "08:00", "Do Beto compartilhado", kDone, "S");
    on(2026, 11, 11).add(beto, "08:00", "Do Beto particular");
    on(2026, 12, 1).add(ana, "08:00", "Mês seguinte");
    on(2025, 11, 5).add(ana, "08:00", "Ano anterior");

    EXPECT_EQ(daysWithAppointments(db, ana, 11, 2026, true), (QVector<int>{3, 10, 29}));
    EXPECT_EQ(daysWithAppointments(db, ana, 11, 2026, false), (QVector<int>{3, 29}));
    EXPECT_EQ(daysWithAppointments(db, beto, 11, 2026, false), (QVector<int>{10, 11}));
    EXPECT_TRUE(daysWithAppointments(db, ana, 10, 2026, true).isEmpty());

    MonthSheet s = fillMonth(11, 2026, QDate(2026, 11, 15));
    ASSERT_TRUE(markDays(s, daysWithAppointments(db, ana, 11, 2026, false)));
    for (int i = 0; i < kCalendarCells; ++i) {
        const bool marked = i == 2 || i == 28;
        EXPECT_EQ(s.cells[i].bold, marked) << i;
        const Rgb expected = marked ? (i % 7 == 0 ? kMarkedSundayColour : kMarkedWeekdayColour)
                                    : (i % 7 == 0 ? kSundayColour : kWeekdayColour);
        EXPECT_EQ(s.cells[i].colour, expected) << i;
    }

    // A month without appointments leaves the marking as it was.
    const MonthSheet before = s;
    EXPECT_FALSE(markDays(s, {}));
    for (int i = 0; i < kCalendarCells; ++i) {
        EXPECT_EQ(s.cells[i].bold, before.cells[i].bold);
    }
}

} // namespace
