// Development and reduction speed on whole forecasts. Each case runs once:
// the figures are the wall time of one development, the columns examined
// per second and the size of the result.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include <sys/resource.h>

#include "SistemaTipico.h"
#include "core/engine/Riduzione.h"
#include "core/engine/Sviluppo.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

namespace {

using namespace ludo;

Colonna primi(int n) { return n >= 32 ? 0xFFFFFFFFu : (Colonna{1} << n) - 1; }

std::filesystem::path cartellaBench() {
    static const auto cartella = [] {
        auto c = std::filesystem::temp_directory_path() / "ludomatic-bench";
        for (auto s : io::kSottocartelle) std::filesystem::create_directories(c / std::string(s));
        return c;
    }();
    return cartella;
}

std::unique_ptr<T_Sistema> sistema(int numeri, bool tipico) {
    if (tipico) {
        auto s = bench::SistemaTipico(cartellaBench());
        // The saved copy others develop (the development window's tests among them).
        s->Salva(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS");
        return s;
    }
    auto s = std::make_unique<T_Sistema>(cartellaBench());
    s->Dati->Pronostico = primi(numeri);
    return s;
}

// The peak resident memory of the process so far, in MB.
double piccoMemoriaMB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;
}

void esegui(benchmark::State& state, T_Sistema& s, bool stimato = false) {
    InterfacciaSviluppo finestra;
    EsitoSviluppo esito;
    for (auto _ : state) esito = stimato ? CalcoloStimato(s, finestra) : Sviluppa(s, finestra);
    state.counters["colonne/s"] = benchmark::Counter(static_cast<double>(esito.Esaminate), benchmark::Counter::kIsRate);
    state.counters["risultato"] = static_cast<double>(esito.Finali);
    state.counters["lista_MB"] = static_cast<double>(esito.Risultato.Colonne.MemoriaUsata()) / (1024.0 * 1024.0);
    state.counters["picco_MB"] = piccoMemoriaMB();
}

void BM_32NumeriSenzaCondizioni(benchmark::State& state) {
    auto s = sistema(32, false);
    esegui(state, *s);
}
void BM_32NumeriTipico(benchmark::State& state) {
    auto s = sistema(32, true);
    esegui(state, *s);
}
void BM_32NumeriTipicoStimato(benchmark::State& state) {
    auto s = sistema(32, true);
    esegui(state, *s, true);
}
void BM_GaranziaDuranteLoSviluppo(benchmark::State& state) {
    auto s = sistema(static_cast<int>(state.range(0)), false);
    s->Dati->Destinazione.SviluppoRidotto = true;
    s->Dati->Destinazione.Garanzia = static_cast<std::uint8_t>(state.range(1));
    esegui(state, *s);
}
void BM_RiduzioneOttimizzata(benchmark::State& state) {
    auto s = sistema(static_cast<int>(state.range(0)), false);
    s->Dati->Destinazione.SviluppoRidotto = true;
    s->Dati->Destinazione.RiduzioneOttimizzata = true;
    s->Dati->Destinazione.Garanzia = static_cast<std::uint8_t>(state.range(1));
    esegui(state, *s);
}

BENCHMARK(BM_32NumeriSenzaCondizioni)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_32NumeriTipico)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_32NumeriTipicoStimato)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GaranziaDuranteLoSviluppo)
    ->Args({20, 6})
    ->Args({24, 7})
    ->Args({32, 6})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RiduzioneOttimizzata)->Args({16, 7})->Args({20, 6})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
