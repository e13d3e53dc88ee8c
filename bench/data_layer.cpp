// The cost of a data layer call: an indexed query of about 20 rows out of
// 100,000 appointments as the program runs it (the file checked to be the one
// the open connection holds), on a connection opened afresh for the call (open,
// key, query, close), and inside a transaction, where nothing is checked.
#include "db/Db.h"
#include "db/Schema.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kAppointments = 100000;
constexpr int kPerDay = 20;

struct DataFile {
    QTemporaryDir dir;
    std::unique_ptr<orv::Db> db;
    QDate firstDay{2020, 1, 1};

    DataFile() {
        const QString path = QDir(dir.path()).filePath(QStringLiteral("dadosn.lst"));
        orv::createDataFile(path);
        db = std::make_unique<orv::Db>(path, QDir(dir.path()).filePath(QStringLiteral("v1.lst")));
        orv::Transaction t(*db);
        for (int i = 0; i < kAppointments; ++i) {
            db->executeSql(QStringLiteral("Insert into Compromissos (Usuario, Data, Hora, "
                                          "Compromisso, Status) values (?, ?, ?, ?, 'P')"),
                           {1 + i % 2, firstDay.addDays(i / (2 * kPerDay)),
                            QTime(8, 0).addSecs(60 * (i % kPerDay)),
                            QStringLiteral("Compromisso número %1").arg(i)});
        }
        t.commit();
    }

    int dayQuery(const QDate& day) const {
        const orv::RowSet rows = db->runQuery(
            QStringLiteral(
                "Select * from Compromissos Where Usuario = ? and Data = ? Order by Hora"),
            {1, day});
        return rows.recordCount();
    }

    static DataFile& shared() {
        static DataFile file;
        return file;
    }
};

QDate dayOf(const DataFile& file, benchmark::IterationCount i) {
    return file.firstDay.addDays(static_cast<int>(i % (kAppointments / (2 * kPerDay))));
}

void BM_RunQuery(benchmark::State& state) {
    DataFile& file = DataFile::shared();
    benchmark::IterationCount i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.dayQuery(dayOf(file, i++)));
    }
}

void BM_RunQueryOnFreshConnection(benchmark::State& state) {
    DataFile& file = DataFile::shared();
    file.dayQuery(file.firstDay); // the key is derived once per run, not per call
    benchmark::IterationCount i = 0;
    for (auto _ : state) {
        file.db->release();
        benchmark::DoNotOptimize(file.dayQuery(dayOf(file, i++)));
    }
}

void BM_QueryOnHeldConnection(benchmark::State& state) {
    DataFile& file = DataFile::shared();
    orv::Transaction held(*file.db);
    benchmark::IterationCount i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.dayQuery(dayOf(file, i++)));
    }
}

BENCHMARK(BM_RunQuery)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_RunQueryOnFreshConnection)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_QueryOnHeldConnection)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
