#pragma once
// What the betting-shop windows share: the play archive of the current
// contest, and printing a batch on slips so that a play is recorded only
// once its slips have printed, and saved at once.

#include <QString>
#include <functional>

#include "core/checking/ArchivioGiocate.h"
#include "core/checking/SistemiAutomatici.h"
#include "core/printing/StampaSchedine.h"
#include "core/system/T_Sistema.h"

class QWidget;

// The plays of the system's current contest, read when a shop window opens
// (a missing file is an empty archive).
class GiocateDelConcorso {
public:
    explicit GiocateDelConcorso(ludo::T_Sistema& sistema);

    ludo::TArchivioGiocate& Archivio() { return archivio_; }
    // Writes the contest's file; a failure is shown, and the plays stay
    // here to be written by the next save.
    bool Salva(QWidget* parent);

private:
    ludo::T_Sistema& sistema_;
    ludo::TArchivioGiocate archivio_;
};

// How a shop batch goes on paper.
struct StampaBatch {
    int colonnePerSchedina = 6;
    int tipoStampa = ludo::StampaOrizzontale;
    bool cedolina = false;
};

// Prints every slip of the job at once through the slip printing (the
// columns per slip stored in the configuration come back afterwards) and,
// once printed, records the plays and saves the archive. False when the
// print failed or was given up: nothing is recorded then.
bool StampaERegistra(QWidget* parent, ludo::T_Sistema& sistema, const ludo::LavoroStampaSchedine& lavoro,
                     const StampaBatch& batch, GiocateDelConcorso& giocate,
                     const std::function<void(ludo::TArchivioGiocate&)>& registra);

// Sets the generator up with the system's weights for the technique; false,
// with the message shown, when the forecast is too small for it.
bool ImpostaGeneratore(QWidget* parent, const ludo::T_Sistema& sistema, ludo::TGenColonneCasuali& generatore,
                       ludo::Tecnica tecnica, bool soloPronostico);

// The receipt settings of the system: price, currency, contest.
ludo::ImpostazioniCedolina CedolinaDelSistema(const ludo::T_Sistema& sistema, bool stampaConcorso);

// A job that names its own system, with the receipt of a prepared system.
ludo::LavoroStampaSchedine LavoroConCedolina(const ludo::SistemaDaStampare& sistema, const std::string& nome);
