#include "ui/controls/TGTortaQuota.h"

#include <QChart>
#include <QFontMetrics>
#include <QLegend>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <algorithm>

TGTortaQuota::TGTortaQuota(QWidget* parent) : QChartView(parent), serie_(new QPieSeries) {
    serie_->append(QString(), 0.0)->setBrush(QColor(0, 128, 0));
    serie_->append(QString(), 100.0)->setBrush(QColor(0, 0, 255));
    serie_->setPieSize(0.9);
    // The view made its own chart; replacing it would leave that one unowned.
    QChart* grafico = chart();
    grafico->addSeries(serie_);
    grafico->legend()->hide();
    grafico->setBackgroundVisible(false);
    grafico->setMargins(QMargins(0, 0, 0, 0));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("background: transparent"));
}

void TGTortaQuota::ImpostaQuota(double percentuale) {
    const double quota = std::clamp(percentuale, 0.0, 100.0);
    FettaQuota()->setValue(quota);
    FettaResto()->setValue(100.0 - quota);
    AggiornaLegenda();
}

void TGTortaQuota::ImpostaLegenda(const QString& quota, const QString& resto) {
    nomeQuota_ = quota;
    nomeResto_ = resto;
    QLegend* legenda = chart()->legend();
    legenda->setAlignment(Qt::AlignRight);
    legenda->setShowToolTips(true);
    legenda->show();
    AggiornaLegenda();
}

void TGTortaQuota::AggiornaLegenda() {
    if (nomeQuota_.isEmpty()) return;
    const auto voce = [](const QString& nome, double percentuale) {
        return QStringLiteral("%1 (%2%)").arg(nome, QLocale().toString(percentuale, 'f', 0));
    };
    FettaQuota()->setLabel(voce(nomeQuota_, Quota()));
    FettaResto()->setLabel(voce(nomeResto_, FettaResto()->value()));
    // The legend takes the room its texts need beside their marks.
    QLegend* legenda = chart()->legend();
    const QFontMetrics metriche(legenda->font());
    const int testo = std::max(metriche.horizontalAdvance(FettaQuota()->label()),
                               metriche.horizontalAdvance(FettaResto()->label()));
    legenda->setMinimumWidth(testo + 5 * metriche.height());
}

double TGTortaQuota::Quota() const { return FettaQuota()->value(); }
QPieSlice* TGTortaQuota::FettaQuota() const { return serie_->slices().at(0); }
QPieSlice* TGTortaQuota::FettaResto() const { return serie_->slices().at(1); }
