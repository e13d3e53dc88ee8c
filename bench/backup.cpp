// Backup and restore of a 50 MB data file against gzip -9 and gunzip of the same
// file, in one run. Goal: the backup no slower than gzip -9, and the peak memory
// of each operation at most 2.5 times the data file (counter "peak_x_file").

#include "backup/BackupFiles.h"
#include "db/Db.h"
#include "db/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr qint64 kDataFileSize = 50LL * 1024 * 1024;

// A real encrypted data file of about 50 MB, filled with notes.
struct Files {
    QTemporaryDir dir;
    QString data = dir.filePath("dadosn.lst");
    QString backup = dir.filePath("Orvalune.Bck");
    QString work = dir.filePath("work.lst");
    QString gz = dir.filePath("dadosn.lst.gz");
    QString gunzipped = dir.filePath("gunzipped.lst");

    Files() {
        orv::createDataFile(data);
        orv::SqlCipherFile file(data, orv::Db::dataPassphrase());
        QRandomGenerator random(1);
        const char* words[] = {"reunião ",     "médico ",       "escola ", "mercado ",
                               "aniversário ", "conta de luz ", "viagem ", "lembrar "};
        while (QFileInfo(data).size() < kDataFileSize) {
            file.begin();
            for (int row = 0; row < 500; ++row) {
                QString text;
                while (text.size() < 8000) {
                    text += QString::fromUtf8(words[random.bounded(8)]);
                    text += QString::number(random.bounded(100000));
                }
                file.execute("insert into Notas (Usuario, Notas) values (?, ?)", {1, text});
            }
            file.commit();
        }
        int error = 0;
        orv::backup::compressFile(data, backup, 9, error, true);
    }
    qint64 size() const { return QFileInfo(data).size(); }
};

Files& files() {
    static Files f;
    return f;
}

qint64 statusKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}

// Runs the work and returns the memory it added at its peak, in bytes.
template <class Work> qint64 peakOf(Work&& work) {
    QFile clear("/proc/self/clear_refs"); // "5" resets the peak to the current size
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
        clear.close();
    }
    const qint64 before = statusKb("VmRSS:");
    work();
    return (statusKb("VmHWM:") - before) * 1024;
}

// Processor seconds of this process or of its finished children (gzip): on a
// busy machine they compare better than the wall-clock times.
double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void report(benchmark::State& state, qint64 peak, int who, double cpuBefore) {
    state.SetBytesProcessed(state.iterations() * files().size());
    state.counters["peak_x_file"] = static_cast<double>(peak) / static_cast<double>(files().size());
    state.counters["cpu_s"] =
        (cpuSeconds(who) - cpuBefore) / static_cast<double>(state.iterations());
}

void run(const QString& command) {
    if (std::system(command.toLocal8Bit().constData()) != 0) {
        std::abort();
    }
}

// Times one of the program's own file operations, with the peak of its memory
// and its processor time.
template <typename Operation>
void timeOwn(benchmark::State& state, const char* failure, Operation operation) {
    files(); // made before the clock starts
    qint64 peak = 0;
    const double cpu = cpuSeconds(RUSAGE_SELF);
    for (auto _ : state) {
        int error = 0;
        peak = std::max(peak, peakOf([&] {
                            if (!operation(error)) {
                                state.SkipWithError(failure);
                            }
                        }));
    }
    report(state, peak, RUSAGE_SELF, cpu);
}

void BM_Backup(benchmark::State& state) {
    timeOwn(state, "backup failed", [](int& error) {
        return orv::backup::compressFile(files().data, files().backup, 9, error, true);
    });
}

void BM_Restore(benchmark::State& state) {
    timeOwn(state, "restore failed", [](int& error) {
        return orv::backup::decompressFile(files().backup, files().work, error, true);
    });
}

void BM_Gzip9(benchmark::State& state) {
    files();
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    for (auto _ : state) {
        run(QString("gzip -9 -c '%1' > '%2'").arg(files().data, files().gz));
    }
    report(state, 0, RUSAGE_CHILDREN, cpu);
}

void BM_Gunzip(benchmark::State& state) {
    run(QString("gzip -9 -c '%1' > '%2'").arg(files().data, files().gz));
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    for (auto _ : state) {
        run(QString("gunzip -c '%1' > '%2'").arg(files().gz, files().gunzipped));
    }
    report(state, 0, RUSAGE_CHILDREN, cpu);
}

} // namespace

BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Gzip9)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Gunzip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_MAIN();
