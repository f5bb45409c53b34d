// ludomatic-cli aggiorna: the update from the Internet in batch, for a shop
// that brings its archive, team lists and coupon up to date at night.
#include <ostream>
#include <utility>
#include <vector>

#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Schedina.h"
#include "core/update/Aggiornamento.h"

namespace ludo::cli {
namespace {

using Stato = EsitoAggiornamento::Stato;

constexpr char MsgParametriIncompleti[] = "Il file dei parametri di collegamento è incompleto.";

constexpr std::pair<std::string_view, TipoAggiornamento> Tipi[] = {
    {"archivi", TipoAggiornamento::Archivi},
    {"squadre", TipoAggiornamento::Squadre},
    {"schedina", TipoAggiornamento::Schedina},
};

std::string_view NomeStato(Stato stato) {
    switch (stato) {
        case Stato::Riuscito:
            return "riuscito";
        case Stato::Annullato:
            return "annullato";
        case Stato::SenzaParametri:
            return "parametri_incompleti";
        case Stato::Fallito:
            break;
    }
    return "fallito";
}

// The received coupon becomes the last coupon, which the program opens at
// its next start.
void SalvaUltimaSchedina(const Contesto& contesto, EsitoAggiornamento& esito) {
    try {
        SalvaSchedina(esito.schedina, io::resolvePath(contesto.cartella, NomeUltimaSchedina));
    } catch (const Errore& e) {
        esito.stato = Stato::Fallito;
        esito.messaggio = e.what();
    }
}

EsitoAggiornamento Esegui(const Contesto& contesto, TipoAggiornamento tipo, const std::string& server) {
    RichiestaAggiornamento richiesta;
    richiesta.tipo = tipo;
    richiesta.server = server;
    richiesta.cartella = contesto.cartella;
    const auto sessione = CreaSessioneFtp();
    EsitoAggiornamento esito = Aggiorna(richiesta, *sessione, NessunAvanzamento());
    if (esito.stato == Stato::SenzaParametri) esito.messaggio = MsgParametriIncompleti;
    if (esito.stato == Stato::Riuscito && tipo == TipoAggiornamento::Schedina) SalvaUltimaSchedina(contesto, esito);
    return esito;
}

}  // namespace

int comandoAggiorna(Contesto& contesto, const Argomenti& argomenti) {
    const std::string server = argomenti.opzione("--server").value_or(LeggiServerAggiornamento(contesto.cartella));
    Json j;
    j.beginObject().key("aggiornamenti").beginArray();
    bool riusciti = true;
    for (const auto& [nome, tipo] : Tipi) {
        if (!argomenti.sottocomando().empty() && argomenti.sottocomando() != nome) continue;
        const EsitoAggiornamento esito = Esegui(contesto, tipo, server);
        j.beginObject().key("tipo").value(nome).key("esito").value(NomeStato(esito.stato));
        j.key("messaggio").value(esito.messaggio);
        if (esito.stato == Stato::Riuscito && tipo == TipoAggiornamento::Schedina) {
            j.key("concorso").value(static_cast<std::int64_t>(esito.schedina.Concorso));
        }
        j.endObject();
        if (esito.stato != Stato::Riuscito) {
            riusciti = false;
            contesto.err << esito.messaggio << "\n";
        }
    }
    j.endArray().endObject();
    contesto.out << j.str() << "\n";
    return riusciti ? 0 : 1;
}

}  // namespace ludo::cli
