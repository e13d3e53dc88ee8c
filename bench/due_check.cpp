// One due-check selection (birthdays, then due appointments) for one user of
// a data file holding 200,000 appointments of 20 users spread over four years.
#include "reminders/DueQuery.h"
#include "support/TestSupport.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kUsers = 20;
constexpr int kPerUser = 10000;
const QDateTime kNow(QDate(2026, 5, 10), QTime(14, 7));

// A user's year of appointments on either side of today: most past ones done
// or without alarm and a few still pending, most future ones pending, some
// long ones with continuation rows, and a few dozen birthdays.
void fill(orv::test::TestApp& app, qint64 user) {
    const QString sql = QStringLiteral(
        "Insert into Compromissos(Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,Status,"
        "Compartilhado) values (?,?,?,?,?,?,?,'N')");
    const orv::Db& db = app.ctx.db;
    for (int i = 0; i < kPerUser; ++i) {
        const QDate day = kNow.date().addDays(i * 731 / kPerUser - 365);
        const bool past = day < kNow.date();
        if (i % 200 == 0) {
            db.executeSql(sql, {user, day, QVariant(), QVariant(),
                                QStringLiteral("Aniversário %1").arg(i), 0, QStringLiteral("2")});
            continue;
        }
        const QTime start(8 + i % 10, (i % 4) * 15);
        const char* status = past ? (i % 50 == 0  ? "0"
                                     : i % 7 == 0 ? "3"
                                                  : "1")
                                  : (i % 4 == 0 ? "3" : "0");
        if (i % 25 == 0) {
            // A long one and its continuation rows: this row and the next three.
            const qint64 parent = db.insertSql(sql, {user, day, start, start.addSecs(3 * 3600),
                                                     QStringLiteral("Longo %1").arg(i), 0,
                                                     QString::fromLatin1(status)});
            for (int h = 1; h <= 3 && i + 1 < kPerUser; ++h, ++i) {
                db.executeSql(sql, {user, day, start.addSecs(h * 3600), QVariant(),
                                    QStringLiteral("Longo"), parent, QString::fromLatin1(status)});
            }
            continue;
        }
        db.executeSql(sql, {user, day, start, QVariant(), QStringLiteral("Compromisso %1").arg(i),
                            0, QString::fromLatin1(status)});
    }
}

orv::test::TestApp& dataFile() {
    static orv::test::TestApp* app = [] {
        auto* a = new orv::test::TestApp;
        std::vector<qint64> users;
        for (int u = 0; u < kUsers; ++u) {
            users.push_back(a->addUser(QStringLiteral("USUARIO%1").arg(u)));
        }
        orv::Transaction tx(a->ctx.db);
        for (qint64 user : users) {
            fill(*a, user);
        }
        tx.commit();
        a->logOn(users[kUsers / 2]);
        return a;
    }();
    return *app;
}

void BM_DueCheckSelection(benchmark::State& state) {
    orv::test::TestApp& app = dataFile();
    const qint64 user = app.ctx.session.userCode;
    size_t due = 0;
    for (auto _ : state) {
        due = orv::reminders::dueItems(app.ctx.db, user, kNow).size();
        benchmark::DoNotOptimize(due);
    }
    state.counters["due"] = static_cast<double>(due);
}
BENCHMARK(BM_DueCheckSelection)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
