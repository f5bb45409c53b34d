// The check commands: a column file against a typed winning column, and
// against the contests of the stored search interval.
#include <gtest/gtest.h>

#include "CliSupport.h"
#include "TestSupport.h"
#include "core/system/Configurazione.h"
#include "core/system/T_Sistema.h"

using ludo::test::Bytes;
using ludo::test::col;

namespace {

class SpoglioCli : public ::testing::Test {
protected:
    void SetUp() override {
        ludo::test::scriviArchivio(dir_.path(), 2023,
                                   {col({1, 2, 3, 4, 5, 6, 7, 8}), col({11, 12, 13, 14, 15, 16, 17, 18}),
                                    col({1, 2, 3, 4, 5, 6, 7, 8})});
        // A 10-number integral column and a 7-point column.
        Bytes colonne;
        ludo::test::appendLE(colonne, col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 4);
        ludo::test::appendLE(colonne, col({1, 2, 3, 4, 5, 6, 7, 18}), 4);
        ludo::test::writeFile(dir_ / "gioco.Col", colonne);
    }
    ludo::test::Esito lancia(std::vector<std::string> argomenti) {
        return ludo::test::lanciaCli(dir_.path(), argomenti);
    }
    std::string file(const std::string& nome) { return (dir_ / nome).string(); }
    ludo::test::TempDir dir_;
};

TEST_F(SpoglioCli, CountsExpandedColumnsAndListsWrongConditions) {
    auto e = lancia({"spoglio", file("gioco.Col"), "--vincente", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"punti\":[0,0,0,0,0,0,28,17,1]}\n");

    ludo::T_Sistema s(dir_.path());
    s.Dati->Pronostico = col({1, 2, 3, 4, 5, 6, 7, 9, 10});
    s.Salva(file("prova.LDS"));
    e = lancia({"spoglio", file("gioco.Col"), "--vincente", "1 2 3 4 5 6 7 8", "--sistema", file("prova.LDS")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("\"condizioni_sbagliate\":[\"Pronostico\"]"), std::string::npos) << e.out;
}

TEST_F(SpoglioCli, RefusesBadWinningColumnsAndFiles) {
    auto e = lancia({"spoglio", file("gioco.Col"), "--vincente", "1 2 3 4 5 6 7 8 9"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Sono Stati Inseriti Più di 8 Numeri\n");
    e = lancia({"spoglio", file("gioco.Col"), "--vincente", "1 2 3"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("8 numeri"), std::string::npos);
    e = lancia({"spoglio", file("manca.Col"), "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Impossibile Caricare Il File Colonnare\n");
    e = lancia({"spoglio-storico", file("manca.Col")});
    EXPECT_EQ(e.err, "Impossibile Caricare Il File Colonnare\n");
}

TEST_F(SpoglioCli, HistoricalCheckOverTheStoredIntervalAndSaving) {
    auto e = lancia({"spoglio-storico", file("gioco.Col")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("\"colonne_analizzate\":2,\"concorsi\":3,"
                         "\"titolo\":\"Risultati del confronto con le 3 colonne dell'archivio\""),
              std::string::npos)
        << e.out;
    // The integral column holds the 8 winning numbers of contests 1 and 3.
    EXPECT_NE(e.out.find(R"({"punteggio":"8","vincite":"2","frequenza":"1.50","ritardo_attuale":"0",)"
                         R"("ritardo_massimo":"1","ic":"0.00","evidenziata":false})"),
              std::string::npos)
        << e.out;
    EXPECT_NE(e.out.find(R"(["  2"," 2023","   A"," 0"," 0"," 0"," 0"," 0"," 0"," 0"," 1"," 1"])"),
              std::string::npos)
        << e.out;

    // From contest 2 on only.
    auto config = ludo::ConfigurazioneIniziale(dir_.path());
    config.Ricerca.Intervallo = {15, 2023, 2023, 2, 3};
    ludo::SalvaConfigurazione(config, dir_.path());
    e = lancia({"spoglio-storico", file("gioco.Col"), "--salva", file("sette.Col"), "--punti", "7"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("\"concorsi\":2,"), std::string::npos) << e.out;
    EXPECT_NE(e.out.find("\"salvate\":1"), std::string::npos) << e.out;
    Bytes attesi;
    ludo::test::appendLE(attesi, col({1, 2, 3, 4, 5, 6, 7, 18}), 4);
    EXPECT_EQ(ludo::test::readFile(dir_ / "sette.Col"), attesi);

    e = lancia({"spoglio-storico", file("gioco.Col"), "--punti", "7"});
    EXPECT_EQ(e.stato, 1);
}

}  // namespace
