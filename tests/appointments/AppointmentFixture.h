#pragma once

#include "appointments/AppointmentStore.h"
#include "appointments/DaySchedule.h"
#include "support/TestSupport.h"

#include <QStringList>

namespace orv::test {

// A data file with two users, ANA (logged on) and BETO, and quick ways to write
// their appointments and read the day grid back as text.
struct AppointmentFixture : ::testing::Test {
    TestApp app;
    Db& db = app.ctx.db;
    qint64 ana = app.addUser("ANA");
    qint64 beto = app.addUser("BETO");
    QDate day{2026, 12, 2};

    AppointmentFixture() { app.logOn(ana); }

    appointments::ScheduleSettings settings(const QString& start, const QString& end, int step,
                                            const QString& birthdays = "A",
                                            bool showShared = true) const {
        appointments::ScheduleSettings s;
        s.user = ana;
        s.gridStart = QTime::fromString(start, "HH:mm");
        s.gridEnd = QTime::fromString(end, "HH:mm");
        s.gridStep = step;
        s.birthdayPosition = birthdays;
        s.showShared = showShared;
        return s;
    }

    // Moves the day that add() writes to, as in on(2026, 1, 5).add(...).
    AppointmentFixture& on(int y, int m, int d) {
        day = QDate(y, m, d);
        return *this;
    }
    qint64 add(qint64 user, const QString& start, const QString& text,
               const QString& status = appointments::kPending, const QString& shared = "N",
               const QString& end = {}, qint64 parent = 0) {
        return appointments::insertAppointment(db, user,
                                               {day, QTime::fromString(start, "HH:mm"),
                                                QTime::fromString(end, "HH:mm"), parent, text,
                                                status, shared});
    }

    qint64 addBirthday(qint64 user, const QString& name, const QString& shared = "N") {
        return add(user, QString(), "Aniversário " + name, appointments::kBirthday, shared);
    }

    // Each row as "time|description", both trimmed: "08:00|" for an empty slot.
    static QStringList lines(const appointments::DaySchedule& schedule) {
        QStringList out;
        for (const auto& row : schedule.rows) {
            out << row.timeText.trimmed() + QLatin1Char('|') + row.description.trimmed();
        }
        return out;
    }

    // The stored rows of the user for a day: "Hora|HoraFim|ChavePai" by time.
    QStringList storedRows(qint64 user, const QDate& on) const {
        return allFields(db.runQuery("Select coalesce(substr(Hora,1,5),'') as H, "
                                     "coalesce(substr(HoraFim,1,5),'') as E, ChavePai from "
                                     "Compromissos Where Usuario = ? and Data = ? Order By Hora",
                                     {user, on}),
                         "H E ChavePai");
    }
};

} // namespace orv::test
