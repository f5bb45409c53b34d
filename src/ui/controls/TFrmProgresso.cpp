#include "ui/controls/TFrmProgresso.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/controls/AvanzamentoCondiviso.h"

TFrmProgresso::TFrmProgresso(const QString& titolo, const QString& testo, bool conAnnulla,
                             AvanzamentoCondiviso& avanzamento, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      avanzamento_(avanzamento),
      fase_(new QLabel(this)),
      gauge_(new QProgressBar(this)),
      annulla_(new QPushButton(QStringLiteral("Annulla"), this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("FrmProgresso"));
    setWindowTitle(titolo);
    setModal(true);
    setMinimumWidth(360);

    auto* etichetta = new QLabel(testo, this);
    etichetta->setObjectName(QStringLiteral("Testo"));
    fase_->setObjectName(QStringLiteral("Fase"));
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    annulla_->setObjectName(QStringLiteral("Annulla"));
    annulla_->setVisible(conAnnulla);
    connect(annulla_, &QPushButton::clicked, this, &TFrmProgresso::AnnullaClick);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(annulla_);
    pulsanti->addStretch();
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(etichetta);
    colonna->addWidget(fase_);
    colonna->addWidget(gauge_);
    colonna->addLayout(pulsanti);

    connect(timer_, &QTimer::timeout, this, &TFrmProgresso::Aggiorna);
    timer_->start(IntervalloAggiornamento);
}

void TFrmProgresso::Aggiorna() {
    const int percentuale = avanzamento_.Percentuale();
    if (percentuale < 0) {
        gauge_->setRange(0, 0);  // a total not known: the gauge just shows activity
    } else {
        gauge_->setRange(0, 100);
        gauge_->setValue(percentuale);
    }
    if (avanzamento_.VersioneFase() != versioneFase_)
        fase_->setText(QString::fromStdString(avanzamento_.TestoFase(versioneFase_)));
}

void TFrmProgresso::AnnullaClick() {
    avanzamento_.Annulla();
    annulla_->setEnabled(false);
}

void TFrmProgresso::Termina() {
    timer_->stop();
    Aggiorna();
    accept();
}

void TFrmProgresso::reject() {
    if (!annulla_->isHidden() && annulla_->isEnabled()) AnnullaClick();
}

void TFrmProgresso::closeEvent(QCloseEvent* event) {
    // Only the end of the operation closes the window.
    reject();
    event->ignore();
}
