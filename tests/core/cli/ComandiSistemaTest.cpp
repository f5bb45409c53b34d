#include <gtest/gtest.h>

#include <sstream>

#include "CliSupport.h"
#include "TestSupport.h"
#include "cli/Comandi.h"
#include "core/system/Configurazione.h"

using ludo::test::Bytes;
using ludo::test::TempDir;

namespace {

using ludo::test::Esito;
constexpr auto lancia = &ludo::test::lanciaCli;

bool contiene(const std::string& testo, const std::string& parte) {
    return testo.find(parte) != std::string::npos;
}

}  // namespace

TEST(CliSchedina, PrintsTheContestAndAllSixtyFourNames) {
    TempDir dir;
    Bytes b;
    ludo::test::appendLE(b, 27, 4);
    ludo::test::appendShortString(b, "Citt\xE0", 20);
    ludo::test::appendShortString(b, "\"Inter\"", 20);
    for (int i = 2; i < 64; ++i) ludo::test::appendShortString(b, i == 63 ? "Lecce" : "", 20);
    ludo::test::writeFile(dir / "c27.Gsc", b);

    std::string attesa = R"({"concorso":27,"squadre":[["Città","\"Inter\""])";
    for (int partita = 2; partita <= 31; ++partita) attesa += R"(,["",""])";
    attesa += R"(,["","Lecce"]]})"
              "\n";
    const auto esito = lancia(dir.path(), {"schedina", (dir / "c27.Gsc").string()});
    EXPECT_EQ(esito.stato, 0);
    EXPECT_EQ(esito.out, attesa);
    EXPECT_TRUE(esito.err.empty());
}

TEST(CliSchedina, AFileThatCannotBeReadGivesTheItalianMessage) {
    TempDir dir;
    ludo::test::writeFile(dir / "corta.Gsc", Bytes(1347, 0));
    for (const auto& file : {dir / "corta.Gsc", dir / "manca.Gsc"}) {
        const auto esito = lancia(dir.path(), {"schedina", file.string()});
        EXPECT_EQ(esito.stato, 1);
        EXPECT_EQ(esito.err, "Impossibile Caricare la Schedina\n");
        EXPECT_TRUE(esito.out.empty());
    }
    EXPECT_EQ(lancia(dir.path(), {"schedina"}).stato, 1);
    EXPECT_TRUE(contiene(lancia(dir.path(), {"schedina", "a", "b"}).err, "schedina FILE.Gsc"));
}

TEST(CliConfigurazione, ShowsTheDefaultsWithoutAFile) {
    TempDir dir;
    const auto esito = lancia(dir.path(), {"configurazione"});
    ASSERT_EQ(esito.stato, 0);
    const auto& j = esito.out;
    EXPECT_TRUE(j.starts_with(R"({"prezzo_lire":800,"prezzo_euro":0.4131655192715)")) << j;
    for (
        const std::string& parte :
        {R"("euro":false,"file_sfondo":")" + (dir / "SFONDI" / "irtex67b.Bmp").string() + "\"",
         std::string(
             R"("ricevitoria":["","","",""],"ricerca":{"intervallo":{"tipi":15,"anno_da":0,)"),
         std::string(
             R"("prima_seconda_categoria":false},"stampa_schedine":{"stampa_scritta":true,)"),
         std::string(
             R"("colonne_per_schedina":6,"geometria_orizzontale":{"x_prima_col":40,"y_prima_col":30.)"),
         std::string(R"("geometria_verticale":{"x_prima_col":40,"y_prima_col":32.)"),
         std::string(
             R"("tabulato":{"spaziatura_orizzontale":4,"spaziatura_verticale":4,"nome_font":"",)"
             R"("dimensione_font":8,"stile_font":0}})")}) {
        EXPECT_TRUE(contiene(j, parte)) << parte << "\nin\n" << j;
    }
}

TEST(CliConfigurazione, ShowsTheValuesOfTheFile) {
    TempDir dir;
    auto config = ludo::ConfigurazioneIniziale(dir.path());
    config.Euro = true;
    config.DatiRicevitoria[0] = "Bar Sport";
    config.ImpStampa.Geometrie[1].AQuadratini = 3.5;
    config.ImpTabulato.StileFont = ludo::StileCorsivo;
    ludo::SalvaConfigurazione(config, dir.path());

    const auto esito = lancia(dir.path(), {"configurazione"});
    ASSERT_EQ(esito.stato, 0);
    EXPECT_TRUE(contiene(esito.out, R"("euro":true)"));
    EXPECT_TRUE(contiene(esito.out, R"("ricevitoria":["Bar Sport","","",""])"));
    EXPECT_TRUE(contiene(esito.out, R"("a_quadratini":3.5}})"));
    EXPECT_TRUE(contiene(esito.out, R"("stile_font":2}})"));
    EXPECT_EQ(lancia(dir.path(), {"configurazione", "di troppo"}).stato, 1);
}
