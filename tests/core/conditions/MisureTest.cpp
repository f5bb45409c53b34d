#include <gtest/gtest.h>

#include "conditions/Misure.h"

using namespace ludo;

namespace {
Colonna col(std::initializer_list<int> numeri) {
    Colonna m = 0;
    for (int n : numeri) m |= Colonna{1} << (n - 1);
    return m;
}
const Colonna kPrimiOtto = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kDispari = col({1, 3, 5, 7, 9, 11, 13, 15});
}  // namespace

TEST(Misure, FirstEightNumbers) {
    EXPECT_EQ(MisuraConsecutivitaNumerica(kPrimiOtto, 1, 32), 8);
    EXPECT_EQ(MisuraConsecutivitaNumerica(kPrimiOtto, 3, 6), 4) << "only the range counts";
    EXPECT_EQ(MisuraNumeroSequenze(kPrimiOtto), (std::array<int, 5>{0, 0, 0, 0, 0})) << "one run of 8 counts nothing";
    const Distanze d = MisuraDistanzeGlobali(kPrimiOtto);
    EXPECT_EQ(d.minima, 1);
    EXPECT_EQ(d.massima, 1);
    EXPECT_EQ(d.totale, 7);
    const Baricentri b = MisuraBaricentri(kPrimiOtto);
    EXPECT_EQ(b.tutti, 4);
    EXPECT_EQ(b.pari, 5);
    EXPECT_EQ(b.dispari, 4);
    EXPECT_EQ(MisuraResti(kPrimiOtto, 7), 1);
    EXPECT_EQ(MisuraInterruzioni(kPrimiOtto, 1, 32, false).globali, (Valori{0, 0}));
}

TEST(Misure, OddNumbersOnly) {
    EXPECT_EQ(MisuraParita(kDispari, 1, 32, true), (Valori{0, 0}));
    EXPECT_EQ(MisuraParita(kDispari, 1, 32, false), (Valori{8, 8}));
    EXPECT_EQ(FormulaDerivata(kDispari), 0);
    const Interruzioni i = MisuraInterruzioni(kDispari, 1, 32, false);
    EXPECT_EQ(i.globali, (Valori{7, 7}));
    EXPECT_EQ(i.segniDispari, 7);
    EXPECT_EQ(i.segniPari, 0);
    const Distanze d = MisuraDistanzeGlobali(kDispari);
    EXPECT_EQ(d.minima, 2);
    EXPECT_EQ(d.totale, 14);
}

TEST(Misure, RunsAndGaps) {
    EXPECT_EQ(MisuraNumeroSequenze(col({1, 2, 4, 5, 7, 8, 10, 11})), (std::array<int, 5>{0, 0, 4, 0, 0}));
    EXPECT_EQ(MisuraNumeroSequenze(col({1, 3, 4, 5, 10, 20, 21, 32})), (std::array<int, 5>{0, 3, 1, 1, 0}));
    // Even numbers 2 4 | 7 | 10 12 14: the odd 7 breaks the run, numbers out of the column do not.
    EXPECT_EQ(MisuraParita(col({2, 4, 7, 10, 12, 14, 20, 31}), 1, 32, true), (Valori{6, 4}));
    EXPECT_EQ(MisuraParita(col({2, 4, 7, 10, 12, 14, 20, 31}), 1, 12, true), (Valori{4, 2}));
    EXPECT_EQ(MisuraDistanzaSpecifica(col({3, 5, 9, 12, 20, 22, 25, 30}), 2, 5), 15);
    EXPECT_EQ(MisuraDistanzaSpecifica(col({3, 5}), 1, 5), 0) << "fewer numbers than the position";
    EXPECT_EQ(NumeroInPosizione(col({3, 5, 9, 12, 20, 22, 25, 30}), 8), 30);
}

TEST(Misure, FilterColumnWithAndWithoutPositions) {
    const Colonna f = col({1, 2, 3, 4, 10, 11, 12, 13});
    EXPECT_EQ(MisuraColonnaFiltro(f, f, true, false), (Valori{8, 8}));
    const Colonna c = col({1, 2, 3, 5, 10, 11, 12, 20});
    EXPECT_EQ(MisuraColonnaFiltro(c, f, false, false), (Valori{6, 0}));
    // Common 1 2 3, then 4 (filter only) and 5 (column only) break, then 10 11 12.
    EXPECT_EQ(MisuraColonnaFiltro(c, f, false, true), (Valori{6, 3}));
    // With positions 10 is the 5th number of both, 11 the 6th, 12 the 7th.
    EXPECT_EQ(MisuraColonnaFiltro(c, f, true, false), (Valori{6, 3}));
    EXPECT_EQ(MisuraColonnaFiltro(col({2, 3, 4, 5, 6, 7, 8, 9}), col({1, 2, 3, 4, 5, 6, 7, 8}), true, false).v, 0);
}

