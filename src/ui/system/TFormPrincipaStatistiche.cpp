// The statistics and analyses of the main window.
#include <QApplication>
#include <QPushButton>

#include "core/statistics/AnalisiNumeri.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"
#include "ui/statistics/AperturaAnalisi.h"
#include "ui/statistics/TFrmAnalisiGruppi.h"
#include "ui/statistics/TFrmCercaFisse.h"
#include "ui/statistics/TFrmFrequenzaNumeri.h"
#include "ui/statistics/TFrmInfoStatistiche.h"
#include "ui/statistics/TFrmPronosticoStatistico.h"
#include "ui/statistics/TFrmStoricoNumeri.h"
#include "ui/system/TFormPrincipa.h"
#include "ui_TFormPrincipa.h"

void TFormPrincipa::PreparaStatistiche() {
    analisiCondizioni_ = std::make_unique<AnalisiCondizioniInstallate>(sistema_);
    infoStatistiche_ = new TFrmInfoStatistiche(this);
    connect(infoStatistiche_, &TFrmInfoStatistiche::Terminata, this,
            &TFormPrincipa::AnalisiStatisticaTerminata);
    ui->Archivio->setEnabled(true);
    connect(ui->Archivio, &QPushButton::clicked, this, &TFormPrincipa::ArchivioNumeriClick);
    connect(ui->Analisi, &QPushButton::clicked, this, &TFormPrincipa::AnalisiNumeriClick);
}

void TFormPrincipa::AnalisiStatisticaClick() {
    if (infoStatistiche_->InCorso()) return;
    // The search reads the system's conditions: nothing else may touch them.
    ricalcolo_->Ferma();
    PausaAnimazione(true);
    Blocca(true);
    infoStatistiche_->Avvia(sistema_);
}

void TFormPrincipa::AnalisiStatisticaTerminata() {
    Blocca(false);
    PausaAnimazione(false);
}

void TFormPrincipa::PronosticoStatisticoClick() {
    TFrmPronosticoStatistico finestra(sistema_, this);
    if (finestra.exec() == QDialog::Accepted) PronosticoDalleStatistiche();
}

void TFormPrincipa::PronosticoDalleStatistiche() {
    ImpostaTutto();
    RicalcoloSeRichiesto();
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrincipa::AnalisiGruppiClick() {
    TFrmAnalisiGruppi finestra(sistema_, this);
    finestra.exec();
    if (finestra.PronosticoCambiato()) PronosticoDalleStatistiche();
}

void TFormPrincipa::CercaFisseClick() {
    const auto& d = *sistema_.Dati;
    TFrmCercaFisse finestra(d.Archivio, d.Config.Ricerca.Intervallo, this);
    finestra.exec();
}

void TFormPrincipa::ArchivioNumeriClick() {
    const auto& d = *sistema_.Dati;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto statistiche = ludo::CalcolaStatisticheNumeri(d.Archivio, d.Config.Ricerca.Intervallo);
    QApplication::restoreOverrideCursor();
    TFrmStoricoNumeri finestra(statistiche, this);
    finestra.exec();
}

void TFormPrincipa::AnalisiNumeriClick() {
    const auto& colonne = sistema_.Dati->Colonne;
    TFrmFrequenzaNumeri finestra(ludo::FrequenzaNumeriColonne(colonne), colonne.Conteggio(), this);
    finestra.exec();
}
