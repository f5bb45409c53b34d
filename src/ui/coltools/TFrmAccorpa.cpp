#include "ui/coltools/TFrmAccorpa.h"

#include <QPushButton>
#include <QTimer>

#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/Guida.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmAccorpa.h"

namespace {

constexpr int IntervalloAggiornamento = 50;  // ms

}  // namespace

TFrmAccorpa::TFrmAccorpa(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmAccorpa>()),
      sistema_(sistema),
      avanzamento_(std::make_unique<AvanzamentoCondiviso>()),
      filo_(new LavoroInParallelo(this)),
      timer_(new QTimer(this)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (QLabel* l : {ui->LabelPasso, ui->LabelStato, ui->LabelIndice, ui->LabelSchedine})
        l->clear();
    ui->ChiudiBtn->setEnabled(false);
    connect(filo_, &LavoroInParallelo::Finito, this, &TFrmAccorpa::Finito);
    connect(timer_, &QTimer::timeout, this, &TFrmAccorpa::Aggiorna);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmAccorpa::AnnullaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmAccorpa::accept);
}

TFrmAccorpa::~TFrmAccorpa() {
    avanzamento_->Annulla();
    filo_->Attendi();
}

bool TFrmAccorpa::InCorso() const { return filo_->InCorso(); }

void TFrmAccorpa::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!avviato_) Avvia();
}

void TFrmAccorpa::Avvia() {
    avviato_ = true;
    colonne_ = sistema_.Dati->Colonne;
    const int partite = ludo::NumeroNumeri(sistema_.Dati->Pronostico);
    timer_->start(IntervalloAggiornamento);
    filo_->Avvia([this, partite] {
        try {
            esito_ = ludo::Accorpa(colonne_, partite, *avanzamento_);
        } catch (const std::exception&) {  // out of memory: nothing changes
            errore_ = true;
        }
    });
}

void TFrmAccorpa::Aggiorna() {
    const int percentuale = avanzamento_->Percentuale();
    ui->Gauge->setValue(std::max(percentuale, 0));
    if (avanzamento_->VersioneFase() != versioneFase_) {
        ui->LabelPasso->setText(QString::fromStdString(avanzamento_->TestoFase(versioneFase_)));
    }
}

void TFrmAccorpa::Finito() {
    timer_->stop();
    Aggiorna();
    using Stato = ludo::EsitoAccorpa::Stato;
    if (errore_) {
        Informazione(QString::fromUtf8(ludo::MsgMemoriaEsaurita), TFrmMessage::OK, this);
        QDialog::reject();
        return;
    }
    if (esito_.stato == Stato::Annullato) {
        QDialog::reject();
        return;
    }
    if (esito_.stato == Stato::Completato && esito_.finali != esito_.iniziali) {
        sistema_.Dati->Colonne = std::move(colonne_);
        sistema_.Modificato = true;
    }
    ui->Gauge->setValue(100);
    ui->LabelStato->setText(esito_.stato == Stato::Vuota
                                ? QStringLiteral("Nessuna colonna da accorpare")
                                : QString::fromLatin1(ludo::MsgAccorpamentoTerminato));
    ui->LabelIndice->setText(QString::fromStdString(esito_.TestoIndice()));
    ui->LabelSchedine->setText(QString::number(esito_.Schedine()));
    ui->AnnullaBtn->setEnabled(false);
    ui->ChiudiBtn->setEnabled(true);
    ui->ChiudiBtn->setFocus();
}

void TFrmAccorpa::AnnullaClick() {
    avanzamento_->Annulla();
    ui->AnnullaBtn->setEnabled(false);
}

void TFrmAccorpa::reject() {
    if (!InCorso()) {
        QDialog::reject();
        return;
    }
    if (ui->AnnullaBtn->isEnabled()) AnnullaClick();
}
