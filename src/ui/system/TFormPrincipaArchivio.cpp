// The commands of the "Archivio" menu.
#include "ui/archive/TFrmArchivio.h"
#include "ui/archive/TFrmImpRicerca.h"
#include "ui/archive/TFrmVisArchivio.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::AggiornamentoArchivioClick() {
    TFrmArchivio finestra(sistema_, this);
    finestra.exec();
    AggiornaAbilitazioni();
}

void TFormPrincipa::VisualizzazioneArchivioClick() {
    TFrmVisArchivio finestra(sistema_.Dati->Archivio, this);
    finestra.exec();
}

void TFormPrincipa::ImpostazioniRicercaClick() {
    TFrmImpRicerca finestra(sistema_.Dati->Config, sistema_.Dati->Archivio, sistema_.Cartella(),
                            this);
    finestra.exec();
}
