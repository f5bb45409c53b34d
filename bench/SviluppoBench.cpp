// Development and reduction speed on whole forecasts. Each case runs once:
// the figures are the wall time of one development, the columns examined
// per second and the size of the result.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "conditions/CondizioniNumeriche.h"
#include "conditions/CondizioniReali.h"
#include "conditions/CondizioniSchema.h"
#include "conditions/TGruppo.h"
#include "conditions/TQuadro.h"
#include "engine/Riduzione.h"
#include "engine/Sviluppo.h"
#include "io/ProgramFolder.h"
#include "system/T_Sistema.h"

namespace {

using namespace ludo;

Colonna primi(int n) { return n >= 32 ? 0xFFFFFFFFu : (Colonna{1} << n) - 1; }

void accetta(TabellaMisura& t, int da, int a) {
    for (int v = da; v <= a; ++v) t.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
}

std::filesystem::path cartellaBench() {
    static const auto cartella = [] {
        auto c = std::filesystem::temp_directory_path() / "ludomatic-bench";
        for (auto s : io::kSottocartelle) std::filesystem::create_directories(c / std::string(s));
        return c;
    }();
    return cartella;
}

// The typical conditioned system: all 32 matches and a dozen active conditions.
void condizioniTipiche(T_Sistema& s) {
    auto& c = s.Dati->Condizioni;
    accetta(static_cast<TPariDispari&>(c.Condizione(CodPariDispari)).Tabelle[0].Prima, 3, 5);
    auto& somma = static_cast<TSomma&>(static_cast<TGruppo&>(c.Condizione(CodGruppoSomme)).NuovoMembro());
    somma.Partite = 0xFFFFFFFFu;
    somma.Intervalli.Intervalli[0] = {100, 160, Accettato, 0};
    somma.Intervalli.Numero = 1;
    accetta(static_cast<TConsecutivitaNumerica&>(c.Condizione(CodConsecutivitaNumerica)).Tabelle[0].Prima, 1, 3);
    accetta(static_cast<TDistanzeGlobali&>(c.Condizione(CodDistanzeGlobali)).Tabelle[1].Prima, 4, 12);
    auto& resti = static_cast<TResti&>(static_cast<TGruppo&>(c.Condizione(CodGruppoResti)).NuovoMembro());
    resti.Divisore = 7;
    accetta(resti.Tabelle[0].Prima, 0, 4);
    accetta(static_cast<TInterruzioni&>(c.Condizione(CodInterruzioni)).Tabelle[0].Prima, 4, 7);
    accetta(static_cast<TSimmetrie&>(c.Condizione(CodSimmetrie)).Tabelle[2].Prima, 0, 3);
    accetta(static_cast<TBaricentri&>(c.Condizione(CodBaricentri)).Tabelle[0].Prima, 10, 22);
    auto& filtri = static_cast<TGruppo&>(c.Condizione(CodGruppoColonneFiltro));
    for (Colonna f : {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0xFF000000u, 0x11111111u}) {
        auto& filtro = static_cast<TColonnaFiltro&>(filtri.NuovoMembro());
        filtro.Numeri = f;
        accetta(filtro.Tabelle[0].Prima, 0, 3);
    }
    auto& quadro = static_cast<TQuadro&>(c.Condizione(CodQuadro));
    accetta(static_cast<TNumeroSequenze&>(*quadro.Inserisci(CodNumeroSequenze)).Tabelle[1].Prima, 0, 2);
    accetta(static_cast<TVortice&>(*quadro.Inserisci(CodVortice)).Tabelle[1].Prima, 0, 4);
    accetta(static_cast<TPosizioni&>(*quadro.Inserisci(CodPosizioni)).Tabelle[0].Prima, 1, 8);
    quadro.ApplicaRelazione(RelazioneOr);
}

std::unique_ptr<T_Sistema> sistema(int numeri, bool tipico) {
    auto s = std::make_unique<T_Sistema>(cartellaBench());
    s->Dati->Pronostico = primi(numeri);
    if (tipico) {
        condizioniTipiche(*s);
        s->Salva(cartellaBench() / "SISTEMI" / "tipico.LDS");
    }
    return s;
}

void esegui(benchmark::State& state, T_Sistema& s, bool stimato = false) {
    InterfacciaSviluppo finestra;
    EsitoSviluppo esito;
    for (auto _ : state) esito = stimato ? CalcoloStimato(s, finestra) : Sviluppa(s, finestra);
    state.counters["colonne/s"] = benchmark::Counter(static_cast<double>(esito.Esaminate), benchmark::Counter::kIsRate);
    state.counters["risultato"] = static_cast<double>(esito.Finali);
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
