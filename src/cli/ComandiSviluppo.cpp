// ludomatic-cli sviluppa and riduci: the development of a system and the
// reduction of a column file, in batch.
#include <ostream>

#include "cli/ArchivioProgramma.h"
#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/columns/FileColonne.h"
#include "core/engine/Riduzione.h"
#include "core/engine/Sviluppo.h"
#include "core/io/Errore.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {
namespace {

// Answers the one question of a development as told; errors become the
// command's error.
class FinestraCli : public InterfacciaSviluppo {
public:
    explicit FinestraCli(bool si) : si_(si) {}
    bool Conferma(std::string_view) override { return si_; }
    void Errore(std::string_view messaggio) override { errore_ = std::string(messaggio); }
    void Controlla() const {
        if (!errore_.empty()) throw ludo::Errore(errore_);
    }

private:
    bool si_;
    std::string errore_;
};

void stampaEsito(Contesto& contesto, const EsitoSviluppo& e) {
    Json j;
    j.beginObject().key("totale").value(e.Totale).key("esaminate").value(e.Esaminate);
    j.key("accettate").value(e.Accettate).key("finali").value(e.Finali);
    j.key("colonne_sviluppate").value(e.ColonneSviluppate).key("secondi").value(e.Secondi).endObject();
    contesto.out << j.str() << "\n";
}

void scriviUscita(const ListaColonne& colonne, const std::filesystem::path& file) {
    ScriviFile(colonne, file);  // raises the writing message on failure
}

}  // namespace

int comandoSviluppa(Contesto& contesto, const Argomenti& argomenti) {
    const auto& file = argomenti.primo("Manca il nome del file del sistema.");
    T_Sistema sistema(contesto.cartella);
    sistema.Carica(file);
    caricaArchivio(contesto, sistema, false);
    const auto uscita = argomenti.opzione("--out");
    if (uscita) sistema.Dati->Destinazione.DestinazioneMemoria = true;
    FinestraCli finestra(argomenti.ha("--si"));
    const EsitoSviluppo esito =
        argomenti.ha("--stimato") ? CalcoloStimato(sistema, finestra) : Sviluppa(sistema, finestra);
    finestra.Controlla();
    if (uscita) scriviUscita(esito.Risultato.Colonne, contesto.fileColonne(*uscita));
    stampaEsito(contesto, esito);
    return 0;
}

int comandoRiduci(Contesto& contesto, const Argomenti& argomenti) {
    const auto& file = argomenti.primo("Manca il nome del file colonnare.");
    const auto uscita = contesto.fileColonne(argomenti.richiesta("--out"));
    T_Sistema sistema(contesto.cartella);
    auto& dest = sistema.Dati->Destinazione;
    sistema.Dati->Sorgente = {false, std::filesystem::absolute(contesto.fileColonne(file)).string()};
    dest.UsaCondizionamenti = false;
    dest.DestinazioneMemoria = true;
    dest.SviluppoRidotto = true;
    dest.Garanzia = static_cast<std::uint8_t>(argomenti.intero("--garanzia", 6, 7, 6));
    dest.RiduzioneMigliorata = argomenti.ha("--migliorata");
    dest.RiduzioneOttimizzata = argomenti.ha("--ottimizzata") || dest.RiduzioneMigliorata;
    dest.SecondiMigliorata = static_cast<std::uint16_t>(argomenti.intero("--secondi", 1, 3600, 60));
    dest.SemeMigliorata = static_cast<std::uint64_t>(argomenti.intero("--seme", 0, 2147483647, 1));
    dest.DistanzaMinima = argomenti.ha("--distanza");
    dest.DistMin = static_cast<std::uint8_t>(argomenti.intero("--distanza", 2, 10, 5));
    dest.VinciteMultiple = static_cast<std::uint8_t>(argomenti.intero("--vincite", 1, 10, 1));
    FinestraCli finestra(true);
    const EsitoSviluppo esito = Sviluppa(sistema, finestra);
    finestra.Controlla();
    scriviUscita(esito.Risultato.Colonne, uscita);
    stampaEsito(contesto, esito);
    return 0;
}

}  // namespace ludo::cli
