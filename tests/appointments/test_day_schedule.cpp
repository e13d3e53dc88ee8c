#include "AppointmentFixture.h"

#include "appointments/RowKey.h"

using namespace orv;
using namespace orv::appointments;

namespace {

using DaySchedule_ = test::AppointmentFixture;

TEST_F(DaySchedule_, SlotWalkOfAnEmptyDay) {
    const struct {
        const char *start, *end;
        int step, rows;
        const char* last;
        int width;
    } cases[] = {
        {"08:00", "18:00", 30, 21, "18:00|", kDescriptionNarrow},
        {"00:00", "23:59", 60, 24, "23:00|", kDescriptionNarrow},
        {"08:05", "17:05", 60, 10, "17:05|", kDescriptionWide},
        {"08:00", "17:00", 45, 13, "17:00|", kDescriptionWide},
        {"08:00", "17:00", 60, 10, "17:00|", kDescriptionWide},
        // 17 slots: 18 grid rows keep the wide column; 18 slots narrow it.
        {"08:00", "16:00", 30, 17, "16:00|", kDescriptionWide},
        {"08:00", "16:30", 30, 18, "16:30|", kDescriptionNarrow},
        // A step above 60 walks hourly, one below 1 (a damaged row) as a new user's 60.
        {"08:00", "10:00", 90, 3, "10:00|", kDescriptionWide},
        {"08:00", "10:00", 0, 3, "10:00|", kDescriptionWide},
        {"23:00", "23:59", 1, 60, "23:59|", kDescriptionNarrow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end + " / " + std::to_string(c.step));
        const auto schedule = buildDaySchedule(db, settings(c.start, c.end, c.step), day);
        const QStringList got = lines(schedule);
        ASSERT_EQ(got.size(), c.rows);
        EXPECT_EQ(got.first(), QString(c.start) + "|");
        EXPECT_EQ(got.last(), c.last);
        EXPECT_EQ(schedule.descriptionWidth, c.width);
    }
    const ScheduleRow slot = buildDaySchedule(db, settings("08:00", "09:00", 30), day).rows.at(0);
    EXPECT_EQ(slot.timeText, "08:00  ");
    EXPECT_EQ(slot.description, "  ");
    EXPECT_EQ(RowKey::parse(slot.keyText).key, 0);
}

TEST_F(DaySchedule_, AppointmentsTakeTheirSlotsOrStandBetween) {
    add(ana, "09:00", "Primeira");
    add(ana, "09:00", "Segunda");
    add(ana, "08:10", "Dentista");
    add(ana, "06:00", "Corrida");
    add(ana, "11:15", "Depois do fim");
    add(ana, "10:00", "Reunião");
    add(beto, "08:30", "De outro, não compartilhado");
    // Another day must not leak in.
    day = day.addDays(1);
    add(ana, "08:00", "Amanhã");
    day = day.addDays(-1);

    const QStringList expected{"06:00|Corrida", "08:00|",         "08:10|Dentista",
                               "08:30|",        "09:00|Primeira", "09:00|Segunda",
                               "09:30|",        "10:00|Reunião",  "11:15|Depois do fim"};
    EXPECT_EQ(lines(buildDaySchedule(db, settings("08:00", "10:00", 30), day)), expected);

    // 45-minute slots: 08:00, 08:45, 09:30; the 09:00 pair lies between slots.
    EXPECT_EQ(lines(buildDaySchedule(db, settings("08:00", "09:30", 45), day)),
              (QStringList{"06:00|Corrida", "08:00|", "08:10|Dentista", "08:45|", "09:00|Primeira",
                           "09:00|Segunda", "09:30|", "10:00|Reunião", "11:15|Depois do fim"}));
}

TEST_F(DaySchedule_, PicturesKeysAndTheRowsOfOthers) {
    const qint64 pending = add(ana, "08:00", "Pendente", kPending, "N", "10:30");
    add(ana, "08:30", "Pendente", kPending, "N", {}, pending);
    add(ana, "09:00", "Feito", kDone);
    add(ana, "09:30", "Sem aviso", kNoReminder, "S");
    add(beto, "10:00", "Do Beto", kPending, "S");
    add(beto, "10:30", "Do Beto feito", kDone, "S");
    add(beto, "11:00", "Do Beto com apóstrofo D'Ávila", kNoReminder, "S");
    addBirthday(beto, "Carla", "S");
    addBirthday(beto, "Oculto", "N");
    addBirthday(ana, "Duda");

    const auto schedule = buildDaySchedule(db, settings("08:00", "11:00", 30), day);
    QStringList got;
    for (const auto& r : schedule.rows) {
        got << r.timeText + "|" + r.picture + "|" + (r.sharedPicture ? "C" : "-") + "|" +
                   r.description;
    }
    const QStringList expected{
        "  |imgAniversario|C| Aniversário Carla", // shared birthday: birthday, not locked
        "  |imgAniversario|-| Aniversário Duda",
        "08:00  |imgAlarme|-| Pendente",
        "08:30  |imgAnexado|-| Pendente",
        "09:00  |imgExecutado|-| Feito",
        "09:30  ||-| Sem aviso",
        "10:00  |imgBloqueado|C| Do Beto [BETO]",
        "10:30  ||-|  ",
        "11:00  |imgBloqueado|C| Do Beto com apóstrofo D'Ávila [BETO]",
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(RowKey::parse(schedule.rows.at(2).keyText).key, pending);
    EXPECT_EQ(RowKey::parse(schedule.rows.at(2).keyText).end, "10:30");
    EXPECT_EQ(RowKey::parse(schedule.rows.at(0).keyText).end, QString());

    // Without the shared rows, only ANA's own remain.
    const QStringList own =
        lines(buildDaySchedule(db, settings("08:00", "11:00", 30, "A", false), day));
    EXPECT_EQ(own, (QStringList{"|Aniversário Duda", "08:00|Pendente", "08:30|Pendente",
                                "09:00|Feito", "09:30|Sem aviso", "10:00|", "10:30|", "11:00|"}));
}

TEST_F(DaySchedule_, AllDayRowsAboveBelowOrNotAtAll) {
    addBirthday(ana, "Duda");
    add(ana, "08:00", "Cedo");
    const QStringList timed{"08:00|Cedo", "09:00|"};
    EXPECT_EQ(lines(buildDaySchedule(db, settings("08:00", "09:00", 60, "A"), day)),
              QStringList{"|Aniversário Duda"} + timed);
    EXPECT_EQ(lines(buildDaySchedule(db, settings("08:00", "09:00", 60, "D"), day)),
              timed + QStringList{"|Aniversário Duda"});
    EXPECT_EQ(lines(buildDaySchedule(db, settings("08:00", "09:00", 60, "X"), day)), timed);
    EXPECT_EQ(lines(buildDaySchedule(db, settings("08:00", "09:00", 60, ""), day)), timed);
}

} // namespace