TEST(Misure, SumsAndPickets) {
    EXPECT_EQ(MisuraSomma(kPrimiOtto, col({1, 8, 20})), 9.0);
    std::array<bool, 32> partite{};
    std::array<double, 32> valori{};
    partite[4] = true;
    valori[4] = 50.0;
    EXPECT_DOUBLE_EQ(MisuraPicchetto(kPrimiOtto, partite, valori, false), 50.0);
    partite[0] = true;
    valori[0] = 20.0;
    EXPECT_DOUBLE_EQ(MisuraPicchetto(kPrimiOtto, partite, valori, false), 10.0);
    EXPECT_DOUBLE_EQ(MisuraPicchetto(kPrimiOtto, partite, valori, true), 70.0);
    EXPECT_DOUBLE_EQ(MisuraPicchetto(col({9, 10}), partite, valori, true), 0.0);
}

TEST(Misure, ParityPatternMeasures) {
    const Colonna alternata = col({1, 2, 3, 4, 5, 6, 7, 8});  // odd, even, odd, …
    EXPECT_EQ(SchemaParita(alternata)[1], 2);
    EXPECT_EQ(SchemaParita(alternata)[2], 1);
    EXPECT_EQ(MisuraInterruzioni(alternata, 1, 8, true).globali, (Valori{7, 7}));
    EXPECT_EQ(MisuraInterruzioni(alternata, 1, 8, true).segniPari, 4);
    EXPECT_EQ(MisuraInterruzioni(kDispari, 1, 8, true).globali, (Valori{0, 0}));

    const Simmetrie s = MisuraSimmetrie(col({1, 2, 3, 4, 29, 30, 31, 32}), 32, false);
    EXPECT_EQ(s.dirette, (Valori{4, 4}));
    EXPECT_EQ(s.inverse, (Valori{0, 0}));
    EXPECT_EQ(MisuraSimmetrie(col({1, 2, 17, 18, 5, 21, 9, 30}), 32, false).inverse, (Valori{3, 2}));
    // Pattern: all odd gives equal signs everywhere.
    EXPECT_EQ(MisuraSimmetrie(kDispari, 8, true).dirette, (Valori{4, 4}));

    EXPECT_EQ(MisuraRipetizioni(kPrimiOtto, col({2, 3, 4, 10, 11, 12, 13, 14}), 1, 32, false), (Valori{3, 3}));
    EXPECT_EQ(MisuraRipetizioni(kPrimiOtto, kPrimiOtto, 1, 8, true), (Valori{8, 8}));
}

TEST(Misure, VortexOfOddNumbersFindsTheSignAtOnce) {
    const Vortice v = MisuraVortice(kDispari, 1, 8, false);
    // s = sign of position 1, found at once at position 8 from the right,
    // then at 2 from the left, 7, 3, 6, 4, 5; one more round finds nothing.
    EXPECT_EQ(v.posizione, 5);
    EXPECT_EQ(v.bracci, 7);
    const Vortice inverso = MisuraVortice(kDispari, 1, 8, true);
    EXPECT_EQ(inverso.posizione, 4);
    EXPECT_EQ(inverso.bracci, 7);
    // Alternating signs: from the right the sign of position 1 is at 7.
    EXPECT_EQ(MisuraVortice(col({1, 2, 3, 4, 5, 6, 7, 8}), 1, 8, false).posizione, 5);
}

TEST(Misure, Sequences) {
    // Pattern 2,2,1,1,2,2,1,1: odd odd even even …
    const Colonna c = col({1, 3, 4, 6, 7, 9, 10, 12});
    ParametriSequela p;
    p.tipo = 2;
    p.lunghezza = 2;
    EXPECT_EQ(MisuraSequela(c, 1, 8, p), (Valori{4, 1}));
    p.tipo = 3;
    EXPECT_EQ(MisuraSequela(c, 1, 8, p), (Valori{3, 1}));
    p.tipo = 1;
    p.sequela = {2, 2, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(MisuraSequela(c, 1, 8, p), (Valori{2, 1}));
    p.sequela = {2, 3, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(MisuraSequela(c, 1, 8, p).v, 0) << "a 3 in the pattern matches no sign";
    // Most frequent window of length 2, read in steps of 2: 22, 11, 22, 11.
    p.tipo = 4;
    p.passoTrovata = 2;
    p.passoNonTrovata = 2;
    EXPECT_EQ(MisuraSequela(c, 1, 8, p), (Valori{2, 1}));
    p.tipo = 5;  // 22 and 11 are their own mirrors: two pairs
    EXPECT_EQ(MisuraSequela(c, 1, 8, p), (Valori{2, 0}));
}
