// The historical check: a column list against every contest the search
// interval selects, its two tables, the export sheet and the saving of the
// columns that won.

#include "ArchivioDiProva.h"
#include "TestSupport.h"
#include "core/checking/SpoglioStorico.h"

using namespace ludo;
using namespace ludo::test;

namespace {

const Colonna kA = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kB = col({11, 12, 13, 14, 15, 16, 17, 18});

TEST(SpoglioStorico, CountsWinsContestsAndDelaysPerScore) {
    // Contests: A, B, A, B, B. Column kA scores 8 on A and 0 on B; the
    // 7-point column scores 7 on A and 1 on B (it holds 18).
    const auto a = archivioDi({kA, kB, kA, kB, kB});
    const auto l = listaDi({kA, col({1, 2, 3, 4, 5, 6, 7, 18})});
    const auto esito = SpoglioStorico(l, a, tutto(a));
    ASSERT_FALSE(esito.Interrotto);
    EXPECT_EQ(esito.Concorsi, 5);

    // Wins, contests won, current and longest delay of each score: 8 waits
    // through B, B after the last A; 0 waited only for the second A.
    const auto cifre = [&](std::size_t punti) {
        const auto& p = esito.Punteggio[punti];
        return std::tuple(p.Vincite, p.Concorsi, p.RitardoAttuale, p.RitardoMassimo);
    };
    EXPECT_EQ(cifre(8), std::tuple(2, 2, 2, 2));
    EXPECT_EQ(cifre(0), std::tuple(3, 3, 0, 1));
    EXPECT_EQ(cifre(5), std::tuple(0, 0, 5, 5));
    EXPECT_EQ(esito.Punteggio[1].Vincite, 3);

    const auto righe = RigheGenerali(esito);
    ASSERT_EQ(righe.size(), 9u);
    EXPECT_EQ(righe[8], (std::array<std::string, 6>{"8", "2", "2.50", "2", "2", "0.80"}));
    EXPECT_EQ(righe[0], (std::array<std::string, 6>{"0", "3", "1.67", "0", "1", "0.00"}));
    // Never reached: frequency "0", IC 0 over the delay of 5.
    EXPECT_EQ(righe[5], (std::array<std::string, 6>{"5", "0", "0", "5", "5", "0.00"}));
    EXPECT_FALSE(RigaEvidenziata(righe[8]));
    EXPECT_EQ(esito.PuntiColonna,
              (std::vector<std::uint16_t>{1u << 8 | 1u << 0, 1u << 7 | 1u << 1}));
}

TEST(SpoglioStorico, EmptyListCountsContestsButNoWins) {
    const auto a = archivioDi({kA, kB, kA});
    const auto esito = SpoglioStorico(ListaColonne(), a, tutto(a));
    EXPECT_EQ(esito.Concorsi, 3);
    for (const auto& riga : RigheGenerali(esito))
        EXPECT_EQ(riga, (std::array<std::string, 6>{riga[0], "0", "0", "3", "3", "0.00"}));
    EXPECT_EQ(RigheDettaglio(esito).size(), 3u);
}

TEST(SpoglioStorico, IntervalSelectingNothingLeavesZeros) {
    const auto a = archivioDi({kA, kB});
    IntervalloRicerca nessuno = tutto(a);
    nessuno.Tipi = 0;  // no contest type chosen
    const auto esito = SpoglioStorico(listaDi({kA}), a, nessuno);
    EXPECT_EQ(esito.Concorsi, 0);
    EXPECT_EQ(TestoRisultatiConfronto(esito),
              "Risultati del confronto con le 0 colonne dell'archivio");
    EXPECT_TRUE(RigheDettaglio(esito).empty());
    const auto righe = RigheGenerali(esito);
    for (std::size_t k = 0; k < righe.size(); ++k)
        EXPECT_EQ(righe[k],
                  (std::array<std::string, 6>{std::to_string(k), "0", "0", "0", "0", "0"}));
}

TEST(SpoglioStorico, DetailRowTexts) {
    const auto a = archivioDi({{2023, 12, SerieC, kA}, {2023, 13, Altri, kB}});
    ListaColonne l;
    for (int i = 0; i < 12; ++i) l.Aggiungi(kA);
    l.Aggiungi(col({1, 2, 3, 4, 5, 6, 7, 11}));
    const auto righe = RigheDettaglio(SpoglioStorico(l, a, tutto(a)));
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0], (std::array<std::string, 12>{"  12", " 2023", "   C", "12", " 1", " 0",
                                                     " 0", " 0", " 0", " 0", " 0", " 0"}));
    EXPECT_EQ(righe[1], (std::array<std::string, 12>{"  13", " 2023", "   Altri", " 0", " 0", " 0",
                                                     " 0", " 0", " 0", " 0", " 1", "12"}));
}

