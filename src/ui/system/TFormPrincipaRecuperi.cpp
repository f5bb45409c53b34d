// "&Link" of the "Condizioni" menu: the limits of the recoveries; a change
// taken with "Ok" is a change of the system.
#include "ui/conditions/TFrmRecuperi.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::LinkClick() {
    TFrmRecuperi recuperi(sistema_, this);
    if (recuperi.exec() != QDialog::Accepted || !recuperi.Cambiato()) return;
    CondizioniAperto();
    AggiornaStatusLine();
    RicalcoloSeRichiesto();
}
