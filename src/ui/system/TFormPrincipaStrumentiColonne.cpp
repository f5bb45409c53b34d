// The column file tools of the "Colonne" menu: format conversion, file
// operations, grouping of the system's columns and the column editor.
#include "ui/coltools/TFormEditorColonnare.h"
#include "ui/coltools/TFrmAccorpa.h"
#include "ui/coltools/TFrmConverte.h"
#include "ui/coltools/TFrmOperazioni.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::ConversioneFormatiClick() {
    TFrmConverte finestra(sistema_.Cartella(), this);
    finestra.exec();
}

void TFormPrincipa::OperazioniClick() {
    TFrmOperazioni finestra(sistema_.Cartella(), this);
    finestra.exec();
}

void TFormPrincipa::AccorpaClick() {
    PausaAnimazione(true);
    TFrmAccorpa finestra(sistema_, this);
    finestra.exec();
    PausaAnimazione(false);
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrincipa::EditorColonneClick() {
    TFormEditorColonnare finestra(sistema_, this);
    finestra.exec();
}
