// ludomatic-cli spoglio and spoglio-storico: the columns of a column file
// against one winning column, or against every contest of the search
// interval.
#include <ostream>
#include <sstream>

#include "cli/ArchivioProgramma.h"
#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/checking/ControlloCondizioni.h"
#include "core/checking/SpoglioStorico.h"
#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {
namespace {

ListaColonne leggiColonne(const Contesto& contesto, const Argomenti& argomenti) {
    ListaColonne lista;
    if (!LeggiFile(lista, contesto.fileColonne(argomenti.primo()), false))
        throw Errore(MsgImpossibileCaricareColonnare);
    return lista;
}

Colonna leggiVincente(const Argomenti& argomenti) {
    const Colonna vincente = leggiNumeri(argomenti.richiesta("--vincente"), MsgNumeriNonValidi);
    if (NumeroNumeri(vincente) > 8) throw Errore(MsgPiuDiOttoNumeri);
    if (NumeroNumeri(vincente) < 8) throw Errore("La colonna vincente deve contenere 8 numeri.");
    return vincente;
}

// "7,6": the scores whose columns are saved, as bits.
std::uint16_t leggiPunteggi(const std::string& testo) {
    std::uint16_t punteggi = 0;
    std::istringstream pezzi(testo);
    std::string pezzo;
    while (std::getline(pezzi, pezzo, ','))
        punteggi |= static_cast<std::uint16_t>(1u << numero(pezzo, 0, 8, "--punti"));
    return punteggi;
}

void scriviGenerale(Json& j, const EsitoSpoglioStorico& esito) {
    static constexpr const char* kChiavi[] = {"punteggio", "vincite", "frequenza",
                                              "ritardo_attuale", "ritardo_massimo", "ic"};
    j.key("generale").beginArray();
    for (const auto& riga : RigheGenerali(esito)) {
        j.beginObject();
        for (std::size_t i = 0; i < riga.size(); ++i) j.key(kChiavi[i]).value(riga[i]);
        j.key("evidenziata").value(RigaEvidenziata(riga)).endObject();
    }
    j.endArray();
}

void scriviDettaglio(Json& j, const EsitoSpoglioStorico& esito) {
    j.key("dettaglio").beginArray();
    for (const auto& riga : RigheDettaglio(esito)) {
        j.beginArray();
        for (const auto& cella : riga) j.value(cella);
        j.endArray();
    }
    j.endArray();
}

}  // namespace

int comandoSpoglio(Contesto& contesto, const Argomenti& argomenti) {
    const ListaColonne lista = leggiColonne(contesto, argomenti);
    const Colonna vincente = leggiVincente(argomenti);
    Json j;
    j.beginObject().key("punti").beginArray();
    for (const auto n : SpoglioSingolo(lista, vincente)) j.value(n);
    j.endArray();
    if (const auto file = argomenti.opzione("--sistema")) {
        T_Sistema sistema(contesto.cartella);
        sistema.Carica(*file);
        caricaArchivio(contesto, sistema, false);
        j.key("condizioni_sbagliate").beginArray();
        for (const auto& riga : RigheCondizioniSbagliate(ControllaCondizioni(sistema, vincente))) j.value(riga);
        j.endArray();
    }
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoSpoglioStorico(Contesto& contesto, const Argomenti& argomenti) {
    const ListaColonne lista = leggiColonne(contesto, argomenti);
    const auto salva = argomenti.opzione("--salva");
    const auto punti = argomenti.opzione("--punti");
    if (punti && !salva) throw Errore("--punti va usato con --salva FILE.Col.");
    const std::uint16_t punteggi = leggiPunteggi(punti.value_or("7,6"));

    T_Sistema sistema(contesto.cartella);
    caricaArchivio(contesto, sistema, true);
    const auto& d = *sistema.Dati;
    const EsitoSpoglioStorico esito = SpoglioStorico(lista, d.Archivio, d.Config.Ricerca.Intervallo);

    Json j;
    j.beginObject().key("colonne_analizzate").value(static_cast<std::int64_t>(lista.Conteggio()));
    j.key("concorsi").value(esito.Concorsi).key("titolo").value(TestoRisultatiConfronto(esito));
    scriviGenerale(j, esito);
    scriviDettaglio(j, esito);
    if (salva) {
        SalvaColonneConPunti(lista, esito, punteggi, contesto.fileColonne(*salva));
        j.key("salvate").value(static_cast<std::int64_t>(ColonneConPunti(lista, esito, punteggi).Conteggio()));
    }
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
