// The coupon, the configuration, systems, condition files and boards as
// JSON, and the check of one column against a system.

#include "CliSupport.h"
#include "SistemaLinkA.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TQuadro.h"

using namespace ludo;
using namespace ludo::test;

namespace {

class SistemaCli : public CliTest {};

class CondizioniCli : public CliTest {
protected:
    void SetUp() override {
        T_Sistema s(dir_.path());
        s.Dati->Pronostico = 0xFFF;  // 1..12
        s.Dati->Fisse = 0x1;
        s.Dati->Coupon.Squadre[0] = {"Genoa", "Inter"};
        auto& quadro = static_cast<TQuadro&>(s.Dati->Condizioni.Condizione(CodQuadro));
        auto& resti = static_cast<TResti&>(*quadro.Inserisci(CodResti));
        resti.Divisore = 7;
        resti.Tabelle[0].Prima.Voci[1].Stato = Accettato;  // sum mod 7 must be 1
        resti.Selezionato = true;
        s.Dati->Colonne.Aggiungi(0xFF);
        s.Salva(file("SISTEMI/prova.LDS"));
        quadro.SalvaCondizioni(dir_ / "QUADRI" / "r.CND");
        quadro.SalvaQuadro(dir_ / "QUADRI" / "q.QDR");
    }
};

}  // namespace

TEST_F(CondizioniCli, SistemaListsEveryField) {
    const auto e = lancia({"sistema", file("SISTEMI/prova.LDS"), "--colonne"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr(R"("versione":400,"concorso":1,"squadre":[["Genoa","Inter"],)"));
    EXPECT_THAT(e.out, HasSubstr(R"("pronostico":[1,2,3,4,5,6,7,8,9,10,11,12],"fisse":[1])"));
    EXPECT_THAT(e.out, HasSubstr(R"({"codice":37,"nome":"Resti","attivato":true,"effettivo":true,"divisore":7,)"
                                 R"("tabelle":[{"da":1,"a":32,"link":"A","campo":0,"primo":{"1":[1,0]}}]})"));
    EXPECT_THAT(e.out, HasSubstr(R"("Garanzia":6)"));
    EXPECT_THAT(e.out, HasSubstr(R"("numero_colonne":1,"colonne":[[1,2,3,4,5,6,7,8]]})"));
}

TEST_F(CondizioniCli, VerificaListsTheBrokenConditionsAndTheLinkThatRefuses) {
    // 1..8: sum 36, 36 mod 7 = 1: passes.
    auto e = lancia({"verifica", file("SISTEMI/prova.LDS"), "--colonna", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"passa\":true,\"errori\":[]}\n");
    // 2..9: misses the fixed 1; sum 44 mod 7 = 2.
    e = lancia({"verifica", file("SISTEMI/prova.LDS"), "--colonna", "2 3 4 5 6 7 8 9"});
    EXPECT_EQ(e.out,
              "{\"passa\":false,\"errori\":[{\"nome\":\"Pronostico\",\"posizione\":0},"
              "{\"nome\":\"Resti\",\"posizione\":1},{\"nome\":\"Quadro\",\"posizione\":0}]}\n");

    T_Sistema s(dir_.path());
    ImpostaLinkA(s);
    s.Salva(file("SISTEMI/linka.LDS"));
    e = lancia({"verifica", file("SISTEMI/linka.LDS"), "--colonna", "3 4 6 7 8 10 11 13"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"passa\":false,\"errori\":[],\"link\":\"Errori Ammessi Nella Link A\"}\n");

    EXPECT_EQ(lancia({"verifica", file("SISTEMI/prova.LDS"), "--colonna", "1 2 3"}).stato, 1);
    rifiuta({"verifica", file("SISTEMI/manca.LDS"), "--colonna", "1 2 3 4 5 6 7 8"},
            "Impossibile Caricare il Sistema");
}

TEST_F(CondizioniCli, ConditionAndBoardFiles) {
    auto e = lancia({"condizioni", file("QUADRI/r.CND")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, StartsWith(R"([{"codice":37,"nome":"Resti")"));
    e = lancia({"quadro", file("QUADRI/q.QDR")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr(R"({"codice":19,"nome":"Quadro","attivato":true,"effettivo":true,)"
                                 R"("predefinito":true,"relazione":0,"commento":[],)"));
    EXPECT_THAT(e.out, HasSubstr(R"("membri":[{"codice":37)"));
    rifiuta({"quadro", file("QUADRI/r.CND")}, "Impossibile Caricare Il Quadro");
}

TEST_F(SistemaCli, SchedinaPrintsTheContestAndAllSixtyFourNames) {
    Bytes b;
    appendLE(b, 27, 4);
    appendShortString(b, "Citt\xE0", 20);
    appendShortString(b, "\"Inter\"", 20);
    for (int i = 2; i < 64; ++i) appendShortString(b, i == 63 ? "Lecce" : "", 20);
    writeFile(dir_ / "c27.Gsc", b);

    std::string attesa = R"({"concorso":27,"squadre":[["Città","\"Inter\""])";
    for (int partita = 2; partita <= 31; ++partita) attesa += R"(,["",""])";
    attesa += R"(,["","Lecce"]]})"
              "\n";
    const auto e = lancia({"schedina", file("c27.Gsc")});
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.out, attesa);
    EXPECT_EQ(e.err, "");

    rifiuta({"schedina", file("manca.Gsc")}, "Impossibile Caricare la Schedina");
    EXPECT_EQ(lancia({"schedina"}).stato, 1);
}

TEST_F(SistemaCli, ConfigurazioneShowsTheDefaultsOrTheValuesOfTheFile) {
    auto e = lancia({"configurazione"});
    ASSERT_EQ(e.stato, 0);
    EXPECT_THAT(e.out, StartsWith(R"({"prezzo_lire":800,"prezzo_euro":0.4131655192715)"));
    EXPECT_THAT(e.out, HasSubstr(R"("euro":false,"file_sfondo":")" + file("SFONDI/irtex67b.Bmp") + "\""));

    auto config = ludo::ConfigurazioneIniziale(dir_.path());
    config.Euro = true;
    config.DatiRicevitoria[0] = "Bar Sport";
    config.ImpStampa.Geometrie[1].AQuadratini = 3.5;
    config.ImpTabulato.StileFont = ludo::StileCorsivo;
    ludo::SalvaConfigurazione(config, dir_.path());
    e = lancia({"configurazione"});
    ASSERT_EQ(e.stato, 0);
    for (const std::string parte :
         {R"("euro":true)", R"("ricevitoria":["Bar Sport","","",""],"ricerca":{"intervallo":{"tipi":15,"anno_da":)",
          R"("prima_seconda_categoria":false},"stampa_schedine":{"stampa_scritta":true,)",
          R"("colonne_per_schedina":6,"geometria_orizzontale":{"x_prima_col":40,"y_prima_col":)",
          R"("geometria_verticale":{"x_prima_col":40,)", R"("a_quadratini":3.5}},"tabulato":{"spaziatura_orizzontale":4,)",
          R"("nome_font":"","dimensione_font":8,"stile_font":2}})"}) {
        EXPECT_THAT(e.out, HasSubstr(parte));
    }
}
