#pragma once
// What the checking windows' tests share: the winning numbers clicked in a
// window's two forecast strips.

#include <QtTest>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "ui/controls/TPronostico.h"

// Clicks each number of the column in the strips named basso (1..16) and alto (17..32).
inline void ClicNumeri(const QWidget& f, ludo::Colonna numeri, const char* basso = "Vincente1_16",
                       const char* alto = "Vincente17_32") {
    for (int n = 1; n <= 32; ++n) {
        if ((numeri & (ludo::Colonna{1} << (n - 1))) == 0) continue;
        Clicca(*C<TPronostico>(f, n <= 16 ? basso : alto), (n - 1) % 16);
    }
}
