// The test of one column by every condition type, over a fixed set of
// 1,000,000 random columns, with every table of the type in use and every
// value accepted (so that every measure is computed and tested).
// One iteration tests all the columns: its time in milliseconds is the
// time per column in nanoseconds.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"

namespace {

using namespace ludo;

constexpr std::size_t kColonne = 1'000'000;

const std::vector<Colonna>& colonne() {
    static const std::vector<Colonna> tutte = [] {
        std::mt19937 generatore(20240805);
        std::uniform_int_distribution<int> numero(0, 31);
        std::vector<Colonna> v;
        v.reserve(kColonne);
        while (v.size() < kColonne) {
            Colonna c = 0;
            while (NumeroNumeri(c) < 8) c |= Colonna{1} << numero(generatore);
            v.push_back(c);
        }
        return v;
    }();
    return tutte;
}

void accettaTutto(TMisura& m) {
    for (int v = 0; v <= m.Massimo; ++v) {
        m.Prima.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
        if (m.HaSeconda) m.Seconda.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
    }
}

void intervalloAmpio(TIntervalli& t) {
    t.Intervalli[0] = {-1e12, 1e12, Accettato, 0};
    t.Numero = 1;
}

// The conditions a benchmark tests, owned by a system that has an archive
// and match values.
struct Banco {
    Banco() {
        T_Concorso c;
        c.Vincente = 0x0F0F0000;
        archivio.InserisciOrdinato(c);
        c.NumConcorso = 2;
        c.Vincente = 0x000000FF;
        archivio.InserisciOrdinato(c);
        sistema.Archivio = &archivio.Concorsi();
        for (std::size_t i = 0; i < sistema.Picchetti.size(); ++i)
            sistema.Picchetti[i] = 30.0 + static_cast<double>(i);
    }
    ArchivioConcorsi archivio;
    TCondizioniSistema sistema;
};

using Costruttore = std::unique_ptr<TCondizione> (*)(TCondizioniSistema&);

// A condition of the code with every table in use, Modo and range adapted.
std::unique_ptr<TCondizione> tipo(TCondizioniSistema& s, std::uint8_t codice,
                                  std::uint8_t modo = 0) {
    auto c = CreaCondizione(codice, &s);
    c->Modo = modo;
    c->AdattaIntervallo();
    c->PerOgniMisura(accettaTutto);
    c->PerOgniIntervallo(intervalloAmpio);
    return c;
}

void BM_Verifica(benchmark::State& state, Costruttore costruisci) {
    const auto& tutte = colonne();
    Banco banco;
    auto condizione = costruisci(banco.sistema);
    condizione->AggiornaStato();
    for (auto _ : state) {
        int passate = 0;
        for (const Colonna c : tutte) passate += condizione->Verifica(c) ? 1 : 0;
        benchmark::DoNotOptimize(passate);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kColonne));
}

std::unique_ptr<TCondizione> pariDispari(TCondizioniSistema& s) { return tipo(s, CodPariDispari); }
std::unique_ptr<TCondizione> interruzioniNumeri(TCondizioniSistema& s) {
    return tipo(s, CodInterruzioni, 0);
}
std::unique_ptr<TCondizione> interruzioniSegni(TCondizioniSistema& s) {
    return tipo(s, CodInterruzioni, 1);
}
std::unique_ptr<TCondizione> simmetrieNumeri(TCondizioniSistema& s) {
    return tipo(s, CodSimmetrie, 0);
}
std::unique_ptr<TCondizione> simmetrieSegni(TCondizioniSistema& s) {
    return tipo(s, CodSimmetrie, 1);
}
std::unique_ptr<TCondizione> vortice(TCondizioniSistema& s) { return tipo(s, CodVortice); }
std::unique_ptr<TCondizione> ripetizioniNumeri(TCondizioniSistema& s) {
    return tipo(s, CodRipetizioni, 0);
}
std::unique_ptr<TCondizione> ripetizioniSegni(TCondizioniSistema& s) {
    return tipo(s, CodRipetizioni, 1);
}
std::unique_ptr<TCondizione> distanzeGlobali(TCondizioniSistema& s) {
    return tipo(s, CodDistanzeGlobali);
}
std::unique_ptr<TCondizione> baricentri(TCondizioniSistema& s) { return tipo(s, CodBaricentri); }
std::unique_ptr<TCondizione> posizioni(TCondizioniSistema& s) { return tipo(s, CodPosizioni); }
std::unique_ptr<TCondizione> consecutivitaNumerica(TCondizioniSistema& s) {
    return tipo(s, CodConsecutivitaNumerica);
}
std::unique_ptr<TCondizione> numeroSequenze(TCondizioniSistema& s) {
    return tipo(s, CodNumeroSequenze);
}
std::unique_ptr<TCondizione> distanzaSpecifica(TCondizioniSistema& s) {
    auto c = tipo(s, CodDistanzaSpecifica);
    static_cast<TDistanzaSpecifica&>(*c).Posizione1 = 2;
    static_cast<TDistanzaSpecifica&>(*c).Posizione2 = 7;
    return c;
}
std::unique_ptr<TCondizione> resti(TCondizioniSistema& s) { return tipo(s, CodResti); }
std::unique_ptr<TCondizione> consecutivita(TCondizioniSistema& s) {
    return tipo(s, CodConsecutivita);
}

