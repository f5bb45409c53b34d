// ludomatic-cli misura: what each condition of a condition file measures on
// one or more columns, and whether each column passes it.
#include <ostream>

#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/JsonCondizioni.h"
#include "core/columns/FileColonne.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo::cli {
namespace {

constexpr const char* kQualiColonne =
    "Indicare le colonne con --colonna \"n1 … n8\" oppure --colonne FILE.Col.";

ListaColonne colonneDaMisurare(const Contesto& contesto, const Argomenti& argomenti) {
    ListaColonne colonne;
    if (const auto testo = argomenti.opzione("--colonna")) {
        colonne.Aggiungi(leggiNumeri(*testo, MsgNumeriNonValidi));
    } else if (const auto file = argomenti.opzione("--colonne")) {
        if (!LeggiFile(colonne, contesto.fileColonne(*file), false))
            throw Errore(MsgErroreLetturaColonne);
    } else {
        throw Errore(kQualiColonne);
    }
    return colonne;
}

// The system the conditions belong to: the one of --sistema (its match
// values and fixed numbers) or a new one, with the program folder's archive.
std::unique_ptr<T_Sistema> sistemaDiRiferimento(const Contesto& contesto,
                                                const Argomenti& argomenti) {
    auto sistema = std::make_unique<T_Sistema>(contesto.cartella);
    if (const auto file = argomenti.opzione("--sistema")) sistema->Carica(*file);
    sistema->Dati->Archivio.Carica(io::resolvePath(contesto.cartella, std::string(io::kArchivi)),
                                   sistema->Dati->Config.Ricerca.Intervallo);
    sistema->PreparaCondizioni();
    return sistema;
}

void coppia(Json& j, int v, int w) { j.beginArray().value(v).value(w).endArray(); }

// The measure of each table, in the type's own terms.
void scriviValori(Json& j, TCondizione& c, Colonna colonna) {
    j.key("valori").beginArray();
    if (const auto* tabelle = dynamic_cast<const TCondizioneTabelle*>(&c)) {
        const ValoriTabelle valori = tabelle->Misura(colonna);
        for (std::size_t i = 0; i < tabelle->Tabelle.size(); ++i)
            coppia(j, valori[i].v, valori[i].w);
    } else if (const auto* intervalli = dynamic_cast<const TCondizioneIntervalli*>(&c)) {
        j.beginArray().value(intervalli->Misura(colonna)).endArray();
    } else if (c.Codice == CodFormuleDerivate) {
        j.beginArray().value(TFormuleDerivate::Misura(colonna)).endArray();
    } else if (c.Codice == CodQuadro) {
        const Valori conta = static_cast<TQuadro&>(c).Misura(colonna);
        coppia(j, conta.v, conta.w);
    } else if (c.Codice == CodPuntiTra) {
        const auto& puntiTra = static_cast<const TPuntiTra&>(c);
        const TPuntiTra::Totali totali = puntiTra.Misura(colonna);
        for (int g = 1; g <= puntiTra.Ultimo && g <= TPuntiTra::NumeroGruppi; ++g) {
            j.beginArray().value(totali[static_cast<std::size_t>(g)]).endArray();
        }
    }
    j.endArray();
}

// Each condition is judged on its own: the links start afresh, and "Punti
// Tra" gets the totals the system's conditions give the column.
bool passa(TCondizione& c, Colonna colonna, TInsiemeLink& link) {
    if (!c.Effettivo || !c.Attivato) return true;
    for (auto& l : link.Link) l.AzzeraColonna();
    if (c.Codice == CodPuntiTra) {
        auto& puntiTra = static_cast<TPuntiTra&>(c);
        puntiTra.Totale = puntiTra.Misura(colonna);
    }
    return c.Verifica(colonna);
}

void scriviMisurazione(Json& j, TCondizione& c, Colonna colonna, TInsiemeLink& link) {
    j.beginObject().key("colonna");
    scriviNumeri(j, colonna);
    j.key("codice").value(static_cast<int>(c.Codice));
    scriviValori(j, c, colonna);
    j.key("passa").value(passa(c, colonna, link));
    if (auto* membri = c.Membri()) {
        j.key("membri").beginArray();
        for (auto& m : *membri) scriviMisurazione(j, *m, colonna, link);
        j.endArray();
    }
    j.endObject();
}

}  // namespace

int comandoMisura(Contesto& contesto, const Argomenti& argomenti) {
    const auto sistema = sistemaDiRiferimento(contesto, argomenti);
    TQuadro contenitore(&sistema->Dati->Condizioni);
    contenitore.CaricaCondizioni(argomenti.primo(), 0);
    for (auto& c : contenitore.Elenco) {
        c->AdattaIntervallo();
        c->AggiornaStato();
    }
    const ListaColonne colonne = colonneDaMisurare(contesto, argomenti);
    for (const Colonna colonna : colonne) {
        for (auto& c : contenitore.Elenco) {
            Json j;
            scriviMisurazione(j, *c, colonna, sistema->Dati->Link);
            contesto.out << j.str() << "\n";
        }
    }
    return 0;
}

}  // namespace ludo::cli
