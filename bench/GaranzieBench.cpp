// Guarantee calculation speed: the tables of a whole development against
// every result of its forecast with no error, one and two errors.
#include <benchmark/benchmark.h>

#include "core/columns/GeneraColonne.h"
#include "core/engine/Garanzie.h"

namespace {

using namespace ludo;

ListaColonne sviluppo(Colonna pronostico) {
    ListaColonne lista;
    GeneraColonne(pronostico, 8, NessunAvanzamento(), [&](Colonna c) { lista.Aggiungi(c); });
    return lista;
}

// range(0): forecast numbers; the whole development is examined.
void BM_GaranzieSviluppoIntero(benchmark::State& state) {
    const auto numeri = static_cast<int>(state.range(0));
    const Colonna pronostico = (Colonna{1} << numeri) - 1;
    const auto colonne = sviluppo(pronostico);
    std::int64_t risultati = 0;
    for (auto _ : state) {
        TabelleGaranzie tabelle;
        for (int errori = 0; errori <= 2; ++errori) {
            GaranziePronostico(tabelle, colonne, pronostico, errori, {}, NessunAvanzamento());
            risultati += tabelle.Esaminati;
            benchmark::DoNotOptimize(tabelle.Tabella(8 - errori).data());
        }
    }
    state.SetItemsProcessed(risultati);
    state.counters["colonne"] = static_cast<double>(colonne.Conteggio());
}
BENCHMARK(BM_GaranzieSviluppoIntero)->Arg(12)->Arg(16)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
