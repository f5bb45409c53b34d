// The "Condizioni" menu of the main window: each entry opens the editor of
// its top-level condition, and an edit stored with "OK" is taken into the
// system.
#include <QAction>
#include <QMenu>

#include "ui/conditions/Modifica.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::CollegaCondizioni() {
    for (QAction* voce : menuCondizioni_->actions()) {
        const int slot = voce->data().toInt();
        if (slot <= 0 || !EditorDisponibile(static_cast<std::uint8_t>(slot))) continue;
        voce->setEnabled(true);
        connect(voce, &QAction::triggered, this, [this, slot] { ModificaCondizioneClick(slot); });
    }
}

void TFormPrincipa::ModificaCondizioneClick(int slot) {
    // The editors show the matches in play and their "Picch." values.
    sistema_.DatiPerLeCondizioni();
    const EsitoModifica esito = Modifica(sistema_.Dati->Condizioni.Condizione(slot), this);
    if (!esito.memorizzata) return;
    if (esito.cambiata) sistema_.Modificato = true;
    sistema_.PreparaCondizioni();
    CondizioniAperto();
    AggiornaStatusLine();
    if (esito.cambiata) RicalcoloSeRichiesto();
}
