#include <optional>

#include "TestSupport.h"
#include "core/system/SelezioneSquadre.h"
#include "core/system/StatoPrincipale.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using ludo::test::col;

namespace {

struct StatoPrincipale : ::testing::Test {
    ludo::test::TempDir dir;
    T_Sistema s{dir.path()};
    DatiSistema& d() { return *s.Dati; }
};

}  // namespace

TEST_F(StatoPrincipale, TheStatusLineCountsTheForecastAndTheColumnsWithTheirCost) {
    d().Config.PrezzoLire = 800;
    d().Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    d().Fisse = col({3});
    EXPECT_EQ(TestoColonneIniziali(s), "  Colonne Iniziali : 45 (£ 36.000)");
    EXPECT_EQ(TestoPartiteSelezionate(s), " Partite Selezionate : 10");
    EXPECT_EQ(TestoFisse(s), " Fisse : 1");
    EXPECT_EQ(TestoColonneFinali(s), "  Colonne Finali : ");

    // A list of integral columns is priced by the numbers of its first column.
    d().Colonne.Aggiungi(col({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    d().Colonne.Aggiungi(col({1, 2, 3, 4, 5, 6, 7, 8, 10}));
    EXPECT_EQ(TestoColonneFinali(s), "  Colonne Finali : 2 (£ 14.400)");

    d().Config.Euro = true;
    d().Config.PrezzoEuro = 0.41;
    s.NumeroPartecipanti = 3;
    EXPECT_EQ(TestoColonneIniziali(s, {',', '.'}), "  Colonne Iniziali : 45 (€ 6.15 1/3)");

    // Fewer than eight matches show no initial columns.
    d().Pronostico = col({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(TestoColonneIniziali(s), "  Colonne Iniziali : ");
    EXPECT_FALSE(PiuDiOtto(d().Pronostico));
    EXPECT_TRUE(PiuDiOtto(d().Pronostico | col({32})));
}

TEST_F(StatoPrincipale, CommandsFollowTheForecastTheSourceTheColumnsAndThePicchValues) {
    d().Pronostico = col({1, 2, 3, 4, 5, 6, 7});
    auto a = CalcolaAbilitazioni(s);
    EXPECT_FALSE(a.Sviluppo);
    EXPECT_FALSE(a.Colonne);
    EXPECT_FALSE(a.Picchetti);

    d().Sorgente.SorgentePronostico = false;
    EXPECT_TRUE(CalcolaAbilitazioni(s).Sviluppo);
    d().Sorgente.SorgentePronostico = true;
    d().Pronostico |= col({8});
    EXPECT_TRUE(CalcolaAbilitazioni(s).Sviluppo);

    d().Colonne.Aggiungi(col({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(CalcolaAbilitazioni(s).Colonne);

    d().Picchetti.fill(1.5);
    EXPECT_TRUE(CalcolaAbilitazioni(s).Picchetti);
    d().Picchetti[31] = 0;
    EXPECT_FALSE(CalcolaAbilitazioni(s).Picchetti);
}

TEST(Picchetti, ACellTakesZeroToHundredFromAPointOrACommaAndAnEmptyCellIsZero) {
    const std::optional<double> rifiutato;
    for (const auto& [testo, valore] : std::vector<std::pair<std::string, std::optional<double>>>{
             {"", 0.0}, {"0", 0.0}, {"100", 100.0}, {"2.5", 2.5}, {".5", 0.5}, {"150", rifiutato},
             {"100.1", rifiutato}, {"1..2", rifiutato}, {".", rifiutato}, {"-1", rifiutato}, {"1e2", rifiutato}})
        EXPECT_EQ(LeggiPicchetto(testo), valore) << testo;
    EXPECT_TRUE(CarattereAmmessoPicchetto('.'));
    EXPECT_FALSE(CarattereAmmessoPicchetto(','));
    EXPECT_EQ(TestoPicchetto(1.5), "1.50");
    EXPECT_EQ(TestoPicchetto(0), "0.00");
    // A comma typed is the decimal separator, and a refusal says why.
    EXPECT_EQ(TestoDigitatoPicchetto("12,5"), "12.5");
    EXPECT_EQ(LeggiPicchetto(TestoDigitatoPicchetto("12,5")), 12.5);
    EXPECT_FALSE(LeggiPicchetto(TestoDigitatoPicchetto("1,2,")));
    EXPECT_EQ(MotivoPicchettoRifiutato(19, "125"), "Picch. della partita 19: \"125\" non accettato, il valore va da 0 a 100");
}

TEST(SelezioneSquadre, CellsRunRowByRowOnEachHalfAndTheArrowsMoveAlongThem) {
    EXPECT_EQ(CursoreDellaCella(1, false), 0);
    EXPECT_EQ(CursoreDellaCella(16, true), 31);
    EXPECT_EQ(CursoreDellaCella(17, false), 32);
    EXPECT_EQ(CursoreDellaCella(32, true), 63);
    for (int c = 0; c < CelleSchedina; ++c) {
        const auto cella = CellaDelCursore(c);
        EXPECT_EQ(CursoreDellaCella(cella.Partita, cella.Ospite), c);
    }
    // The arrows stop at the outer edges but cross between the halves.
    using enum Freccia;
    struct Mossa {
        int da;
        Freccia freccia;
        int a;
    };
    for (const Mossa& m : {Mossa{0, Su, 0}, {1, Su, 1}, {2, Su, 0}, {0, Sinistra, 0}, {1, Sinistra, 0},
                           {30, Giu, 32}, {31, Destra, 32}, {32, Su, 30}, {32, Sinistra, 31}, {61, Giu, 63},
                           {62, Giu, 62}, {62, Destra, 63}, {63, Destra, 63}})
        EXPECT_EQ(MuoviCursore(m.da, m.freccia), m.a) << m.da << " " << static_cast<int>(m.freccia);
    EXPECT_EQ(Avanza(62), 63);
    EXPECT_EQ(Avanza(63), 63);
}

TEST(SelezioneSquadre, TheCursorStartsOnTheFirstEmptyCellOrOnTheFirst) {
    Schedina sch;
    EXPECT_EQ(PrimoCursoreVuoto(sch), 0);
    sch.Squadre[0] = {"Roma", "Lazio"};
    sch.Squadre[1].Casa = "Milan";
    EXPECT_EQ(PrimoCursoreVuoto(sch), 3);
    for (auto& p : sch.Squadre) p = {"A", "B"};
    EXPECT_EQ(PrimoCursoreVuoto(sch), 0);
    sch.Squadre[20].Ospite.clear();
    EXPECT_EQ(PrimoCursoreVuoto(sch), CursoreDellaCella(21, true));
}

TEST(SelezioneSquadre, ATeamCountsAsUsedWhateverItsCaseAndBlanks) {
    Schedina sch;
    sch.Squadre[5].Ospite = "  Juventus ";
    EXPECT_TRUE(SquadraInSchedina(sch, "JUVENTUS"));
    EXPECT_TRUE(SquadraInSchedina(sch, "juventus  "));
    EXPECT_FALSE(SquadraInSchedina(sch, "Juve"));
    EXPECT_FALSE(SquadraInSchedina(sch, "   "));
    SquadraDellaCella(sch, 63) = "Bari";
    EXPECT_EQ(sch.Squadre[31].Ospite, "Bari");
}
