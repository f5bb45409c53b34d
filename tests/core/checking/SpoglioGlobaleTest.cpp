#include "core/checking/SpoglioGlobale.h"

#include "TestSupport.h"

namespace {

using ludo::Colonna;

constexpr Colonna kVincente = 0x000000FFU;  // 1..8

// One slip with an 8 and a 7, an integral of 1..10 (45 columns: one 8, 16
// sevens, 28 sixes) and two systems.
ludo::TArchivioGiocate Giocate() {
    ludo::TArchivioGiocate g(12);
    g.AggiungiSchedina({0x000000FFU, 0x000001FEU, 0, 0, 0, 0});
    g.AggiungiIntegrale(0x3FF);
    g.AggiungiSistema(12, ludo::test::listaDi({0x000000FFU, 0x0000017FU}), {45000.0, 0.75});
    g.AggiungiSistema(10, ludo::test::listaDi({0x00FF0000U}), {45001.5, 0.0});
    g.Spoglio(kVincente);
    return g;
}

}  // namespace

TEST(SpoglioGlobale, SummaryAddsTheThreeKinds) {
    const auto righe = ludo::RigheRiepilogo(Giocate());
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0], (std::array<std::string, 5>{"  Schedine Normali", "1", "1", "1", "0"}));
    EXPECT_EQ(righe[1], (std::array<std::string, 5>{"  Sistemi Integrali", "1", "1", "16", "28"}));
    EXPECT_EQ(righe[2], (std::array<std::string, 5>{"  Sistemi Ridotti", "2", "1", "1", "0"}));
    EXPECT_EQ(righe[3], (std::array<std::string, 5>{"  Totale Vincite", "4", "3", "18", "28"}));
    EXPECT_EQ(ludo::RigheRiepilogo(Giocate(), true)[3][0], "   Totale Vincite");
}

TEST(SpoglioGlobale, SystemRowsCarryDateTimeAndTheirOwnWins) {
    const auto righe = ludo::RigheSistemi(Giocate());
    ASSERT_EQ(righe.size(), 2u);
    // Day 45000 after 30 December 1899 is 15 March 2023.
    EXPECT_EQ(righe[0],
              (std::array<std::string, 7>{"12", "2", "15/03/2023", "18:00:00", "1", "1", "0"}));
    EXPECT_EQ(righe[1],
              (std::array<std::string, 7>{"10", "1", "16/03/2023", "00:00:00", "0", "0", "0"}));
}

TEST(SpoglioGlobale, PrintoutTableAndHeadings) {
    const auto t = ludo::TabellaStampaGlobale(Giocate());
    ASSERT_EQ(t.size(), 8u);  // headings, four kinds, headings, two systems
    EXPECT_EQ(t[0], (std::vector<std::string>{"          Tipo di Giocata", "    Numero di Giocate",
                                              "", "  8", "  7", "  6"}));
    EXPECT_EQ(t[1], (std::vector<std::string>{"   Schedine Normali", "1", "", "1", "1", "0"}));
    EXPECT_EQ(t[5], (std::vector<std::string>{"Num.", "Colonne", "Data", "  8", "  7", "  6"}));
    EXPECT_EQ(t[6], (std::vector<std::string>{"12", "2", "15/03/2023", "1", "1", "0"}));
    EXPECT_EQ(ludo::TitoloSistemiConcorso(12),
              "Elenco delle vincite dei sistemi ridotti giocati nel concorso Nº 12");
}
