#pragma once
// The rules a range of archived contests keeps, wherever the user sets one:
// the search settings (with the contest types), the insertion of archive
// contests as filter columns and the archive print (range only). The
// windows correct the range while it is edited and check it on OK.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/contests/ImpostazioniRicerca.h"

namespace ludo {

inline constexpr char MsgNessunTipoDiConcorso[] = "Selezionare almeno un tipo di concorso.";
inline constexpr char MsgStagioneNonValida[] =
    "La stagione deve essere compresa tra il 1979/1980 e il 2098/2099.";
inline constexpr char MsgNumeroConcorsoNonValido[] =
    "Il numero del concorso deve essere compreso tra 1 e 99.";
inline constexpr char MsgInizialeDopoFinale[] =
    "La stagione iniziale è successiva a quella finale.";
inline constexpr char MsgConcorsoInizialeDopoFinale[] =
    "Il concorso iniziale è successivo a quello finale.";
inline constexpr char MsgNessunConcorsoNellIntervallo[] =
    "Nessun concorso dell'archivio rientra nell'intervallo.";
inline constexpr char MsgNessunConcorsoDeiTipi[] =
    "Nessun concorso dei tipi scelti rientra nell'intervallo.";

// The season spin boxes show the second year, 1980..2099: the stored
// (first) year goes from 1979 to 2098.
inline constexpr int PrimoAnnoStagione = 1979;
inline constexpr int UltimoAnnoStagione = 2098;
inline constexpr int PrimoNumeroConcorso = 1;
inline constexpr int UltimoNumeroConcorso = 99;

// Whether the contest types take part: the search settings choose them,
// the filter-column insertion and the archive print take every type.
enum class TipiDiConcorso { Scelti, Tutti };

// The indices, in archive order, of the contests in the range (and of the
// chosen types when they take part).
std::vector<std::size_t> ConcorsiNellIntervallo(const ArchivioConcorsi& archivio,
                                                const IntervalloRicerca& intervallo,
                                                TipiDiConcorso tipi);

// The message of the first rule the range breaks, or nothing when it holds:
// some type chosen (when types take part); seasons within 1979/1980 ..
// 2098/2099 and contest numbers within 1..99; each season within the
// archive's first and last ("La stagione iniziale deve essere compresa tra
// il 2013/2014 e il 2025/2026.", likewise "finale"); the initial season
// not after the final one,
// nor on equal seasons the initial contest after the final one; at least
// one contest of the archive in the range.
std::optional<std::string> VerificaIntervallo(const IntervalloRicerca& intervallo,
                                              const ArchivioConcorsi& archivio,
                                              TipiDiConcorso tipi);

// The field of the range the user has just changed.
enum class CampoIntervallo { AnnoDa, ConcDa, AnnoA, ConcA };

// Brings the range back in line after a change of one field, as the range
// boxes do while they are edited: the initial season is kept from the
// archive's first season up to the final season, the final one from the
// initial season up to the archive's last; on equal seasons the contest
// numbers are put in order by moving the one on the side just changed.
void CorreggiIntervallo(IntervalloRicerca& intervallo, CampoIntervallo cambiato,
                        const ArchivioConcorsi& archivio);

}  // namespace ludo
