// The archive statistics, the analysis of a condition and the check of column
// files from the command line, over the search interval stored in the program
// folder's configuration.

#include "ArchivioDiProva.h"
#include "CliSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/TGruppo.h"

using namespace ludo::test;

namespace {

class StatisticheCli : public CliTest {
protected:
    // Three contests of season 2024/25.
    void SetUp() override {
        scriviArchivio(dir_.path(), 2024,
                       {col({1, 2, 3, 4, 5, 6, 7, 8}), col({1, 2, 3, 4, 9, 10, 11, 12}),
                        col({20, 21, 22, 23, 24, 25, 26, 27})});
    }
};

class SpoglioCli : public CliTest {
protected:
    void SetUp() override {
        scriviArchivio(dir_.path(), 2023,
                       {col({1, 2, 3, 4, 5, 6, 7, 8}), col({11, 12, 13, 14, 15, 16, 17, 18}),
                        col({1, 2, 3, 4, 5, 6, 7, 8})});
        // A 10-number integral column and a 7-point column.
        writeFile(dir_ / "gioco.Col", maschereLE({col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), col({1, 2, 3, 4, 5, 6, 7, 18})}));
    }
};

}  // namespace

TEST_F(StatisticheCli, GroupRowsOverTheStoredInterval) {
    auto e = lancia({"gruppo", "--numeri", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, StartsWith(R"({"esaminati":3,"righe":[{"punteggio":0,)"));
    EXPECT_THAT(e.out, HasSubstr(R"({"punteggio":8,"uscite":1,"frequenza":"3.0","ritardo_attuale":2,)"
                                 R"("ritardo_massimo":2,"ic":"0.67","evidenziata":false})"));
    memorizzaIntervallo(2024, 2, 3);
    EXPECT_THAT(lancia({"gruppo", "--numeri", "1 2 3 4 5 6 7 8"}).out, StartsWith(R"({"esaminati":2,)"));
}

TEST_F(StatisticheCli, FixedNumberRankingNumberRecordsAndTheirOptions) {
    auto e = lancia({"fisse", "--quante", "2", "--ordine", "frequenza"});
    ASSERT_EQ(e.stato, 0) << e.err;
    // 3 and 4 won together twice in three contests, the last one ago.
    EXPECT_THAT(e.out, StartsWith(R"({"classifica":[{"numeri":[3,4],"frequenza":2,"ritardo":1,"ic":0.666)"));
    EXPECT_THAT(e.out, HasSubstr(R"("celle":[" 1","3  4  ","2","1","0.67"]})"));
    EXPECT_EQ(lancia({"fisse", "--quante", "4"}).stato, 1);
    rifiuta({"fisse", "--ordine", "caso"}, "L'ordine deve essere ic, frequenza o ritardo.");

    e = lancia({"numeri"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr(R"({"numero":1,"frequenza":2,"ritardo_attuale":1,"ritardo_massimo":1,"ic":"0.67",)"
                                 R"("frequenza_annuale":2,"consecutivi_attuali":0,"consecutivi_massimi":2})"));
}

TEST_F(StatisticheCli, SystemRecordAndStatisticalForecast) {
    const auto file = sistema("prova.LDS", col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    auto e = lancia({"statistica", file});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, StartsWith(R"({"stato":"Concorsi Esaminati : 3 Su 3","esaminati":3,"concorsi":3,)"
                                  R"("categorie":[{"vincite":3,"percentuale":100,"ciclo_medio":"1.00",)"));

    memorizzaIntervallo(2024, 3, 3);
    e = lancia({"pronostico-statistico", file, "--partite", "2", "--azzera", "--out", file});
    ASSERT_EQ(e.stato, 0) << e.err;
    // Contest 3 alone: every number has IC 0; the highest come first among equals.
    EXPECT_EQ(e.out, R"({"pronostico":[31,32],"fisse":[]})"
                     "\n");
    ludo::T_Sistema riletto(dir_.path());
    riletto.Carica(file);
    EXPECT_EQ(riletto.Dati->Pronostico, col({31, 32}));

    EXPECT_EQ(lancia({"pronostico-statistico", file, "--partite", "0"}).stato, 1);
    rifiuta({"statistica"}, "Manca il nome del file del sistema.\nUso: ludomatic-cli statistica FILE.LDS");
}

TEST_F(StatisticheCli, AnalisiOfOneConditionOrOfAGroupMember) {
    ludo::T_Sistema s(dir_.path());
    s.Dati->Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    auto& pari = static_cast<ludo::TPariDispari&>(s.Dati->Condizioni.Condizione(ludo::CodPariDispari));
    pari.Tabelle[0].Prima.Voci[5].Stato = ludo::Accettato;
    auto& somme = static_cast<ludo::TGruppo&>(s.Dati->Condizioni.Condizione(ludo::CodGruppoSomme));
    auto& somma = static_cast<ludo::TSomma&>(somme.NuovoMembro());
    somma.Partite = 0xFFFFFFFFU;
    somma.Intervalli.Numero = 1;
    somma.Intervalli.Intervalli[0] = {36, 40, ludo::Accettato, 0};
    const auto sistema = file("prova.LDS");
    s.Salva(sistema);

    auto e = lancia({"analisi", sistema, "--condizione", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, StartsWith(R"({"condizione":"Pari e Dispari","titoli":["Analisi Statistica dei Pari e Dispari",)"));
    EXPECT_THAT(e.out, HasSubstr(R"("abilitata":true,"valori_propri":false,"archivio_da_cache":true,)"
                                 R"("viste":[{"nome":"Pari","consecutivita":true,)"));
    // Value 5: never won, 10 of the 45 columns, all kept by the condition alone.
    EXPECT_THAT(e.out, HasSubstr(R"({"etichetta":"5","punti":{"frequenza":0,"ritardo":3,"ritardo_max":3,)"
                                 R"("integrale":10,"singola":10,"tenute":0},)"));
    EXPECT_THAT(e.out, HasSubstr(R"("etichetta":"Fattore di convenienza :0.78"})"));
    e = lancia({"analisi", sistema, "--condizione", "10/1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr(R"("valori_propri":true,"archivio_da_cache":false,"viste":[{"nome":"Somme",)"));

    const std::string uso = "Uso: ludomatic-cli analisi FILE.LDS --condizione SLOT[/MEMBRO…] [--pagina N]";
    const std::string slot = "Valore non valido per --condizione: deve essere un numero da 1 a ";
    rifiuta({"analisi", sistema}, "Manca l'opzione --condizione.\n" + uso);
    rifiuta({"analisi", sistema, "--condizione", "21"}, slot + "20.");
    rifiuta({"analisi", sistema, "--condizione", "uno"}, slot + "20.");
    rifiuta({"analisi", sistema, "--condizione", "10/2"}, slot + "1.");
    rifiuta({"analisi", sistema, "--condizione", "1/1"}, "La condizione indicata non esiste.");
    rifiuta({"analisi", sistema, "--condizione", "10/"}, "La condizione indicata non esiste.");
    rifiuta({"analisi", sistema, "--condizione", "10"}, "La condizione scelta non ha analisi.");
    rifiuta({"analisi", sistema, "--condizione", "1", "--pagina", "31"},
            "Valore non valido per --pagina: deve essere un numero da 1 a 30.");
}

TEST_F(SpoglioCli, CountsExpandedColumnsAndListsWrongConditions) {
    auto e = lancia({"spoglio", file("gioco.Col"), "--vincente", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"punti\":[0,0,0,0,0,0,28,17,1]}\n");
    const auto prova = sistema("prova.LDS", col({1, 2, 3, 4, 5, 6, 7, 9, 10}));
    e = lancia({"spoglio", file("gioco.Col"), "--vincente", "1 2 3 4 5 6 7 8", "--sistema", prova});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr("\"condizioni_sbagliate\":[\"Pronostico\"]"));

    rifiuta({"spoglio", file("gioco.Col"), "--vincente", "1 2 3 4 5 6 7 8 9"}, "Sono Stati Inseriti Più di 8 Numeri");
    rifiuta({"spoglio", file("gioco.Col"), "--vincente", "1 2 3"}, "La colonna vincente deve contenere 8 numeri.");
    rifiuta({"spoglio", file("manca.Col"), "--vincente", "1 2 3 4 5 6 7 8"}, "Impossibile Caricare Il File Colonnare");
    rifiuta({"spoglio-storico", file("manca.Col")}, "Impossibile Caricare Il File Colonnare");
}

TEST_F(SpoglioCli, HistoricalCheckOverTheStoredIntervalAndSaving) {
    auto e = lancia({"spoglio-storico", file("gioco.Col")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, StartsWith("{\"colonne_analizzate\":2,\"concorsi\":3,"
                                  "\"titolo\":\"Risultati del confronto con le 3 colonne dell'archivio\""));
    // The integral column holds the 8 winning numbers of contests 1 and 3.
    EXPECT_THAT(e.out, HasSubstr(R"({"punteggio":"8","vincite":"2","frequenza":"1.50","ritardo_attuale":"0",)"
                                 R"("ritardo_massimo":"1","ic":"0.00","evidenziata":false})"));
    EXPECT_THAT(e.out, HasSubstr(R"(["  2"," 2023","   A"," 0"," 0"," 0"," 0"," 0"," 0"," 0"," 1"," 1"])"));

    // From contest 2 on only.
    memorizzaIntervallo(2023, 2, 3);
    e = lancia({"spoglio-storico", file("gioco.Col"), "--salva", file("sette.Col"), "--punti", "7"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr("\"concorsi\":2,"));
    EXPECT_THAT(e.out, HasSubstr("\"salvate\":1"));
    EXPECT_EQ(readFile(dir_ / "sette.Col"), maschereLE({col({1, 2, 3, 4, 5, 6, 7, 18})}));

    rifiuta({"spoglio-storico", file("gioco.Col"), "--punti", "7"}, "--punti va usato con --salva FILE.Col.");
}
