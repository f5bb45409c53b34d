#include "ui/statistics/GraficoAnalisi.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>
#include <array>

GraficoAnalisi::GraficoAnalisi(QWidget* parent)
    : QChartView(parent),
      barre_(new QBarSeries),
      asseEtichette_(new QBarCategoryAxis),
      asseValori_(new QValueAxis) {
    // The view's own chart, set up here: a chart handed over with setChart
    // would leave the first one to nobody.
    QChart* grafico = chart();
    grafico->legend()->hide();
    grafico->setMargins(QMargins(4, 4, 4, 4));
    grafico->addSeries(barre_);
    grafico->addAxis(asseEtichette_, Qt::AlignBottom);
    grafico->addAxis(asseValori_, Qt::AlignLeft);
    barre_->attachAxis(asseEtichette_);
    barre_->attachAxis(asseValori_);
    asseValori_->setLabelFormat(QStringLiteral("%.0f"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 200);
    // Nothing to do on the chart itself: the scroll bar beside it moves it.
    setFocusPolicy(Qt::NoFocus);
}

QColor GraficoAnalisi::Colore(int serie) {
    static const std::array<QColor, 4> colori{QColor(0x1f, 0x5f, 0xbf), QColor(0xd9, 0x53, 0x19),
                                              QColor(0x2e, 0x9e, 0x3e), QColor(0x8e, 0x44, 0xad)};
    return colori[static_cast<std::size_t>(serie) % colori.size()];
}

void GraficoAnalisi::Imposta(const QStringList& etichette, const QList<Serie>& serie,
                             double massimo, const QString& titoloAsse) {
    barre_->clear();
    for (int i = 0; i < serie.size(); ++i) {
        auto* insieme = new QBarSet(serie[i].nome);
        insieme->append(serie[i].valori);
        insieme->setColor(Colore(i));
        insieme->setBorderColor(Colore(i).darker(130));
        barre_->append(insieme);
    }
    etichette_ = etichette;
    asseEtichette_->setCategories(etichette_);
    // Many values on a page: smaller labels, so that none is cut.
    QFont font = asseEtichette_->labelsFont();
    font.setPointSizeF(visibili_ > VisibiliPredefiniti ? 7.0 : QFont().pointSizeF());
    asseEtichette_->setLabelsFont(font);
    asseValori_->setRange(0, massimo);
    asseValori_->setTitleText(titoloAsse);
    MostraDa(std::min(primo_, UltimoPrimo()));
}

int GraficoAnalisi::UltimoPrimo() const {
    return std::max(0, static_cast<int>(etichette_.size()) - visibili_);
}

void GraficoAnalisi::MostraDa(int primo) {
    primo_ = std::clamp(primo, 0, UltimoPrimo());
    if (etichette_.isEmpty()) return;
    const int ultimo = std::min(static_cast<int>(etichette_.size()), primo_ + visibili_) - 1;
    asseEtichette_->setRange(etichette_[primo_], etichette_[ultimo]);
}
