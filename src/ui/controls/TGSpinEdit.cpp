#include "ui/controls/TGSpinEdit.h"

#include <algorithm>

void TGSpinEdit::ImpostaLimitiFrecce(int minimo, int massimo) {
    minimoFrecce_ = minimo;
    massimoFrecce_ = std::max(minimo, massimo);
    update();
}

void TGSpinEdit::stepBy(int passi) {
    const int v = value();
    const int dentro = std::clamp(v, minimoFrecce_, massimoFrecce_);
    setValue(dentro == v ? std::clamp(v + passi * singleStep(), minimoFrecce_, massimoFrecce_) : dentro);
    selectAll();
}

QAbstractSpinBox::StepEnabled TGSpinEdit::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    StepEnabled abilitati = StepNone;
    if (value() < massimoFrecce_) abilitati |= StepUpEnabled;
    if (value() > minimoFrecce_) abilitati |= StepDownEnabled;
    return abilitati;
}
