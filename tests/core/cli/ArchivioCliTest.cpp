#include <gtest/gtest.h>

#include <sstream>

#include "CliSupport.h"
#include "TestSupport.h"
#include "cli/Comandi.h"

using ludo::test::Bytes;

namespace {

using ludo::test::Esito;

class ArchivioCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_ / "ARCHIVI");
        // Two contests of season 2024/25 built from the record layout.
        Bytes b = {124, 1, 1};
        ludo::test::appendLE(b, 0x000000FF, 4);  // 1..8
        b.insert(b.end(), {124, 2, 2});
        ludo::test::appendLE(b, 0x80000000 | 0x7F00, 4);  // 9..15, 32
        ludo::test::writeFile(dir_ / "ARCHIVI" / "archivio.ttg", b);
    }
    Esito lancia(std::vector<std::string> argomenti) { return ludo::test::lanciaCli(dir_.path(), argomenti); }
    ludo::test::TempDir dir_;
};

}  // namespace

TEST_F(ArchivioCli, ListsContestsAndTheWholeArchiveInterval) {
    const auto e = lancia({"archivio"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out,
              R"({"concorsi":[{"anno":2024,"numero":1,"tipo":"Serie A","vincente":[1,2,3,4,5,6,7,8]},)"
              R"({"anno":2024,"numero":2,"tipo":"Serie B","vincente":[9,10,11,12,13,14,15,32]}],)"
              R"("intervallo":{"tipi":15,"annoDa":2024,"concDa":1,"annoA":2024,"concA":2},"analisiValide":true})"
              "\n");
}

TEST_F(ArchivioCli, AddChecksLikeTheDialogThenSavesInOrder) {
    auto e = lancia({"archivio", "aggiungi", "--anno", "2024", "--numero", "2", "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Il concorso è già presente in memoria.\n");

    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "30", "--vincente", "1 2 3 4 5 6 7"});
    EXPECT_EQ(e.err, "La quantità di numeri inserita è diversa da 8.\n");
    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "30", "--vincente", "1 2 3 4 5 6 7 33"});
    EXPECT_EQ(e.stato, 1);
    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "300", "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(ludo::test::readFile(dir_ / "ARCHIVI" / "archivio.ttg").size(), 14u) << "refusals change nothing";

    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "30", "--tipo", "C", "--vincente",
                "32 31 30 29 28 27 26 25"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const Bytes file = ludo::test::readFile(dir_ / "ARCHIVI" / "archivio.ttg");
    ASSERT_EQ(file.size(), 21u);
    EXPECT_EQ((Bytes(file.begin(), file.begin() + 7)), (Bytes{123, 30, 4, 0, 0, 0, 0xFF})) << "sorted first";
}

TEST_F(ArchivioCli, DeleteRemovesTheContestOrExplainsWhy) {
    auto e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "7"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Il concorso non è presente in archivio.\n");

    e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const Bytes file = ludo::test::readFile(dir_ / "ARCHIVI" / "archivio.ttg");
    ASSERT_EQ(file.size(), 7u);
    EXPECT_EQ(file[1], 2);
}

TEST_F(ArchivioCli, AnUnreadableArchiveIsReported) {
    std::filesystem::remove(dir_ / "ARCHIVI" / "archivio.ttg");
    const auto e = lancia({"archivio"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Impossibile Caricare L'Archivio.\n");
}

TEST_F(ArchivioCli, AnalysesListTheTwentySixTablesAndFollowEveryEdit) {
    auto e = lancia({"archivio", "analisi"});
    ASSERT_EQ(e.stato, 0) << e.err;
    // 1..8 and 9..15 32 both have 4 even numbers.
    EXPECT_EQ(e.out.rfind(R"([{"condizione":"Pari e Dispari","modo":0,"tabella":"Pari","maxValore":8,)"
                          R"("numConcorsi":2,"punti":[{"frequenza":0,"ritardo":2,"ritardoMax":2},)",
                          0),
              0u)
        << e.out.substr(0, 200);
    EXPECT_NE(e.out.find(R"({"frequenza":0,"ritardo":2,"ritardoMax":2},{"frequenza":2,"ritardo":0,"ritardoMax":0},)"
                         R"({"frequenza":0,"ritardo":2,"ritardoMax":2})"),
              std::string::npos)
        << "3, 4 and 5 even numbers";
    std::size_t tabelle = 0;
    for (auto p = e.out.find("\"tabella\""); p != std::string::npos; p = e.out.find("\"tabella\"", p + 1)) ++tabelle;
    EXPECT_EQ(tabelle, 26u);
    EXPECT_NE(e.out.find(R"("condizione":"Interruzioni","modo":1,"tabella":"Globali")"), std::string::npos);
    EXPECT_NE(e.out.find(R"("condizione":"Vortice","modo":0,"tabella":"Bracci")"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ARCHIVI" / "archdb.ttg")) << "computed, not saved";

    e = lancia({"archivio", "aggiungi", "--anno", "2024", "--numero", "3", "--vincente", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    ASSERT_TRUE(std::filesystem::exists(dir_ / "ARCHIVI" / "archdb.ttg"));
    e = lancia({"archivio", "analisi"});
    EXPECT_NE(e.out.find(R"("tabella":"Pari","maxValore":8,"numConcorsi":3,)"), std::string::npos);
    EXPECT_NE(e.out.find(R"("tabella":"Una Prec.","maxValore":8,"numConcorsi":1,)"), std::string::npos);

    e = lancia({"archivio", "analizza"});
    EXPECT_TRUE(e.err.starts_with("Sottocomando sconosciuto: analizza (aggiungi, elimina, analisi).\nUso: "))
        << e.err;
}
