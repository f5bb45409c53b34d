#pragma once
// The cursor of the team selection window: which coupon cell the next team
// clicked goes into. Cells are numbered 0..63: for matches 1..16,
// 2 * (match - 1) + side; for matches 17..32, 32 + 2 * (match - 17) + side
// (side 0 home, 1 away), which is reading order on the two coupon halves.

#include <string>
#include <string_view>

#include "core/system/Schedina.h"

namespace ludo {

inline constexpr int CelleSchedina = 2 * NumeroPartite;
inline constexpr int CelleMezzaSchedina = NumeroPartite;

struct CellaSchedina {
    int Partita = 1;      // 1..32
    bool Ospite = false;  // the away team
};

CellaSchedina CellaDelCursore(int cursore);
int CursoreDellaCella(int partita, bool ospite);

std::string& SquadraDellaCella(Schedina& schedina, int cursore);
const std::string& SquadraDellaCella(const Schedina& schedina, int cursore);

// The first cell holding no team in reading order, or 0 when all are filled.
int PrimoCursoreVuoto(const Schedina& schedina);

enum class Freccia { Su, Giu, Sinistra, Destra };
// Up and down move by a row (two cells), left and right by one cell. In the
// first half the cursor cannot go above cell 0 or 1, in the second half
// not past the last row or cell; between the halves it moves freely.
int MuoviCursore(int cursore, Freccia freccia);
// After a team was written: the next cell, at most the last.
int Avanza(int cursore);

// A team name already in some coupon cell (blanks around it and letter
// case do not count).
bool SquadraInSchedina(const Schedina& schedina, std::string_view nome);

}  // namespace ludo
