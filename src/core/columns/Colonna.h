#pragma once
// A column is a set of match numbers 1..32 held as a bit mask: bit n-1 is set
// when number n belongs to it. A proper column has 8 numbers; the same type
// carries forecasts, fixed sets, winning columns and larger "integral" sets.
// The numbers of a mask are always taken in ascending order (lowest bit first).

#include <cstdint>
#include <string>
#include <string_view>

namespace ludo {

using Colonna = std::uint32_t;

// How many numbers the set holds (0..32).
int NumeroNumeri(Colonna maschera);

// The numbers a and b have in common: the points of a against b.
int NumeriComuni(Colonna a, Colonna b);

bool EVuota(Colonna maschera);

// The k-th number of the set counting from the smallest (k = 1 gives the
// smallest); 32 when the set holds fewer than k numbers (or k < 1).
int NumeroK(int k, Colonna maschera);

// n over k. The result is the exact integer rounded to the nearest double:
// exact whenever the value has a double form (every result below 2^53, and
// C(60, 30) among larger ones), correctly rounded otherwise (C(100, 50)).
// It is computed with exact integer arithmetic, so no rounding builds up
// on the way. 0 when k < 0, n < 0 or k > n.
double Binomiale(int n, int k);

// How many 8-number columns the set contains: C(numbers, 8), exact.
std::uint64_t ColonneIntegrali(Colonna maschera);

// The numbers in ascending order, each followed by a blank and numbers below
// 10 by a second blank, so every number takes three characters.
std::string TestoColonna(Colonna maschera);

struct ColonnaLetta {
    bool ok = false;
    Colonna maschera = 0;
};

// Reads a column written as decimal numbers separated by blanks (runs of
// blanks count as one separator). A piece that is not an integer gives
// {false, 0}. Numbers outside 1..32 are not refused: their bit index wraps
// modulo 32, as a 32-bit shift does.
ColonnaLetta LeggiColonna(std::string_view testo);

}  // namespace ludo
