#include "cli/ArchivioProgramma.h"

#include "core/archive/ArchivioConcorsi.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {

void caricaArchivio(const Contesto& contesto, T_Sistema& sistema, bool richiesto) {
    auto& d = *sistema.Dati;
    IntervalloRicerca memorizzato = d.Config.Ricerca.Intervallo;
    d.Archivio.Carica(io::resolvePath(contesto.cartella, std::string(io::kArchivi)), d.Config.Ricerca.Intervallo);
    if (richiesto && !d.Archivio.ConcorsiValidi) throw Errore(MsgImpossibileCaricareArchivio);
    // A configuration that never held an interval has an empty one.
    if (memorizzato.AnnoA != 0) d.Config.Ricerca.Intervallo = memorizzato;
}

}  // namespace ludo::cli
