// ludomatic-cli analisi: the analysis data set of one condition of a
// system, over the stored search interval and the system's development.
#include <ostream>
#include <sstream>

#include "cli/ArchivioProgramma.h"
#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/conditions/TCondizione.h"
#include "core/io/Errore.h"
#include "core/statistics/TGestoreGrDati.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {
namespace {

constexpr const char* kOpzione = "--condizione";
constexpr const char* MsgCondizioneInesistente = "La condizione indicata non esiste.";

// "SLOT[/MEMBRO…]": a top-level slot 1..20, then 1-based members of groups
// and boards.
const TCondizione& condizioneDelPercorso(TCondizioniSistema& condizioni, const std::string& percorso) {
    std::istringstream pezzi(percorso);
    std::string pezzo;
    std::getline(pezzi, pezzo, '/');
    const TCondizione* c = &condizioni.Condizione(numero(pezzo, 1, TCondizioniSistema::NumeroCondizioni, kOpzione));
    while (std::getline(pezzi, pezzo, '/')) {
        const auto* membri = c->Membri();
        if (membri == nullptr || membri->empty()) throw Errore(MsgCondizioneInesistente);
        const int m = numero(pezzo, 1, static_cast<int>(membri->size()), kOpzione);
        c = (*membri)[static_cast<std::size_t>(m - 1)].get();
    }
    if (percorso.ends_with('/')) throw Errore(MsgCondizioneInesistente);
    return *c;
}

// One value of the four tables, as the statistic given reads them.
void scriviValori(Json& j, const TVista& v, int valore, bool consecutivita) {
    auto leggi = [&](const T_FrequenzeRitardi& t) { return ElementoTabella(t, valore, consecutivita); };
    const TElemRFRM a = leggi(v.Archivio);
    j.beginObject().key("frequenza").value(a.Frequenza).key("ritardo").value(a.Ritardo);
    j.key("ritardo_max").value(a.RitardoMax).key("integrale").value(leggi(v.Integrale).Frequenza);
    j.key("singola").value(leggi(v.Singola).Frequenza).key("tenute").value(leggi(v.Tenute).Frequenza);
    j.endObject();
}

void scriviVista(Json& j, const TGestoreGrDati& dati, std::size_t i) {
    const TVista& v = dati.Viste[i];
    j.beginObject().key("nome").value(v.Nome).key("consecutivita").value(v.HaConsecutivita);
    j.key("mostra_tenute").value(v.MostraTenute).key("concorsi").value(v.Archivio.NumConcorsi());
    j.key("colonne_integrali").value(v.Integrale.NumConcorsi()).key("righe").beginArray();
    for (int riga = 0; riga < v.NumeroRighe; ++riga) {
        j.beginObject().key("etichetta").value(EtichettaRiga(v, riga)).key("punti");
        scriviValori(j, v, v.PrimoValore + riga, false);
        if (v.HaConsecutivita) {
            j.key("cons");
            scriviValori(j, v, v.PrimoValore + riga, true);
        }
        j.key("ic").value(CelleRitardi(dati, i, riga, false)[3]).endObject();
    }
    j.endArray();
    const PannelliVista p = CalcolaPannelli(dati, i);
    j.key("pannelli").beginObject().key("colonne_filtrate").value(p.Filtrate);
    j.key("colonne_rimanenti").value(p.Rimanenti()).key("frequenza_storica").value(p.FrequenzaStorica);
    if (p.Fattore) j.key("fattore").value(*p.Fattore);
    j.key("etichetta").value(EtichettaConvenienza(EtichettaConvenienzaIniziale, p));
    j.endObject().endObject();
}

}  // namespace

int comandoAnalisi(Contesto& contesto, const Argomenti& argomenti) {
    const std::string& file = argomenti.primo();
    const std::string percorso = argomenti.richiesta(kOpzione);
    const int pagina = argomenti.intero("--pagina", 1, 30, 1);
    T_Sistema sistema(contesto.cartella);
    sistema.Carica(file);
    const TCondizione& condizione = condizioneDelPercorso(sistema.Dati->Condizioni, percorso);
    if (!HaAnalisi(condizione)) throw Errore(MsgNessunaAnalisi);
    caricaArchivio(contesto, sistema, true);
    const TGestoreGrDati dati = AnalisiColonnare(condizione, sistema, {pagina});

    Json j;
    j.beginObject().key("condizione").value(condizione.Nome).key("titoli").beginArray();
    for (const auto& titolo : dati.Titoli) j.value(titolo);
    j.endArray().key("abilitata").value(dati.Abilitata).key("valori_propri").value(dati.ValoriPropri);
    j.key("archivio_da_cache").value(dati.ArchivioDaCache);
    if (!dati.Messaggio.empty()) j.key("messaggio").value(dati.Messaggio);
    j.key("viste").beginArray();
    for (std::size_t i = 0; i < dati.Viste.size(); ++i) scriviVista(j, dati, i);
    j.endArray().endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
