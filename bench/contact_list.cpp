// Listing a large address book into the rows of the contact grid: 10,000 own
// contacts and 10,000 contacts other users share, the whole book at once.
#include "contacts/ContactGrid.h"
#include "contacts/ContactQuery.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kOwn = 10000;
constexpr int kShared = 10000;

void fill(orv::test::TestApp& app, qint64 owner, int count, const char* prefix, bool shared) {
    orv::Transaction tx(app.ctx.db);
    for (int i = 0; i < count; ++i) {
        app.ctx.db.executeSql(
            QStringLiteral("Insert into Enderecos(Usuario,Nome,Empresa,Endereco,Cidade,Estado,"
                           "Email,FoneRes,FoneCel,Aniversario,Observacao,Compartilhado,"
                           "ChaveAniversario) values (?,?,?,?,?,?,?,?,?,?,?,?,0)"),
            {owner, QStringLiteral("%1 %2").arg(QLatin1String(prefix)).arg(i * 7919 % count),
             QStringLiteral("Empresa %1").arg(i % 97), QStringLiteral("Rua %1, %2").arg(i).arg(i),
             QStringLiteral("Cidade"), QStringLiteral("SP"),
             QStringLiteral("contato%1@exemplo.com.br").arg(i),
             i % 3 == 0 ? QVariant() : QVariant(QStringLiteral("(11) 3%1").arg(i)),
             QStringLiteral("(11) 9%1").arg(i),
             QStringLiteral("%1/%2")
                 .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                 .arg(i % 12 + 1, 2, 10, QLatin1Char('0')),
             QStringLiteral("observação"), shared ? QStringLiteral("S") : QStringLiteral("N")});
    }
    tx.commit();
}

// One data file for every benchmark of the run.
orv::test::TestApp& book() {
    static orv::test::TestApp* app = [] {
        auto* a = new orv::test::TestApp;
        const qint64 ana = a->addUser(QStringLiteral("ANA"));
        const qint64 beto = a->addUser(QStringLiteral("BETO"));
        fill(*a, ana, kOwn, "Contato", false);
        fill(*a, beto, kShared, "Amigo", true);
        a->logOn(ana);
        a->ctx.settings.showShared = true;
        return a;
    }();
    return *app;
}

// The query alone, to tell the store's share from the rows'.
void BM_ContactQueryOnly(benchmark::State& state) {
    orv::test::TestApp& app = book();
    for (auto _ : state) {
        const orv::RowSet rs =
            orv::contacts::runContactQuery(app.ctx.db, app.ctx.session.userCode, true, {});
        benchmark::DoNotOptimize(rs.recordCount());
    }
}
BENCHMARK(BM_ContactQueryOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ListWholeAddressBook(benchmark::State& state) {
    orv::test::TestApp& app = book();
    for (auto _ : state) {
        const auto rows = orv::contacts::listContacts(app.ctx, {});
        if (rows.size() != kOwn + kShared) {
            state.SkipWithError("wrong row count");
        }
        benchmark::DoNotOptimize(rows.nameCell(0));
    }
}
BENCHMARK(BM_ListWholeAddressBook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
