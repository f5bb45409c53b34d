#include "core/statistics/TGestoreGrDati.h"

#include <algorithm>
#include <charconv>

#include "core/archive/ArchivioConcorsi.h"
#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"
#include "core/engine/Sviluppo.h"
#include "core/io/Errore.h"
#include "core/io/Formato.h"
#include "core/system/T_Sistema.h"

namespace ludo {
namespace {

using Titoli = std::array<const char*, 4>;

// clang-format off
constexpr Titoli kPariDispari{"Analisi Statistica dei Pari e Dispari", "Analisi Colonnare dei Pari e Dispari",
    "Analisi Statistica del Ritardo nei Pari e Dispari", "Analisi Statistica delle Frequenze dei Pari e Dispari"};
constexpr Titoli kInterruzioni{"Analisi Statistica delle Interruzioni", "Analisi Colonnare delle Interruzioni",
    "Analisi Statistica del Ritardo nelle Interruzioni", "Analisi Statistica della Frequenza delle Interruzioni"};
constexpr Titoli kSimmetrie{"Analisi Statistica delle Simmetrie", "Analisi Colonnare delle Simmetrie",
    "Analisi Statistica del Ritardo nelle Simmetrie", "Analisi Statistica della Frequenza delle Simmetrie"};
constexpr Titoli kVorticeDiretto{"Analisi Statistica del Vortice Diretto", "Analisi Colonnare del Vortice Diretto",
    "Analisi Statistica dei Ritardi del Vortice Diretto", "Analisi Statistica della Frequenza del Vortice Diretto"};
constexpr Titoli kVorticeInverso{"Analisi Statistica del Vortice Inverso", "Analisi Colonnare del Vortice Inverso",
    "Analisi Statistica dei Ritardi nel Vortice Inverso", "Analisi Statistica della Frequenza del Vortice Inverso"};
constexpr Titoli kRipetizioni{"Analisi Statistica delle Ripetizioni", "Analisi Colonnare delle Ripetizione",
    "Analisi Statistica del Ritardo nelle Ripetizioni", "Analisi Statistica della Frequenza delle Ripetizioni"};
constexpr Titoli kFormuleDerivate{"Analisi Statistica delle Formule Derivate", "Analisi Colonnare delle Formule Derivate",
    "Analisi Statistica del Ritardo nelle Formule Derivate", "Analisi Statistica delle Frequenza delle Formule Derivate"};
constexpr Titoli kDistanzeGlobali{"Analisi Statistica della Distanza", "Analisi Colonnare della Distanza",
    "Analisi Statistica del Ritardo nella Distanza", "Analisi Statistica della Frequenza della Distanza"};
constexpr Titoli kBaricentri{"Analisi Statistica dei Baricentri", "Analisi Colonnare dei Baricentri",
    "Analisi Statistica del Ritardo nei Baricentri", "Analisi Statistica della Frequenza dei Baricentri"};
constexpr Titoli kPosizioni{"Analisi Statistica della Posizioni", "Analisi Colonnare della Posizioni",
    "Analisi Statistica del Ritardo nella Posizione", "Analisi Statistica delle Frequenze nella Posizioni"};
constexpr Titoli kConsecutivitaNumerica{"Analisi Statistica della consecutivita Numerica",
    "Analisi Colonnare della consecutivita Numerica", "Analisi Statistica dei ritardi nella consecutivita Numerica",
    "Analisi Statistica delle Frequenze della consecutivita Numerica"};
constexpr Titoli kNumeroSequenze{"Analisi Statistica del Numero di Sequenze di lunghezza",
    "Analisi Colonnare del Numero di Sequenze di lunghezza",
    "Analisi Statistica del Ritardo del Numero di Sequenze di lunghezza",
    "Analisi Statistica delle Frequenze nel Numero di Sequenze di lunghezza"};
constexpr Titoli kQuadro{"Analisi Statistica del Quadro", "Analisi Colonnare del Quadro",
    "Analisi Statistica del Ritardo del Quadro", "Analisi Statistica della Frequenza del Quadro"};
constexpr Titoli kPuntiTra{"Analisi Statistica dei Punti Tra del Gruppo", "Analisi Colonnare dei Punti Tra del Gruppo",
    "Analisi Statistica del Ritardo nei Punti Tra del Gruppo", "Analisi Statistica della Frequenza dei Punti Tra del Gruppo"};
constexpr Titoli kSequela{"Analisi Statistica della Sequela", "Analisi Colonnare della Sequela",
    "Analisi Statistica del Ritardo della Sequela", "Analisi Statistica della Frequenza della Sequela"};
constexpr Titoli kSequele{"Analisi Statistica delle Sequele", "Analisi Colonnare delle Sequele",
    "Analisi Statistica del Ritardo delle Sequele", "Analisi Statistica della Frequenza delle Sequele"};
constexpr Titoli kDistanzeParticolari{"Analisi Statistica della Distanze Particolari",
    "Analisi Colonnare delle Distanze Particolari", "Analisi Statistica del Ritardo delle Distanze Particolari",
    "Analisi Statistica delle Frequenze delle Distanze Particolari"};
constexpr Titoli kPicchetti{"Analisi Statistica del Picchetti", "Analisi Colonnare del Picchetto",
    "Analisi Statistica dei Ritardi del Picchetto", "Analisi Statistica delle Frequenze del Picchetto"};
constexpr Titoli kResti{"Analisi Statistica dei Resti", "Analisi Colonnare dei Resti",
    "Analisi Statistica del Ritardo dei Resti", "Analisi Statistica delle Frequenze dei Resti"};
constexpr Titoli kConsecutivita{"Analisi Statistica della Consecutivita del", "Analisi Colonnare della Consecutivita del",
    "Analisi Statistica del Ritardo nella Consecutivita del", "Analisi Statistica della Frequenza nella Consecutivita del"};
constexpr Titoli kColonnaFiltro{"Analisi Statistica della Colonna Filtro", "Analisi Colonnare delle Colonna Filtro",
    "Analisi Statistica del Ritardo della Colonna Filtro", "Analisi Statistica delle Frequenze delle Colonna Filtro"};
// The sums have no frequency title of their own.
constexpr Titoli kSomme{"Analisi Statistica delle Somme", "Analisi Colonnare delle Somme",
    "Analisi Statistica dei Ritardi nelle Somme", ""};
// clang-format on

// Where a view takes its tables from in the condition.
struct FormaVista {
    std::string nome;
    std::size_t statistica = 0;
    const TMisura* misura = nullptr;
    const TIntervalli* intervalli = nullptr;
    int primo = 0;
    int ultimo = 0;  // highest value shown by a view of a measure table
};

struct Forma {
    Titoli titoli;
    std::vector<FormaVista> viste;
    bool valoriPropri = false;
};

FormaVista vistaMisura(const char* nome, const TCondizioneTabelle& c, std::size_t i) {
    const TMisura& m = c.Tabelle.at(i);
    return {nome, i, &m, nullptr, 0, m.Massimo};
}

Forma unaTabella(const Titoli& titoli, const char* nome, const TCondizioneTabelle& c, std::size_t i) {
    return {titoli, {vistaMisura(nome, c, i)}};
}

Forma tabelleInOrdine(const Titoli& titoli, std::initializer_list<const char*> nomi, const TCondizioneTabelle& c) {
    Forma f{titoli, {}};
    for (const char* nome : nomi) f.viste.push_back(vistaMisura(nome, c, f.viste.size()));
    return f;
}

Forma intervalli(const Titoli& titoli, const char* nome, std::size_t statistica, const TIntervalli& i) {
    return {titoli, {{nome, statistica, nullptr, &i}}, true};
}

Forma formaTabelle(const TCondizioneTabelle& c, int pagina) {
    const auto p = static_cast<std::size_t>(pagina);
    switch (c.Codice) {
        case CodPariDispari:
            return tabelleInOrdine(kPariDispari, {"Pari", "Dispari"}, c);
        case CodInterruzioni:
            return tabelleInOrdine(kInterruzioni, {"Globali", "Segni Pari", "Segni Dispari"}, c);
        case CodSimmetrie:
            return tabelleInOrdine(kSimmetrie, {"Dirette", "Inverse", "Totali"}, c);
        case CodVortice: {
            const std::size_t base = pagina == 2 ? 2 : 0;
            return {pagina == 2 ? kVorticeInverso : kVorticeDiretto,
                    {vistaMisura("Posizione", c, base), vistaMisura("Bracci", c, base + 1)}};
        }
        case CodRipetizioni:
            return tabelleInOrdine(kRipetizioni, {"Una Prec.", "Due Prec."}, c);
        case CodDistanzeGlobali:
            return tabelleInOrdine(kDistanzeGlobali, {"Minima", "Massima", "Totale"}, c);
        case CodBaricentri:
            return tabelleInOrdine(kBaricentri, {"Tutti", "Pari", "Dispari"}, c);
        case CodPosizioni: {
            // The number at position p is at least p and leaves room for the
            // 8 - p numbers above it.
            Forma f = unaTabella(kPosizioni, "Posizione", c, p - 1);
            f.viste[0].primo = pagina;
            f.viste[0].ultimo = f.viste[0].misura->Massimo - 8 + pagina;
            return f;
        }
        case CodConsecutivitaNumerica:
            return unaTabella(kConsecutivitaNumerica, "Consecutivita", c, 0);
        case CodNumeroSequenze:
            return unaTabella(kNumeroSequenze, "Seq. di lung.", c, p - 1);
        case CodSequela: {
            static constexpr std::array<const char*, 5> nomi{"Sequela", "Monotermine", "Bitermine", "Generiche",
                                                             "a Specchio"};
            const int tipo = std::clamp<int>(static_cast<const TSequela&>(c).Parametri.tipo, 1, 5);
            return unaTabella(tipo == 1 ? kSequela : kSequele, nomi[static_cast<std::size_t>(tipo - 1)], c, 0);
        }
        case CodDistanzaSpecifica:
            return unaTabella(kDistanzeParticolari, "Distanza tra", c, 0);
        case CodResti: {
            Forma f = unaTabella(kResti, "Resto", c, 0);
            f.viste[0].ultimo = std::clamp<int>(static_cast<const TResti&>(c).Divisore - 1, 0, f.viste[0].ultimo);
            return f;
        }
        case CodConsecutivita:
            // Its statistics record the run, measured in the second table.
            return unaTabella(kConsecutivita,
                              static_cast<const TConsecutivita&>(c).Parita != 0 ? "Segno Pari" : "Segno Dispari", c, 1);
        case CodColonnaFiltro:
            return unaTabella(kColonnaFiltro, "Colonna Filtro", c, 0);
        default:
            throw Errore(MsgNessunaAnalisi);
    }
}

int paginaAmmessa(std::uint8_t codice, int pagina) {
    switch (codice) {
        case CodPosizioni:
            return std::clamp(pagina, 1, 8);
        case CodNumeroSequenze:
            return std::clamp(pagina, 1, 4);
        case CodVortice:
            return std::clamp(pagina, 1, 2);
        case CodPuntiTra:
            return std::clamp(pagina, 1, TPuntiTra::NumeroGruppi);
        default:
            return 1;
    }
}

Forma forma(const TCondizione& c, int pagina) {
    pagina = paginaAmmessa(c.Codice, pagina);
    switch (c.Codice) {
        case CodFormuleDerivate:
            return {kFormuleDerivate, {{"F.Derivate", 0, nullptr, nullptr, 0, 8}}, true};
        case CodQuadro: {
            const auto& q = static_cast<const TQuadro&>(c);
            const int membri = static_cast<int>(std::min(q.Elenco.size(), TQuadro::MassimoMembri));
            return {kQuadro, {{"Quadro", 0, &q.Accettate, nullptr, 0, membri}}};
        }
        case CodPuntiTra:
            return intervalli(kPuntiTra, "Punti Tra", static_cast<std::size_t>(pagina - 1),
                              static_cast<const TPuntiTra&>(c).Gruppi[static_cast<std::size_t>(pagina)]);
        case CodPicchetto:
            return intervalli(kPicchetti, "Picchetto", 0, static_cast<const TPicchetto&>(c).Intervalli);
        case CodSomma:
            return intervalli(kSomme, "Somme", 0, static_cast<const TSomma&>(c).Intervalli);
        default:
            break;
    }
    const auto* tabelle = dynamic_cast<const TCondizioneTabelle*>(&c);
    if (tabelle == nullptr) throw Errore(MsgNessunaAnalisi);
    return formaTabelle(*tabelle, pagina);
}

std::vector<std::string> etichetteNumeriche(int primo, int ultimo) {
    std::vector<std::string> e;
    for (int k = primo; k <= ultimo; ++k) e.push_back(std::to_string(k));
    return e;
}

std::vector<std::string> etichetteFormule() {
    std::vector<std::string> e;
    for (int k = 0; k <= 8; ++k) e.push_back(TestoFormulaDerivata(k));
    return e;
}

std::vector<std::string> etichetteIntervalli(const TIntervalli& t) {
    std::vector<std::string> e;
    const int numero = std::clamp<int>(t.Numero, 0, TIntervalli::MassimoIntervalli);
    for (int i = 0; i < numero; ++i) {
        const Intervallo& x = t.Intervalli[static_cast<std::size_t>(i)];
        e.push_back(io::FormatoReale("%.2f", x.Min) + " - " + io::FormatoReale("%.2f", x.Max));
    }
    e.emplace_back(EtichettaAltri);
    return e;
}

// The views with their names, labels and accepted values; tables empty.
std::vector<TVista> preparaViste(const Forma& f, bool sviluppato) {
    std::vector<TVista> viste;
    for (const FormaVista& fv : f.viste) {
        TVista v;
        v.Nome = fv.nome;
        if (fv.misura != nullptr) {
            v.Misura = *fv.misura;
            v.PrimoValore = fv.primo;
            v.Etichette = etichetteNumeriche(fv.primo, fv.ultimo);
            v.HaConsecutivita = fv.misura->HaSeconda;
            v.MostraTenute = sviluppato;
        } else if (fv.intervalli != nullptr) {
            v.Intervalli = *fv.intervalli;
            v.Etichette = etichetteIntervalli(*fv.intervalli);
            v.MostraTenute = fv.intervalli->InUso;
        } else {
            v.Etichette = etichetteFormule();
            v.MostraTenute = sviluppato;
        }
        v.NumeroRighe = static_cast<int>(v.Etichette.size());
        viste.push_back(std::move(v));
    }
    return viste;
}

// The types the archive-analysis set builds twice, once per Modo.
bool haModo(std::uint8_t codice) {
    return codice == CodInterruzioni || codice == CodSimmetrie || codice == CodRipetizioni;
}

std::vector<std::pair<int, int>> intervalliMisure(TCondizione& c) {
    std::vector<std::pair<int, int>> r;
    c.PerOgniMisura([&](TMisura& m) { r.emplace_back(m.Da, m.A); });
    return r;
}

// The object of the archive-analysis set whose cached tables are the
// condition's own archive tables, if any: same type, same Modo, same range.
TCondizione* oggettoInCache(ArchivioConcorsi& archivio, TCondizione& c) {
    if (!archivio.AnalisiValide) return nullptr;
    for (TCondizione* o : archivio.Analisi.Oggetti()) {
        if (o->Codice != c.Codice || (haModo(c.Codice) && o->Modo != c.Modo)) continue;
        return intervalliMisure(*o) == intervalliMisure(c) ? o : nullptr;
    }
    return nullptr;
}

struct Costruzione {
    std::unique_ptr<TCondizione> copia;
    Forma forma;
    TGestoreGrDati dati;
};

// Steps 1, 2 and the views: the copy with its state refreshed, the views
// and their archive tables.
Costruzione costruisci(const TCondizione& condizione, T_Sistema& sistema, PaginaEditor pagina) {
    if (!HaAnalisi(condizione)) throw Errore(MsgNessunaAnalisi);
    DatiSistema& d = *sistema.Dati;
    Costruzione c{condizione.Copia(), {}, {}};
    c.copia->AggiornaStato();
    c.forma = forma(*c.copia, pagina.Numero);
    c.dati.Titoli = {c.forma.titoli[0], c.forma.titoli[1], c.forma.titoli[2], c.forma.titoli[3]};
    c.dati.Abilitata = c.copia->Attivato;
    c.dati.ValoriPropri = c.forma.valoriPropri;
    c.dati.Viste = preparaViste(c.forma, d.Sviluppato);

    // AnalizzaArchivio rebuilds only the statistics of all values; keep the
    // recomputed ones before the copy's statistics are reset.
    const IntervalloRicerca& intervallo = d.Config.Ricerca.Intervallo;
    TCondizione* cache = ETuttoArchivio(intervallo, d.Archivio) ? oggettoInCache(d.Archivio, *c.copia) : nullptr;
    c.dati.ArchivioDaCache = cache != nullptr;
    if (cache == nullptr) c.copia->AnalizzaArchivio(d.Archivio.Concorsi(), intervallo);
    const TCondizione& origine = cache != nullptr ? *cache : *c.copia;
    for (std::size_t i = 0; i < c.forma.viste.size(); ++i) {
        c.dati.Viste[i].Archivio = origine.Statistiche.at(c.forma.viste[i].statistica).Tutti;
    }
    return c;
}

// Every column of the development's source through AccumulaColonna; false
// when cancelled or unreadable.
bool accumulaSorgente(TCondizione& copia, T_Sistema& sistema, Avanzamento& avanzamento) {
    DatiSistema& d = *sistema.Dati;
    avanzamento.Fase(FaseAnalisiColonnare);
    std::int64_t fatte = 0;
    if (d.Sorgente.SorgentePronostico) {
        const Colonna fisse = d.Fisse & d.Pronostico;
        const auto totale = static_cast<std::int64_t>(ColonneIntegrali(d.Pronostico));
        return GeneraColonne(d.Pronostico, 8, avanzamento, [&](Colonna c) {
            if ((c & fisse) == fisse) copia.AccumulaColonna(c);
            if (++fatte % 1000 == 0) avanzamento.Progresso(fatte, totale);
        });
    }
    ListaColonne colonne;
    if (!LeggiFile(colonne, PercorsoFileColonne(sistema, d.Sorgente.FileSorgente), false)) return false;
    const auto totale = static_cast<std::int64_t>(colonne.Conteggio());
    for (Colonna c : colonne) {
        copia.AccumulaColonna(c);
        if (++fatte % 1000 == 0) {
            avanzamento.Progresso(fatte, totale);
            if (avanzamento.annullato()) return false;
        }
    }
    return !avanzamento.annullato();
}

// The value row r shows, as the tables index it.
int valoreRiga(const TVista& v, int riga) { return v.PrimoValore + riga; }

std::string percentuale(double parte, double tutto) {
    return io::FormatoReale("%4.2f", tutto > 0 ? parte / tutto * 100.0 : 0.0);
}

const TabellaMisura& tabellaLetta(const TMisura& m, bool consecutivita) {
    return consecutivita ? m.Seconda : m.Prima;
}

}  // namespace

bool HaAnalisi(const TCondizione& condizione) {
    switch (condizione.Codice) {
        case CodGruppoConsecutivita:
        case CodGruppoSequele:
        case CodGruppoPicchetti:
        case CodGruppoSomme:
        case CodGruppoDistanze:
        case CodGruppoResti:
        case CodGruppoColonneFiltro:
            return false;
        default:
            return condizione.Codice == CodQuadro || condizione.Membri() == nullptr;
    }
}

TGestoreGrDati AnalisiStorica(const TCondizione& condizione, T_Sistema& sistema, PaginaEditor pagina) {
    return costruisci(condizione, sistema, pagina).dati;
}

TGestoreGrDati AnalisiColonnare(const TCondizione& condizione, T_Sistema& sistema, PaginaEditor pagina,
                                Avanzamento& avanzamento) {
    Costruzione c = costruisci(condizione, sistema, pagina);
    DatiSistema& d = *sistema.Dati;
    TCondizione& copia = *c.copia;
    const auto& forme = c.forma.viste;

    if (d.Sviluppato) copia.AnalizzaColonne(d.Colonne);
    for (std::size_t i = 0; i < forme.size(); ++i) {
        c.dati.Viste[i].Tenute =
            d.Sviluppato ? copia.Statistiche.at(forme[i].statistica).Passati : T_FrequenzeRitardi(8);
    }

    copia.AzzeraStatistiche();
    sistema.PreparaCondizioni();
    if (!accumulaSorgente(copia, sistema, avanzamento)) c.dati.Messaggio = MsgImpossibileCompletareSviluppo;
    for (std::size_t i = 0; i < forme.size(); ++i) {
        const StatisticheTabella& s = copia.Statistiche.at(forme[i].statistica);
        c.dati.Viste[i].Integrale = s.Tutti;
        c.dati.Viste[i].Singola = s.Passati;
    }
    return std::move(c.dati);
}

TElemRFRM ElementoTabella(const T_FrequenzeRitardi& tabella, int valore, bool consecutivita) {
    const auto& lista = consecutivita ? tabella.ListaCons() : tabella.ListaPunti();
    if (valore < 0 || static_cast<std::size_t>(valore) >= lista.size()) return {};
    return lista[static_cast<std::size_t>(valore)];
}

std::string EtichettaRiga(const TVista& vista, int riga) {
    if (riga < 0) return {};
    const auto r = static_cast<std::size_t>(riga);
    if (r < vista.Etichette.size()) return vista.Etichette[r];
    if (!vista.Misura || vista.Etichette.empty()) return {};
    const std::string& ultima = vista.Etichette.back();
    int numero = 0;
    std::from_chars(ultima.data(), ultima.data() + ultima.size(), numero);
    return std::to_string(numero + static_cast<int>(r - vista.Etichette.size()) + 1);
}

PannelliVista CalcolaPannelli(const TGestoreGrDati& dati, std::size_t indice, bool consecutivita) {
    const TVista& v = dati.Viste.at(indice);
    auto frequenza = [&](const T_FrequenzeRitardi& t, int valore) {
        return static_cast<double>(ElementoTabella(t, valore, consecutivita).Frequenza);
    };
    double accettate = 0;
    double filtrate = 0;
    double totale = 0;
    if (v.Misura) {
        const TabellaMisura& t = tabellaLetta(*v.Misura, consecutivita);
        if (t.HaValori(v.Misura->Massimo)) {
            for (int riga = 0; riga < v.NumeroRighe; ++riga) {
                const int k = valoreRiga(v, riga);
                const std::uint8_t stato = t.Voce(k).Stato;
                if (stato == Accettato) accettate += frequenza(v.Archivio, k);
                if (stato == Rifiutato && dati.Abilitata) filtrate += frequenza(v.Integrale, k);
                totale += frequenza(v.Archivio, k);
            }
        }
    } else if (v.Intervalli && v.Intervalli->Numero > 0) {
        // Rows 0..n-1 are the intervals, row n the values outside them.
        const int n = std::clamp<int>(v.Intervalli->Numero, 0, TIntervalli::MassimoIntervalli);
        for (int riga = 0; riga < n; ++riga) accettate += frequenza(v.Archivio, riga);
        totale = accettate + frequenza(v.Archivio, n);
        if (dati.Abilitata) filtrate = frequenza(v.Integrale, n);
    }
    PannelliVista p;
    const double integrali = v.Integrale.NumConcorsi();
    p.Filtrate = integrali > 0 ? filtrate / integrali * 100.0 : 0.0;
    p.FrequenzaStorica = totale >= 1 ? accettate / totale * 100.0 : 0.0;
    if (100.0 - p.FrequenzaStorica != 0) p.Fattore = p.Filtrate / (100.0 - p.FrequenzaStorica);
    return p;
}

std::string EtichettaConvenienza(const std::string& precedente, const PannelliVista& pannelli) {
    if (!pannelli.Fattore) return precedente;
    const std::string testo = io::FormatoReale("%4.2f", *pannelli.Fattore);
    const std::size_t tenuti = precedente.size() > testo.size() ? precedente.size() - testo.size() : 0;
    return precedente.substr(0, tenuti) + testo;
}

std::array<std::string, 4> CelleColonnari(const TVista& vista, int riga, bool percentuale, bool consecutivita) {
    std::array<std::string, 4> celle{EtichettaRiga(vista, riga)};
    if (consecutivita && !vista.HaConsecutivita) return celle;
    const int k = valoreRiga(vista, riga);
    const double integrali = vista.Integrale.NumConcorsi();
    auto cella = [&](const T_FrequenzeRitardi& t) {
        const std::int32_t conteggio = ElementoTabella(t, k, consecutivita).Frequenza;
        return percentuale ? ludo::percentuale(conteggio, integrali) : std::to_string(conteggio);
    };
    celle[1] = cella(vista.Integrale);
    celle[2] = cella(vista.Singola);
    if (vista.MostraTenute) celle[3] = cella(vista.Tenute);
    return celle;
}

std::array<std::string, 4> CelleRitardi(const TGestoreGrDati& dati, std::size_t indice, int riga, bool consecutivita) {
    const TVista& v = dati.Viste.at(indice);
    std::array<std::string, 4> celle{EtichettaRiga(v, riga)};
    const int k = valoreRiga(v, riga);
    if (!dati.ValoriPropri && v.HaConsecutivita && v.Misura) {
        const TabellaMisura& t = tabellaLetta(*v.Misura, consecutivita);
        if (t.HaValori(v.Misura->Massimo) && t.Voce(k).Stato == Rifiutato) return celle;
    }
    const TElemRFRM e = ElementoTabella(v.Archivio, k, consecutivita);
    const std::int32_t contati = v.Archivio.NumConcorsi();
    const double ic = contati > 0 ? static_cast<double>(e.Frequenza) / contati * e.Ritardo : 0.0;
    celle[1] = std::to_string(e.Ritardo);
    celle[2] = std::to_string(e.RitardoMax);
    celle[3] = io::FormatoReale("%3.2f", ic);
    return celle;
}

std::string CellaFrequenza(const TVista& vista, int riga, bool percentuale, bool consecutivita) {
    const std::int32_t f = ElementoTabella(vista.Archivio, valoreRiga(vista, riga), consecutivita).Frequenza;
    return percentuale ? ludo::percentuale(f, vista.Archivio.NumConcorsi()) : std::to_string(f);
}

double ValoreBarra(const TVista& vista, const T_FrequenzeRitardi& tabella, int riga, bool percentuale, bool consecutivita,
                   std::int32_t base) {
    const double conteggio = ElementoTabella(tabella, valoreRiga(vista, riga), consecutivita).Frequenza;
    if (!percentuale) return conteggio;
    return base > 0 ? conteggio / base * 100.0 : 0.0;
}

bool RigaAccettata(const TVista& vista, int riga, bool consecutivita) {
    if (!vista.Misura) return false;
    const TabellaMisura& t = tabellaLetta(*vista.Misura, consecutivita);
    return t.HaValori(vista.Misura->Massimo) && t.Voce(valoreRiga(vista, riga)).Stato != Rifiutato;
}

double MassimoAsse(double barraMassima, bool zoom, bool percentuale, std::int32_t base) {
    const double massimo = zoom ? 1.1 * barraMassima : (percentuale ? 100.0 : static_cast<double>(base));
    return std::max(massimo, 1.0);
}

}  // namespace ludo
