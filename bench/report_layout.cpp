// Writing the task report of a long list: the layout streams record by record
// onto the surface, so time and memory grow with the list, not faster.
#include "db/Db.h"
#include "printing/Reports.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// A surface that only counts what it is given.
class CountingSurface final : public orv::ReportSink {
public:
    int lineHeight() const override { return 204; }
    void setBold(bool) override {}
    void text(int, int, const QString& line) override { chars += line.size(); }
    void rule(int, int, int, int) override {}
    void newPage() override { ++pages; }
    qsizetype chars = 0;
    int pages = 0;
};

void TaskReport(benchmark::State& state) {
    orv::test::TestApp app;
    const qint64 user = app.addUser(QStringLiteral("ana"));
    app.logOn(user);
    {
        orv::Transaction t(app.ctx.db);
        for (int i = 0; i < state.range(0); ++i) {
            app.ctx.db.executeSql(
                QStringLiteral("insert into Tarefas (Usuario,Data,DataFim,Descricao,Status,"
                               "Prioridade) values (?,'2026-03-01','2026-03-20',?,'0',?)"),
                {user, QString(40 + i % 200, QLatin1Char('t')), i % 3});
        }
        t.commit();
    }
    const orv::Report report = orv::tasksReport(app.ctx);
    for (auto _ : state) {
        CountingSurface surface;
        report.write(surface);
        benchmark::DoNotOptimize(surface.chars);
        state.counters["pages"] = surface.pages + 1;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(TaskReport)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
