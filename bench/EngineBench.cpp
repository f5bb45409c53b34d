// The column engine at the sizes a 32-number development reaches.
#include <benchmark/benchmark.h>

#include <bit>
#include <filesystem>
#include <random>
#include <string>

#include "core/columns/FileColonne.h"

namespace {

constexpr std::size_t kColonneSviluppo = 10'518'300;

ludo::ListaColonne listaSviluppo() {
    ludo::ListaColonne lista;
    for (std::size_t i = 0; i < kColonneSviluppo; ++i)
        lista.Aggiungi(static_cast<ludo::Colonna>(i));
    return lista;
}

std::filesystem::path fileDiProva() {
    return std::filesystem::temp_directory_path() /
           ("ludo-bench-" + std::to_string(std::random_device{}()) + ".Col");
}

void BM_AggiungiSviluppo(benchmark::State& state) {
    for (auto _ : state) {
        auto lista = listaSviluppo();
        benchmark::DoNotOptimize(lista.Conteggio());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kColonneSviluppo));
}
BENCHMARK(BM_AggiungiSviluppo)->Unit(benchmark::kMillisecond);

void BM_ScriviFileSviluppo(benchmark::State& state) {
    const auto lista = listaSviluppo();
    const auto percorso = fileDiProva();
    for (auto _ : state) benchmark::DoNotOptimize(ludo::ScriviFile(lista, percorso));
    std::filesystem::remove(percorso);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kColonneSviluppo * 4));
}
BENCHMARK(BM_ScriviFileSviluppo)->Unit(benchmark::kMillisecond);

void BM_LeggiFileSviluppo(benchmark::State& state) {
    const auto percorso = fileDiProva();
    ludo::ScriviFile(listaSviluppo(), percorso);
    ludo::ListaColonne lista;
    for (auto _ : state) benchmark::DoNotOptimize(ludo::LeggiFile(lista, percorso, false));
    std::filesystem::remove(percorso);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kColonneSviluppo * 4));
}
BENCHMARK(BM_LeggiFileSviluppo)->Unit(benchmark::kMillisecond);

void BM_EspandiSedici(benchmark::State& state) {
    ludo::ListaColonne lista;
    for (auto _ : state) {
        ludo::Espandi(lista, 0x0F0F0F0Fu << 1, true);
        benchmark::DoNotOptimize(lista.Conteggio());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 12870));
}
BENCHMARK(BM_EspandiSedici);

void BM_NumeroK(benchmark::State& state) {
    ludo::Colonna maschera = 0x8421'8421u;
    for (auto _ : state) {
        int somma = 0;
        for (int k = 1; k <= 8; ++k) somma += ludo::NumeroK(k, maschera);
        benchmark::DoNotOptimize(somma);
        maschera = std::rotl(maschera, 1);
    }
}
BENCHMARK(BM_NumeroK);

}  // namespace
