#include "ui/controls/TGBarrePunti.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

TGBarrePunti::TGBarrePunti(QWidget* parent)
    : QChartView(parent), barre_(new QBarSet(QString())), asse_(new QValueAxis) {
    for (int punti = 0; punti < NumeroBarre; ++punti) {
        etichette_.append(QString::number(punti));
        barre_->append(0.0);
    }
    barre_->setColor(QColor(0, 0, 255));
    auto* serie = new QBarSeries;
    serie->append(barre_);
    // The view made its own chart; replacing it would leave that one unowned.
    QChart* grafico = chart();
    grafico->addSeries(serie);
    auto* categorie = new QBarCategoryAxis;
    categorie->append(etichette_);
    grafico->addAxis(categorie, Qt::AlignBottom);
    grafico->addAxis(asse_, Qt::AlignLeft);
    serie->attachAxis(categorie);
    serie->attachAxis(asse_);
    asse_->setLabelFormat(QStringLiteral("%.0f"));
    asse_->setRange(0, 1);
    grafico->legend()->hide();
    grafico->setMargins(QMargins(2, 2, 2, 2));
    setRenderHint(QPainter::Antialiasing);
}

void TGBarrePunti::ImpostaContatori(const std::array<double, NumeroBarre>& contatori) {
    for (int punti = 0; punti < NumeroBarre; ++punti) barre_->replace(punti, contatori[static_cast<std::size_t>(punti)]);
    const double massimo = *std::max_element(contatori.begin(), contatori.end());
    asse_->setRange(0, massimo > 0 ? massimo * 1.1 : 1.0);
    asse_->applyNiceNumbers();
}

double TGBarrePunti::Contatore(int punti) const { return barre_->at(punti); }
QStringList TGBarrePunti::Etichette() const { return etichette_; }
double TGBarrePunti::MassimoAsse() const { return asse_->max(); }
