#pragma once
// Grouping: wherever a column list holds every 8-number column of a set of
// K numbers (9 <= K <= 14), those columns are replaced by the one integral
// column of the K numbers, which plays the same bets on fewer slip places.

#include <cstddef>
#include <string>

#include "core/columns/ListaColonne.h"
#include "core/io/Avanzamento.h"

namespace ludo {

inline constexpr char MsgAccorpamentoTerminato[] = "Accorpamento terminato";

struct EsitoAccorpa {
    enum class Stato { Completato, Annullato, Vuota };
    Stato stato = Stato::Vuota;
    std::size_t iniziali = 0;
    std::size_t finali = 0;

    // Initial over final count ("Indice di Accorpamento :"), 0 for an empty
    // list, and its text with up to 6 significant digits.
    [[nodiscard]] double Indice() const;
    [[nodiscard]] std::string TestoIndice() const;
    // The slips the final columns need, 6 columns a slip ("Schedine :").
    [[nodiscard]] std::size_t Schedine() const;
};

// The size of the groups the pass numbered passo (from 1) looks for:
// min(14, partiteSelezionate - passo + 1). Passes run while it exceeds 8.
int DimensioneAccorpamento(int partiteSelezionate, int passo);

// Groups colonne in place. partiteSelezionate is the count of the forecast's
// selected matches. Each pass takes each column in turn as a seed and walks
// the columns after it, gathering those whose numbers still fit in K (or
// lie inside the gathered set) until they stand for C(K, 8) columns; only an
// exact count groups them. The seed counts as one column whatever its size.
// Fase() names the pass ("Passo N"), Progresso() reports seeds done over the
// current count; annullato() is polled after each seed and leaves colonne as
// it was.
EsitoAccorpa Accorpa(ListaColonne& colonne, int partiteSelezionate, Avanzamento& avanzamento);

}  // namespace ludo
