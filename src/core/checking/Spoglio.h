#pragma once
// Checking columns against a winning column: a column scores one point for
// each of its numbers among the 8 winning ones. The counts per score, the
// violated conditions listed by name, and the slips of six columns that the
// column views page through.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/columns/ListaColonne.h"
#include "core/conditions/TCondizioniSistema.h"

namespace ludo {

// Columns scoring 0..8 points.
using Punteggi = std::array<std::int32_t, 9>;

inline constexpr char MsgPiuDiOttoNumeri[] = "Sono Stati Inseriti Più di 8 Numeri";
inline constexpr char MsgImpossibileCaricareColonnare[] = "Impossibile Caricare Il File Colonnare";

// Adds the 8-number columns of colonna to punti: the column itself when it
// has 8 numbers, each of its 8-number subsets when it has more, nothing
// when it has fewer.
void AggiungiEspansa(Punteggi& punti, Colonna colonna, Colonna vincente);

// Every column of the list, expanded as above, against the winning column.
Punteggi SpoglioSingolo(const ListaColonne& lista, Colonna vincente);

// One line of "Condizioni Sbagliate": the condition's name or "Pronostico",
// then "(" position ")" for a member of a board.
std::string RigaCondizioneSbagliata(const TErrore& errore);
// The line shifted left by the horizontal scroll position: its text from
// character posizione on, empty when shorter.
std::string RigaScorrimento(const std::string& riga, int posizione);

// A slip of up to six columns of the list, in list order, numbered from 1.
struct TSchedinaVin {
    std::array<Colonna, 8> Colonne{};
    std::array<std::uint8_t, 8> Vincente{};  // 1: the column reaches the selected score
    std::int32_t Quante = 0;                 // columns on the slip (1..6)
    std::int32_t Numero = 0;
};

inline constexpr int ColonnePerSchedina = 6;
inline constexpr int SchedineVisibili = 4;

// The list cut into slips of six (a shorter last slip included), no column marked.
std::vector<TSchedinaVin> SchedineDiSei(const ListaColonne& lista);
// The slips holding at least one column with punti points or more, each
// such column marked as winning.
std::vector<TSchedinaVin> SchedineVincenti(const ListaColonne& lista, Colonna vincente, int punti);
// The scroll bar's maximum over the four slip panels: slips - 4, or 0.
int MassimoScorrimentoSchedine(std::size_t schedine);
// The highest score some column reached (its point button is selected
// first); -1 when the counts are all zero.
int PunteggioPiuAlto(const Punteggi& punti);

}  // namespace ludo
