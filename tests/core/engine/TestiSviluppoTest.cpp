#include "core/engine/TestiSviluppo.h"

#include "TestSupport.h"

namespace ludo {
namespace {

TEST(TestiSviluppo, TitoloDelGruppoDiRiduzione) {
    DefDest d;
    d.Garanzia = 7;
    EXPECT_EQ(TitoloAutoriduzione(d), "Autoriduzione a Garanzia del 7");
    d.DistanzaMinima = true;
    d.DistMin = 4;
    EXPECT_EQ(TitoloAutoriduzione(d), "Riduzione a Distanza Minima 4");
    d.RiduzioneOttimizzata = true;
    EXPECT_EQ(TitoloAutoriduzione(d), "Riduzione Ottimizzata a Garanzia del 7");
    d.RiduzioneMigliorata = true;
    EXPECT_EQ(TitoloAutoriduzione(d), "Riduzione Migliorata a Garanzia del 7");
}

TEST(TestiSviluppo, PercentualeFattoreEVariazione) {
    EXPECT_EQ(PercentualeTroncata(0, 0), 0);
    EXPECT_EQ(PercentualeTroncata(199, 200), 99) << "truncated, not rounded";
    EXPECT_EQ(PercentualeTroncata(10518300, 10518300), 100);
    EXPECT_EQ(PercentualeTroncata(7, 3), 100);

    EXPECT_EQ(TestoFattore(495, 0), "");
    EXPECT_EQ(TestoFattore(495, 30), "16,50");
    EXPECT_EQ(TestoFattore(10518300, 7), "1.502.614,29");
    EXPECT_EQ(TestoFattore(2, 3, {',', '.'}), "0.67");

    // No previous count, or 0.1% that rounds to nothing, shows nothing.
    for (const auto& [ora, prima, testo] : std::vector<std::tuple<int, int, std::string>>{
             {100, 0, ""}, {100, 100, ""}, {1001, 1000, ""}, {112, 100, "+12%"}, {97, 100, "-3%"}, {0, 40, "-100%"},
             {15, 10, "+50%"}})
        EXPECT_EQ(TestoVariazione(ora, prima), testo) << ora << " after " << prima;
}

TEST(TestiSviluppo, ColonneInizialiConLeFisseSoloQuandoLeFisseScartano) {
    T_Sistema s(std::filesystem::temp_directory_path());
    auto& d = *s.Dati;
    d.Pronostico = 0x3FFu;  // 10 matches: 45 columns
    EXPECT_EQ(TestoColonneConFisse(s), "") << "no fixed match";
    d.Fisse = 0x3u;
    EXPECT_EQ(TestoColonneConFisse(s), "di cui 28 con le fisse");
    d.Fisse = 0xFFu;
    EXPECT_EQ(TestoColonneConFisse(s), "di cui 1 con le fisse");
    d.Destinazione.UsaCondizionamenti = false;
    EXPECT_EQ(TestoColonneConFisse(s), "") << "without the conditions the fixed matches are not tested";
    d.Destinazione.UsaCondizionamenti = true;
    d.Sorgente.SorgentePronostico = false;
    EXPECT_EQ(TestoColonneConFisse(s), "") << "a column file is filtered, not the forecast";
    d.Sorgente.SorgentePronostico = true;
    d.Pronostico = 0x7Fu;
    d.Fisse = 0x1u;
    EXPECT_EQ(TestoColonneConFisse(s), "") << "seven matches give no column";
    d.Pronostico = 0xFFFFFFFFu;
    EXPECT_EQ(TestoColonneConFisse(s), "di cui 2.629.575 con le fisse");
}

}  // namespace
}  // namespace ludo
