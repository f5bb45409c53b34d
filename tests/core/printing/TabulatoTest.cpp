#include <gtest/gtest.h>

#include <vector>

#include "core/printing/Tabulato.h"

namespace ludo {
namespace {

constexpr double kEps = 1e-9;

std::vector<SchedinaImpaginata> Schedine(int quante) {
    std::vector<SchedinaImpaginata> v;
    for (int i = 1; i <= quante; ++i) v.push_back({.numero = i, .colonne = {0xFF}});
    return v;
}

// Cells 100 wide and 100 high (header 20, body 80), 10 apart both ways, on
// a page 350 x 400: three cells a row; rows at 40, 150, 260 on the first
// page (the next, at 370, would reach 390), and at 10, 120, 230 later.
MetricheTabulato Quadrate() { return {10, 10, 100, 80, 20, 10, 10}; }

TEST(Tabulato, MisureDellaCellaConLeDivisioniIntere) {
    TImpTabulato imp;
    imp.SpaziaturaOrizzontale = 4;
    imp.SpaziaturaVerticale = 7;
    const auto m = CalcolaMetriche({31, 24, 27}, 6, imp, 1.5);
    EXPECT_EQ(m.passoColonna, 41);  // 31 + 31 div 3
    EXPECT_EQ(m.altezzaRiga, 28);   // 24 + 24 div 5
    EXPECT_NEAR(m.larghezzaCella, 6 * 41 * 1.06, kEps);
    EXPECT_NEAR(m.altezzaCorpo, 8 * 28 * 1.06, kEps);
    EXPECT_NEAR(m.altezzaIntestazione, 27 * 1.3, kEps);
    EXPECT_NEAR(m.spaziaturaOrizzontale, 60, kEps);
    EXPECT_NEAR(m.spaziaturaVerticale, 105, kEps);
}

TEST(Tabulato, RigheEPagineDiCelle) {
    // Nine slips fill the first page exactly: no empty page after them.
    auto t = ImpaginaTabulato(Schedine(9), 6, Quadrate(), 350, 400);
    ASSERT_EQ(t.pagine.size(), 1u);
    ASSERT_EQ(t.pagine[0].celle.size(), 9u);
    EXPECT_EQ(t.pagine[0].piede, "Pagina Nº 1");
    const std::vector<std::pair<double, double>> angoli = {{2, 40},  {112, 40},  {222, 40},
                                                           {2, 150}, {112, 150}, {222, 150},
                                                           {2, 260}, {112, 260}, {222, 260}};
    for (std::size_t i = 0; i < angoli.size(); ++i) {
        EXPECT_NEAR(t.pagine[0].celle[i].cornice.x1, angoli[i].first, kEps) << i;
        EXPECT_NEAR(t.pagine[0].celle[i].cornice.y1, angoli[i].second, kEps) << i;
    }

    t = ImpaginaTabulato(Schedine(19), 6, Quadrate(), 350, 400);
    ASSERT_EQ(t.pagine.size(), 3u);
    EXPECT_EQ(t.pagine[1].celle.size(), 9u);
    EXPECT_EQ(t.pagine[2].celle.size(), 1u);
    EXPECT_EQ(t.pagine[1].celle[0].schedina, 10);
    EXPECT_NEAR(t.pagine[1].celle[0].cornice.y1, 10, kEps);
    EXPECT_NEAR(t.pagine[1].celle[8].cornice.y1, 230, kEps);
    EXPECT_EQ(t.pagine[1].piede, "Pagina Nº 2");
    EXPECT_EQ(t.pagine[2].piede, "Pagina Nº 3");
}

TEST(Tabulato, ContenutoDiUnaCella) {
    MetricheTabulato m = Quadrate();
    const Colonna a = 0xFF;         // 1..8
    const Colonna b = 0xFFu << 24;  // 25..32
    auto t = ImpaginaTabulato({{.numero = 5, .colonne = {a, b}}}, 3, m, 350, 400);
    const CellaTabulato& c = t.pagine.at(0).celle.at(0);
    EXPECT_EQ(c.testoIntestazione, "Nº 5");
    EXPECT_EQ(c.cornice, (Rettangolo{2, 40, 102, 140}));
    EXPECT_NEAR(c.yLinea, 60, kEps);
    EXPECT_EQ(c.intestazione, (Rettangolo{2, 40, 102, 60}));
    ASSERT_EQ(c.numeri.size(), 16u);
    // Two columns 10 apart centred in 100: from 42; eight lines of 10
    // centred in a body of 80 starting at 60.
    EXPECT_EQ(c.numeri[0], (TestoPosizionato{"1", 42, 60}));
    EXPECT_EQ(c.numeri[7], (TestoPosizionato{"8", 42, 130}));
    EXPECT_EQ(c.numeri[8], (TestoPosizionato{"25", 52, 60}));
    // From four columns a slip the header is shortened differently.
    t = ImpaginaTabulato({{.numero = 12, .colonne = {a}}}, 4, m, 350, 400);
    EXPECT_EQ(t.pagine[0].celle[0].testoIntestazione, "Sc.Nº 12");
}

TEST(Tabulato, TitoloENomeDelFileDiStampaConIlNomeDelSistema) {
    LavoroStampaSchedine lavoro;
    EXPECT_EQ(TitoloTabulato(lavoro, "C:\\SISTEMI\\PROVA.LDS"),
              "Stampa delle Colonne del Sistema PROVA");
    EXPECT_EQ(NomeFileStampa(lavoro, "/home/u/SISTEMI/Dodici.LDS"), "Dodici.pdf");
    lavoro.NomeEsterno = true;
    lavoro.NomeSistema = "Ridotto 12";
    EXPECT_EQ(TitoloTabulato(lavoro, "C:\\SISTEMI\\PROVA.LDS"),
              "Stampa delle Colonne del Sistema Ridotto 12");
    EXPECT_EQ(NomeFileStampa(lavoro, "/home/u/SISTEMI/Dodici.LDS"), "Ridotto 12.pdf");
    EXPECT_EQ(NomeFileStampa(LavoroProva(StampaOrizzontale), "Dodici.LDS"), "Taratura.pdf");
}

TEST(Tabulato, CelleDiUnaGrigliaInMillimetri) {
    GrigliaDaStampare g;
    g.larghezzeColonne = {49, 29, 9};
    g.altezzeRighe = {19, 17, 5};
    g.celle = {{"a", "b", "c"}, {"d", "e"}};
    // Columns 1..2, rows 0..1: the first printed column starts at the left.
    const auto celle = CelleGriglia(g, 1, 2, 2, 0, 0.5, 15, 60, 2, 4);
    ASSERT_EQ(celle.size(), 4u);
    EXPECT_EQ(celle[0].area, (Rettangolo{60, 15, 75, 25}));
    EXPECT_EQ(celle[0].testo, (TestoPosizionato{"b", 61, 18}));
    EXPECT_EQ(celle[1].area, (Rettangolo{75, 15, 80, 25}));
    EXPECT_EQ(celle[3].area, (Rettangolo{75, 25, 80, 34}));
    EXPECT_EQ(celle[3].testo, (TestoPosizionato{"", 76, 27.5}));  // missing cell
    // Past the grid: clipped.
    EXPECT_EQ(CelleGriglia(g, 0, 10, 10, 2, 0.5, 15, 60, 2, 4).size(), 3u);
}

TEST(Tabulato, TabellaDiCentoRigheSuDuePagine) {
    const auto p = PagineTabella(100);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0], (std::vector<BloccoRighe>{{0, 63, 15}}));
    EXPECT_EQ(p[1], (std::vector<BloccoRighe>{{0, 1, 9.92}, {63, 37, 15}}));
    EXPECT_EQ(PagineTabella(63).size(), 1u);
    const auto q = PagineTabella(127);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[2], (std::vector<BloccoRighe>{{0, 1, 9.92}, {126, 1, 15}}));
    EXPECT_EQ(PagineTabella(0), (std::vector<std::vector<BloccoRighe>>{{}}));
}

}  // namespace
}  // namespace ludo
