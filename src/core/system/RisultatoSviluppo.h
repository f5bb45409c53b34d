#pragma once
// What a development leaves to the system it developed: the columns kept in
// memory, the counts the main window shows and the refusal statistics of
// the recoveries. A development runs on a copy of the system and hands this
// back; the system takes it on the user-interface thread (AdottaSviluppo).

#include <cstdint>

#include "core/columns/ListaColonne.h"
#include "core/conditions/TInsiemeLink.h"

namespace ludo {

struct RisultatoSviluppo {
    ListaColonne Colonne;  // empty when the columns went to a column file
    bool Sviluppato = false;
    std::int32_t ColonneSviluppate = 0;
    std::int32_t ColonnePrecedenti = 0;  // the count the next recalculation compares with
    StatisticheRecuperi Recuperi;
};

}  // namespace ludo
