#include "ui/engine/TFormRicalcoloAutomatico.h"

#include <QApplication>
#include <QEventLoop>

#include "core/engine/TestiSviluppo.h"
#include "core/system/T_Sistema.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/engine/PonteSviluppo.h"
#include "ui_TFormRicalcoloAutomatico.h"

using ludo::T_Sistema;

TFormRicalcoloAutomatico::TFormRicalcoloAutomatico(QWidget* parent)
    : QWidget(parent, Qt::Tool), ui(std::make_unique<Ui::TFormRicalcoloAutomatico>()),
      filo_(new LavoroInParallelo(this)) {
    ui->setupUi(this);
    AiutoFinestra(*this, QStringLiteral("ricalcolo"));
    RicordaFinestra(*this);
    connect(filo_, &LavoroInParallelo::Finito, this, &TFormRicalcoloAutomatico::Finito);
}

TFormRicalcoloAutomatico::~TFormRicalcoloAutomatico() {
    if (ponte_ != nullptr) ponte_->Annulla();
    filo_->Attendi();
}

void TFormRicalcoloAutomatico::Richiedi(T_Sistema& sistema) {
    sistema_ = &sistema;
    auto copia = std::make_unique<T_Sistema>(sistema);
    show();
    if (inCorso_) {
        prossima_ = std::move(copia);
        ponte_->Annulla();
        return;
    }
    copia_ = std::move(copia);
    Avvia();
}

void TFormRicalcoloAutomatico::Avvia() {
    inCorso_ = true;
    annullato_ = false;
    precedenti_ = copia_->ColonnePrecedenti;
    ponte_ = new PonteSviluppo(this);
    connect(ponte_, &PonteSviluppo::Iniziato, this, &TFormRicalcoloAutomatico::Inizializza);
    connect(ponte_, &PonteSviluppo::Cond, this, &TFormRicalcoloAutomatico::Progresso);
    connect(ponte_, &PonteSviluppo::CondRid, this,
            [this](qint64 totale, qint64, bool finale, qint64 ridotte, qint64 esaminate) {
                Progresso(totale, ridotte, finale, esaminate);
            });
    connect(ponte_, &PonteSviluppo::RidOtt, this, &TFormRicalcoloAutomatico::Progresso);
    connect(ponte_, &PonteSviluppo::Terminato, this, &TFormRicalcoloAutomatico::Terminato);
    T_Sistema* copia = copia_.get();
    PonteSviluppo* ponte = ponte_;
    filo_->Avvia([this, copia, ponte] {
        try {
            esito_ = ludo::RicalcoloAutomatico(*copia, *ponte);
        } catch (const std::exception&) {
            // Out of memory: the copy's columns are gone, nothing is written back.
            ponte->Annulla();
        }
    });
}

void TFormRicalcoloAutomatico::Finito() {
    inCorso_ = false;
    const bool valido = Attuale();
    ponte_->disconnect(this);
    ponte_->deleteLater();
    ponte_ = nullptr;
    if (valido && sistema_ != nullptr) sistema_->AdottaSviluppo(std::move(esito_.Risultato));
    esito_ = {};
    copia_.reset();
    if (prossima_) {
        copia_ = std::move(prossima_);
        Avvia();
        return;
    }
    if (valido) emit Applicato();
}

void TFormRicalcoloAutomatico::Ferma() {
    prossima_.reset();
    if (!inCorso_) return;
    ponte_->Annulla();
    QEventLoop attesa;
    connect(filo_, &LavoroInParallelo::Finito, &attesa, &QEventLoop::quit);
    if (inCorso_) attesa.exec();
}

void TFormRicalcoloAutomatico::Inizializza() {
    if (!Attuale()) return;
    ui->PanelCol->setText(QStringLiteral("0"));
    ui->PanelPerc->clear();
    ui->PanelComp->clear();
    ui->Gauge->setValue(0);
    ui->Gauge->setVisible(true);
}

// A run that was stopped still reports on its way out: only the current
// one is shown.
bool TFormRicalcoloAutomatico::Attuale() const { return ponte_ != nullptr && !ponte_->annullato() && !prossima_; }

void TFormRicalcoloAutomatico::Progresso(qint64 totale, qint64 colonne, bool finale, qint64 esaminate) {
    static_cast<void>(finale);
    if (!Attuale()) return;
    ui->PanelCol->setText(TestoNumero(colonne));
    const int p = ludo::PercentualeTroncata(esaminate, totale);
    if (p - ui->Gauge->value() > PassoGauge || p == 0 || p == 100) ui->Gauge->setValue(p);
}

void TFormRicalcoloAutomatico::Terminato(qint64 colonne) {
    if (!Attuale()) return;
    ui->PanelCol->setText(TestoNumero(colonne));
    ui->PanelPerc->setText(QString::fromStdString(ludo::TestoVariazione(colonne, precedenti_)));
    ui->PanelComp->setText(QStringLiteral("Calcolo completato"));
    ui->Gauge->setVisible(false);
    int visibili = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) visibili += w->isVisible() ? 1 : 0;
    if (visibili > 2) raise();
}
