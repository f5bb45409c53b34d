
#include "TestSupport.h"

#include "core/conditions/Misure.h"

using namespace ludo;
using ludo::test::col;

namespace {
// The fields of each measure, to compare at once.
std::tuple<int, int, int> campi(const Distanze& d) { return {d.minima, d.massima, d.totale}; }
std::tuple<int, int, int> campi(const Baricentri& b) { return {b.tutti, b.pari, b.dispari}; }
std::tuple<Valori, int, int> campi(const Interruzioni& i) { return {i.globali, i.segniPari, i.segniDispari}; }
std::pair<int, int> campi(const Vortice& v) { return {v.posizione, v.bracci}; }

const Colonna kPrimiOtto = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kDispari = col({1, 3, 5, 7, 9, 11, 13, 15});
}  // namespace

TEST(Misure, FirstEightNumbers) {
    EXPECT_EQ(MisuraConsecutivitaNumerica(kPrimiOtto, 1, 32), 8);
    EXPECT_EQ(MisuraConsecutivitaNumerica(kPrimiOtto, 3, 6), 4) << "only the range counts";
    EXPECT_EQ(MisuraNumeroSequenze(kPrimiOtto), (std::array<int, 5>{0, 0, 0, 0, 0})) << "one run of 8 counts nothing";
    EXPECT_EQ(campi(MisuraDistanzeGlobali(kPrimiOtto)), std::tuple(1, 1, 7));
    EXPECT_EQ(campi(MisuraBaricentri(kPrimiOtto)), std::tuple(4, 5, 4));
    EXPECT_EQ(MisuraInterruzioni(kPrimiOtto, 1, 32, false).globali, (Valori{0, 0}));
}

TEST(Misure, OddNumbersOnly) {
    EXPECT_EQ(MisuraParita(kDispari, 1, 32, true), (Valori{0, 0}));
    EXPECT_EQ(MisuraParita(kDispari, 1, 32, false), (Valori{8, 8}));
    EXPECT_EQ(FormulaDerivata(kDispari), 0);
    EXPECT_EQ(campi(MisuraDistanzeGlobali(kDispari)), std::tuple(2, 2, 14));
}

TEST(Misure, RunsAndGaps) {
    EXPECT_EQ(MisuraNumeroSequenze(col({1, 2, 4, 5, 7, 8, 10, 11})), (std::array<int, 5>{0, 0, 4, 0, 0}));
    EXPECT_EQ(MisuraNumeroSequenze(col({1, 3, 4, 5, 10, 20, 21, 32})), (std::array<int, 5>{0, 3, 1, 1, 0}));
    // Even numbers 2 4 | 7 | 10 12 14: the odd 7 breaks the run, numbers out of the column do not.
    EXPECT_EQ(MisuraParita(col({2, 4, 7, 10, 12, 14, 20, 31}), 1, 32, true), (Valori{6, 4}));
    EXPECT_EQ(MisuraParita(col({2, 4, 7, 10, 12, 14, 20, 31}), 1, 12, true), (Valori{4, 2}));
    EXPECT_EQ(MisuraDistanzaSpecifica(col({3, 5, 9, 12, 20, 22, 25, 30}), 2, 5), 15);
    EXPECT_EQ(MisuraDistanzaSpecifica(col({3, 5}), 1, 5), 0) << "fewer numbers than the position";
    EXPECT_EQ(MisuraPosizioni(col({3, 5, 9, 12, 20, 22, 25, 30})), (std::array<int, 8>{3, 5, 9, 12, 20, 22, 25, 30}));
    EXPECT_EQ(MisuraPosizioni(col({3, 5}))[2], 32) << "past the last number";
}

