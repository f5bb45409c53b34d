// Development, reduction and guarantees in batch.

#include "CliSupport.h"
#include "core/columns/FileColonne.h"

using namespace ludo;
using namespace ludo::test;

namespace {

class SviluppoCli : public CliTest {
  protected:
    [[nodiscard]] std::size_t colonneIn(const std::string& nome) const {
        ListaColonne lette;
        EXPECT_TRUE(LeggiFile(lette, dir_ / "COLONNE" / nome, false)) << nome;
        return lette.Conteggio();
    }
    const std::string dodici_ = sistema("SISTEMI/dodici.LDS", 0xFFF);  // 495 columns
};

// The 495 columns of 1..12 kept in a system, a system whose fixed 20 lies
// outside the forecast, and two column files.
class GaranzieCli : public CliTest {
  protected:
    void SetUp() override {
        T_Sistema s(dir_.path());
        s.Dati->Config.SalvaColonne = true;
        s.Dati->Pronostico = 0xFFF;
        s.Dati->Colonne = listaDi(sottoinsiemi(0xFFF, 8));
        s.Salva(memoria_);
        s.Dati->Colonne.Svuota();
        s.Dati->Fisse = col({20});
        s.Salva(fissa_);
        writeFile(dir_ / "COLONNE" / "dieci.Col",
                  maschereLE({col({2, 5, 7, 11, 13, 17, 19, 23, 29, 31})}));
        writeFile(dir_ / "COLONNE" / "vincente.Col",
                  maschereLE({col({2, 5, 7, 11, 13, 17, 19, 23})}));
    }
    const std::string memoria_ = file("SISTEMI/dodici.LDS");
    const std::string fissa_ = file("SISTEMI/fissa.LDS");
    const std::string pronostico_ = "1 2 3 4 5 6 7 8 9 10 11 12";
};

}  // namespace

TEST_F(SviluppoCli, DevelopsAndReducesInBatch) {
    auto e = lancia({"sviluppa", dodici_, "--out", "tutte.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(
        e.out,
        HasSubstr(
            R"("totale":495,"esaminate":495,"accettate":495,"finali":495,"colonne_sviluppate":495)"));
    EXPECT_EQ(colonneIn("tutte.Col"), 495u);

    e = lancia({"riduci", "tutte.Col", "--garanzia", "7", "--out", "ridotte.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr(R"("finali":)" + std::to_string(colonneIn("ridotte.Col")) + ","));

    e = lancia(
        {"riduci", "tutte.Col", "--garanzia", "7", "--ottimizzata", "--out", "ottimizzate.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    e = lancia({"riduci", "tutte.Col", "--garanzia", "7", "--migliorata", "--secondi", "2",
                "--seme", "5", "--out", "migliorate.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(lancia({"riduci", "tutte.Col", "--garanzia", "7", "--migliorata", "--secondi", "0",
                      "--out", "m.Col"})
                  .stato,
              1)
        << "at least one second";

    EXPECT_EQ(lancia({"riduci", "tutte.Col", "--garanzia", "5", "--out", "ridotte.Col"}).stato, 1);
    rifiuta({"riduci", file("manca.Col"), "--out", "ridotte.Col"},
            "Impossibile Caricare il File di Combinazioni");
    e = lancia({"sviluppa", dodici_, "--stimato"});
    EXPECT_EQ(e.stato, 0);
    EXPECT_THAT(e.out, HasSubstr(R"("finali":495)"));
}

TEST_F(GaranzieCli, TablesForEachErrorOrForAComparisonFile) {
    auto e = lancia(
        {"garanzie", "--memoria", memoria_, "--pronostico", pronostico_, "--errori", "0,1,2"});
    ASSERT_EQ(e.stato, 0) << e.err;
    // Every result of 8 is one of the columns; 32 columns differ from it in one number, 168 in two.
    EXPECT_THAT(
        e.out,
        StartsWith(R"({"annullato":false,"tabelle":{"8":{"righe":[{"p8":1,"p7":32,"p6":168,)"
                   R"("percentuale":100}],"griglia":[["   1","   32","   168","100.000     "],)"));
    EXPECT_THAT(e.out, HasSubstr(R"("7":{"righe":[{"p8":0,)"));
    EXPECT_THAT(e.out, HasSubstr(R"("6":{"righe":[{"p8":0,)"));
    EXPECT_THAT(lancia({"garanzie", "--memoria", memoria_, "--pronostico", pronostico_}).out,
                Not(HasSubstr(R"("7":)")))
        << "only the no-error table by default";
    EXPECT_THAT(
        lancia({"garanzie", "--memoria", memoria_, "--pronostico", pronostico_, "--condizioni",
                fissa_})
            .out,
        HasSubstr(R"("8":{"righe":[],"griglia":[["","","",""],["","","","Tot.   0.000"]]})"));

    e = lancia({"garanzie", "--colonne", "dieci.Col", "--confronto", "vincente.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(
        e.out,
        StartsWith(R"({"annullato":false,"tabelle":{"8":{"righe":[{"p8":1,"p7":16,"p6":28,)"));
}

TEST_F(GaranzieCli, BadRequests) {
    rifiuta({"garanzie", "--pronostico", pronostico_},
            "Indicare le colonne da esaminare con --memoria FILE.LDS oppure --colonne FILE.Col.");
    rifiuta({"garanzie", "--memoria", memoria_},
            "Indicare i risultati con --pronostico \"n1 … nk\" oppure con --confronto FILE.Col.");
    rifiuta({"garanzie", "--memoria", memoria_, "--pronostico", "1 2 3 4 5 6 7"},
            "Il pronostico deve contenere almeno 8 partite.");
    rifiuta({"garanzie", "--memoria", memoria_, "--pronostico", pronostico_, "--errori", "0,3"},
            "Valore non valido per --errori: deve essere un numero da 0 a 2.");
    rifiuta({"garanzie", "--memoria", memoria_, "--pronostico", pronostico_, "--errori", "1",
             "--condizioni", memoria_},
            "Le condizioni si applicano solo senza errori sul pronostico.");
    rifiuta({"garanzie", "--memoria", fissa_, "--pronostico", pronostico_},
            "Il sistema non contiene colonne.");
    rifiuta({"garanzie", "--colonne", "dieci.Col", "--confronto", "manca.Col"},
            "Impossibile caricare il file");
}