TEST(SpoglioStorico, CancelShowsNothing) {
    const auto a = archivioDi({kA, kB, kA, kB});
    AnnullaDopo cancella(2);
    const auto esito = SpoglioStorico(listaDi({kA}), a, tutto(a), cancella);
    EXPECT_TRUE(esito.Interrotto);
    EXPECT_EQ(esito.Concorsi, 2);
}

TEST(SpoglioStorico, ExportSheetLayout) {
    const auto a = archivioDi({kA, kB});
    const auto foglio = TabellaEsportazione(SpoglioStorico(listaDi({kA}), a, tutto(a)));
    ASSERT_EQ(foglio.size(), 18u);  // rows 1..16, then one per contest
    EXPECT_EQ(foglio[0], (std::vector<std::string>{"Punteggio", "Vincite", "Freq.", "Rit. Att.",
                                                   "Rit. Max", "  IC"}));
    EXPECT_TRUE(foglio[1].empty());
    EXPECT_EQ(foglio[2][0], "0");
    EXPECT_EQ(foglio[10][0], "8");
    for (int r = 11; r <= 13; ++r) EXPECT_TRUE(foglio[static_cast<std::size_t>(r)].empty());
    EXPECT_EQ(foglio[14], (std::vector<std::string>{"Conc.", "Anno", "Tipo", " 8", " 7", " 6", " 5",
                                                    " 4", " 3", " 2", " 1", " 0"}));
    EXPECT_TRUE(foglio[15].empty());
    EXPECT_EQ(foglio[16][0], "  1");
    EXPECT_EQ(foglio[17][0], "  2");
}

TEST(SpoglioStorico, AnIcOfOneOrMoreIsHighlightedOnScreenAndInTheSheet) {
    // Scores 8 in contests 1 and 2 of 6: IC = 2/6 x 4 = 1.33.
    const auto a = archivioDi({kA, kA, kB, kB, kB, kB});
    const auto esito = SpoglioStorico(listaDi({kA}), a, tutto(a));
    const auto righe = RigheGenerali(esito);
    EXPECT_EQ(righe[8][5], "1.33");
    EXPECT_TRUE(RigaEvidenziata(righe[8]));
    EXPECT_FALSE(RigaEvidenziata(righe[0]));
    EXPECT_FALSE(RigaEvidenziata({"", "", "", "", "", "0"}));
    EXPECT_TRUE(RigaEvidenziata({"", "", "", "", "", "10.00"}));
    const auto foglio = FoglioSpoglioStorico(esito);
    ASSERT_EQ(foglio.Evidenziata.size(), foglio.Righe.size());
    // Only the row of score 8 (sheet row 11) has an IC of 1 or more.
    for (std::size_t r = 0; r < foglio.Righe.size(); ++r)
        EXPECT_EQ(foglio.Evidenziata[r], r == 10) << r;
    // Twelve sheet columns, each the longest text plus two: "Punteggio",
    // "Vincite", " 2023" and "Rit. Att." rule the first four.
    const auto& l = foglio.Larghezze;
    ASSERT_EQ(l.size(), 12u);
    EXPECT_EQ((std::array{l[0], l[1], l[2], l[3], l[11]}), (std::array{11.0, 9.0, 7.0, 11.0, 4.0}));
}

TEST(SpoglioStorico, SavesTheColumnsThatReachedTheChosenScores) {
    TempDir dir;
    const auto a = archivioDi({kA, kB});
    const Colonna sette = col({1, 2, 3, 4, 5, 6, 7, 20});
    const Colonna sei = col({11, 12, 13, 14, 15, 16, 21, 22});
    const Colonna niente = col({23, 24, 25, 26, 27, 28, 29, 30});
    const auto l = listaDi({niente, sei, kA, sette});
    const auto esito = SpoglioStorico(l, a, tutto(a));

    const auto percorso = dir / "vinte.Col";
    SalvaColonneConPunti(l, esito, 1u << 7 | 1u << 6, percorso);
    // The file is the masks in list order, little-endian.
    EXPECT_EQ(readFile(percorso), maschereLE({sei, sette}));

    SalvaColonneConPunti(l, esito, 1u << 8, percorso);
    const Bytes solo8 = maschereLE({kA});
    EXPECT_EQ(readFile(percorso), solo8);

    EXPECT_EQ(erroreDi([&] { SalvaColonneConPunti(l, esito, 0, percorso); }),
              MsgSelezionarePunteggio);
    EXPECT_EQ(readFile(percorso), solo8);
    EXPECT_EQ(erroreDi([&] { SalvaColonneConPunti(l, esito, 1u << 8, dir / "manca" / "x.Col"); }),
              MsgImpossibileSalvareColonne);
}

}  // namespace
