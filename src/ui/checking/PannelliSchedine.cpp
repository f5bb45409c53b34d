#include "ui/checking/PannelliSchedine.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/controls/TGVisColonne.h"

PannelliSchedine::PannelliSchedine(QWidget* parent)
    : QWidget(parent), scorrimento_(new QScrollBar(Qt::Horizontal, this)) {
    auto* verticale = new QVBoxLayout(this);
    verticale->setContentsMargins(0, 0, 0, 0);
    auto* riga = new QHBoxLayout;
    verticale->addLayout(riga);
    for (std::size_t i = 0; i < pannelli_.size(); ++i) {
        pannelli_[i] = new TGVisColonne(this);
        pannelli_[i]->setObjectName(QStringLiteral("Schedina%1").arg(i + 1));
        // A panel past the last slip is hidden without moving the others.
        QSizePolicy politica = pannelli_[i]->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        pannelli_[i]->setSizePolicy(politica);
        riga->addWidget(pannelli_[i]);
    }
    scorrimento_->setObjectName(QStringLiteral("ScorriSchedine"));
    scorrimento_->setAccessibleName(QStringLiteral("Scorrimento delle schedine"));
    scorrimento_->setFocusPolicy(Qt::StrongFocus);
    scorrimento_->setPageStep(ludo::SchedineVisibili);
    verticale->addWidget(scorrimento_);
    connect(scorrimento_, &QScrollBar::valueChanged, this, &PannelliSchedine::Mostra);
    ImpostaSchedine({});
}

void PannelliSchedine::ImpostaSchedine(std::vector<ludo::TSchedinaVin> schedine) {
    schedine_ = std::move(schedine);
    const QSignalBlocker blocco(scorrimento_);
    scorrimento_->setRange(0, ludo::MassimoScorrimentoSchedine(schedine_.size()));
    scorrimento_->setValue(0);
    Mostra(0);
}

void PannelliSchedine::Mostra(int primo) {
    for (std::size_t i = 0; i < pannelli_.size(); ++i) {
        TGVisColonne* pannello = pannelli_[i];
        const std::size_t n = static_cast<std::size_t>(primo) + i;
        pannello->setVisible(n < schedine_.size());
        if (n >= schedine_.size()) continue;
        const ludo::TSchedinaVin& s = schedine_[n];
        QList<ludo::Colonna> colonne;
        QList<bool> vincenti;
        for (int c = 0; c < s.Quante; ++c) {
            colonne.append(s.Colonne[static_cast<std::size_t>(c)]);
            vincenti.append(s.Vincente[static_cast<std::size_t>(c)] != 0);
        }
        pannello->setNumero(s.Numero);
        pannello->ImpostaColonne(colonne, vincenti);
    }
}
