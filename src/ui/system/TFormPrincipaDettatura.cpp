// "Dettatura a Voce": the system's columns or those of a column file read
// aloud slip by slip.
#include <QCoreApplication>

#include "core/checking/Dettatura.h"
#include "core/columns/FileColonne.h"
#include "core/io/ProgramFolder.h"
#include "ui/checking/TFrmDettSche.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::DettaturaMemoriaClick() { ApriDettatura(sistema_.Dati->Colonne); }

void TFormPrincipa::DettaturaFileClick() {
    if (const auto colonne = ColonneDaFile(ludo::MsgErroreLetturaColonne)) ApriDettatura(*colonne);
}

void TFormPrincipa::ApriDettatura(const ludo::ListaColonne& colonne) {
    const auto predefiniti = ludo::io::installedDefaultsFor(QCoreApplication::applicationFilePath().toStdString());
    TFrmDettSche finestra(colonne, ludo::PercorsoFileVocale(sistema_.Cartella(), predefiniti), this);
    finestra.exec();
}
