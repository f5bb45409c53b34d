// Archive view speed: the rows of a 1,000-contest archive with every
// family of measures ticked, a screenful (what one step of the scroll bar
// computes) and the whole archive (a drag from one end to the other).
#include <benchmark/benchmark.h>

#include <random>

#include "core/archive/ArchivioConcorsi.h"
#include "core/archive/VistaArchivio.h"

namespace {

using namespace ludo;

constexpr std::int64_t Concorsi = 1000;

ArchivioConcorsi archivioCasuale() {
    std::mt19937 g(2718);
    ArchivioConcorsi archivio;
    for (std::int64_t i = 0; i < Concorsi; ++i) {
        Colonna c = 0;
        while (NumeroNumeri(c) < 8) c |= Colonna{1} << (g() % 32);
        archivio.InserisciOrdinato({static_cast<std::uint16_t>(1990 + i / 40),
                                    static_cast<std::uint8_t>(1 + i % 40), SerieA, c});
    }
    return archivio;
}

// range(0): rows computed, from the end of the archive back.
void BM_RigheVistaArchivio(benchmark::State& state) {
    const ArchivioConcorsi archivio = archivioCasuale();
    FamiglieVista tutte;
    tutte.fill(true);
    for (auto _ : state) {
        for (std::int64_t r = 0; r < state.range(0); ++r) {
            const auto riga =
                RigaVistaArchivio(archivio, static_cast<std::size_t>(Concorsi - 1 - r), tutte);
            benchmark::DoNotOptimize(riga.Valori.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RigheVistaArchivio)->Arg(12)->Arg(Concorsi)->Unit(benchmark::kMillisecond);

}  // namespace
