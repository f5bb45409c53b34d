// The commands of the "Ricevitoria" menu: the betting-shop windows and the
// play archive.
#include "ui/checking/TFrmSpoglioGlobale.h"
#include "ui/shop/TFormDatiRicevitoria.h"
#include "ui/shop/TFormGeneraSchedine.h"
#include "ui/shop/TFormVisGiocate.h"
#include "ui/shop/TFrmRidottiImmediati.h"
#include "ui/shop/TFrmSistAutomatici.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::RidottiImmediatiClick() {
    TFrmRidottiImmediati finestra(sistema_, this);
    finestra.exec();
    ImpostaTutto();
}

void TFormPrincipa::DatiRicevitoriaClick() {
    TFormDatiRicevitoria finestra(sistema_.Dati->Config, sistema_.Cartella(), this);
    finestra.exec();
}

void TFormPrincipa::SchedineAutomaticheClick() {
    TFormGeneraSchedine finestra(sistema_, this);
    finestra.exec();
    ImpostaTutto();
}

void TFormPrincipa::SistemiAutomaticiClick() {
    TFrmSistAutomatici finestra(sistema_, this);
    finestra.exec();
}

void TFormPrincipa::ArchivioGiocateClick() {
    TFormVisGiocate finestra(sistema_, this);
    finestra.ImpostaSpoglio([&finestra](ludo::TArchivioGiocate& giocate) {
        ApriSpoglioGlobale(&finestra, giocate, giocate.Concorso);
    });
    finestra.exec();
}
