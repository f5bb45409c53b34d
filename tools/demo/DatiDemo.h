#pragma once
// The demonstration data of a new installation, reconstructed from real
// league results (not the official contest archive): one contest per
// matchday of every season, the coupon of the latest contest and the team
// lists of its season.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "RisultatiTxt.h"
#include "core/archive/ArchivioConcorsi.h"
#include "core/checking/ClassificaPartite.h"
#include "core/system/ListeSquadre.h"
#include "core/system/Schedina.h"

namespace ludo::demo {

// The seasons of the shipped archive (first calendar years).
inline constexpr int PrimaStagione = 2013;
inline constexpr int UltimaStagione = 2025;

// The leagues a coupon draws on, in the order they fill it.
enum class Lega {
    SerieA,
    SerieB,
    SerieCGironeA,
    SerieCGironeB,
    SerieCGironeC,
    PremierLeague,
    Championship
};
inline constexpr std::size_t NumeroLeghe = 7;

struct DescrizioneLega {
    // The folder of the sources ("openfootball-italy", "openfootball-england")
    // and the league's file in each season's sub-folder.
    std::string_view cartella;
    std::string_view file;
    std::size_t partite;  // at most this many of its matches on a coupon
    std::uint8_t tipo;    // SerieA, SerieB, SerieC, or Altri for a foreign league
};
const DescrizioneLega& Descrizione(Lega lega);

// Every league of one season; a league whose file is missing stays empty.
struct Stagione {
    int anno = 0;  // first calendar year
    std::array<std::vector<Giornata>, NumeroLeghe> leghe;

    std::vector<Giornata>& operator[](Lega l) { return leghe[static_cast<std::size_t>(l)]; }
    const std::vector<Giornata>& operator[](Lega l) const {
        return leghe[static_cast<std::size_t>(l)];
    }
};

// Reads <sorgenti>/<league folder>/<anno>-<anno+1, two digits>/<league file>.
Stagione LeggiStagione(const std::filesystem::path& sorgenti, int anno);

struct PartitaDelConcorso {
    Partita partita;
    Lega lega;
};

// The 32 matches of a matchday's coupon: the played matches of that
// matchday of each league in turn, in file order, at most the league's
// share, until there are 32. Nothing when the season's played matches of
// that matchday are fewer than 32.
std::optional<std::vector<PartitaDelConcorso>> PartiteDelConcorso(const Stagione& stagione,
                                                                  int giornata);

// The goals of the matches as the coupon's goal cells.
GolSchedina GolDelConcorso(const std::vector<PartitaDelConcorso>& partite);

// "Altri" when a foreign league is on the coupon; otherwise the highest
// Italian series on it.
std::uint8_t TipoDelConcorso(const std::vector<PartitaDelConcorso>& partite);

// The contest of a matchday: its season, number = matchday, the type of its
// coupon, the winning column ranked from the real goals.
std::optional<T_Concorso> ConcorsoDellaGiornata(const Stagione& stagione, int giornata);

// Every matchday of every season that yields a contest, in archive order.
ArchivioConcorsi ArchivioDemo(const std::vector<Stagione>& stagioni);

// The coupon of a matchday: contest number = matchday, the teams under
// their shown names (NomeSquadra).
std::optional<ludo::Schedina> SchedinaDellaGiornata(const Stagione& stagione, int giornata);

// The teams of a season under their shown names: Serie A and B as "A" and
// "B"; Serie C groups A and B as "C1" and group C as "C2" when the season
// has Serie C, otherwise the Premier League as "C1" and the Championship as
// "C2" (the leagues that complete its coupons).
ListeSquadre ListeDemo(const Stagione& stagione);

}  // namespace ludo::demo
