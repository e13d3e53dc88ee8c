#include "AppointmentFixture.h"

#include "appointments/WeekSchedule.h"

using namespace orv;
using namespace orv::appointments;

namespace {

using Week_ = test::AppointmentFixture;

// The week holding New Year's Eve, each day as "dd/MM:entry;entry".
TEST_F(Week_, WeekAcrossTheYearEndListsWhatTheDayGridsShow) {
    on(2025, 12, 28).add(ana, "10:00", "Missa");
    on(2025, 12, 27).add(ana, "10:00", "Antes");
    on(2025, 12, 31).add(ana, "08:00", "Academia", kDone);
    addBirthday(ana, "Carla");
    addBirthday(beto, "Duda", "S");
    add(beto, "20:00", "Ceia", kPending, "S");
    add(beto, "21:00", "Feito", kDone, "S");
    add(beto, "21:30", "Privado");
    Appointment party{day, QTime(22, 0), QTime(23, 59), 0, "Réveillon", kPending, "N"};
    const qint64 key = insertWithContinuationRows(db, ana, party, 30);
    on(2026, 1, 1).add(ana, "00:30", "Réveillon", kPending, "N", {}, key); // runs past midnight
    on(2026, 1, 4).add(ana, "09:00", "Trabalho");

    const QString newYear = "01/01:00:30 Réveillon";
    const struct {
        Qt::DayOfWeek first;
        const char* birthdays;
        bool shared;
        QString eve, firstDay, lastDay;
    } cases[] = {
        {Qt::Sunday, "A", true,
         "31/12:Aniversário Carla;Aniversário Duda;08:00 Academia;20:00 Ceia [BETO];22:00 "
         "Réveillon",
         "28/12:10:00 Missa", "03/01:"},
        {Qt::Monday, "D", false, "31/12:Aniversário Carla;08:00 Academia;22:00 Réveillon",
         "29/12:", "04/01:09:00 Trabalho"},
        {Qt::Monday, "", true, "31/12:08:00 Academia;20:00 Ceia [BETO];22:00 Réveillon",
         "29/12:", "04/01:09:00 Trabalho"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + c.birthdays);
        const WeekSchedule week =
            buildWeekSchedule(db, settings("08:00", "18:00", 30, c.birthdays, c.shared),
                              QDate(2025, 12, 31), c.first);
        QStringList days;
        for (const WeekDay& d : week.days) {
            QStringList entries;
            for (const WeekEntry& e : d.entries) {
                entries << e.caption();
            }
            days << d.day.toString("dd/MM") + ":" + entries.join(';');
        }
        EXPECT_EQ(days.first(), c.firstDay);
        EXPECT_EQ(days.last(), c.lastDay);
        EXPECT_TRUE(days.contains(c.eve)) << days.join(" | ").toStdString();
        EXPECT_TRUE(days.contains(newYear));
    }
}

} // namespace
