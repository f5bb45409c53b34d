#pragma once
// A system whose link verdict refuses columns every condition lets through:
// forecast 1..13; "Pari e Dispari" accepts 3 and 5 even numbers outright and
// 4 in recovery, "Consecutività Numerica" runs of 1 and 2 outright and 3 in
// recovery (both at level 2 under link A); link A admits 0..1 errors.

#include "TestSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/system/T_Sistema.h"

namespace ludo::test {

// 4 even numbers and a run of 3: two recoveries in link A.
inline const Colonna kDueRecuperi = col({3, 4, 6, 7, 8, 10, 11, 13});
// 3 even numbers and a run of 3: one recovery.
inline const Colonna kUnRecupero = col({1, 2, 3, 5, 6, 8, 11, 13});

inline void ImpostaLinkA(T_Sistema& s) {
    auto& d = *s.Dati;
    d.Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    auto& pari =
        static_cast<TPariDispari&>(d.Condizioni.Condizione(CodPariDispari)).Tabelle[0].Prima;
    pari.Voci[3] = pari.Voci[5] = {Accettato, 0};
    pari.Voci[4] = {InRecupero, 2};
    auto& corsa = static_cast<TConsecutivitaNumerica&>(
                      d.Condizioni.Condizione(CodConsecutivitaNumerica))
                      .Tabelle[0]
                      .Prima;
    corsa.Voci[1] = corsa.Voci[2] = {Accettato, 0};
    corsa.Voci[3] = {InRecupero, 2};
    auto& ammessi = d.Link.Lettera('A')->ErroriAmmessiNellaLink.Prima;
    ammessi.Voci[0] = ammessi.Voci[1] = {Accettato, 0};
}

}  // namespace ludo::test
