#include <gtest/gtest.h>

#include "CliSupport.h"
#include "TestSupport.h"
#include "core/columns/GeneraColonne.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using ludo::test::appendLE;
using ludo::test::col;
using ludo::test::lanciaCli;

namespace {

class GaranzieCli : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto s : io::kSottocartelle)
            std::filesystem::create_directories(dir_ / std::string(s));
        T_Sistema s(dir_.path());
        s.Dati->Config.SalvaColonne = true;
        s.Dati->Pronostico = 0xFFF;
        GeneraColonne(0xFFF, 8, NessunAvanzamento(),
                      [&](Colonna c) { s.Dati->Colonne.Aggiungi(c); });
        s.Salva(sistema());
        s.Dati->Colonne.Svuota();
        s.Dati->Fisse = col({20});  // outside the forecast: refuses every result
        s.Salva(dir_ / "SISTEMI" / "fissa.LDS");
    }
    [[nodiscard]] std::string sistema() const { return (dir_ / "SISTEMI" / "dodici.LDS").string(); }
    void scriviCol(const std::string& nome, std::initializer_list<Colonna> maschere) {
        ludo::test::Bytes b;
        for (const Colonna c : maschere) appendLE(b, c, 4);
        ludo::test::writeFile(dir_ / "COLONNE" / nome, b);
    }
    ludo::test::TempDir dir_;
};

}  // namespace

TEST_F(GaranzieCli, TablesOfTheFullDevelopmentForEachError) {
    const auto e = lanciaCli(dir_.path(), {"garanzie", "--memoria", sistema(), "--pronostico",
                                           "1 2 3 4 5 6 7 8 9 10 11 12", "--errori", "0,1,2"});
    ASSERT_EQ(e.stato, 0) << e.err;
    // Every result of 8 is one of the columns; 32 columns differ from it in
    // one number, 168 in two. A result of 7 lies in 5 columns, one of 6 in 15.
    EXPECT_NE(
        e.out.find(
            R"("8":{"righe":[{"p8":1,"p7":32,"p6":168,"percentuale":100}],)"
            R"("griglia":[["   1","   32","   168","100.000     "],)"
            R"(["-------","-------","-------","Tot. 100.000"],["","","",""],["","","","Tot. 100.000"]]})"),
        std::string::npos)
        << e.out;
    EXPECT_NE(e.out.find(R"("7":{"righe":[{"p8":0,"p7":5,"p6":70,"percentuale":100}])"),
              std::string::npos);
    EXPECT_NE(e.out.find(R"("6":{"righe":[{"p8":0,"p7":0,"p6":15,"percentuale":100}])"),
              std::string::npos);
    EXPECT_NE(e.out.find(R"("annullato":false)"), std::string::npos);

    const auto soloZero = lanciaCli(dir_.path(), {"garanzie", "--memoria", sistema(),
                                                  "--pronostico", "1 2 3 4 5 6 7 8 9 10 11 12"});
    EXPECT_EQ(soloZero.out.find(R"("7":)"), std::string::npos)
        << "only the no-error table by default";

    const auto rifiutate =
        lanciaCli(dir_.path(),
                  {"garanzie", "--memoria", sistema(), "--pronostico", "1 2 3 4 5 6 7 8 9 10 11 12",
                   "--condizioni", (dir_ / "SISTEMI" / "fissa.LDS").string()});
    ASSERT_EQ(rifiutate.stato, 0) << rifiutate.err;
    EXPECT_NE(rifiutate.out.find(
                  R"("8":{"righe":[],"griglia":[["","","",""],["","","","Tot.   0.000"]]})"),
              std::string::npos)
        << rifiutate.out;
}

TEST_F(GaranzieCli, ColumnFilesAndBadRequests) {
    scriviCol("dieci.Col", {col({2, 5, 7, 11, 13, 17, 19, 23, 29, 31})});
    scriviCol("vincente.Col", {col({2, 5, 7, 11, 13, 17, 19, 23})});
    auto e = lanciaCli(dir_.path(),
                       {"garanzie", "--colonne", "dieci.Col", "--confronto", "vincente.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(
        e.out.find(
            R"({"annullato":false,"tabelle":{"8":{"righe":[{"p8":1,"p7":16,"p6":28,"percentuale":100}])"),
        std::string::npos)
        << e.out;

    const std::string dodici = "1 2 3 4 5 6 7 8 9 10 11 12";
    const std::vector<std::pair<std::vector<std::string>, std::string>> errate = {
        {{"garanzie", "--pronostico", dodici},
         "Indicare le colonne da esaminare con --memoria FILE.LDS oppure "
         "--colonne FILE.Col.\n"},
        {{"garanzie", "--memoria", sistema()},
         "Indicare i risultati con --pronostico \"n1 … nk\" oppure con "
         "--confronto FILE.Col.\n"},
        {{"garanzie", "--memoria", sistema(), "--pronostico", "1 2 3 4 5 6 7"},
         "Il pronostico deve contenere almeno 8 partite.\n"},
        {{"garanzie", "--memoria", sistema(), "--pronostico", dodici, "--errori", "0,3"},
         "Valore non valido per --errori: deve essere un numero da 0 a 2.\n"},
        {{"garanzie", "--memoria", sistema(), "--pronostico", dodici, "--errori", "1",
          "--condizioni", sistema()},
         "Le condizioni si applicano solo senza errori sul pronostico.\n"},
        {{"garanzie", "--memoria", (dir_ / "SISTEMI" / "fissa.LDS").string(), "--pronostico",
          dodici},
         "Il sistema non contiene colonne.\n"},
        {{"garanzie", "--colonne", "dieci.Col", "--confronto", "manca.Col"},
         "Impossibile caricare il file\n"},
    };
    for (const auto& [argomenti, messaggio] : errate) {
        e = lanciaCli(dir_.path(), argomenti);
        EXPECT_EQ(e.stato, 1) << argomenti.back();
        EXPECT_EQ(e.err, messaggio);
        EXPECT_TRUE(e.out.empty());
    }
    EXPECT_NE(lanciaCli(dir_.path(), {"--help"})
                  .out.find("  garanzie (--memoria FILE.LDS | --colonne FILE.Col)"),
              std::string::npos);
}
