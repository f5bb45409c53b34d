#pragma once
// Archives of contests built by a test, and the search interval that
// selects all of them.

#include <cstdint>
#include <initializer_list>

#include "core/archive/ArchivioConcorsi.h"

namespace ludo::test {

// Contests 1, 2, … of one season and type, one for each winning column.
inline ArchivioConcorsi archivioDi(std::initializer_list<Colonna> vincenti,
                                   std::uint16_t anno = 2023, std::uint8_t tipo = SerieA) {
    ArchivioConcorsi a;
    std::uint8_t numero = 0;
    for (const Colonna v : vincenti) a.InserisciOrdinato({anno, ++numero, tipo, v});
    return a;
}

inline ArchivioConcorsi archivioDi(std::initializer_list<T_Concorso> concorsi) {
    ArchivioConcorsi a;
    for (const T_Concorso& c : concorsi) a.InserisciOrdinato(c);
    return a;
}

inline IntervalloRicerca tutto(const ArchivioConcorsi& a) {
    IntervalloRicerca i;
    IntervalloTuttoArchivio(i, a);
    return i;
}

}  // namespace ludo::test
