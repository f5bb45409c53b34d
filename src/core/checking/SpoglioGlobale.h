#pragma once
// What the global check of a contest's plays shows and prints: the summary
// of the wins per kind of play, and the list of the reduced systems with
// their own wins.

#include <array>
#include <string>
#include <vector>

#include "core/checking/ArchivioGiocate.h"
#include "core/checking/RiepilogoGiocate.h"

namespace ludo {

inline constexpr char MsgPiuDiOttoNumeriGlobale[] = "Sono stati inseriti più di 8 Numeri";
inline constexpr char MsgImpossibileStampareDati[] = "Impossibile stampare i dati";
inline constexpr int SistemiVisibili = 7;

std::string TitoloVincenteConcorso(int concorso);
std::string TitoloRiepilogoConcorso(int concorso);
std::string TitoloSistemiConcorso(int concorso);

// Four rows: single slips, integral systems, reduced systems and the total:
// the row's name, the plays of that kind, the wins with 8, 7 and 6 points.
// The printout indents the names by one more blank.
std::vector<std::array<std::string, 5>> RigheRiepilogo(const TArchivioGiocate& giocate,
                                                       bool perStampa = false);
extern const std::array<std::string, 5> IntestazioniRiepilogo;

// One row per reduced system: numbers played, columns, date, time, and its
// wins with 8, 7 and 6 points.
std::vector<std::array<std::string, 7>> RigheSistemi(const TArchivioGiocate& giocate);
// The scroll bar over seven rows of systems: systems - 7, or 0.
int MassimoScorrimentoSistemi(std::size_t sistemi);

// The printout as one ruled table: the summary under its headings, then the
// reduced systems under "Num.", "Colonne", "Data" and their wins, the wins
// of both in the last three columns.
std::vector<std::vector<std::string>> TabellaStampaGlobale(const TArchivioGiocate& giocate);

}  // namespace ludo