std::unique_ptr<TCondizione> formuleDerivate(TCondizioniSistema& s) {
    auto c = tipo(s, CodFormuleDerivate);
    static_cast<TFormuleDerivate&>(*c).Formule.fill(true);
    return c;
}

std::unique_ptr<TCondizione> colonnaFiltro(TCondizioniSistema& s, std::uint8_t flag) {
    auto c = tipo(s, CodColonnaFiltro);
    auto& filtro = static_cast<TColonnaFiltro&>(*c);
    filtro.Numeri = 0x00FF00FF;
    filtro.FlagPosizione = flag;
    return c;
}
std::unique_ptr<TCondizione> colonnaFiltroPosizione(TCondizioniSistema& s) {
    return colonnaFiltro(s, 1);
}
std::unique_ptr<TCondizione> colonnaFiltroComuni(TCondizioniSistema& s) {
    return colonnaFiltro(s, 0);
}

std::unique_ptr<TCondizione> picchetto(TCondizioniSistema& s, std::uint8_t tipoPicchetto) {
    auto c = tipo(s, CodPicchetto);
    auto& p = static_cast<TPicchetto&>(*c);
    p.Partite.fill(true);
    p.Tipo = tipoPicchetto;
    return c;
}
std::unique_ptr<TCondizione> picchettoSomma(TCondizioniSistema& s) { return picchetto(s, 1); }
std::unique_ptr<TCondizione> picchettoProdotto(TCondizioniSistema& s) { return picchetto(s, 0); }

std::unique_ptr<TCondizione> somma(TCondizioniSistema& s) {
    auto c = tipo(s, CodSomma);
    static_cast<TSomma&>(*c).Partite = 0xFFFFFFFF;
    return c;
}

std::unique_ptr<TCondizione> sequela(TCondizioniSistema& s, std::int32_t tipoSequela) {
    auto c = tipo(s, CodSequela);
    auto& p = static_cast<TSequela&>(*c).Parametri;
    p.tipo = tipoSequela;
    p.lunghezza = 3;
    p.sequela = {2, 1, 2, 0, 0, 0, 0, 0};
    return c;
}
std::unique_ptr<TCondizione> sequelaData(TCondizioniSistema& s) { return sequela(s, 1); }
std::unique_ptr<TCondizione> sequelaMonotermine(TCondizioniSistema& s) { return sequela(s, 2); }
std::unique_ptr<TCondizione> sequelaBitermine(TCondizioniSistema& s) { return sequela(s, 3); }
std::unique_ptr<TCondizione> sequelaGenerica(TCondizioniSistema& s) { return sequela(s, 4); }
std::unique_ptr<TCondizione> sequelaSpecchio(TCondizioniSistema& s) { return sequela(s, 5); }

// Totals fed in three groups, as after the other conditions were tested.
std::unique_ptr<TCondizione> puntiTra(TCondizioniSistema& s) {
    auto c = CreaCondizione(CodPuntiTra, &s);
    auto& p = static_cast<TPuntiTra&>(*c);
    for (std::size_t g = 1; g <= 3; ++g) {
        intervalloAmpio(p.Gruppi[g]);
        p.Totale[g] = static_cast<std::int32_t>(10 * g);
    }
    return c;
}

// A board of a remainder, a filter column and a sum, accepting any count.
std::unique_ptr<TCondizione> quadro(TCondizioniSistema& s) {
    auto c = tipo(s, CodQuadro);
    auto& q = static_cast<TQuadro&>(*c);
    for (auto codice : {CodResti, CodColonnaFiltro, CodSomma}) {
        TCondizione* m = q.Inserisci(codice);
        m->PerOgniMisura(accettaTutto);
        m->PerOgniIntervallo(intervalloAmpio);
    }
    static_cast<TSomma&>(*q.Elenco[2]).Partite = 0xFFFFFFFF;
    accettaTutto(q.Accettate);
    return c;
}

// A group of two remainders.
std::unique_ptr<TCondizione> gruppoResti(TCondizioniSistema& s) {
    auto c = tipo(s, CodGruppoResti);
    auto& g = static_cast<TGruppo&>(*c);
    for (std::int32_t divisore : {7, 9}) {
        auto& r = static_cast<TResti&>(g.NuovoMembro());
        r.Divisore = divisore;
        accettaTutto(r.Tabelle[0]);
    }
    return c;
}

#define MISURA(nome) BENCHMARK_CAPTURE(BM_Verifica, nome, nome)->Unit(benchmark::kMillisecond)

MISURA(pariDispari);
MISURA(interruzioniNumeri);
MISURA(interruzioniSegni);
MISURA(simmetrieNumeri);
MISURA(simmetrieSegni);
MISURA(vortice);
MISURA(ripetizioniNumeri);
MISURA(ripetizioniSegni);
MISURA(formuleDerivate);
MISURA(distanzeGlobali);
MISURA(baricentri);
MISURA(posizioni);
MISURA(consecutivitaNumerica);
MISURA(numeroSequenze);
MISURA(quadro);
MISURA(puntiTra);
MISURA(sequelaData);
MISURA(sequelaMonotermine);
MISURA(sequelaBitermine);
MISURA(sequelaGenerica);
MISURA(sequelaSpecchio);
MISURA(distanzaSpecifica);
MISURA(picchettoSomma);
MISURA(picchettoProdotto);
MISURA(resti);
MISURA(consecutivita);
MISURA(colonnaFiltroPosizione);
MISURA(colonnaFiltroComuni);
MISURA(somma);
MISURA(gruppoResti);

}  // namespace
