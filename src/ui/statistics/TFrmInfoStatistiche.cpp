#include "ui/statistics/TFrmInfoStatistiche.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

#include "core/system/T_Sistema.h"
#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/Guida.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmInfoStatistiche.h"

namespace {

constexpr int IntervalloGauge = 100;  // ms between two readings of the progress

QString Testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TFrmInfoStatistiche::TFrmInfoStatistiche(QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmInfoStatistiche>()),
      lavoro_(new LavoroInParallelo(this)),
      gauge_(new QTimer(this)) {
    ui->setupUi(this);
    ui->TortaVinte->ImpostaLegenda(QStringLiteral("Vinti"), QStringLiteral("Non vinti"));
    ui->TortaFiltrate->ImpostaLegenda(QStringLiteral("Filtrate"), QStringLiteral("Rimanenti"));
    GruppoEsclusivo({ui->Cat1Btn, ui->Cat2Btn}, [this] { Mostra(); });
    ui->Cat1Btn->setChecked(true);
    connect(lavoro_, &LavoroInParallelo::Finito, this, &TFrmInfoStatistiche::Finito);
    connect(gauge_, &QTimer::timeout, this, [this] {
        if (avanzamento_) ui->Gauge->setValue(std::max(0, avanzamento_->Percentuale()));
    });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmInfoStatistiche::reject);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmInfoStatistiche::AnnullaClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    Mostra();
}

TFrmInfoStatistiche::~TFrmInfoStatistiche() {
    if (avanzamento_) avanzamento_->Annulla();
    lavoro_->Attendi();
}

bool TFrmInfoStatistiche::InCorso() const { return lavoro_->InCorso(); }

void TFrmInfoStatistiche::Avvia(ludo::T_Sistema& sistema) {
    if (InCorso()) return;
    filtroInCorso_ = ludo::FiltrateDelSistema(sistema);
    avanzamento_ = std::make_unique<AvanzamentoCondiviso>();
    ui->Stato->setText(QString::fromUtf8(ludo::MsgAnalisiInCorso));
    ui->Gauge->setValue(0);
    ui->AnnullaBtn->setEnabled(true);
    ui->ChiudiBtn->setEnabled(false);
    show();
    raise();
    gauge_->start(IntervalloGauge);
    lavoro_->Avvia([this, &sistema, a = avanzamento_.get()] {
        inCorso_ = ludo::AnalisiStatistica(sistema, *a);
    });
}

void TFrmInfoStatistiche::Finito() {
    gauge_->stop();
    ui->AnnullaBtn->setEnabled(false);
    ui->ChiudiBtn->setEnabled(true);
    const bool fermata = inCorso_.Interrotta || avanzamento_->annullato();
    if (!fermata) {
        risultato_ = inCorso_;
        filtrate_ = filtroInCorso_;
        ui->Gauge->setValue(100);
    }
    Mostra();
    emit Terminata();
    if (fermata) hide();
}

void TFrmInfoStatistiche::AnnullaClick() {
    if (InCorso()) avanzamento_->Annulla();
}

void TFrmInfoStatistiche::reject() {
    // A search still running is stopped; the window goes when it has.
    if (InCorso()) {
        AnnullaClick();
        return;
    }
    QDialog::reject();
}

void TFrmInfoStatistiche::closeEvent(QCloseEvent* event) {
    if (InCorso()) {
        AnnullaClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFrmInfoStatistiche::Mostra() {
    const bool c = risultato_.has_value();
    ui->Cat2Btn->setEnabled(c && risultato_->CategorieCercate == 2);
    if (!ui->Cat2Btn->isEnabled()) ui->Cat1Btn->setChecked(true);
    if (!InCorso())
        ui->Stato->setText(c ? Testo(ludo::TestoConcorsiEsaminati(*risultato_)) : QString());
    const int categoria = ui->Cat2Btn->isChecked() ? 1 : 0;
    MostraFiltrate(c && categoria == 0 && filtrate_.has_value());
    if (!c) return;
    const ludo::RisultatoCategoria& r = risultato_->Categorie[static_cast<std::size_t>(categoria)];
    const double vinte = ludo::PercentualeVinte(*risultato_, categoria);
    ui->TortaVinte->ImpostaQuota(vinte);
    ui->CicloMedio->setText(Testo(ludo::TestoQuattroDueDecimali(r.CicloMedio)));
    ui->Assenza->setText(QString::number(r.SettimaneDiAssenza()));
    ui->RitardoAttuale->setText(QString::number(r.RitardoCm));
    ui->RitardoMinimo->setText(QString::number(r.RitardoMinimo));
    ui->RitardoMassimo->setText(QString::number(r.RitardoMassimo));
    ui->RitardoMedio->setText(Testo(ludo::TestoQuattroDueDecimali(r.RitardoMedio)));
    if (!filtrate_) return;
    ui->TortaFiltrate->ImpostaQuota(*filtrate_);
    ui->Fattore->setText(Testo(ludo::TestoFattoreConvenienza(*filtrate_, vinte)));
}

void TFrmInfoStatistiche::MostraFiltrate(bool visibili) {
    for (QWidget* w :
         {static_cast<QWidget*>(ui->LabelFiltrate), static_cast<QWidget*>(ui->TortaFiltrate),
          static_cast<QWidget*>(ui->LabelFattore), static_cast<QWidget*>(ui->Fattore)})
        w->setVisible(visibili);
}
