#pragma once
// What the main window shows of the system besides the coupon: the texts of
// the status line, which commands the state allows, and the rules of the
// "Picch." cells.

#include <optional>
#include <string>
#include <string_view>

#include "core/columns/Colonna.h"
#include "core/system/Costi.h"

namespace ludo {

class T_Sistema;

// The forecast holds enough matches for one column.
bool PiuDiOtto(Colonna pronostico);

// "  Colonne Finali : " and, with columns in the list, "12 (£ 9.600)": the
// cost of each column is that of a column of as many numbers as the first.
std::string TestoColonneFinali(const T_Sistema& sistema, FormatoNumeri formato = {});
// "  Colonne Iniziali : " and, with at least 8 forecast matches, the columns
// of the forecast with their cost.
std::string TestoColonneIniziali(const T_Sistema& sistema, FormatoNumeri formato = {});
// " Partite Selezionate : 12" and " Fisse : 2".
std::string TestoPartiteSelezionate(const T_Sistema& sistema);
std::string TestoFisse(const T_Sistema& sistema);

struct Abilitazioni {
    bool Picchetti = false;  // every "Picch." value is above 0
    bool Sviluppo = false;   // conditions, development, statistics: a forecast of 8 or a column file
    bool Colonne = false;    // the column list holds something to view, check, print or save
};
Abilitazioni CalcolaAbilitazioni(const T_Sistema& sistema);

// The widest text a "Picch." cell takes, and whether a typed character may go in.
inline constexpr int MaxCaratteriPicchetto = 4;
bool CarattereAmmessoPicchetto(char c);
// The text as typed into a cell: a comma enters the decimal separator.
std::string TestoDigitatoPicchetto(std::string_view testo);
// The value a left cell stores: 0 for an empty cell, the number when it is
// from 0 to 100; nothing for any other text (the old value comes back).
std::optional<double> LeggiPicchetto(std::string_view testo);
// Why the text left in the cell of a match was refused, for the status line.
std::string MotivoPicchettoRifiutato(int partita, std::string_view testo);
// A stored value as the cell shows it, with two decimals: "1.50".
std::string TestoPicchetto(double valore);

}  // namespace ludo
