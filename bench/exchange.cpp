// Files in and out: importing a phone's 2,000-card vCard file into an empty
// address book (each card through the contact save, birthdays and all), and
// exporting 20,000 appointments as one iCalendar file.
#include "appointments/AppointmentStore.h"
#include "appointments/ICalendarExchange.h"
#include "contacts/ContactExchange.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCards = 2000;
constexpr int kAppointments = 20000;

QByteArray phoneFile() {
    QByteArray file;
    for (int i = 0; i < kCards; ++i) {
        file += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contato %1 da Silva\r\n"
                               "N:da Silva;Contato %1;;;\r\nORG:Empresa %2\r\n"
                               "TEL;TYPE=CELL:+55 11 9%3\r\nTEL;TYPE=HOME:+55-11-3%3\r\n"
                               "EMAIL;TYPE=INTERNET:contato%1@exemplo.com.br\r\n"
                               "ADR;TYPE=HOME:;;Rua das Flores\\, %1;São Paulo;São Paulo;"
                               "01310-100;Brasil\r\nNOTE:Conhecido da escola\\, turma %2\r\n"
                               "BDAY:1980-%4-%5\r\nEND:VCARD\r\n")
                    .arg(i)
                    .arg(i % 97)
                    .arg(10000000 + i)
                    .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                    .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                    .toUtf8();
    }
    return file;
}

void BM_ImportPhoneFile(benchmark::State& state) {
    const QByteArray file = phoneFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto app = std::make_unique<orv::test::TestApp>();
        const qint64 ana = app->addUser(QStringLiteral("ANA"));
        state.ResumeTiming();
        const auto outcome =
            orv::contacts::importContacts(app->ctx.db, ana, QDate(2026, 12, 1), file);
        if (outcome.summary.added != kCards) {
            state.SkipWithError("not every card went in");
        }
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportPhoneFile)->Unit(benchmark::kMillisecond)->Iterations(3);

orv::test::TestApp& calendar(qint64& user) {
    static qint64 ana = 0;
    static orv::test::TestApp* app = [] {
        auto* a = new orv::test::TestApp;
        ana = a->addUser(QStringLiteral("ANA"));
        orv::Transaction tx(a->ctx.db);
        for (int i = 0; i < kAppointments; ++i) {
            orv::appointments::Appointment ap;
            ap.day = QDate(2026, 1, 1).addDays(i / 20);
            ap.start = QTime(8, 0).addSecs(30 * 60 * (i % 20));
            ap.end = i % 3 == 0 ? ap.start.addSecs(3600) : QTime();
            ap.text = QStringLiteral("Compromisso número %1, sala %2").arg(i).arg(i % 40);
            ap.status = i % 4 == 0 ? orv::appointments::kNoReminder : orv::appointments::kPending;
            orv::appointments::insertWithContinuationRows(a->ctx.db, ana, ap, 30);
        }
        tx.commit();
        return a;
    }();
    user = ana;
    return *app;
}

void BM_ExportCalendar(benchmark::State& state) {
    qint64 ana = 0;
    orv::test::TestApp& app = calendar(ana);
    for (auto _ : state) {
        const auto file = orv::appointments::exportAppointments(
            app.ctx.db, ana, QDate(), QDateTime(QDate(2026, 1, 1), QTime()));
        if (file.count != kAppointments) {
            state.SkipWithError("wrong appointment count");
        }
        benchmark::DoNotOptimize(file.bytes.data());
    }
}
BENCHMARK(BM_ExportCalendar)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
