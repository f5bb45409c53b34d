#include "ui/controls/TGEditColonna.h"

#include <algorithm>

TGEditColonna::TGEditColonna(QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < Posizioni; ++i) {
        auto* casella = new TGEditSegno(this);
        casella->setObjectName(QStringLiteral("Segno%1").arg(i + 1));
        casella->setAccessibleName(QStringLiteral("Posizione %1").arg(i + 1));
        connect(casella, &TGEditSegno::textChanged, this, [this] {
            modificato_ = true;
            emit OnModificato();
        });
        connect(casella, &TGEditSegno::Sopra, this, [this, i] { Sposta(i, -1); });
        connect(casella, &TGEditSegno::Sotto, this, [this, i] { Sposta(i, 1); });
        caselle_.append(casella);
    }
    Disponi();
}

void TGEditColonna::setFieldWidth(int n) {
    fieldWidth_ = std::max(1, n);
    Disponi();
}

void TGEditColonna::setFieldHeight(int n) {
    fieldHeight_ = std::max(1, n);
    Disponi();
}

void TGEditColonna::setGap1(int n) {
    gap1_ = std::max(0, n);
    Disponi();
}

void TGEditColonna::setSingolo(bool singolo) {
    singolo_ = singolo;
    for (auto* casella : caselle_) casella->setSingolo(singolo);
}

void TGEditColonna::Disponi() {
    for (int i = 0; i < Posizioni; ++i) caselle_[i]->setGeometry(0, i * (fieldHeight_ + gap1_), fieldWidth_, fieldHeight_);
    updateGeometry();
}

QSize TGEditColonna::sizeHint() const { return {fieldWidth_, Posizioni * fieldHeight_ + (Posizioni - 1) * gap1_}; }

void TGEditColonna::Sposta(int indice, int passo) {
    caselle_[std::clamp(indice + passo, 0, Posizioni - 1)]->setFocus();
}

void TGEditColonna::ImpostaSequela(const Sequela& sequela) {
    for (int i = 0; i < Posizioni; ++i) {
        const QSignalBlocker blocca(caselle_[i]);
        caselle_[i]->setText(TGEditSegno::TestoDaSegno(sequela[static_cast<std::size_t>(i)]));
    }
    modificato_ = false;
    emit OnModificato();
}

bool TGEditColonna::LeggiSequela(Sequela& sequela) const {
    for (int i = 0; i < Posizioni; ++i) sequela[static_cast<std::size_t>(i)] = caselle_[i]->Segno();
    return SequelaValida(sequela, contiguo_, completo_);
}

bool TGEditColonna::SequelaValida(const Sequela& sequela, bool contiguo, bool completo) {
    const auto vuota = [](std::uint8_t s) { return s == 0; };
    if (completo && std::any_of(sequela.begin(), sequela.end(), vuota)) return false;
    if (!contiguo) return true;
    const auto primaVuota = std::find_if(sequela.begin(), sequela.end(), vuota);
    return std::all_of(primaVuota, sequela.end(), vuota);
}
