#include "ui/engine/TFrmSviluppo.h"

#include <QCloseEvent>
#include <QLocale>
#include <exception>

#include "core/engine/TestiSviluppo.h"
#include "core/system/T_Sistema.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/engine/PonteSviluppo.h"
#include "ui_TFrmSviluppo.h"

using ludo::T_Sistema;

TFrmSviluppo::TFrmSviluppo(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmSviluppo>()), ponte_(new PonteSviluppo(this)),
      filo_(new LavoroInParallelo(this)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("sviluppo"));
    setModal(false);
    ui->Torta->ImpostaLegenda(QStringLiteral("Finali"), QStringLiteral("Scartate"));
    ui->TortaRiduzione->ImpostaLegenda(QStringLiteral("Ridotte"), QStringLiteral("Eliminate"));
    connect(ponte_, &PonteSviluppo::StatoCambiato, ui->LabelStato, &QLabel::setText);
    connect(ponte_, &PonteSviluppo::Cond, this, &TFrmSviluppo::AggiornaCond);
    connect(ponte_, &PonteSviluppo::CondRid, this, &TFrmSviluppo::AggiornaCondRid);
    connect(ponte_, &PonteSviluppo::RidOtt, this, &TFrmSviluppo::AggiornaRidOtt);
    connect(filo_, &LavoroInParallelo::Finito, this, &TFrmSviluppo::Finito);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmSviluppo::close);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmSviluppo::AnnullaClick);
}

TFrmSviluppo::~TFrmSviluppo() {
    if (!inCorso_) return;
    ponte_->Annulla();
    filo_->Attendi();
}

void TFrmSviluppo::Prepara(const T_Sistema& sistema) {
    const auto& dest = sistema.Dati->Destinazione;
    config_ = sistema.Dati->Config;
    partecipanti_ = sistema.NumeroPartecipanti;
    ottimizzata_ = dest.SviluppoRidotto && dest.RiduzioneOttimizzata;
    ui->Autoriduzione->setVisible(dest.SviluppoRidotto && !dest.RiduzioneOttimizzata);
    ui->Autoriduzione->setTitle(QString::fromStdString(ludo::TitoloAutoriduzione(dest)));
    conFisse_ = QString::fromStdString(ludo::TestoColonneConFisse(sistema, FormatoNumeriLocale()));
    for (QLabel* l : {ui->ColonneIniziali, ui->ColonneConFisse, ui->ColonneFiltrate, ui->ColonneFinali, ui->RColonneIniziali,
                      ui->RColonneFinali, ui->LabelFattore, ui->LabelStato}) {
        l->clear();
    }
    ui->Torta->setVisible(false);
    ui->TortaRiduzione->setVisible(false);
    ui->Gauge->setValue(0);
    ui->OKBtn->setVisible(false);
    ui->AnnullaBtn->setVisible(true);
    ui->AnnullaBtn->setEnabled(true);
    ultimaRidotta_ = -1;
}

void TFrmSviluppo::Avvia(T_Sistema& sistema) {
    if (inCorso_) return;
    sistema_ = &sistema;
    copia_ = std::make_unique<T_Sistema>(sistema);
    Prepara(sistema);
    show();
    raise();
    activateWindow();
    inCorso_ = true;
    esito_ = {};
    errore_.clear();
    ponte_->Riarma();
    filo_->Avvia([this] {
        try {
            esito_ = ludo::Sviluppa(*copia_, *ponte_);
        } catch (const std::exception& e) {
            // Out of memory: the run is over and keeps nothing.
            errore_ = QString::fromUtf8(e.what());
        }
    });
}

