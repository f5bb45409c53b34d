#include "TestSupport.h"
#include "core/printing/StampaSchedine.h"

namespace ludo {
namespace {

// Whole millimetres everywhere, a box wider than high so that a swapped
// width and height shows: step 1 + 2 = 3 mm, strip 2 + 3 = 5 mm.
SlipGeometry Geometria() { return {40, 30, 2, 1, 10, 96, 94, 3, 2}; }

// Eight numbers starting at primo.
Colonna Otto(int primo) { return Colonna{0xFF} << (primo - 1); }

using namespace test;

ListaColonne Semplici(int quante) {
    std::vector<Colonna> v;
    for (int i = 0; i < quante; ++i) v.push_back(Otto(1 + i % 25));
    return listaDi(v);
}

std::vector<std::size_t> Misure(const std::vector<SchedinaImpaginata>& schedine) {
    std::vector<std::size_t> m;
    for (const auto& s : schedine) m.push_back(s.colonne.size());
    return m;
}

void ControllaTesto(const TestoSchedina& t, const std::string& testo, double x, double y,
                    bool ruotato) {
    EXPECT_EQ(t.testo, testo);
    EXPECT_NEAR(t.x, x, 1e-9) << testo;
    EXPECT_NEAR(t.y, y, 1e-9) << testo;
    EXPECT_EQ(t.ruotato, ruotato) << testo;
}

TEST(StampaSchedine, QuadratiniNelleDueOrientazioni) {
    const Colonna c = col({1, 16, 17, 32});
    // Horizontal, position 2: origin (40 + 2 x 10, 30); the strips go down,
    // the second 5 mm to the right (1 and 17 side by side at the top);
    // boxes 3 wide and 2 high.
    EXPECT_EQ(QuadratiniColonna(c, 2, Geometria(), StampaOrizzontale),
              (std::vector<Quadratino>{{1, {60, 30, 63, 32}},
                                       {16, {60, 75, 63, 77}},
                                       {17, {65, 30, 68, 32}},
                                       {32, {65, 75, 68, 77}}}));
    // Vertical, position 2: origin (102 - 30, 40 + 2 x 10); the strips go
    // left from the reference edge, the second 5 mm lower (1 and 17 side by
    // side at the right end); boxes 2 wide and 3 high.
    EXPECT_EQ(QuadratiniColonna(c, 2, Geometria(), StampaVerticale),
              (std::vector<Quadratino>{{1, {72, 60, 74, 63}},
                                       {16, {27, 60, 29, 63}},
                                       {17, {72, 65, 74, 68}},
                                       {32, {27, 65, 29, 68}}}));
    EXPECT_TRUE(QuadratiniColonna(0, 0, Geometria(), StampaOrizzontale).empty());
}

TEST(StampaSchedine, LaSchedinaFinisceInAnticipoPerNonLasciareUnaColonnaSola) {
    struct Caso {
        int colonne, perSchedina, ultima;
        std::vector<std::size_t> misure;
    };
    // With one column a slip every column is printed once; a range past the
    // end stops with the columns.
    for (const Caso& k :
         {Caso{13, 6, 3, {6, 5, 2}}, Caso{12, 6, 2, {6, 6}}, Caso{8, 4, 2, {4, 4}},
          Caso{3, 2, 2, {1, 2}}, Caso{2, 1, 2, {1, 1}}, Caso{13, 6, 9, {6, 5, 2}}}) {
        EXPECT_EQ(Misure(ImpaginaSchedine(Semplici(k.colonne), k.perSchedina, 1, k.ultima, 800)),
                  k.misure)
            << k.colonne << " columns, " << k.perSchedina << " a slip, up to " << k.ultima;
    }
    // The last column is integral: no early end.
    std::vector<Colonna> v(12, Otto(1));
    v.push_back(Otto(1) | col({9}));
    EXPECT_EQ(Misure(ImpaginaSchedine(listaDi(v), 6, 1, 3, 800)),
              (std::vector<std::size_t>{6, 6, 1}));
    // Only the final column counts: an integral one before it changes nothing.
    v.back() = Otto(3);
    v[11] = Otto(1) | col({9});
    EXPECT_EQ(Misure(ImpaginaSchedine(listaDi(v), 6, 1, 3, 800)),
              (std::vector<std::size_t>{6, 5, 2}));
    EXPECT_EQ(NumeroSchedine(13, 6), 3);
    EXPECT_EQ(NumeroSchedine(12, 6), 2);
}

TEST(StampaSchedine, StampaDiUnIntervalloECostoDiOgniSchedina) {
    std::vector<Colonna> v;
    for (int i = 0; i < 30; ++i) v.push_back(Otto(1) ^ col({1, 9 + i % 20}));
    const auto s = ImpaginaSchedine(listaDi(v), 6, 2, 3, 800);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].numero, 2);
    EXPECT_EQ(s[1].numero, 3);
    EXPECT_EQ(s[0].colonne, std::vector<Colonna>(v.begin() + 6, v.begin() + 12));
    EXPECT_EQ(s[1].colonne, std::vector<Colonna>(v.begin() + 12, v.begin() + 18));
    EXPECT_DOUBLE_EQ(s[0].costo, 6 * 800);

