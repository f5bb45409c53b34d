// The archive statistics from the command line, over the search interval
// stored in the program folder's configuration.
#include <gtest/gtest.h>

#include "CliSupport.h"
#include "TestSupport.h"
#include "core/system/Configurazione.h"
#include "core/system/T_Sistema.h"

using ludo::test::Bytes;
using ludo::test::col;

namespace {

class StatisticheCli : public ::testing::Test {
protected:
    void SetUp() override {
        // Three contests of season 2024/25.
        ludo::test::scriviArchivio(dir_.path(), 2024,
                                   {col({1, 2, 3, 4, 5, 6, 7, 8}), col({1, 2, 3, 4, 9, 10, 11, 12}),
                                    col({20, 21, 22, 23, 24, 25, 26, 27})});
    }
    ludo::test::Esito lancia(std::vector<std::string> argomenti) {
        return ludo::test::lanciaCli(dir_.path(), argomenti);
    }
    // Stores a search interval starting from contest `da` of 2024.
    void memorizzaIntervalloDa(int da) {
        auto config = ludo::ConfigurazioneIniziale(dir_.path());
        config.Ricerca.Intervallo = {15, 2024, 2024, da, 3};
        ludo::SalvaConfigurazione(config, dir_.path());
    }
    std::string sistema(ludo::Colonna pronostico) {
        ludo::T_Sistema s(dir_.path());
        s.Dati->Pronostico = pronostico;
        const auto file = (dir_ / "prova.LDS").string();
        s.Salva(file);
        return file;
    }
    ludo::test::TempDir dir_;
};

TEST_F(StatisticheCli, GroupRowsOverTheStoredInterval) {
    auto e = lancia({"gruppo", "--numeri", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find(R"({"esaminati":3,"righe":[{"punteggio":0,"uscite":1,"frequenza":"3.0","ritardo_attuale":0,)"),
              std::string::npos)
        << e.out;
    EXPECT_NE(e.out.find(R"({"punteggio":8,"uscite":1,"frequenza":"3.0","ritardo_attuale":2,"ritardo_massimo":2,)"
                         R"("ic":"0.67","evidenziata":false})"),
              std::string::npos)
        << e.out;

    memorizzaIntervalloDa(2);
    e = lancia({"gruppo", "--numeri", "1 2 3 4 5 6 7 8"});
    EXPECT_NE(e.out.find(R"({"esaminati":2,)"), std::string::npos) << e.out;

    e = lancia({"gruppo", "--numeri", "1 2 40"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "La colonna deve contenere numeri da 1 a 32 separati da spazi.\n");
}

TEST_F(StatisticheCli, FixedNumberRankingAndItsOptions) {
    auto e = lancia({"fisse", "--quante", "2", "--ordine", "frequenza"});
    ASSERT_EQ(e.stato, 0) << e.err;
    // 3 and 4 won together twice in three contests, the last one ago: IC 1 / (3 / 2).
    EXPECT_EQ(e.out.rfind(R"({"classifica":[{"numeri":[3,4],"frequenza":2,"ritardo":1,"ic":0.666)", 0), 0u) << e.out;
    EXPECT_NE(e.out.find(R"("celle":[" 1","3  4  ","2","1","0.67"]})"), std::string::npos);
    EXPECT_EQ(lancia({"fisse", "--quante", "4"}).stato, 1);
    e = lancia({"fisse", "--ordine", "caso"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "L'ordine deve essere ic, frequenza o ritardo.\n");
}

TEST_F(StatisticheCli, NumberRecords) {
    const auto e = lancia({"numeri"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find(R"({"numero":1,"frequenza":2,"ritardo_attuale":1,"ritardo_massimo":1,"ic":"0.67",)"
                         R"("frequenza_annuale":2,"consecutivi_attuali":0,"consecutivi_massimi":2})"),
              std::string::npos)
        << e.out;
    EXPECT_NE(e.out.find(R"({"numero":32,"frequenza":0,"ritardo_attuale":3,)"), std::string::npos);
}

TEST_F(StatisticheCli, SystemRecordAndStatisticalForecast) {
    const auto file = sistema(col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    auto e = lancia({"statistica", file});
    ASSERT_EQ(e.stato, 0) << e.err;
    // No condition: every contest is won.
    EXPECT_EQ(e.out.rfind(R"({"stato":"Concorsi Esaminati : 3 Su 3","esaminati":3,"concorsi":3,)"
                          R"("categorie":[{"vincite":3,"percentuale":100,"ciclo_medio":"1.00",)",
                          0),
              0u)
        << e.out;

    memorizzaIntervalloDa(3);
    e = lancia({"pronostico-statistico", file, "--partite", "2", "--azzera", "--out", file});
    ASSERT_EQ(e.stato, 0) << e.err;
    // Contest 3 alone: 20..27 have IC 0, every other number too; the
    // highest numbers come first among equals.
    EXPECT_EQ(e.out, R"({"pronostico":[31,32],"fisse":[]})"
                     "\n");
    ludo::T_Sistema riletto(dir_.path());
    riletto.Carica(file);
    EXPECT_EQ(riletto.Dati->Pronostico, col({31, 32}));

    EXPECT_EQ(lancia({"pronostico-statistico", file, "--partite", "0"}).stato, 1);
    EXPECT_EQ(lancia({"statistica"}).err,
              "Manca il nome del file del sistema.\nUso: ludomatic-cli statistica FILE.LDS\n");
}

TEST_F(StatisticheCli, AnUnreadableArchiveIsReported) {
    std::filesystem::remove(dir_ / "ARCHIVI" / "archivio.ttg");
    const auto e = lancia({"numeri"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Impossibile Caricare L'Archivio.\n");
}

}  // namespace
