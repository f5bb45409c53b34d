// The analysis of one condition from the command line: a small program
// folder with three contests and a system developing the 45 columns of 1..10.
#include <gtest/gtest.h>

#include "CliSupport.h"
#include "TestSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/TGruppo.h"
#include "core/system/Configurazione.h"
#include "core/system/T_Sistema.h"

using ludo::test::Bytes;
using ludo::test::col;

namespace {

class AnalisiCli : public ::testing::Test {
protected:
    void SetUp() override {
        // Season 2024/25, contests 1..3; even counts 4, 8, 0.
        ludo::test::scriviArchivio(dir_.path(), 2024,
                                   {col({1, 2, 3, 4, 5, 6, 7, 8}), col({2, 4, 6, 8, 10, 12, 14, 16}),
                                    col({1, 3, 5, 7, 9, 11, 13, 15})});

        ludo::T_Sistema s(dir_.path());
        s.Dati->Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        auto& pari = static_cast<ludo::TPariDispari&>(s.Dati->Condizioni.Condizione(ludo::CodPariDispari));
        pari.Tabelle[0].Prima.Voci[5].Stato = ludo::Accettato;
        auto& somme = static_cast<ludo::TGruppo&>(s.Dati->Condizioni.Condizione(ludo::CodGruppoSomme));
        auto& somma = static_cast<ludo::TSomma&>(somme.NuovoMembro());
        somma.Partite = 0xFFFFFFFFU;
        somma.Intervalli.Numero = 1;
        somma.Intervalli.Intervalli[0] = {36, 40, ludo::Accettato, 0};
        file_ = (dir_ / "prova.LDS").string();
        s.Salva(file_);
    }
    ludo::test::Esito lancia(std::vector<std::string> argomenti) {
        return ludo::test::lanciaCli(dir_.path(), argomenti);
    }
    static void contiene(const ludo::test::Esito& e, const std::string& testo) {
        EXPECT_NE(e.out.find(testo), std::string::npos) << testo << "\n" << e.out;
    }
    ludo::test::TempDir dir_;
    std::string file_;
};

TEST_F(AnalisiCli, OneConditionWithItsTablesAndPanels) {
    auto e = lancia({"analisi", file_, "--condizione", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out.rfind(R"({"condizione":"Pari e Dispari","titoli":["Analisi Statistica dei Pari e Dispari",)", 0),
              0u)
        << e.out;
    contiene(e, R"("abilitata":true,"valori_propri":false,"archivio_da_cache":true,"viste":[{"nome":"Pari",)"
                R"("consecutivita":true,)");
    contiene(e, R"("concorsi":3,"colonne_integrali":45,)");
    // Value 5: never won, 10 of the 45 columns, all kept by the condition alone.
    contiene(e, R"({"etichetta":"5","punti":{"frequenza":0,"ritardo":3,"ritardo_max":3,"integrale":10,"singola":10,)"
                R"("tenute":0},)");
    contiene(e, R"("etichetta":"Fattore di convenienza :0.78"})");
    contiene(e, R"({"nome":"Dispari",)");

    // A member of the sums group, over contests 2 and 3 only.
    auto config = ludo::ConfigurazioneIniziale(dir_.path());
    config.Ricerca.Intervallo = {15, 2024, 2024, 2, 3};
    ludo::SalvaConfigurazione(config, dir_.path());
    e = lancia({"analisi", file_, "--condizione", "10/1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    contiene(e, R"("valori_propri":true,"archivio_da_cache":false,"viste":[{"nome":"Somme","consecutivita":false,)"
                R"("mostra_tenute":true,"concorsi":2,"colonne_integrali":45,"righe":[{"etichetta":"36.00 - 40.00",)"
                R"("punti":{"frequenza":0,"ritardo":2,"ritardo_max":2,"integrale":9,"singola":9,"tenute":0},)");
    contiene(e, R"({"etichetta":"Altri","punti":{"frequenza":2,)");
}

TEST_F(AnalisiCli, BadArgumentsAreReported) {
    const std::string uso = "Uso: ludomatic-cli analisi FILE.LDS --condizione SLOT[/MEMBRO…] [--pagina N]\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi = {
        // Mistakes in the arguments themselves also show the usage.
        {{"analisi", file_}, "Manca l'opzione --condizione.\n" + uso},
        {{"analisi", "--condizione", "1"}, "Manca il nome del file.\n" + uso},
        {{"analisi", file_, "--condizione", "21"},
         "Valore non valido per --condizione: deve essere un numero da 1 a 20.\n"},
        {{"analisi", file_, "--condizione", "uno"},
         "Valore non valido per --condizione: deve essere un numero da 1 a 20.\n"},
        {{"analisi", file_, "--condizione", "10/2"},
         "Valore non valido per --condizione: deve essere un numero da 1 a 1.\n"},
        {{"analisi", file_, "--condizione", "1/1"}, "La condizione indicata non esiste.\n"},
        {{"analisi", file_, "--condizione", "10/"}, "La condizione indicata non esiste.\n"},
        {{"analisi", file_, "--condizione", "10"}, "La condizione scelta non ha analisi.\n"},
        {{"analisi", file_, "--condizione", "1", "--pagina", "31"},
         "Valore non valido per --pagina: deve essere un numero da 1 a 30.\n"},
        {{"analisi", (dir_ / "manca.LDS").string(), "--condizione", "1"}, "Impossibile Caricare il Sistema\n"},
    };
    for (const auto& [argomenti, messaggio] : casi) {
        const auto e = lancia(argomenti);
        EXPECT_EQ(e.stato, 1) << argomenti.back();
        EXPECT_EQ(e.err, messaggio) << argomenti.back();
        EXPECT_EQ(e.out, "");
    }
    std::filesystem::remove(dir_ / "ARCHIVI" / "archivio.ttg");
    EXPECT_EQ(lancia({"analisi", file_, "--condizione", "1"}).err, "Impossibile Caricare L'Archivio.\n");
}

}  // namespace
