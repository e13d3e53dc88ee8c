// The cost of checking a password at logon: the stored hash computed again from
// the typed text (PBKDF2-HMAC-SHA256 at the program's iteration count). Goal:
// about 20 to 50 ms, slow enough against guessing from a copied data file and
// well inside the 150 ms from logon to the main window.
#include "session/PasswordHash.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PasswordCheck(benchmark::State& state) {
    const QVariant stored = orv::hashPassword(QStringLiteral("Senha da Família 🔑"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            orv::passwordMatches(stored, QStringLiteral("Senha da Família 🔑")));
    }
}
BENCHMARK(BM_PasswordCheck)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
