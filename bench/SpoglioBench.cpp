// Historical check speed: a column list against a thousand contests, with
// the per-contest rows and the per-column scores it keeps for saving.
#include <benchmark/benchmark.h>

#include <random>

#include "core/checking/SpoglioStorico.h"

namespace {

using namespace ludo;

Colonna casuale(std::mt19937& g) {
    Colonna c = 0;
    while (NumeroNumeri(c) < 8) c |= Colonna{1} << (g() % 32);
    return c;
}

// range(0): columns, range(1): contests.
void BM_SpoglioStorico(benchmark::State& state) {
    std::mt19937 g(12345);
    ListaColonne lista;
    for (std::int64_t i = 0; i < state.range(0); ++i) lista.Aggiungi(casuale(g));
    ArchivioConcorsi archivio;
    for (std::int64_t i = 0; i < state.range(1); ++i) {
        archivio.InserisciOrdinato({static_cast<std::uint16_t>(1990 + i / 40),
                                    static_cast<std::uint8_t>(1 + i % 40), SerieA, casuale(g)});
    }
    IntervalloRicerca intervallo;
    IntervalloTuttoArchivio(intervallo, archivio);
    for (auto _ : state) {
        const auto esito = SpoglioStorico(lista, archivio, intervallo);
        benchmark::DoNotOptimize(esito.Punteggio.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_SpoglioStorico)->Args({10000, 1000})->Unit(benchmark::kMillisecond);

}  // namespace
