#pragma once
// The measures of the condition types: pure functions of a column (and of
// the few parameters of the type), shared by the tests and the analyses.
// Each walks at most the 32 bits of the mask and allocates nothing.

#include <array>
#include <cstdint>

#include "core/columns/Colonna.h"

namespace ludo {

// A value and its companion (tested in the second table).
struct Valori {
    int v = 0;
    int w = 0;
    bool operator==(const Valori&) const = default;
};

// The parity pattern: position 1..8 of the column's numbers in ascending
// order gives sign 2 for an odd number and 1 for an even one. Positions 0
// and 9 hold 0, so walks may look one step past either end.
using Segni = std::array<std::uint8_t, 10>;
Segni SchemaParita(Colonna colonna);

// Count of numbers of the given parity in da..a and their longest run (a
// run is broken only by a column number of the other parity).
Valori MisuraParita(Colonna colonna, int da, int a, bool pari);
// Longest run of consecutive numbers n, n+1, … in da..a.
int MisuraConsecutivitaNumerica(Colonna colonna, int da, int a);
// How many maximal runs of consecutive numbers have length 1, 2, 3, 4 ([0] unused).
std::array<int, 5> MisuraNumeroSequenze(Colonna colonna);

struct Distanze {
    int minima = 0;
    int massima = 0;
    int totale = 0;
};
Distanze MisuraDistanzeGlobali(Colonna colonna);
int MisuraDistanzaSpecifica(Colonna colonna, int posizione1, int posizione2);
int MisuraResti(Colonna colonna, int divisore);

struct Baricentri {
    int tutti = 0;
    int pari = 0;
    int dispari = 0;
};
Baricentri MisuraBaricentri(Colonna colonna);
// The numbers at positions 1..8 ([0] for position 1; 32 past the end).
std::array<int, 8> MisuraPosizioni(Colonna colonna);
// Hits against the filter column and their longest run.
Valori MisuraColonnaFiltro(Colonna colonna, Colonna filtro, bool flagPosizione, bool conCorsa);
// Number of even numbers of the column: the formula index 0..8.
int FormulaDerivata(Colonna colonna);
double MisuraSomma(Colonna colonna, Colonna partite);
// The lowest and the highest MisuraSomma an 8-number column can give:
// the column avoids as many chosen matches as it can, or takes the
// highest of them.
struct SommaPossibile {
    int minimo = 0;
    int massimo = 0;
};
SommaPossibile SommaPossibileDi(Colonna partite);
// The chosen "Picchetti" matches as the editor keeps them: those no longer
// in play dropped, then, while fewer than 8 remain, the matches in play not
// chosen added from the lowest. True when any was added.
bool CompletaPartitePicchetto(std::array<bool, 32>& partite, Colonna inGioco);
// Sum or product (percentages) of the values of the selected numbers.
double MisuraPicchetto(Colonna colonna, const std::array<bool, 32>& partite, const std::array<double, 32>& valori,
                       bool somma);

struct Interruzioni {
    Valori globali;
    int segniPari = 0;
    int segniDispari = 0;
};
Interruzioni MisuraInterruzioni(Colonna colonna, int da, int a, bool schema);

struct Simmetrie {
    Valori dirette;
    Valori inverse;
};
// Pairs over 1..A (numbers) or positions 1..A (pattern), A even.
Simmetrie MisuraSimmetrie(Colonna colonna, int a, bool schema);

// Numbers (or positions) shared with a previous winning column, and their run.
Valori MisuraRipetizioni(Colonna colonna, Colonna precedente, int da, int a, bool schema);

struct Vortice {
    int posizione = 0;
    int bracci = 0;
};
Vortice MisuraVortice(Colonna colonna, int da, int a, bool inverso);

struct ParametriSequela {
    std::int32_t tipo = 1;  // 1 given pattern, 2 one sign, 3 both signs, 4 most frequent, 5 mirrors
    std::int32_t passoTrovata = 1;
    std::int32_t passoNonTrovata = 1;
    std::int32_t lunghezza = 2;
    // The given pattern: signs 1 (even) or 2 (odd). The pattern box writes 3
    // for "either sign"; windows are compared sign by sign for equality, so
    // a 3 matches no sign and a pattern holding one is never found.
    std::array<std::uint8_t, 8> sequela{};
};
// Windows of lunghezza signs over positions da..a. Kinds 1-3: v = windows
// found, w = longest run of found windows. Kind 4: v = occurrences of the
// most frequent window pattern, w = its longest chain of back-to-back
// occurrences. Kind 5: v = pairs of mirror-image occurrences, w = 0.
// Steps below 1 count as 1; an unknown kind or a length outside 1..8 gives 0.
Valori MisuraSequela(Colonna colonna, int da, int a, const ParametriSequela& p);

}  // namespace ludo
