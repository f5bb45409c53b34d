#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "CliSupport.h"
#include "SistemaLinkA.h"
#include "TestSupport.h"
#include "cli/Comandi.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TQuadro.h"
#include "core/columns/FileColonne.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

using namespace ludo;

namespace {

using ludo::test::Esito;

class CondizioniCli : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto s : io::kSottocartelle) std::filesystem::create_directories(dir_ / std::string(s));
        T_Sistema s(dir_.path());
        s.Dati->Pronostico = 0xFFF;  // 1..12
        s.Dati->Fisse = 0x1;
        s.Dati->Coupon.Squadre[0] = {"Genoa", "Inter"};
        auto& resti = static_cast<TResti&>(
            *static_cast<TQuadro&>(s.Dati->Condizioni.Condizione(CodQuadro)).Inserisci(CodResti));
        resti.Divisore = 7;
        resti.Tabelle[0].Prima.Voci[1].Stato = Accettato;  // sum mod 7 must be 1
        resti.Selezionato = true;
        s.Dati->Colonne.Aggiungi(0xFF);
        s.Salva(dir_ / "SISTEMI" / "prova.LDS");
        static_cast<TQuadro&>(s.Dati->Condizioni.Condizione(CodQuadro)).SalvaCondizioni(dir_ / "QUADRI" / "r.CND");
        static_cast<TQuadro&>(s.Dati->Condizioni.Condizione(CodQuadro)).SalvaQuadro(dir_ / "QUADRI" / "q.QDR");
    }
    Esito lancia(std::vector<std::string> argomenti) { return ludo::test::lanciaCli(dir_.path(), argomenti); }
    std::string file(const std::string& nome) const { return (dir_ / nome).string(); }
    ludo::test::TempDir dir_;
};

bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

}  // namespace

TEST_F(CondizioniCli, SistemaListsEveryField) {
    const auto e = lancia({"sistema", file("SISTEMI/prova.LDS"), "--colonne"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(contiene(e.out, R"("versione":400,"concorso":1,"squadre":[["Genoa","Inter"],)"));
    EXPECT_TRUE(contiene(e.out, R"("pronostico":[1,2,3,4,5,6,7,8,9,10,11,12],"fisse":[1])"));
    EXPECT_TRUE(contiene(e.out, R"({"codice":37,"nome":"Resti","attivato":true,"effettivo":true,"divisore":7,)"
                                R"("tabelle":[{"da":1,"a":32,"link":"A","campo":0,"primo":{"1":[1,0]}}]})"));
    EXPECT_TRUE(contiene(e.out, R"("Garanzia":6)"));
    EXPECT_TRUE(contiene(e.out, R"("numero_colonne":1,"colonne":[[1,2,3,4,5,6,7,8]]})"));
}

TEST_F(CondizioniCli, VerificaListsTheForecastAndTheBrokenConditions) {
    // 1..8: sum 36, 36 mod 7 = 1: passes.
    auto e = lancia({"verifica", file("SISTEMI/prova.LDS"), "--colonna", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"passa\":true,\"errori\":[]}\n");
    // 2..9: leaves no forecast number out but misses the fixed 1; sum 44 mod 7 = 2.
    e = lancia({"verifica", file("SISTEMI/prova.LDS"), "--colonna", "2 3 4 5 6 7 8 9"});
    EXPECT_EQ(e.out,
              "{\"passa\":false,\"errori\":[{\"nome\":\"Pronostico\",\"posizione\":0},"
              "{\"nome\":\"Resti\",\"posizione\":1},{\"nome\":\"Quadro\",\"posizione\":0}]}\n");
    e = lancia({"verifica", file("SISTEMI/prova.LDS"), "--colonna", "1 2 3"});
    EXPECT_EQ(e.stato, 1);
    e = lancia({"verifica", file("SISTEMI/manca.LDS"), "--colonna", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.err, "Impossibile Caricare il Sistema\n");
}

TEST_F(CondizioniCli, VerificaAndTheCheckAnswerAsTheDevelopmentWithTheLinkVerdict) {
    T_Sistema s(dir_.path());
    test::ImpostaLinkA(s);
    s.Salva(dir_ / "SISTEMI" / "linka.LDS");
    const std::string colonna = "3 4 6 7 8 10 11 13";  // two recoveries in link A, which admits one
    auto e = lancia({"verifica", file("SISTEMI/linka.LDS"), "--colonna", colonna});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"passa\":false,\"errori\":[],\"link\":\"Errori Ammessi Nella Link A\"}\n");

    e = lancia({"sviluppa", file("SISTEMI/linka.LDS"), "--out", "linka.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    ListaColonne sviluppate;
    ASSERT_TRUE(LeggiFile(sviluppate, dir_ / "COLONNE" / "linka.Col", false));
    EXPECT_EQ(std::count(sviluppate.begin(), sviluppate.end(), test::kDueRecuperi), 0);
    EXPECT_EQ(std::count(sviluppate.begin(), sviluppate.end(), test::kUnRecupero), 1);

    e = lancia({"spoglio", "linka.Col", "--vincente", colonna, "--sistema", file("SISTEMI/linka.LDS")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(contiene(e.out, R"("condizioni_sbagliate":["Errori Ammessi Nella Link A"]})")) << e.out;
}

TEST_F(CondizioniCli, ConditionAndBoardFiles) {
    auto e = lancia({"condizioni", file("QUADRI/r.CND")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(contiene(e.out, R"([{"codice":37,"nome":"Resti")"));
    e = lancia({"quadro", file("QUADRI/q.QDR")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(contiene(e.out, R"({"codice":19,"nome":"Quadro","attivato":true,"effettivo":true,)"
                                R"("predefinito":true,"relazione":0,"commento":[],)"));
    EXPECT_TRUE(contiene(e.out, R"("membri":[{"codice":37)"));
    e = lancia({"quadro", file("QUADRI/r.CND")});
    EXPECT_EQ(e.err, "Impossibile Caricare Il Quadro\n");
}
