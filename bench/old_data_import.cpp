// Taking over a large version 1.0 file: 5,000 appointments and 2,000 contacts
// copied to a new user (goal: under 2 s).
#include "session/OldDataFile.h"
#include "session/OldDataImport.h"
#include "session/Users.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString templateFile(const QTemporaryDir& dir) {
    orv::OldData data;
    for (int i = 0; i < 5000; ++i) {
        data.appointments << orv::OldAppointment{QDate(2025, 1, 1).addDays(i % 700),
                                                 QTime(8 + i % 10, 0),
                                                 QStringLiteral("Compromisso número %1").arg(i),
                                                 QStringLiteral("S"),
                                                 i % 3 == 0 ? QStringLiteral("S") : QString(),
                                                 {}};
    }
    for (int i = 0; i < 2000; ++i) {
        orv::OldContact c;
        c.order = i;
        c.name = QStringLiteral("Contato %1").arg(i);
        c.email = QStringLiteral("contato%1@exemplo.com").arg(i);
        c.phone = QStringLiteral("(11)5555-%1").arg(i, 4, 10, QLatin1Char('0'));
        c.birthday = i % 2 == 0 ? QStringLiteral("%1/%2")
                                      .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                      .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                : QStringLiteral("00/00");
        c.notes = QStringLiteral("Observação d'%1").arg(i);
        data.contacts << c;
    }
    const QString path = dir.filePath(QStringLiteral("dados.lst"));
    orv::writeOldDataFile(path, data);
    return path;
}

void BM_ImportOldData(benchmark::State& state) {
    QTemporaryDir dir;
    const QString source = templateFile(dir);
    for (auto _ : state) {
        state.PauseTiming();
        orv::test::TestApp app;
        QFile::copy(source, app.ctx.paths.oldDataFile());
        app.logOn(app.addUser(QStringLiteral("NOVO")));
        state.ResumeTiming();
        orv::importOldData(app.ctx);
        state.PauseTiming();
        if (app.count(QStringLiteral("Enderecos")) != 2000) {
            state.SkipWithError("contacts missing");
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportOldData)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
