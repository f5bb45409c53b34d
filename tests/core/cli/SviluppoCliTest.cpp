#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "TestSupport.h"
#include "cli/Comandi.h"
#include "core/columns/FileColonne.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

using namespace ludo;

namespace {

class SviluppoCli : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto s : io::kSottocartelle) std::filesystem::create_directories(dir_ / std::string(s));
        T_Sistema s(dir_.path());
        s.Dati->Pronostico = 0xFFF;  // 12 numbers: 495 columns
        s.Salva(dir_ / "SISTEMI" / "dodici.LDS");
    }
    int lancia(std::vector<std::string> argomenti, std::string& out, std::string& err) {
        std::ostringstream o;
        std::ostringstream e;
        const int stato = ludo::cli::esegui(argomenti, dir_.path(), o, e);
        out = o.str();
        err = e.str();
        return stato;
    }
    ludo::test::TempDir dir_;
};

}  // namespace

TEST_F(SviluppoCli, DevelopsAndReducesInBatch) {
    std::string out;
    std::string err;
    const auto tutte = (dir_ / "COLONNE" / "tutte.Col").string();
    ASSERT_EQ(lancia({"sviluppa", (dir_ / "SISTEMI" / "dodici.LDS").string(), "--out", tutte}, out, err), 0) << err;
    EXPECT_NE(out.find(R"("totale":495,"esaminate":495,"accettate":495,"finali":495,"colonne_sviluppate":495)"),
              std::string::npos)
        << out;
    ListaColonne lette;
    ASSERT_TRUE(LeggiFile(lette, std::filesystem::path(tutte), false));
    EXPECT_EQ(lette.Conteggio(), 495u);

    const auto ridotte = (dir_ / "COLONNE" / "ridotte.Col").string();
    ASSERT_EQ(lancia({"riduci", tutte, "--garanzia", "7", "--out", ridotte}, out, err), 0) << err;
    ASSERT_TRUE(LeggiFile(lette, std::filesystem::path(ridotte), false));
    EXPECT_GT(lette.Conteggio(), 0u);
    EXPECT_LT(lette.Conteggio(), 495u);
    EXPECT_NE(out.find(R"("finali":)" + std::to_string(lette.Conteggio())), std::string::npos) << out;

    const auto ottimizzate = (dir_ / "COLONNE" / "ottimizzate.Col").string();
    ASSERT_EQ(lancia({"riduci", tutte, "--garanzia", "7", "--ottimizzata", "--out", ottimizzate}, out, err), 0) << err;
    const auto migliorate = (dir_ / "COLONNE" / "migliorate.Col").string();
    ASSERT_EQ(lancia({"riduci", tutte, "--garanzia", "7", "--migliorata", "--secondi", "2", "--seme", "5", "--out",
                      migliorate},
                     out, err),
              0)
        << err;
    ListaColonne greedy;
    ASSERT_TRUE(LeggiFile(greedy, std::filesystem::path(ottimizzate), false));
    ASSERT_TRUE(LeggiFile(lette, std::filesystem::path(migliorate), false));
    EXPECT_LE(lette.Conteggio(), greedy.Conteggio());
    for (Colonna c = 0; c < 0x1000; ++c) {
        if (NumeroNumeri(c) != 8) continue;
        EXPECT_TRUE(std::any_of(lette.begin(), lette.end(), [&](Colonna k) { return NumeriComuni(c, k) >= 7; }));
    }
    EXPECT_EQ(lancia({"riduci", tutte, "--garanzia", "7", "--migliorata", "--secondi", "0", "--out", migliorate}, out,
                     err),
              1)
        << "at least one second";

    EXPECT_EQ(lancia({"riduci", tutte, "--garanzia", "5", "--out", ridotte}, out, err), 1);
    EXPECT_EQ(lancia({"riduci", (dir_ / "manca.Col").string(), "--out", ridotte}, out, err), 1);
    EXPECT_EQ(err, "Impossibile Caricare il File di Combinazioni\n");
    EXPECT_EQ(lancia({"sviluppa", (dir_ / "SISTEMI" / "dodici.LDS").string(), "--stimato"}, out, err), 0);
    EXPECT_NE(out.find(R"("finali":495)"), std::string::npos) << out;
}
