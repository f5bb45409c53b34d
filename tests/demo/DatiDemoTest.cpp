#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DatiDemo.h"

using namespace ludo;
using namespace ludo::demo;

namespace {

const std::filesystem::path kSorgenti = std::filesystem::path(LUDO_SOURCE_DIR) / "tools/demo/sources/openfootball-italy";
const std::filesystem::path kDati = std::filesystem::path(LUDO_SOURCE_DIR) / "data";

Colonna maschera(std::initializer_list<int> numeri) {
    Colonna m = 0;
    for (int n : numeri) m |= Colonna{1} << (n - 1);
    return m;
}

ArchivioConcorsi archivioSpedito() {
    ArchivioConcorsi a;
    std::ifstream in(kDati / "ARCHIVI" / NomeFileArchivio, std::ios::binary);
    EXPECT_TRUE(in.good());
    EXPECT_TRUE(a.LeggiConcorsi(in));
    return a;
}

}  // namespace

TEST(RisultatiTxt, ReadsMatchdaysScoresAndUnplayedMatches) {
    std::istringstream in(
        "= Italian Serie B 2024/25\n"
        "# Teams      20\n\n"
        "\xE2\x96\xAA Matchday 1\n"
        "  Fri Aug 16 2024\n"
        "    20:30  US Salernitana 1919     v Frosinone Calcio         [postponed]\n"
        "           Spezia Calcio           v US Cremonese\n"
        "    18:00  UC AlbinoLeffe          v Caldiero Terme           2-3 (1-1)\r\n"
        "\xE2\x96\xAA 2. Round\n"
        "           Feralpisal\xC3\xB2             v Novara Calcio            0-0\n"
        "\xE2\x96\xAA Matchday 1\n"
        "           Genoa CFC               v FC Internazionale Milano  2-2 (1-1)\n");
    const auto giornate = LeggiCampionato(in);
    ASSERT_EQ(giornate.size(), 2u);
    ASSERT_EQ(giornate[0].partite.size(), 4u) << "a repeated heading adds to its matchday";
    EXPECT_EQ(giornate[0].partite[3].ospite, "FC Internazionale Milano");
    EXPECT_EQ(giornate[0].partite[0].casa, "US Salernitana 1919");
    EXPECT_EQ(giornate[0].partite[0].ospite, "Frosinone Calcio");
    EXPECT_FALSE(giornate[0].partite[0].giocata());
    EXPECT_EQ(giornate[0].partite[1].ospite, "US Cremonese");
    EXPECT_EQ(giornate[0].partite[2].golCasa, 2);
    EXPECT_EQ(giornate[0].partite[2].golOspite, 3);
    EXPECT_EQ(giornate[1].numero, 2);
    EXPECT_EQ(giornate[1].partite[0].casa, "Feralpisal\xC3\xB2");
}

TEST(RisultatiTxt, LongNamesLoseClubFormsThenGetCut) {
    EXPECT_EQ(NomeBreve("Genoa CFC"), "Genoa CFC");
    EXPECT_EQ(NomeBreve("US Salernitana 1919 Calcio"), "Salernitana Calcio");
    EXPECT_EQ(NomeBreve("FC Internazionale Milano"), "Internazionale Milan");
}

// Matchday 1 of 2024/25 worked out by hand from the result files: the 32
// coupon matches and their goals, ranked by total then away goals then number.
TEST(DatiDemo, FirstMatchdayRankedByHand) {
    const auto stagione = LeggiStagione(kSorgenti, 2024);
    const auto partite = PartiteDelConcorso(stagione, 1);
    ASSERT_TRUE(partite.has_value());
    ASSERT_EQ(partite->size(), 32u);
    EXPECT_EQ((*partite)[0].casa, "Genoa CFC");  // first Serie A match
    EXPECT_EQ((*partite)[20].casa, "Feralpisal\xC3\xB2");  // first Serie C group A match
    // Goals (total, away): 31 Pianese-Perugia 3-3 (6); 22 AlbinoLeffe-Caldiero
    // 2-3 and 30 Legnago-Pontedera 2-3 (5, 3 away: lower number first);
    // 9 Lecce-Atalanta 0-4 (4, 4 away); 12 Bari-Juve Stabia 1-3 (4, 3 away);
    // then the 2-2 draws by number: 1 Genoa-Inter, 4 Milan-Torino, 13 Pisa-Spezia.
    const auto ordine = ClassificaPartite(GolDelConcorso(*partite));
    EXPECT_EQ((std::vector<int>(ordine.begin(), ordine.begin() + 8)), (std::vector<int>{31, 22, 30, 9, 12, 1, 4, 13}));
    const auto c = ConcorsoDellaGiornata(stagione, 1);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->Vincente, maschera({1, 4, 9, 12, 13, 22, 30, 31}));
    EXPECT_EQ(archivioSpedito()[0], *c);
}

TEST(DatiDemo, ShippedArchiveMatchesTheResults) {
    const auto archivio = archivioSpedito();
    const auto stagione = LeggiStagione(kSorgenti, 2024);
    ASSERT_GE(archivio.Conteggio(), 30u);
    for (int giornata : {1, 20}) {
        const auto atteso = ConcorsoDellaGiornata(stagione, giornata);
        ASSERT_TRUE(atteso.has_value()) << giornata;
        const auto indice = archivio.Indice(2024, static_cast<std::uint8_t>(giornata));
        ASSERT_TRUE(indice.has_value()) << giornata;
        EXPECT_EQ(archivio[*indice], *atteso) << giornata;
        EXPECT_EQ(NumeroNumeri(archivio[*indice].Vincente), 8);
    }
    for (const auto& c : archivio.Concorsi()) {
        EXPECT_EQ(c.Anno, 2024);
        EXPECT_EQ(c.TipoConcorso, SerieA);
        EXPECT_EQ(NumeroNumeri(c.Vincente), 8) << int(c.NumConcorso);
    }
}

TEST(DatiDemo, ShippedAnalysisTablesAreThoseOfTheShippedArchive) {
    ArchivioConcorsi archivio;
    IntervalloRicerca intervallo;
    ASSERT_TRUE(archivio.Carica(kDati / "ARCHIVI", intervallo)) << "both files read in full";
    ArchivioConcorsi ricalcolato = archivio;
    ricalcolato.RicalcolaAnalisi();
    EXPECT_TRUE(archivio.Analisi == ricalcolato.Analisi);
    EXPECT_EQ(static_cast<std::size_t>(archivio.Analisi.Tabella(0).NumConcorsi()), archivio.Conteggio());
}

TEST(DatiDemo, ShippedCouponAndTeamLists) {
    Schedina schedina;
    CaricaSchedina(schedina, kDati / "Schedine" / "ultimasch.gsc");
    const auto stagione = LeggiStagione(kSorgenti, 2024);
    const auto attesa = SchedinaUltimaGiornataCompleta(stagione);
    ASSERT_TRUE(attesa.has_value());
    EXPECT_EQ(schedina, *attesa);
    for (const auto& p : schedina.Squadre) {
        EXPECT_FALSE(p.Casa.empty());
        EXPECT_FALSE(p.Ospite.empty());
    }

    ListeSquadre liste;
    EXPECT_TRUE(liste.Carica(kDati).empty());
    EXPECT_EQ(liste[Serie::A].Nomi().size(), 20u);
    EXPECT_EQ(liste[Serie::B].Nomi().size(), 20u);
    EXPECT_EQ(liste[Serie::C1].Nomi().size(), 40u);
    EXPECT_EQ(liste[Serie::C2].Nomi().size(), 20u);
}
