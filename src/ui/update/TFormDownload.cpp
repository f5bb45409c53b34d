#include "ui/update/TFormDownload.h"

#include <QCloseEvent>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/Guida.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFormDownload.h"

using ludo::EsitoAggiornamento;

namespace {

constexpr char TestoInizio[] = "Aggiornamento in corso...";
constexpr char TestoTrasferimento[] = "Aggiornamento in Corso...";

}  // namespace

TFormDownload::TFormDownload(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormDownload>()), filo_(new LavoroInParallelo(this)),
      timer_(new QTimer(this)) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("aggiornamento"));
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormDownload::AnnullaClick);
    connect(timer_, &QTimer::timeout, this, &TFormDownload::MostraAvanzamento);
    connect(filo_, &LavoroInParallelo::Finito, this, &TFormDownload::Finito);
}

TFormDownload::~TFormDownload() {
    if (!inCorso_) return;
    avanzamento_->Annulla();
    filo_->Attendi();
}

EsitoAggiornamento TFormDownload::Aggiorna(const ludo::RichiestaAggiornamento& richiesta,
                                          std::chrono::seconds attesaMassima) {
    setWindowTitle(QString::fromStdString(ludo::DidascaliaAggiornamento(richiesta.tipo)));
    ui->LabelStato->setText(QString::fromUtf8(TestoInizio));
    ui->LabelPasso->clear();
    ui->Gauge->setValue(0);
    ui->AnnullaBtn->setEnabled(true);
    avanzamento_ = std::make_unique<AvanzamentoCondiviso>();
    versioneFase_ = 0;
    esito_ = {};
    inCorso_ = true;
    filo_->Avvia([this, richiesta, attesaMassima] {
        try {
            const auto sessione = ludo::CreaSessioneFtp(attesaMassima);
            esito_ = ludo::Aggiorna(richiesta, *sessione, *avanzamento_);
        } catch (const std::exception&) {
            // Out of memory or a folder that vanished: nothing was put in place.
            esito_.stato = EsitoAggiornamento::Stato::Fallito;
            esito_.messaggio = ludo::MsgErroreTrasferimento;
        }
    });
    timer_->start(IntervalloAggiornamento);
    exec();
    if (esito_.stato == EsitoAggiornamento::Stato::Fallito && !esito_.messaggio.empty()) {
        Informazione(QString::fromStdString(esito_.messaggio), TFrmMessage::OK, parentWidget());
    }
    return esito_;
}

void TFormDownload::MostraAvanzamento() {
    // A file whose size is not known keeps the gauge at 0.
    ui->Gauge->setValue(std::max(avanzamento_->Percentuale(), 0));
    if (avanzamento_->VersioneFase() == versioneFase_) return;
    ui->LabelPasso->setText(QString::fromStdString(avanzamento_->TestoFase(versioneFase_)));
    ui->LabelStato->setText(QString::fromUtf8(TestoTrasferimento));
}

void TFormDownload::Finito() {
    timer_->stop();
    MostraAvanzamento();
    inCorso_ = false;
    accept();
}

void TFormDownload::AnnullaClick() {
    if (!inCorso_) return;
    avanzamento_->Annulla();
    ui->AnnullaBtn->setEnabled(false);
}

void TFormDownload::reject() {
    // The window closes once the transfer has stopped.
    if (inCorso_) {
        AnnullaClick();
        return;
    }
    QDialog::reject();
}

void TFormDownload::closeEvent(QCloseEvent* event) {
    if (inCorso_) {
        AnnullaClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
