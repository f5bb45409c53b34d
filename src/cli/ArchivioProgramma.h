#pragma once
// The contest archive of the program folder as the statistics read it.

#include "cli/Comandi.h"

namespace ludo {
class T_Sistema;
}

namespace ludo::cli {

// Loads the archive into the system. Loading makes the search interval the
// whole archive; the interval stored in the configuration is put back
// afterwards, unless none was ever stored. With richiesto, an archive that
// cannot be read raises "Impossibile Caricare L'Archivio.".
void caricaArchivio(const Contesto& contesto, T_Sistema& sistema, bool richiesto);

}  // namespace ludo::cli
