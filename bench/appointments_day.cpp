// The day grid of a busy day in a large data file: the bare timed query, the
// whole build of the rows (no widget), and filling grdCompromissos with them.
#include "appointments/DaySchedule.h"
#include "appointments/ui/ScheduleGrid.h"
#include "mainwindow/ui/Grid.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <memory>

using namespace orv;
using namespace orv::appointments;

namespace {

const QDate kBusyDay(2027, 6, 15);
constexpr int kTotal = 200000;
constexpr int kOnTheDay = 500;

// 200,000 appointments of four users: 500 on the busy day (300 of the user who
// looks, 200 shared by the others), the rest spread over the year before.
struct BusyFile {
    test::TestApp app;
    ScheduleSettings settings;

    BusyFile() {
        const qint64 ana = app.addUser(QStringLiteral("ANA"));
        for (const char* login : {"BETO", "CARLA", "DUDA"}) {
            app.addUser(QString::fromLatin1(login));
        }
        Transaction t(app.ctx.db);
        app.ctx.db.executeSql(
            QStringLiteral(
                "Insert into Compromissos(Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,"
                "Status,Compartilhado) "
                "With Recursive n(i) as (Select 0 Union All Select i + 1 from n Where i < ?) "
                "Select ? + i % 4, date('2026-01-01', '+' || (i % 365) || ' days'), "
                "printf('%02d:%02d:00', 6 + i % 14, i % 60), Null, 'Compromisso ' || i, 0, "
                "Cast(i % 4 as text), Case When i % 3 = 0 Then 'S' Else 'N' End from n"),
            {kTotal - kOnTheDay - 1, ana});
        app.ctx.db.executeSql(
            QStringLiteral(
                "Insert into Compromissos(Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,"
                "Status,Compartilhado) "
                "With Recursive n(i) as (Select 0 Union All Select i + 1 from n Where i < ?) "
                "Select Case When i < 300 Then ? Else ? + 1 + i % 3 End, ?, "
                "printf('%02d:%02d:00', 7 + i % 12, (i * 7) % 60), Null, 'Do dia ' || i, 0, "
                "'0', Case When i < 300 Then 'N' Else 'S' End from n"),
            {kOnTheDay - 1, ana, ana, kBusyDay});
        t.commit();
        app.logOn(ana);
        app.ctx.settings.gridStep = 30;
        app.ctx.settings.showShared = true;
        settings = ScheduleSettings::of(app.ctx);
    }
};

BusyFile& busyFile() {
    static BusyFile file;
    return file;
}

void BM_TimedQuery(benchmark::State& state) {
    BusyFile& f = busyFile();
    int rows = 0;
    for (auto _ : state) {
        RowSet rs = queryTimedRows(f.app.ctx.db, f.settings, kBusyDay);
        rows = rs.recordCount();
        benchmark::DoNotOptimize(rs);
    }
    state.counters["rows"] = rows;
}

void BM_BuildDaySchedule(benchmark::State& state) {
    BusyFile& f = busyFile();
    int rows = 0;
    for (auto _ : state) {
        DaySchedule s = buildDaySchedule(f.app.ctx.db, f.settings, kBusyDay);
        rows = static_cast<int>(s.rows.size());
        benchmark::DoNotOptimize(s);
    }
    state.counters["rows"] = rows;
}

void BM_FillGrid(benchmark::State& state) {
    BusyFile& f = busyFile();
    const DaySchedule s = buildDaySchedule(f.app.ctx.db, f.settings, kBusyDay);
    Grid grid(4);
    grid.resize(380, 350);
    grid.show();
    for (auto _ : state) {
        fillScheduleGrid(grid, s);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = grid.rows() - 1;
}

BENCHMARK(BM_TimedQuery)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_BuildDaySchedule)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
