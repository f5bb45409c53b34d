#include "ui/checking/TFrmDettSche.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include "ui/checking/LettoreVoce.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmDettSche.h"

TFrmDettSche::TFrmDettSche(const ludo::ListaColonne& colonne, const std::filesystem::path& fileVocale,
                           QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmDettSche>()),
      dettatura_(colonne),
      lettore_(new LettoreVoce(this)),
      timer_(new QTimer(this)) {
    ui->setupUi(this);
    ui->PlayBtn->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    ui->PausaBtn->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    ui->StopBtn->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);

    const int schedine = std::max(dettatura_.NumeroSchedine(), 1);
    for (QSpinBox* spin : {ui->SpinMin, ui->SpinMax}) spin->setRange(1, schedine);
    ui->SpinMin->setValue(1);
    ui->SpinMax->setValue(schedine);
    dettatura_.PausaDopoSchedina = ui->CheckPausaSchedina->isChecked();
    const bool leggibile = dettatura_.NumeroSchedine() > 0;
    for (QWidget* w : {static_cast<QWidget*>(ui->SpinMin), static_cast<QWidget*>(ui->SpinMax),
                       static_cast<QWidget*>(ui->PlayBtn), static_cast<QWidget*>(ui->PausaBtn),
                       static_cast<QWidget*>(ui->StopBtn)})
        w->setEnabled(leggibile);
    if (!leggibile) ui->LabelStato->setText(QStringLiteral("Nessuna colonna da leggere"));
    MostraSchedina();

    voceCaricata_ = lettore_->Apri(fileVocale);
    if (voceCaricata_ && !lettore_->ConUscita())
        ui->LabelStato->setText(QStringLiteral("Nessuna uscita audio: i numeri sono solo evidenziati"));
    Collega();
}

TFrmDettSche::~TFrmDettSche() = default;

void TFrmDettSche::Collega() {
    connect(timer_, &QTimer::timeout, this, &TFrmDettSche::Tick);
    connect(ui->PlayBtn, &QPushButton::clicked, this, &TFrmDettSche::PlayClick);
    connect(ui->PausaBtn, &QPushButton::clicked, this, &TFrmDettSche::PausaClick);
    connect(ui->StopBtn, &QPushButton::clicked, this, &TFrmDettSche::StopClick);
    connect(ui->SpinMin, &QSpinBox::valueChanged, this, &TFrmDettSche::SpinMinChange);
    connect(ui->SpinMax, &QSpinBox::valueChanged, this, &TFrmDettSche::SpinMaxChange);
    connect(ui->SpinPausa, &QSpinBox::valueChanged, this, &TFrmDettSche::SpinPausaChange);
    connect(ui->CheckPausaSchedina, &QCheckBox::toggled, this,
            [this](bool pausa) { dettatura_.PausaDopoSchedina = pausa; });
    connect(ui->OkBtn, &QPushButton::clicked, this, &TFrmDettSche::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

bool TFrmDettSche::TimerAttivo() const { return timer_->isActive(); }

int TFrmDettSche::Intervallo() const { return timer_->interval(); }

void TFrmDettSche::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (voceCaricata_ || avvisato_) return;
    avvisato_ = true;
    // Said once the window is on the screen, over it.
    QTimer::singleShot(0, this, [this] {
        Informazione(QString::fromUtf8(ludo::MsgFileVocale), TFrmMessage::OK, this);
    });
}

void TFrmDettSche::done(int risultato) {
    timer_->stop();
    lettore_->Chiudi();
    QDialog::done(risultato);
}

void TFrmDettSche::PlayClick() {
    if (dettatura_.Avvia()) MostraSchedina();
    timer_->start(ludo::IntervalloTimer(ui->SpinPausa->value()));
    AggiornaStato();
}

void TFrmDettSche::PausaClick() {
    dettatura_.Pausa();
    AggiornaStato();
}

void TFrmDettSche::StopClick() {
    dettatura_.Ferma();
    AggiornaStato();
}

void TFrmDettSche::Tick() {
    const auto passo = dettatura_.Tick();
    if (passo.Numero > 0) {
        lettore_->Suona(passo.Numero);
        ui->VisSchedina->Evidenzia(passo.Colonna, passo.Posizione, QColor(Qt::cyan));
    }
    if (passo.NuovaSchedina) MostraSchedina();
    AggiornaStato();
}

void TFrmDettSche::SpinMinChange(int valore) {
    const int tenuto = dettatura_.ImpostaDalla(valore);
    if (tenuto != valore) {
        const QSignalBlocker blocco(ui->SpinMin);
        ui->SpinMin->setValue(tenuto);
    }
    MostraSchedina();
}

void TFrmDettSche::SpinMaxChange(int valore) {
    const int tenuto = dettatura_.ImpostaAlla(valore);
    if (tenuto == valore) return;
    const QSignalBlocker blocco(ui->SpinMax);
    ui->SpinMax->setValue(tenuto);
}

void TFrmDettSche::SpinPausaChange(int valore) { timer_->setInterval(ludo::IntervalloTimer(valore)); }

void TFrmDettSche::MostraSchedina() {
    const std::vector<ludo::Colonna> colonne = dettatura_.ColonneCorrenti();
    ui->VisSchedina->setNumero(dettatura_.Schedina());
    ui->VisSchedina->ImpostaColonne(QList<ludo::Colonna>(colonne.begin(), colonne.end()));
}

void TFrmDettSche::AggiornaStato() {
    if (!dettatura_.TimerAttivo()) {
        timer_->stop();
    } else if (!timer_->isActive()) {
        timer_->start(ludo::IntervalloTimer(ui->SpinPausa->value()));
    }
    ui->PausaBtn->setChecked(dettatura_.StatoCorrente() == ludo::TDettatura::Stato::InPausa);
}