void TFrmSviluppo::Finito() {
    inCorso_ = false;
    copia_.reset();
    if (errore_.isEmpty()) {
        sistema_->AdottaSviluppo(std::move(esito_.Risultato));
    } else {
        sistema_->ColonneNonValide();
        TFrmMessage::Mostra(QStringLiteral("Informazione"), errore_, TFrmMessage::OK, this);
    }
    if (ottimizzata_) {
        // A cancelled optimised reduction keeps nothing.
        ui->RColonneFinali->setText(ConCosto(esito_.Finali));
        ui->Autoriduzione->setVisible(true);
    }
    // Nothing is left to stop: OK alone closes the window.
    ui->AnnullaBtn->setVisible(false);
    ui->OKBtn->setVisible(true);
    ui->OKBtn->setDefault(true);
    ui->OKBtn->setFocus();
    emit Terminato();
    // A development of the forecast that was stopped has nothing to show.
    if (esito_.EnumerazioneInterrotta) close();
}

void TFrmSviluppo::AnnullaClick() {
    if (inCorso_) {
        ponte_->Annulla();
        ui->AnnullaBtn->setEnabled(false);
        return;
    }
    close();
}

void TFrmSviluppo::reject() {
    // The window stays until the run has stopped.
    if (inCorso_) {
        AnnullaClick();
        return;
    }
    QDialog::reject();
    emit Chiusa();
}

void TFrmSviluppo::closeEvent(QCloseEvent* event) {
    if (inCorso_) {
        AnnullaClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

QString TFrmSviluppo::ConCosto(qint64 colonne) const {
    return QString::fromStdString(ludo::TestoColonneConCosto(colonne, 8, config_, partecipanti_, FormatoNumeriLocale()));
}

bool TFrmSviluppo::AggiornaGauge(qint64 fatto, qint64 totale, bool finale, int passo) {
    const int p = ludo::PercentualeTroncata(fatto, totale);
    if (!finale && p - ui->Gauge->value() <= passo) return false;
    ui->Gauge->setValue(p);
    return true;
}

void TFrmSviluppo::AggiornaCond(qint64 totale, qint64 finali, bool finale, qint64 esaminate) {
    if (!AggiornaGauge(esaminate, totale, finale, 1)) return;
    ui->ColonneFinali->setText(ConCosto(finali));
    ui->ColonneFiltrate->setText(TestoNumero(esaminate - finali));
    if (!finale) return;
    ui->ColonneIniziali->setText(ConCosto(totale));
    ui->ColonneConFisse->setText(conFisse_);
    ui->Torta->ImpostaQuota(totale > 0 ? static_cast<double>(finali) / static_cast<double>(totale) * 100 : 0);
    ui->Torta->setVisible(true);
}

void TFrmSviluppo::AggiornaCondRid(qint64 totale, qint64 accettate, bool finale, qint64 ridotte, qint64 esaminate) {
    AggiornaCond(totale, accettate, finale, esaminate);
    ui->RColonneIniziali->setText(ConCosto(accettate));
    ui->RColonneFinali->setText(ConCosto(ridotte));
    MostraFattore(accettate, ridotte);
    if (!finale) return;
    ui->TortaRiduzione->ImpostaQuota(
        accettate > 0 ? static_cast<double>(ridotte) / static_cast<double>(accettate) * 100 : 0);
    ui->TortaRiduzione->setVisible(true);
}

void TFrmSviluppo::AggiornaRidOtt(qint64 totale, qint64 corrente, bool finale, qint64 esaminate) {
    ui->Autoriduzione->setVisible(true);
    const bool cresciuto = AggiornaGauge(esaminate, totale, finale, 0);
    if (!cresciuto && corrente == ultimaRidotta_) return;
    ultimaRidotta_ = corrente;
    ui->RColonneIniziali->setText(ConCosto(totale));
    ui->RColonneFinali->setText(ConCosto(corrente));
    MostraFattore(totale, corrente);
    if (!finale) return;
    ui->TortaRiduzione->ImpostaQuota(
        totale > 0 ? static_cast<double>(corrente) / static_cast<double>(totale) * 100 : 0);
    ui->TortaRiduzione->setVisible(true);
}

void TFrmSviluppo::MostraFattore(qint64 prima, qint64 dopo) {
    ui->LabelFattore->setText(QString::fromStdString(ludo::TestoFattore(prima, dopo, FormatoNumeriLocale())));
}