    // An empty column costs nothing but keeps its place; 10 numbers cost 45
    // columns.
    const auto c = ImpaginaSchedine(listaDi({Otto(1), 0, Otto(1) | col({9, 10})}), 6, 1, 1, 800);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].colonne.size(), 3u);
    EXPECT_DOUBLE_EQ(c[0].costo, 800 + 45 * 800);
}

TEST(StampaSchedine, IntervalloRichiesto) {
    EXPECT_NO_THROW(ControllaIntervallo(5, 5, 5));
    EXPECT_THROW(ControllaIntervallo(0, 2, 5), Errore);
    EXPECT_THROW(ControllaIntervallo(1, 6, 5), Errore);
    EXPECT_EQ(test::erroreDi([] { ControllaIntervallo(3, 2, 5); }),
              "Il Numero della schedina iniziale o finale è errato.");
}

TEST(StampaSchedine, TestiDellEtichetta) {
    Configurazione lire;
    Configurazione euro;
    euro.Euro = true;
    SchedinaImpaginata s;
    s.numero = 12;
    s.costo = 6 * lire.PrezzoLire;
    LavoroStampaSchedine lavoro;
    EXPECT_EQ(TestoEtichetta(lavoro, s, lire, "PROVA.LDS"), "PROVA.LDS Schedina Nº 12 £ 4.800");
    lavoro.NomeEsterno = true;
    lavoro.NomeSistema = "Ricevitoria";
    EXPECT_EQ(TestoEtichetta(lavoro, s, lire, "PROVA.LDS"), "Schedina Nº 12 £ 4.800");
    s.costo = 6 * euro.PrezzoEuro;  // 2.4789...
    EXPECT_EQ(TestoEtichetta(lavoro, s, euro, "PROVA.LDS"), "Schedina Nº 12 € 2,48");
    lavoro.SoloCosto = true;
    EXPECT_EQ(TestoEtichetta(lavoro, s, euro, "PROVA.LDS"), "Costo della schedina : € 2,48");
    lavoro.Prova = true;
    EXPECT_EQ(TestoEtichetta(lavoro, s, euro, "PROVA.LDS"), "Nome Schedina Nº 1 £. 4800");

    ControllaTesto(EtichettaSchedina("x", Geometria(), StampaOrizzontale), "x", 96, 94, true);
    EXPECT_EQ(EtichettaSchedina("x", Geometria(), StampaOrizzontale).base, 36);
    ControllaTesto(EtichettaSchedina("x", Geometria(), StampaVerticale), "x", 102 - 94, 96, false);
}

TEST(StampaSchedine, SchedinaDiProva) {
    Configurazione config;
    config.Euro = true;
    // Six columns a slip whatever the dialog holds.
    const auto fogli = FogliSchedine(LavoroProva(StampaOrizzontale), config, 2, false, "X.LDS", 0);
    ASSERT_EQ(fogli.size(), 1u);
    EXPECT_EQ(fogli[0].numero, 1);
    ASSERT_EQ(fogli[0].quadratini.size(), 6u * 32u);
    // The sixth column starts five column distances from the first.
    EXPECT_NEAR(fogli[0].quadratini[5 * 32].area.x1, 40.0 + 5 * 9.3, 1e-9);
    ASSERT_EQ(fogli[0].testi.size(), 1u);
    ControllaTesto(fogli[0].testi[0], "Nome Schedina Nº 1 £. 4800", 96.2, 93.8, true);

    config.ImpStampa.StampaScritta = false;
    EXPECT_TRUE(
        FogliSchedine(LavoroProva(StampaVerticale), config, 6, false, "X.LDS", 0)[0].testi.empty());
}