TEST(Misure, FilterColumnWithAndWithoutPositionsUpToNumber32) {
    const Colonna f = col({1, 2, 3, 4, 10, 11, 12, 13});
    EXPECT_EQ(MisuraColonnaFiltro(f, f, true, false), (Valori{8, 8}));
    const Colonna c = col({1, 2, 3, 5, 10, 11, 12, 20});
    // Common 1 2 3, then 4 (filter only) and 5 (column only) break, then 10 11 12.
    EXPECT_EQ(MisuraColonnaFiltro(c, f, false, true), (Valori{6, 3}));
    // With positions 10 is the 5th number of both, 11 the 6th, 12 the 7th.
    EXPECT_EQ(MisuraColonnaFiltro(c, f, true, false), (Valori{6, 3}));
    EXPECT_EQ(MisuraColonnaFiltro(col({2, 3, 4, 5, 6, 7, 8, 9}), col({1, 2, 3, 4, 5, 6, 7, 8}), true, false).v, 0);

    const Colonna alto = col({1, 2, 3, 4, 29, 30, 31, 32});
    const Colonna filtroAlto = col({25, 26, 27, 28, 29, 30, 31, 32});
    EXPECT_EQ(MisuraColonnaFiltro(alto, filtroAlto, true, false), (Valori{4, 4}))
        << "29..32 stand 5th..8th in both";
    EXPECT_EQ(MisuraColonnaFiltro(alto, filtroAlto, false, true), (Valori{4, 4}));
    EXPECT_EQ(MisuraColonnaFiltro(alto, filtroAlto, false, false), (Valori{4, 0}));
    // 1, 4 and 9 stand at the same position in both; 2 and 3 (in one of
    // the two only) break the run.
    EXPECT_EQ(MisuraColonnaFiltro(col({1, 2, 4, 9}), col({1, 3, 4, 9}), true, false),
              (Valori{3, 2}));
    // 5 and 6 are common but third and fourth in one, second and third in
    // the other: no hit with positions, a run of 2 without.
    EXPECT_EQ(MisuraColonnaFiltro(col({2, 3, 5, 6}), col({1, 5, 6}), true, false), (Valori{0, 0}));
    EXPECT_EQ(MisuraColonnaFiltro(col({2, 3, 5, 6}), col({1, 5, 6}), false, true), (Valori{2, 2}));
}

TEST(Misure, PicchettiOfTwoMatchesMultiplyAsPercentagesOrAdd) {
    std::array<bool, 32> partite{};
    std::array<double, 32> valori{};
    partite[4] = true;
    valori[4] = 50.0;
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
    EXPECT_EQ(campi(MisuraInterruzioni(alternata, 1, 8, true)), std::tuple(Valori{7, 7}, 4, 3));

    const Simmetrie s = MisuraSimmetrie(col({1, 2, 3, 4, 29, 30, 31, 32}), 32, false);
    EXPECT_EQ(std::pair(s.dirette, s.inverse), std::pair(Valori{4, 4}, Valori{0, 0}));
    EXPECT_EQ(MisuraSimmetrie(col({1, 2, 17, 18, 5, 21, 9, 30}), 32, false).inverse, (Valori{3, 2}));
    // Pattern: all odd gives equal signs everywhere.
    EXPECT_EQ(MisuraSimmetrie(kDispari, 8, true).dirette, (Valori{4, 4}));

    EXPECT_EQ(MisuraRipetizioni(kPrimiOtto, col({2, 3, 4, 10, 11, 12, 13, 14}), 1, 32, false), (Valori{3, 3}));
    EXPECT_EQ(MisuraRipetizioni(kPrimiOtto, kPrimiOtto, 1, 8, true), (Valori{8, 8}));
}

TEST(Misure, VortexOverTheWholePattern) {
    // s = sign of position 1, found at once at position 8 from the right,
    // then at 2 from the left, 7, 3, 6, 4, 5; one more round finds nothing.
    EXPECT_EQ(campi(MisuraVortice(kDispari, 1, 8, false)), std::pair(5, 7));
    EXPECT_EQ(campi(MisuraVortice(kDispari, 1, 8, true)), std::pair(4, 7));
    // Alternating signs: from the right the sign of position 1 is at 7.
    EXPECT_EQ(MisuraVortice(col({1, 2, 3, 4, 5, 6, 7, 8}), 1, 8, false).posizione, 5);

    // Signs 2 1 1 2 2 1 1 2.
    const Colonna c = col({1, 2, 4, 5, 7, 8, 10, 11});
    EXPECT_EQ(campi(MisuraVortice(c, 1, 8, false)), std::pair(5, 3));
}

