#pragma once

#include "appointments/AppointmentStore.h"
#include "support/TestSupport.h"

namespace orv::test {

// A data file with two users, ANA logged on, and a clock that stands still.
struct ReminderFixture : ::testing::Test {
    TestApp app;
    Db& db = app.ctx.db;
    qint64 ana = 0;
    qint64 beto = 0;

    void SetUp() override {
        ana = app.addUser("ANA");
        beto = app.addUser("BETO");
        app.logOn(ana);
    }

    void at(int y, int m, int d, int h, int n) {
        app.clock.set(QDateTime(QDate(y, m, d), QTime(h, n)));
    }

    qint64 add(const QDate& day, const QTime& start, const QTime& end = {},
               const QString& status = appointments::kPending, const QString& text = "Reunião",
               qint64 owner = 0) {
        return appointments::insertAppointment(
            db, owner ? owner : ana,
            {.day = day, .start = start, .end = end, .text = text, .status = status});
    }

    // An appointment with an end time and its continuation rows, one per slot.
    qint64 addSpan(const QDate& day, const QTime& start, const QTime& end, int slotMinutes,
                   const QString& text = "Reunião longa", qint64 owner = 0) {
        const qint64 parent = add(day, start, end, appointments::kPending, text, owner);
        for (QTime t = start.addSecs(60 * slotMinutes); t <= end && t > start;
             t = t.addSecs(60 * slotMinutes)) {
            appointments::insertAppointment(
                db, owner ? owner : ana,
                {.day = day, .start = t, .end = {}, .parent = parent, .text = text});
        }
        return parent;
    }

    qint64 addBirthday(const QDate& day, const QString& name, qint64 owner = 0) {
        return add(day, {}, {}, appointments::kBirthday, "Aniversário " + name, owner);
    }

    RowSet row(qint64 key) const {
        return db.runQuery("Select * from Compromissos Where Chave = ?", {key});
    }
    RowSet family(qint64 key) const {
        return db.runQuery(
            QStringLiteral("Select * from Compromissos Where Chave = ? or ChavePai = "
                           "? Order By Hora"),
            {key, key});
    }
};

} // namespace orv::test
