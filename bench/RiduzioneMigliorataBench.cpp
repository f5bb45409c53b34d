// The improved reduction on whole developments, beside the greedy cover it
// starts from. Each case runs once within its time limit: 60 seconds, or
// LUDO_BENCH_SECONDI (600 for the ten-minute figures).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/columns/GeneraColonne.h"
#include "core/engine/RiduzioneMigliorata.h"

namespace {

using namespace ludo;

double secondi() {
    const char* valore = std::getenv("LUDO_BENCH_SECONDI");
    return valore != nullptr ? std::stod(valore) : 60.0;
}

void BM_RiduzioneMigliorata(benchmark::State& state) {
    const int numeri = static_cast<int>(state.range(0));
    const int garanzia = static_cast<int>(state.range(1));
    ParametriMigliorata parametri;
    parametri.Secondi = secondi();
    EsitoMigliorata esito;
    for (auto _ : state) {
        state.PauseTiming();
        ListaColonne colonne;
        GeneraColonne((Colonna{1} << numeri) - 1, 8, NessunAvanzamento(), [&](Colonna c) { colonne.Aggiungi(c); });
        state.ResumeTiming();
        esito = RiduzioneMigliorata(colonne, 8 - garanzia, parametri, NessunAvanzamento(), {});
    }
    state.counters["greedy"] = static_cast<double>(esito.Greedy);
    state.counters["risultato"] = static_cast<double>(esito.Finali);
    state.counters["scambi"] = static_cast<double>(esito.Passi);
    state.counters["scambi/s"] = benchmark::Counter(static_cast<double>(esito.Passi), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RiduzioneMigliorata)
    ->Args({12, 7})
    ->Args({16, 7})
    ->Args({20, 6})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
