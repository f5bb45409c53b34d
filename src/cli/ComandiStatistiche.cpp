// ludomatic-cli statistica, gruppo, fisse, numeri and pronostico-statistico:
// the statistics of the archive over the stored search interval.
#include <ostream>

#include "cli/ArchivioProgramma.h"
#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/io/Errore.h"
#include "core/statistics/AnalisiNumeri.h"
#include "core/statistics/StatisticaSistema.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {
namespace {

void scriviNumeri(Json& j, Colonna numeri) {
    j.beginArray();
    for (int n = 1; n <= 32; ++n) {
        if (numeri & (Colonna{1} << (n - 1))) j.value(n);
    }
    j.endArray();
}

// The system named first, with the archive and the stored search settings.
void caricaSistema(const Contesto& contesto, T_Sistema& sistema, const Argomenti& argomenti) {
    sistema.Carica(argomenti.primo("Manca il nome del file del sistema."));
    caricaArchivio(contesto, sistema, true);
}

void scriviCategoria(Json& j, const StatisticaSistema& s, int k) {
    const RisultatoCategoria& c = s.Categorie[static_cast<std::size_t>(k)];
    j.beginObject();
    j.key("vincite").value(c.Vincite());
    j.key("percentuale").value(PercentualeVinte(s, k));
    j.key("ciclo_medio").value(TestoQuattroDueDecimali(c.CicloMedio));
    j.key("settimane_di_assenza").value(c.SettimaneDiAssenza());
    j.key("ritardo_attuale").value(c.RitardoCm);
    j.key("ritardo_minimo").value(c.RitardoMinimo);
    j.key("ritardo_massimo").value(c.RitardoMassimo);
    j.key("ritardo_medio").value(TestoQuattroDueDecimali(c.RitardoMedio));
    j.key("ultima_vincita").value(c.UltimaVincita);
    j.endObject();
}

}  // namespace

int comandoStatistica(Contesto& contesto, const Argomenti& argomenti) {
    T_Sistema sistema(contesto.cartella);
    caricaSistema(contesto, sistema, argomenti);
    const StatisticaSistema s = AnalisiStatistica(sistema);
    Json j;
    j.beginObject().key("stato").value(TestoConcorsiEsaminati(s));
    j.key("esaminati").value(s.Esaminati).key("concorsi").value(s.ConcorsiArchivio);
    j.key("categorie").beginArray();
    for (int k = 0; k < s.CategorieCercate; ++k) scriviCategoria(j, s, k);
    j.endArray();
    if (const auto filtrate = FiltrateDelSistema(sistema)) {
        j.key("colonne_filtrate").value(*filtrate);
        j.key("fattore_di_convenienza").value(TestoFattoreConvenienza(*filtrate, PercentualeVinte(s, 0)));
    }
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoGruppo(Contesto& contesto, const Argomenti& argomenti) {
    const Colonna gruppo = leggiNumeri(argomenti.richiesta("--numeri"), MsgNumeriNonValidi);
    T_Sistema sistema(contesto.cartella);
    caricaArchivio(contesto, sistema, true);
    const AnalisiGruppo g = AnalizzaGruppo(sistema.Dati->Archivio, sistema.Dati->Config.Ricerca.Intervallo, gruppo);
    Json j;
    j.beginObject().key("esaminati").value(g.Esaminati).key("righe").beginArray();
    for (const RigaGruppo& r : g.Righe) {
        j.beginObject().key("punteggio").value(r.Punteggio).key("uscite").value(r.Uscite);
        j.key("frequenza").value(r.Frequenza).key("ritardo_attuale").value(r.RitardoAttuale);
        j.key("ritardo_massimo").value(r.RitardoMassimo).key("ic").value(r.IC);
        j.key("evidenziata").value(r.Evidenziata).endObject();
    }
    j.endArray().endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoFisse(Contesto& contesto, const Argomenti& argomenti) {
    const int quante = argomenti.intero("--quante", 1, 3, 1);
    const std::string testoOrdine = argomenti.opzione("--ordine").value_or("ic");
    OrdineFisse ordine = OrdineFisse::IC;
    if (testoOrdine == "frequenza") ordine = OrdineFisse::Frequenza;
    else if (testoOrdine == "ritardo") ordine = OrdineFisse::Ritardo;
    else if (testoOrdine != "ic") throw Errore("L'ordine deve essere ic, frequenza o ritardo.");
    T_Sistema sistema(contesto.cartella);
    caricaArchivio(contesto, sistema, true);
    const auto lista = CercaFisse(sistema.Dati->Archivio, sistema.Dati->Config.Ricerca.Intervallo, quante, ordine);
    Json j;
    j.beginObject().key("classifica").beginArray();
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const auto& f = lista[i];
        j.beginObject().key("numeri");
        scriviNumeri(j, f.Numeri);
        j.key("frequenza").value(f.Frequenza).key("ritardo").value(f.Ritardo).key("ic").value(f.IC);
        j.key("celle").beginArray();
        for (const auto& cella : CelleFisse(f, i + 1)) j.value(cella);
        j.endArray().endObject();
    }
    j.endArray().endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoNumeri(Contesto& contesto, const Argomenti&) {
    T_Sistema sistema(contesto.cartella);
    caricaArchivio(contesto, sistema, true);
    const auto s = CalcolaStatisticheNumeri(sistema.Dati->Archivio, sistema.Dati->Config.Ricerca.Intervallo);
    Json j;
    j.beginObject().key("esaminati").value(s.Esaminati).key("numeri").beginArray();
    for (int n = 1; n <= 32; ++n) {
        const StatisticaNumero& r = s.Numeri[static_cast<std::size_t>(n - 1)];
        j.beginObject().key("numero").value(n).key("frequenza").value(r.Frequenza);
        j.key("ritardo_attuale").value(r.RitardoAttuale).key("ritardo_massimo").value(r.RitardoMassimo);
        j.key("ic").value(TestoICNumero(s, n)).key("frequenza_annuale").value(r.FrequenzaAnnuale);
        j.key("consecutivi_attuali").value(r.ConsecutiviAttuali).key("consecutivi_massimi").value(r.ConsecutiviMassimi);
        j.endObject();
    }
    j.endArray().endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoPronosticoStatistico(Contesto& contesto, const Argomenti& argomenti) {
    T_Sistema sistema(contesto.cartella);
    caricaSistema(contesto, sistema, argomenti);
    const int quante = argomenti.intero("--partite", 1, 32);
    ImpostaPronosticoStatistico(sistema, quante, argomenti.ha("--azzera"));
    const auto& d = *sistema.Dati;
    if (const auto uscita = argomenti.opzione("--out")) sistema.Salva(*uscita);
    Json j;
    j.beginObject().key("pronostico");
    scriviNumeri(j, d.Pronostico);
    j.key("fisse");
    scriviNumeri(j, d.Fisse);
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
