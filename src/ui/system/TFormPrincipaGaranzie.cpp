// The guarantee calculation of the "Elaborazione" menu and the system report
// of the "Stampa" menu.
#include "ui/engine/TFrmCalcGaranzie.h"
#include "ui/printing/TFormStampaProspetto.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::CalcoloGaranzieClick() {
    TFrmCalcGaranzie finestra(sistema_, this);
    finestra.exec();
}

void TFormPrincipa::StampaProspettoClick() {
    TFormStampaProspetto finestra(sistema_, this);
    finestra.exec();
}
