#pragma once
// The columns a board takes in bulk as filter columns: the winning columns
// of a range of archived contests, the columns of a column file, a stretch
// of the fixed-number ranking.

#include <cstddef>
#include <filesystem>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/columns/Colonna.h"
#include "core/contests/ImpostazioniRicerca.h"
#include "core/statistics/AnalisiNumeri.h"

namespace ludo {

inline constexpr char MsgErroreLetturaFileColonnare[] = "Errore durante la lettura del file colonnare";

// The winning columns, in archive order, of the contests of every type in
// the range (the rule of the search settings); a contest whose winning
// column is not 8 numbers is left out.
std::vector<Colonna> ColonneDaArchivio(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo);

// Every column of the file, in order; Errore(MsgErroreLetturaFileColonnare)
// when it cannot be read.
std::vector<Colonna> ColonneDaFile(const std::filesystem::path& file);

// The numbers of the ranked combinations from rank `iniziale` to `finale`
// (1-based, both included, cut to the ranking).
std::vector<Colonna> ColonneDaFisse(const std::vector<TFisse>& classifica, std::size_t iniziale, std::size_t finale);

}  // namespace ludo
