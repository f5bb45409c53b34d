#include "core/printing/StampaGiocate.h"

#include <gtest/gtest.h>

#include <tuple>

using ludo::TArchivioGiocate;

TEST(StampaGiocate, SummaryPageThenSystemsFortyFiveAPage) {
    TArchivioGiocate archivio(31);
    archivio.AggiungiIntegrale(0x1FFU);
    ludo::ListaColonne colonne;
    colonne.Aggiungi(0xFFU);
    for (int i = 0; i < 46; ++i) archivio.AggiungiSistema(9 + i % 3, colonne, {46363, 0.25});
    ludo::Configurazione config;
    config.PrezzoLire = 800;
    const ludo::MisureTabelleGiocate misure{{150, 120}, {40, 50, 80, 70}, 18};
    const auto pagine = ludo::PagineStampaGiocate(archivio, config, misure);
    ASSERT_EQ(pagine.size(), 3U);

    EXPECT_EQ(pagine[0].titolo, "Riepilogo delle giocate del concorso Nº 31");
    EXPECT_EQ(pagine[0].yTitolo, 10);
    const auto& riepilogo = pagine[0].blocchi.at(0);
    EXPECT_EQ(std::tuple(riepilogo.scala, riepilogo.alto, riepilogo.sinistra), std::tuple(0.4, 30.0, 40.0));
    EXPECT_EQ(riepilogo.griglia.larghezzeColonne, misure.riepilogo);
    ASSERT_EQ(riepilogo.griglia.celle.size(), 5U);
    EXPECT_EQ(riepilogo.griglia.celle[0], (std::vector<std::string>{"        Tipo di Giocata", "    Numero di Giocate"}));
    // 9 columns of the integral and 46 single columns.
    EXPECT_EQ(riepilogo.griglia.celle[4][1], "      £ 44.000");

    EXPECT_EQ(pagine[1].titolo, "Elenco dei sistemi ridotti giocati nel concorso Nº 31");
    EXPECT_EQ(pagine[1].yTitolo, 2);
    const auto& elenco = pagine[1].blocchi.at(0);
    EXPECT_EQ(std::tuple(elenco.scala, elenco.alto, elenco.sinistra), std::tuple(0.22, 10.0, 41.0));
    ASSERT_EQ(elenco.griglia.celle.size(), 46U);  // the heading and 45 systems
    EXPECT_EQ(elenco.griglia.celle[0][3], "     Ora");
    EXPECT_EQ(elenco.griglia.celle[1], (std::vector<std::string>{"    9", "      1", "   07/12/2026", "   06:00:00"}));
    EXPECT_TRUE(pagine[2].titolo.empty());
    EXPECT_EQ(pagine[2].blocchi.at(0).griglia.celle.size(), 2U);
    EXPECT_EQ(pagine[2].blocchi.at(0).griglia.altezzeRighe, (std::vector<int>{18, 18}));
}

TEST(StampaGiocate, NoSystemsStillListsTheHeading) {
    const auto pagine = ludo::PagineStampaGiocate(TArchivioGiocate(2), {}, {{1, 1}, {1, 1, 1, 1}, 1});
    ASSERT_EQ(pagine.size(), 2U);
    EXPECT_EQ(pagine[1].blocchi.at(0).griglia.celle.size(), 1U);
}