// One column worked out by hand: 1 2 5 7 8 12 20 21, parity pattern
// odd even odd odd even even even odd (signs 2 1 2 2 1 1 1 2).
TEST(Misure, NumbersOfAMixedColumnOverTheirRanges) {
    const Colonna c = col({1, 2, 5, 7, 8, 12, 20, 21});
    struct Caso {
        int da, a;
        Valori pari, dispari;
        int consecutivita;
    };
    for (const Caso& k : {Caso{1, 32, {4, 3}, {4, 2}, 2}, Caso{3, 20, {3, 3}, {2, 2}, 2}, Caso{1, 7, {1, 1}, {3, 2}, 2},
                          Caso{8, 20, {3, 3}, {0, 0}, 1}, Caso{22, 32, {0, 0}, {0, 0}, 0}, Caso{9, 3, {0, 0}, {0, 0}, 0}}) {
        EXPECT_EQ(MisuraParita(c, k.da, k.a, true), k.pari) << k.da << ".." << k.a;
        EXPECT_EQ(MisuraParita(c, k.da, k.a, false), k.dispari) << k.da << ".." << k.a;
        EXPECT_EQ(MisuraConsecutivitaNumerica(c, k.da, k.a), k.consecutivita) << k.da << ".." << k.a;
    }
    EXPECT_EQ(MisuraResti(c, 9), 4);
    EXPECT_EQ(FormulaDerivata(c), 4);
    EXPECT_EQ(MisuraDistanzaSpecifica(c, 3, 4), 2);
}

TEST(Misure, GapsOnNumbersAndChangesOfSignOverTheirRanges) {
    const Colonna c = col({1, 2, 5, 7, 8, 12, 20, 21});
    struct Caso {
        int da, a;
        bool schema;
        Valori globali;
        int pari, dispari;
    };
    for (const Caso& k : {
             Caso{1, 32, false, {4, 2}, 2, 2},  // 5 7 | 12 20, each pair broken by a following number
             Caso{6, 32, false, {2, 2}, 2, 0},  // 7 is the first: 12 20
             Caso{1, 7, false, {2, 2}, 0, 2},   // 5 7
             Caso{1, 8, true, {4, 2}, 2, 2},    // changes before positions 2 3 5 8
             Caso{3, 6, true, {1, 1}, 1, 0},    // only before position 5
         }) {
        EXPECT_EQ(campi(MisuraInterruzioni(c, k.da, k.a, k.schema)), std::tuple(k.globali, k.pari, k.dispari))
            << k.da << ".." << k.a << " " << k.schema;
    }
    EXPECT_EQ(campi(MisuraDistanzeGlobali(col({1, 10}))), std::tuple(5, 9, 9)) << "the smallest distance starts from 5";
}

// 1 2 3 15 18 30 31 32: pairs 1-32 2-31 3-30 15-18 are direct, 2-18 and
// 15-31 inverse; signs 2 1 2 2 1 1 2 1.
TEST(Misure, SymmetriesStopAtHalfTheirRange) {
    const Colonna c = col({1, 2, 3, 15, 18, 30, 31, 32});
    struct Caso {
        int a;
        bool schema;
        Valori dirette, inverse;
    };
    for (const Caso& k : {Caso{32, false, {4, 3}, {2, 1}}, Caso{20, false, {3, 3}, {1, 1}},
                          Caso{4, false, {2, 2}, {1, 1}}, Caso{8, true, {0, 0}, {2, 2}}, Caso{4, true, {0, 0}, {1, 1}}}) {
        const Simmetrie s = MisuraSimmetrie(c, k.a, k.schema);
        EXPECT_EQ(std::pair(s.dirette, s.inverse), std::pair(k.dirette, k.inverse)) << k.a << " " << k.schema;
    }
}

TEST(Misure, RepetitionsOverNumbersOrPositions) {
    const Colonna c = col({1, 2, 3, 15, 18, 30, 31, 32});
    const Colonna precedente = col({2, 3, 4, 15, 16, 30, 31, 32});  // signs 1 2 1 2 1 1 2 1
    EXPECT_EQ(MisuraRipetizioni(c, precedente, 1, 20, false), (Valori{3, 2}));
    EXPECT_EQ(MisuraRipetizioni(c, precedente, 16, 31, false), (Valori{2, 2}));
    EXPECT_EQ(MisuraRipetizioni(c, precedente, 2, 5, true), (Valori{2, 2}));
    EXPECT_EQ(MisuraRipetizioni(c, 0, 1, 8, true), (Valori{0, 0})) << "no previous contest";
}