TEST(StampaSchedine, RigheDellaRicevitoriaDallaSesta) {
    RigheCedolina righe = LavoroStampaSchedine().RigheCedolina;
    righe[8] = "vecchia";
    righe[10] = "ultima";
    RigheCedolina attese = righe;
    attese[6] = "Bar Sport";
    attese[7] = "Via Roma 1";
    attese[8] = "";
    EXPECT_EQ(attese[0], "Ludomatic 4.0");
    EXPECT_EQ(RigheConRicevitoria(righe, {"Bar Sport", "   ", "Via Roma 1", ""}), attese);
}

TEST(StampaSchedine, PosizioniDelleRigheDellaCedolina) {
    RigheCedolina righe;
    for (const auto& [riga, testo] :
         {std::pair{0, "L"}, {1, "A"}, {3, "C"}, {6, "S1"}, {7, "S2"}, {8, "S3"}, {10, "Z"}})
        righe[static_cast<std::size_t>(riga)] = testo;
    // X0 = 6.6 x 10 + 40 = 106, B = 13 x 3 + 1 = 40, line height 5; the shop
    // lines gain 2 mm, then close up by 1 mm a line (line 10 after the empty
    // line 9 closes up only once more).
    const std::vector<std::pair<std::string, double>> attese = {
        {"L", 106}, {"A", 111}, {"C", 121}, {"S1", 138}, {"S2", 142}, {"S3", 146}, {"Z", 155}};
    const auto o = TestiCedolina(righe, Geometria(), StampaOrizzontale, 5);
    const auto v = TestiCedolina(righe, Geometria(), StampaVerticale, 5);
    ASSERT_EQ(o.size(), attese.size());
    ASSERT_EQ(v.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
        ControllaTesto(o[i], attese[i].first, attese[i].second, 30 + 40 + 2, true);
        EXPECT_EQ(o[i].base, 60);
        ControllaTesto(v[i], attese[i].first, 102 - 30 - 40, attese[i].second, false);
    }
}

TEST(StampaSchedine, CedolinaPrimaDelleSchedine) {
    Configurazione config;
    config.ImpStampa.Geometrie[0] = Geometria();
    config.DatiRicevitoria = {"", "Bar Sport", "", ""};
    LavoroStampaSchedine lavoro;
    lavoro.Colonne = Semplici(7);
    lavoro.UltimaSchedina = 2;
    lavoro.NomeEsterno = true;
    lavoro.ColonneCedolina = {col({1, 2}), col({20})};
    lavoro.RigheCedolina[1] = "9 Numeri";
    const auto fogli = FogliSchedine(lavoro, config, 6, true, "X.LDS", 5);
    ASSERT_EQ(fogli.size(), 3u);
    EXPECT_TRUE(fogli[0].cedolina);
    EXPECT_EQ(fogli[0].quadratini,
              (std::vector<Quadratino>{
                  {1, {40, 30, 43, 32}}, {2, {40, 33, 43, 35}}, {20, {55, 39, 58, 41}}}));
    ASSERT_EQ(fogli[0].testi.size(), 3u);
    EXPECT_EQ(fogli[0].testi[2].testo, "Bar Sport");
    // 7 columns: 5 on the first slip, the last two together on the second.
    EXPECT_EQ(fogli[1].numero, 1);
    EXPECT_EQ(fogli[1].quadratini.size(), 5u * 8u);
    EXPECT_EQ(fogli[2].quadratini.size(), 2u * 8u);
    ASSERT_EQ(fogli[2].testi.size(), 1u);
    EXPECT_EQ(fogli[2].testi[0].testo, "Schedina Nº 2 £ 1.600");
}

}  // namespace
}  // namespace ludo
