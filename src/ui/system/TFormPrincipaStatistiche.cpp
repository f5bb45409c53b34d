// The statistics and analyses of the main window.
#include "ui/statistics/AperturaAnalisi.h"
#include "ui/statistics/TFrmInfoStatistiche.h"
#include "ui/system/TFormPrincipa.h"

void TFormPrincipa::PreparaStatistiche() {
    analisiCondizioni_ = std::make_unique<AnalisiCondizioniInstallate>(sistema_);
    infoStatistiche_ = new TFrmInfoStatistiche(this);
    connect(infoStatistiche_, &TFrmInfoStatistiche::Terminata, this,
            &TFormPrincipa::AnalisiStatisticaTerminata);
}

void TFormPrincipa::AnalisiStatisticaClick() {
    if (infoStatistiche_->InCorso()) return;
    PausaAnimazione(true);
    Blocca(true);
    infoStatistiche_->Avvia(sistema_);
}

void TFormPrincipa::AnalisiStatisticaTerminata() {
    Blocca(false);
    PausaAnimazione(false);
}
