#include "ReminderFixture.h"

#include "db/DbError.h"
#include "reminders/DueCheck.h"
#include "reminders/DueQuery.h"
#include "reminders/ReminderActions.h"

#include <deque>

using namespace orv;
using namespace orv::reminders;

namespace {

// The due check with a recording reminder window: each shown item is noted
// and the next scripted action, if any, runs while the window is open.
struct DueChecking : test::ReminderFixture {
    std::vector<DueItem> shown;
    std::deque<std::function<void(const DueItem&)>> actions;
    bool panelShown = true;
    int refreshes = 0;
    std::vector<StepFailure> failures;
    DueCheck check{app.ctx,
                   {[this](const DueItem& item) { onShow(item); }, [this] { return panelShown; },
                    [this] { ++refreshes; },
                    [this](const StepFailure& f) { failures.push_back(f); }}};

    void onShow(const DueItem& item) {
        shown.push_back(item);
        if (!actions.empty()) {
            auto action = std::move(actions.front());
            actions.pop_front();
            action(item);
        }
    }
    void SetUp() override {
        ReminderFixture::SetUp();
        check.start();
    }
    static QStringList texts(const std::vector<DueItem>& items) {
        QStringList list;
        for (const auto& i : items) {
            list << i.text;
        }
        return list;
    }
    QStringList shownTexts() const { return texts(shown); }
    QStringList dueNow() const { return texts(dueItems(db, ana, app.clock.now())); }
    // Ticks that ran a pass, numbered from 1, over `ticks` ticks a minute apart.
    std::vector<int> passTicks(int ticks, std::vector<int>* refreshTicks = nullptr) {
        std::vector<int> passes;
        for (int t = 1; t <= ticks; ++t) {
            app.clock.advanceMinutes(1);
            const int before = refreshes;
            if (check.tick().passed) {
                passes.push_back(t);
            }
            if (refreshTicks && refreshes != before) {
                refreshTicks->push_back(t);
            }
        }
        return passes;
    }
};

TEST_F(DueChecking, PendingAppointmentsComeDueOnceTheirStartHasPassed) {
    const QDate today(2026, 3, 15);
    add(today, QTime(8, 0), {}, "0", "Alarme ligado");
    add(today, QTime(8, 0), {}, "3", "Alarme desligado");
    add(today, QTime(7, 0), {}, "1", "Feito");
    add(today.addDays(-1), QTime(18, 0), {}, "0", "Ontem");
    add(today, QTime(23, 0), {}, "0", "Noite");
    add(today.addDays(1), QTime(6, 0), {}, "0", "Amanhã");
    add(today, QTime(8, 0), {}, "0", "Do Beto", beto);
    addSpan(today, QTime(9, 0), QTime(11, 0), 30, "Longa");
    add(today, QTime(10, 0), {}, "0", "Às dez");

    at(2026, 3, 15, 8, 30);
    EXPECT_EQ(check.tick().shown, 2);
    EXPECT_EQ(shownTexts(), QStringList({"Ontem", "Alarme ligado"}));

    // Due from its start; ranked by its end, so the one at 10:00 comes first.
    at(2026, 3, 15, 9, 0);
    EXPECT_EQ(dueNow(), QStringList({"Ontem", "Alarme ligado", "Longa"}));
    at(2026, 3, 15, 10, 0);
    EXPECT_EQ(dueNow(), QStringList({"Ontem", "Alarme ligado", "Às dez", "Longa"}));
    EXPECT_EQ(dueItems(db, ana, app.clock.now()).back().end, QTime(11, 0));

    at(2026, 3, 15, 22, 59);
    EXPECT_FALSE(dueNow().contains("Noite"));
    app.clock.set(QDateTime(today, QTime(23, 0, 0)));
    EXPECT_TRUE(dueNow().contains("Noite"));
    EXPECT_EQ(dueNow().size(), 5); // never a continuation row, a done row or Beto's
}

TEST_F(DueChecking, BirthdaysComeFirstAndAtEveryPassUntilMovedOn) {
    at(2026, 3, 15, 8, 30);
    addBirthday(QDate(2026, 3, 10), "Rosa");
    addBirthday(QDate(2026, 3, 15), "Caio");
    addBirthday(QDate(2026, 3, 16), "Futuro");
    addBirthday(QDate(2026, 3, 1), "do Beto", beto);
    add(QDate(2026, 3, 15), QTime(8, 0), {}, "0", "Reunião");
    // An all-day row without alarm (an old appointment imported without a time,
    // or one with a status of its own) is no birthday and is never raised.
    add(QDate(2026, 3, 14), QTime(), {}, "3", "Dia todo");
    add(QDate(2026, 3, 14), QTime(), {}, "0", "Dia pendente");

    app.ctx.settings.checkInterval = 1;
    check.tick();
    EXPECT_EQ(shownTexts(), QStringList({"Aniversário Rosa", "Aniversário Caio", "Reunião"}));
    EXPECT_TRUE(shown[0].isBirthday());
    EXPECT_FALSE(shown[2].isBirthday());
    EXPECT_EQ(shown[0].day, QDate(2026, 3, 10));

    // Rosa moves on to next year; Caio is left as he is and comes again.
    shown.clear();
    actions.push_back([this](const DueItem& i) { completeReminded(db, ana, i); });
    app.clock.advanceMinutes(1);
    check.tick();
    shown.clear();
    app.clock.advanceMinutes(1);
    check.tick();
    EXPECT_EQ(shownTexts(), QStringList({"Aniversário Caio", "Reunião"}));
}

TEST_F(DueChecking, IntervalFivePassesOnTicksOneFiveTenFifteenAndALoweredOneAtOnce) {
    at(2026, 3, 15, 8, 0);
    app.ctx.settings.checkInterval = 5;
    add(QDate(2026, 3, 15), QTime(7, 0), {}, "0", "Sempre devido");
    std::vector<int> refreshed;
    EXPECT_EQ(passTicks(16, &refreshed), std::vector<int>({1, 5, 10, 15}));
    // The first pass showed a reminder but is not periodic: no refresh after it.
    EXPECT_EQ(refreshed, std::vector<int>({5, 10, 15}));
    EXPECT_EQ(shown.size(), 4u);
    EXPECT_EQ(check.counter(), 2);

    // A periodic pass with nothing to show does not refresh.
    db.executeSql("Delete from Compromissos");
    refreshed.clear();
    EXPECT_EQ(passTicks(4, &refreshed), std::vector<int>({4}));
    EXPECT_TRUE(refreshed.empty());

    // The session ends: everything back to the start of the next logon.
    check.reset();
    EXPECT_EQ(check.remindedKey(), 0);
    check.start();
    EXPECT_EQ(passTicks(6), std::vector<int>({1, 5}));

    // An interval lowered on the settings page is reached at once.
    app.ctx.settings.checkInterval = 60;
    EXPECT_TRUE(passTicks(30).empty());
    app.ctx.settings.checkInterval = 10;
    EXPECT_EQ(passTicks(12), std::vector<int>({1, 11}));
}

TEST_F(DueChecking, TickWhileAReminderWaitsIsIgnoredAndNotCounted) {
    at(2026, 3, 15, 8, 0);
    app.ctx.settings.checkInterval = 2;
    add(QDate(2026, 3, 15), QTime(7, 0), {}, "0", "Primeiro");
    add(QDate(2026, 3, 15), QTime(7, 30), {}, "0", "Segundo");
    std::vector<TickResult> inner;
    for (int i = 0; i < 3; ++i) {
        actions.push_back([&](const DueItem&) {
            EXPECT_TRUE(check.busy());
            app.clock.advanceMinutes(1);
            inner.push_back(check.tick());
        });
    }
    const TickResult outer = check.tick();
    EXPECT_TRUE(outer.passed);
    EXPECT_EQ(outer.shown, 2);
    ASSERT_EQ(inner.size(), 2u);
    EXPECT_TRUE(inner[0].ignored);
    EXPECT_FALSE(inner[0].passed);
    EXPECT_EQ(shown.size(), 2u); // no second pass over the same rows
    EXPECT_FALSE(check.busy());
    EXPECT_EQ(check.counter(), 2); // 1 at load, +1 for the tick that ran the pass
    EXPECT_EQ(check.remindedKey(), shown.back().key);
}

TEST_F(DueChecking, PassReadsOnceAndHoldsNothingOpenWhileAReminderWaits) {
    at(2026, 3, 15, 8, 0);
    app.ctx.settings.checkInterval = 1;
    const qint64 first = add(QDate(2026, 3, 15), QTime(7, 0), {}, "0", "Primeiro");
    add(QDate(2026, 3, 15), QTime(7, 30), {}, "0", "Segundo");
    actions.push_back([&](const DueItem& i) {
        // Another program on the same file can write while the window waits.
        Db other(db.dataPath(), db.oldDataPath());
        other.executeSql("Update Compromissos set Compromisso = 'Mudado' Where Chave = ?", {first});
        add(QDate(2026, 3, 15), QTime(6, 0), {}, "0", "Novo");
        EXPECT_TRUE(reschedule(db, app.clock, ana, i, 3, "Primeiro").moved());
    });
    check.tick();
    EXPECT_EQ(shownTexts(), QStringList({"Primeiro", "Segundo"}));
    EXPECT_EQ(row(first).time("Hora"), QTime(8, 30));

    shown.clear();
    passTicks(1);
    EXPECT_EQ(shownTexts(), QStringList({"Novo", "Segundo"}));
}

TEST_F(DueChecking, FailingStepIsReportedWithItsNumber) {
    at(2026, 3, 15, 8, 0);
    app.ctx.settings.checkInterval = 1;
    add(QDate(2026, 3, 15), QTime(7, 0));
    actions.push_back([&](const DueItem&) { throw DbError(3021, "Sem registro"); });
    EXPECT_TRUE(check.tick().failed);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].text(), "3 - 3021 - Sem registro");
    EXPECT_EQ(check.counter(), 1); // the failed tick ended where it failed
    EXPECT_FALSE(check.busy());

    db.executeSql("Drop Table Compromissos");
    EXPECT_TRUE(check.tick().failed);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[1].step, DueCheck::ReadDue);
    EXPECT_TRUE(failures[1].text().startsWith("1 - "));
    EXPECT_TRUE(failures[1].description.contains("Compromissos"))
        << failures[1].description.toStdString();
}

} // namespace