TEST(Misure, EverySequenceKindWithItsStepsAndRange) {
    const Colonna c2211 = col({1, 3, 4, 6, 7, 9, 10, 12});  // 2 2 1 1 2 2 1 1
    const Colonna c2112 = col({1, 2, 4, 5, 7, 8, 10, 11});  // 2 1 1 2 2 1 1 2
    struct Caso {
        const char* nome;
        Colonna colonna;
        int da, a;
        ParametriSequela p;
        Valori atteso;
    };
    auto par = [](int tipo, int lunghezza, int trovata, int nonTrovata,
                  std::array<std::uint8_t, 8> sequela = {}) {
        ParametriSequela p;
        p.tipo = tipo;
        p.lunghezza = lunghezza;
        p.passoTrovata = trovata;
        p.passoNonTrovata = nonTrovata;
        p.sequela = sequela;
        return p;
    };
    for (const Caso& k : {
             Caso{"the given pattern 2 2", c2211, 1, 8, par(1, 2, 1, 1, {2, 2}), {2, 1}},
             Caso{"a 3 in the given pattern matches no sign", c2211, 1, 8, par(1, 2, 1, 1, {2, 3}), {0, 0}},
             Caso{"one sign", c2211, 1, 8, par(2, 2, 1, 1), {4, 1}},
             Caso{"one sign, found windows skipped", c2211, 1, 8, par(2, 2, 2, 1), {4, 4}},
             Caso{"both signs", c2211, 1, 8, par(3, 2, 1, 1), {3, 1}},
             Caso{"both signs, length 3", c2211, 1, 8, par(3, 3, 1, 1), {6, 6}},
             Caso{"both signs up to position 5", c2211, 1, 5, par(3, 3, 1, 1), {3, 3}},
             Caso{"most frequent, first to reach the top wins", c2211, 1, 8, par(4, 2, 2, 1), {2, 1}},
             // Windows of 2 read in steps of 2: 22, 11, 22, 11.
             Caso{"most frequent, steps of 2", c2211, 1, 8, par(4, 2, 2, 2), {2, 1}},
             Caso{"mirror pairs: 22 and 11 are their own", c2211, 1, 8, par(5, 2, 2, 2), {2, 0}},
             Caso{"most frequent, overlaps not counted again", kDispari, 1, 8, par(4, 2, 2, 1), {4, 4}},
             Caso{"most frequent of length 3", c2112, 1, 8, par(4, 3, 3, 1), {2, 1}},
             Caso{"mirror pairs 211-112, 112-211, 122-221", c2112, 1, 8, par(5, 3, 3, 1), {3, 0}},
             Caso{"mirror pairs of palindromes", kDispari, 1, 8, par(5, 2, 2, 1), {2, 0}},
             Caso{"an unknown kind", c2211, 1, 8, par(6, 2, 1, 1), {0, 0}},
             Caso{"a length beyond the pattern", c2211, 1, 8, par(2, 9, 1, 1), {0, 0}},
         }) {
        EXPECT_EQ(MisuraSequela(k.colonna, k.da, k.a, k.p), k.atteso) << k.nome;
    }
}

TEST(Misure, PossibleSumsOfTheChosenMatches) {
    // Few chosen matches: a column can avoid them all, or take them all.
    EXPECT_EQ(SommaPossibileDi(col({5, 30})).minimo, 0);
    EXPECT_EQ(SommaPossibileDi(col({5, 30})).massimo, 35);
    // All 32: the lowest and the highest eight.
    EXPECT_EQ(SommaPossibileDi(~Colonna{0}).minimo, 36);
    EXPECT_EQ(SommaPossibileDi(~Colonna{0}).massimo, 228);
    // 26 chosen: a column holds at least 2 of them (only 6 are free).
    Colonna ventisei = ~Colonna{0} & ~col({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(SommaPossibileDi(ventisei).minimo, 7 + 8);
    EXPECT_EQ(SommaPossibileDi(0).massimo, 0);
}

TEST(Misure, PicchettiMatchesAreKeptInPlayAndAtLeastEight) {
    std::array<bool, 32> partite{};
    for (int n : {2, 4, 6, 8, 10, 12, 14, 31}) partite[static_cast<std::size_t>(n - 1)] = true;
    const Colonna inGioco = col({1, 2, 3, 4, 6, 8, 10, 12, 14, 20});
    EXPECT_TRUE(CompletaPartitePicchetto(partite, inGioco));
    // 31 is out of play; 1 is the lowest match in play not chosen.
    std::array<bool, 32> attese{};
    for (int n : {1, 2, 4, 6, 8, 10, 12, 14}) attese[static_cast<std::size_t>(n - 1)] = true;
    EXPECT_EQ(partite, attese);
    EXPECT_FALSE(CompletaPartitePicchetto(partite, inGioco)) << "nothing to add the second time";
    // Fewer than 8 in play: all of them, no more.
    EXPECT_TRUE(CompletaPartitePicchetto(partite, col({3, 5})));
    std::array<bool, 32> tutteInGioco{};
    tutteInGioco[2] = tutteInGioco[4] = true;
    EXPECT_EQ(partite, tutteInGioco);
}
