// Groups of numbers, fixed-number candidates, single-number statistics and
// the statistical forecast over the selected contests.

#include "ArchivioDiProva.h"
#include "core/statistics/AnalisiNumeri.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// A row of the group: occurrences, current and longest delay, frequency,
// IC and its highlight.
auto cifre(const RigaGruppo& r) {
    return std::tuple(r.Uscite, r.RitardoAttuale, r.RitardoMassimo, r.Frequenza, r.IC,
                      r.Evidenziata);
}

const Colonna kA = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kB = col({1, 2, 3, 4, 9, 10, 11, 12});
const Colonna kC = col({20, 21, 22, 23, 24, 25, 26, 27});

TEST(Gruppo, RowsCountTheNumbersOfTheGroupEachWinnerHeld) {
    const auto a = archivioDi({kA, kB, kC, kA});
    const auto g = AnalizzaGruppo(a, tutto(a), col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(g.Esaminati, 4);
    EXPECT_EQ(cifre(g.Righe[8]), std::tuple(2, 0, 2, "2.0", "0.00", false));
    EXPECT_EQ(cifre(g.Righe[6]), std::tuple(1, 2, 2, "4.0", "0.50", false)) << "kB: 1 2 3 4 9 10";
    EXPECT_EQ(g.Righe[0].RitardoAttuale, 1) << "kC, then two contests without";
    EXPECT_EQ(cifre(g.Righe[3]), std::tuple(0, 4, 4, "0", "0.00", false));
    for (int k = 0; k <= 8; ++k) EXPECT_EQ(g.Righe[static_cast<std::size_t>(k)].Punteggio, k);
}

TEST(Gruppo, HighlightAndEmptyInterval) {
    // 1 of 4 contests, 3 contests ago: IC 0.75, not highlighted.
    const auto a = archivioDi({kC, kA, kA, kA});
    auto intervallo = tutto(a);
    auto g = AnalizzaGruppo(a, intervallo, col({20}));
    EXPECT_EQ(g.Righe[1].IC, "0.75");
    EXPECT_FALSE(g.Righe[1].Evidenziata);
    // 2 of 4, 2 ago: IC 1.00, the least that is highlighted.
    const auto b = archivioDi({kC, kC, kA, kA});
    g = AnalizzaGruppo(b, tutto(b), col({20}));
    EXPECT_EQ(g.Righe[1].IC, "1.00");
    EXPECT_TRUE(g.Righe[1].Evidenziata);
    EXPECT_FALSE(g.Righe[0].Evidenziata);

    intervallo.Tipi = SerieB;  // no contest selected
    g = AnalizzaGruppo(a, intervallo, col({20}));
    for (const auto& r : g.Righe) EXPECT_EQ(cifre(r), std::tuple(0, 0, 0, "0", "0", false));
}

TEST(Fisse, CandidatesAreEveryCombinationRankedByTheKey) {
    const auto a = archivioDi({kA, kB, kC, kA, kB});
    const auto i = tutto(a);
    EXPECT_EQ(CercaFisse(a, i, 1, OrdineFisse::IC).size(), 32u);
    EXPECT_EQ(CercaFisse(a, i, 2, OrdineFisse::IC).size(), 496u);
    EXPECT_EQ(CercaFisse(a, i, 3, OrdineFisse::Frequenza).size(), 4960u);

    const auto perFrequenza = CercaFisse(a, i, 1, OrdineFisse::Frequenza);
    // 1 2 3 4 won 4 times: the later-enumerated comes first among equals.
    EXPECT_EQ(std::tuple(perFrequenza[0].Numeri, perFrequenza[3].Numeri, perFrequenza[0].Frequenza),
              std::tuple(col({4}), col({1}), 4));

    const auto perRitardo = CercaFisse(a, i, 1, OrdineFisse::Ritardo);
    // Never won: delay 5 = every contest; 32 is the last enumerated.
    EXPECT_EQ(CelleFisse(perRitardo[0], 1),
              (std::array<std::string, 5>{" 1", "32 ", "0", "5", "0.0"}));

    const auto perIC = CercaFisse(a, i, 1, OrdineFisse::IC);
    // 20..27 won once, 2 contests ago: IC 2 / (5 / 1) = 0.4; 5..8 twice, 1 ago:
    // 1 / 2.5 = 0.4 too; 9..12: 0 ago.
    EXPECT_EQ(perIC[0].Numeri, col({27}));
    EXPECT_DOUBLE_EQ(perIC[0].IC, 0.4);
    EXPECT_EQ(CelleFisse(perIC[0], 12)[4], "0.40");
    EXPECT_EQ(CelleFisse(perIC[0], 12)[0], " 12");
}

TEST(Fisse, PairsNeedBothNumbers) {
    const auto a = archivioDi({kA, kB, kC});
    const auto coppie = CercaFisse(a, tutto(a), 2, OrdineFisse::Frequenza);
    EXPECT_EQ(std::pair(coppie[0].Numeri, coppie[0].Frequenza), std::pair(col({3, 4}), 2));
    EXPECT_EQ(CelleFisse(coppie[0], 1)[1], "3  4  ");
}

TEST(Numeri, RecordsOverTheSelectedContests) {
    ArchivioConcorsi a = archivioDi({kC, kA, kB}, 2019);
    a.InserisciOrdinato({2020, 1, SerieA, kA});
    a.InserisciOrdinato({2020, 2, SerieB, kC});  // not selected below
    auto intervallo = tutto(a);
    intervallo.Tipi = SerieA;
    const auto s = CalcolaStatisticheNumeri(a, intervallo);
    EXPECT_EQ(s.Esaminati, 4);
    // 1 won in the last three; the season of the most recent selected contest is 2020.
    const auto& uno = s.Numeri[0];
    EXPECT_EQ(std::tuple(uno.Frequenza, uno.ConsecutiviAttuali, uno.ConsecutiviMassimi,
                         uno.RitardoAttuale, uno.RitardoMassimo, uno.FrequenzaAnnuale),
              std::tuple(3, 3, 3, 0, 1, 1));
    EXPECT_EQ(std::pair(s.Numeri[19].RitardoAttuale, s.Numeri[19].FrequenzaAnnuale),
              std::pair(3, 0));
    EXPECT_EQ(s.Numeri[31].RitardoAttuale, 4) << "32 never won";
    EXPECT_EQ(s.IC(32), 0.0);
    EXPECT_DOUBLE_EQ(s.IC(20), 0.25 * 3);
    EXPECT_EQ(TestoICNumero(s, 20), "0.75");

    intervallo.Tipi = SerieC;
    const auto vuoto = CalcolaStatisticheNumeri(a, intervallo);
    EXPECT_EQ(vuoto.Esaminati, 0);
    EXPECT_EQ(TestoICNumero(vuoto, 1), "");
}

TEST(Numeri, FrequencyInTheColumns) {
    const auto lista = listaDi({kA, kB});
    const auto f = FrequenzaNumeriColonne(lista);
    EXPECT_EQ((std::array{f[0], f[4], f[31]}), (std::array<std::int64_t, 3>{2, 1, 0}));
    EXPECT_EQ(TestoPercentualeColonne(f[4], lista.Conteggio()), "50.00");
    EXPECT_EQ(TestoPercentualeColonne(0, 0), "0.00");
}

TEST(PronosticoStatisticoTest, HighestICFirstSkippingSelectedNumbers) {
    // IC per number: 20..27 won in contest 1 of 4, 3 ago: 0.75; 9..12 in
    // contest 2: 0.50; 5..8 in contest 3: 0.25; every other number 0.
    const auto a = archivioDi({kC, kB, kA, col({1, 2, 3, 4, 13, 14, 15, 16})});
    const auto s = CalcolaStatisticheNumeri(a, tutto(a));
    // Equal ICs: the higher number is taken first.
    EXPECT_EQ(PronosticoStatistico(s, 0, 3, false), col({25, 26, 27}));
    // The three best already there: five more, eight in all.
    const Colonna conTre = PronosticoStatistico(s, col({25, 26, 27}), 5, false);
    EXPECT_EQ(conTre, col({20, 21, 22, 23, 24, 25, 26, 27}));
    // Clearing first drops what was selected.
    EXPECT_EQ(PronosticoStatistico(s, col({1}), 2, true), col({26, 27}));
    // Asking for more than there are stops at 32.
    EXPECT_EQ(PronosticoStatistico(s, 0, 40, false), ~Colonna{0});
}

TEST(PronosticoStatisticoTest, WrittenIntoTheSystemDropsFixedNumbersOutsideIt) {
    TempDir dir;
    T_Sistema sistema(dir.path());
    auto& d = *sistema.Dati;
    d.Archivio = archivioDi({kC, kB, kA, col({1, 2, 3, 4, 13, 14, 15, 16})});
    d.Config.Ricerca.Intervallo = tutto(d.Archivio);
    d.Pronostico = col({1, 2});
    d.Fisse = col({1});
    EXPECT_TRUE(ImpostaPronosticoStatistico(sistema, 3, true));
    EXPECT_EQ(d.Pronostico, col({25, 26, 27}));
    EXPECT_EQ(d.Fisse, 0u);
    EXPECT_TRUE(sistema.Modificato);
    // Nothing more to add: the system is left alone.
    sistema.Modificato = false;
    d.Pronostico = ~Colonna{0};
    EXPECT_FALSE(ImpostaPronosticoStatistico(sistema, 3, false));
    EXPECT_FALSE(sistema.Modificato);
}

}  // namespace
