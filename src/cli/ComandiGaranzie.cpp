// ludomatic-cli garanzie: what a set of columns wins over every possible
// result of the forecast, or over the columns of a comparison file.
#include <ostream>
#include <sstream>

#include "cli/ArchivioProgramma.h"
#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/engine/Garanzie.h"
#include "core/engine/TestiGaranzie.h"
#include "core/io/Errore.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {
namespace {

// "0,1,2": which error tables to compute.
std::array<bool, 3> leggiErrori(const std::string& testo) {
    std::array<bool, 3> errori{};
    std::istringstream pezzi(testo);
    std::string pezzo;
    while (std::getline(pezzi, pezzo, ','))
        errori[static_cast<std::size_t>(numero(pezzo, 0, 2, "--errori"))] = true;
    if (!errori[0] && !errori[1] && !errori[2])
        throw Errore("Indicare con --errori almeno uno fra 0, 1 e 2.");
    return errori;
}

void scriviTabella(Json& j, const TabellaVincite& tabella) {
    j.beginObject().key("righe").beginArray();
    for (const auto& v : tabella) {
        j.beginObject().key("p8").value(v.Punti8).key("p7").value(v.Punti7).key("p6").value(
            v.Punti6);
        j.key("percentuale").value(v.Frequenza * 100).endObject();
    }
    j.endArray().key("griglia").beginArray();
    for (const auto& riga : RigheGaranzie(tabella)) {
        j.beginArray();
        for (const auto& cella : riga) j.value(cella);
        j.endArray();
    }
    j.endArray().endObject();
}

}  // namespace

int comandoGaranzie(Contesto& contesto, const Argomenti& argomenti) {
    T_Sistema sistema(contesto.cartella);
    const auto condizioni = argomenti.opzione("--condizioni");
    if (condizioni) sistema.Carica(*condizioni);
    caricaArchivio(contesto, sistema, false);

    ImpostazioniGaranzie imp;
    imp.ApplicaCondizioni = condizioni.has_value();
    if (const auto memoria = argomenti.opzione("--memoria")) {
        T_Sistema conColonne(contesto.cartella);
        conColonne.Carica(*memoria);
        if (conColonne.Dati->Colonne.Vuota()) throw Errore("Il sistema non contiene colonne.");
        sistema.Dati->Colonne = std::move(conColonne.Dati->Colonne);
    } else if (const auto file = argomenti.opzione("--colonne")) {
        imp.ColonneInMemoria = false;
        imp.FileEsaminate = *file;
    } else {
        throw Errore(
            "Indicare le colonne da esaminare con --memoria FILE.LDS oppure --colonne FILE.Col.");
    }

    const auto pronostico = argomenti.opzione("--pronostico");
    const auto confronto = argomenti.opzione("--confronto");
    if (pronostico.has_value() == confronto.has_value())
        throw Errore(
            "Indicare i risultati con --pronostico \"n1 … nk\" oppure con --confronto FILE.Col.");
    if (pronostico) {
        sistema.Dati->Pronostico = leggiNumeri(*pronostico, MsgNumeriNonValidi);
        if (NumeroNumeri(sistema.Dati->Pronostico) < 8)
            throw Errore("Il pronostico deve contenere almeno 8 partite.");
        imp.Errori = leggiErrori(argomenti.opzione("--errori").value_or("0"));
        if (condizioni && (imp.Errori[1] || imp.Errori[2]))
            throw Errore("Le condizioni si applicano solo senza errori sul pronostico.");
    } else {
        imp.ConfrontoPronostico = false;
        imp.FileConfronto = *confronto;
    }

    const EsitoGaranzie esito = CalcolaGaranzie(sistema, imp, NessunAvanzamento());
    Json j;
    j.beginObject().key("annullato").value(esito.Annullato).key("tabelle").beginObject();
    for (int chiave = 8; chiave >= 6; --chiave) {
        if (!esito.Calcolate[static_cast<std::size_t>(8 - chiave)]) continue;
        j.key(std::to_string(chiave));
        scriviTabella(j, sistema.Garanzie.Tabella(chiave));
    }
    j.endObject().endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
