// ludomatic-cli sistema, condizioni, quadro, verifica: systems, condition
// files and boards as JSON, and the check of one column against a system.
#include <ostream>

#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/JsonCondizioni.h"
#include "core/checking/ControlloCondizioni.h"
#include "core/conditions/TQuadro.h"
#include "core/io/Errore.h"

namespace ludo::cli {
namespace {

// A system read from its file, its conditions prepared (so that
// "effettivo" says what a development would use).
std::unique_ptr<T_Sistema> caricaSistema(const Contesto& contesto, const std::string& file) {
    auto sistema = std::make_unique<T_Sistema>(contesto.cartella);
    sistema->Carica(file);
    sistema->PreparaCondizioni();
    return sistema;
}

}  // namespace

int comandoSistema(Contesto& contesto, const Argomenti& argomenti) {
    const auto sistema = caricaSistema(contesto, argomenti.primo());
    Json j;
    scriviSistema(j, *sistema, argomenti.ha("--colonne"));
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoCondizioni(Contesto& contesto, const Argomenti& argomenti) {
    TCondizioniSistema sistema;
    TQuadro contenitore(&sistema);
    contenitore.CaricaCondizioni(argomenti.primo(), 0);
    Json j;
    j.beginArray();
    for (const auto& c : contenitore.Elenco) scriviCondizione(j, *c);
    j.endArray();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoQuadro(Contesto& contesto, const Argomenti& argomenti) {
    TCondizioniSistema sistema;
    TQuadro quadro(&sistema);
    quadro.CaricaQuadro(argomenti.primo());
    quadro.AggiornaStato();
    Json j;
    scriviCondizione(j, quadro);
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoVerifica(Contesto& contesto, const Argomenti& argomenti) {
    const auto sistema = caricaSistema(contesto, argomenti.primo());
    const auto testo = argomenti.opzione("--colonna");
    if (!testo) throw Errore(MsgNumeriNonValidi);
    const Colonna colonna = leggiNumeri(*testo, MsgNumeriNonValidi);
    if (NumeroNumeri(colonna) != 8) throw Errore("La colonna deve contenere 8 numeri.");
    const auto controllo = ControllaCondizioni(*sistema, colonna);
    Json j;
    j.beginObject().key("passa").value(controllo.Passa).key("errori").beginArray();
    for (const auto& e : controllo.Errori) {
        j.beginObject().key("nome").value(NomeErrore(e)).key("posizione").value(e.Posizione).endObject();
    }
    j.endArray();
    if (const auto rifiuto = RifiutoLink(controllo); !rifiuto.empty()) j.key("link").value(rifiuto);
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
