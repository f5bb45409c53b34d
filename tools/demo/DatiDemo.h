#pragma once
// The demonstration data of a new installation, reconstructed from real
// league results (not the official contest archive): one contest per
// matchday, the coupon of the latest complete matchday and the team lists.

#include <filesystem>
#include <optional>
#include <vector>

#include "RisultatiTxt.h"
#include "core/archive/ArchivioConcorsi.h"
#include "core/checking/ClassificaPartite.h"
#include "core/system/ListeSquadre.h"
#include "core/system/Schedina.h"

namespace ludo::demo {

// The five leagues of one season.
struct Stagione {
    int anno = 0;  // first calendar year
    std::vector<Giornata> serieA, serieB, serieCGironeA, serieCGironeB, serieCGironeC;
};

// Reads <cartella>/<anno>-<anno+1 two digits>/{1-seriea,2-serieb,3-seriec_a,_b,_c}.txt;
// leagues whose file is missing stay empty.
Stagione LeggiStagione(const std::filesystem::path& cartella, int anno);

// The 32 matches of a matchday's coupon: Serie A (10), Serie B (10), the
// first 6 of Serie C group A, the first 6 of group B, in file order.
// Nothing when a league lacks matches for that matchday.
std::optional<std::vector<Partita>> PartiteDelConcorso(const Stagione& stagione, int giornata);

// The goals of those matches as the coupon's goal cells (no result = empty).
GolSchedina GolDelConcorso(const std::vector<Partita>& partite);

// The contest of a matchday: its season, number = matchday, type "Serie A",
// the winning column ranked from the real goals.
std::optional<T_Concorso> ConcorsoDellaGiornata(const Stagione& stagione, int giornata);

// Every matchday of the season that yields a contest, in order.
ArchivioConcorsi ArchivioDellaStagione(const Stagione& stagione);

// The coupon of the last matchday whose 32 matches all have a result.
std::optional<ludo::Schedina> SchedinaUltimaGiornataCompleta(const Stagione& stagione);

// Serie A and B from `recente`, Serie C groups A and B as "C1" and group C as
// "C2" from `conSerieC`; names fitted to 20 characters.
ListeSquadre ListeDemo(const Stagione& recente, const Stagione& conSerieC);

}  // namespace ludo::demo
