#pragma once
// Enumeration of the k-number columns of a set of numbers, in lexicographic
// order of positions (the last position varies fastest). Each column is the
// sum of precomputed single-bit masks: no sorting, no allocation.

#include <array>
#include <cstdint>

#include "core/columns/Colonna.h"
#include "core/io/Avanzamento.h"

namespace ludo {

namespace detail {
struct Numeri {
    std::array<Colonna, 32> bit{};
    int quanti = 0;
};
inline Numeri NumeriDi(Colonna maschera) {
    Numeri n;
    for (int i = 0; i < 32; ++i) {
        if ((maschera >> i) & 1U) n.bit[static_cast<std::size_t>(n.quanti++)] = Colonna{1} << i;
    }
    return n;
}
}  // namespace detail

// Calls azione(column) for every k-number subset of maschera (k = 6, 7 or 8;
// other k enumerate nothing). The cancel request is looked at once per value
// of the fourth index (k = 8, 7) or of the second (k = 6); returns false when
// it stopped the enumeration.
template <typename Azione>
bool GeneraColonne(Colonna maschera, int k, const Avanzamento& annulla, Azione&& azione) {
    if (k < 6 || k > 8) return true;
    const auto numeri = detail::NumeriDi(maschera);
    const int n = numeri.quanti;
    const auto& b = numeri.bit;
    // The indices past k are unused: they let one loop nest serve every k.
    const int extra = 8 - k;
    for (int i1 = 0; i1 < n; ++i1) {
        const Colonna c1 = b[static_cast<std::size_t>(i1)];
        for (int i2 = i1 + 1; i2 < n; ++i2) {
            if (k == 6 && annulla.annullato()) return false;
            const Colonna c2 = c1 | b[static_cast<std::size_t>(i2)];
            for (int i3 = i2 + 1; i3 < n; ++i3) {
                const Colonna c3 = c2 | b[static_cast<std::size_t>(i3)];
                for (int i4 = i3 + 1; i4 < n; ++i4) {
                    if (k != 6 && annulla.annullato()) return false;
                    const Colonna c4 = c3 | b[static_cast<std::size_t>(i4)];
                    for (int i5 = i4 + 1; i5 < n; ++i5) {
                        const Colonna c5 = c4 | b[static_cast<std::size_t>(i5)];
                        for (int i6 = i5 + 1; i6 < n; ++i6) {
                            const Colonna c6 = c5 | b[static_cast<std::size_t>(i6)];
                            if (extra == 2) {
                                azione(c6);
                                continue;
                            }
                            for (int i7 = i6 + 1; i7 < n; ++i7) {
                                const Colonna c7 = c6 | b[static_cast<std::size_t>(i7)];
                                if (extra == 1) {
                                    azione(c7);
                                    continue;
                                }
                                for (int i8 = i7 + 1; i8 < n; ++i8) azione(c7 | b[static_cast<std::size_t>(i8)]);
                            }
                        }
                    }
                }
            }
        }
    }
    return true;
}

// Calls azione for the 8-number columns numbered passo, 2·passo, … of the
// same enumeration (no cancel check).
template <typename Azione>
void GeneraCampione(int passo, Colonna maschera, Azione&& azione) {
    int contatore = 1;
    const int p = passo < 1 ? 1 : passo;
    GeneraColonne(maschera, 8, NessunAvanzamento(), [&](Colonna c) {
        if (contatore == p) {
            azione(c);
            contatore = 0;
        }
        ++contatore;
    });
}

}  // namespace ludo
