#include "core/checking/RiepilogoGiocate.h"

#include <cmath>

#include "TestSupport.h"
#include "core/checking/PesiRicevitoria.h"

using ludo::TArchivioGiocate;

namespace {

TArchivioGiocate ArchivioConDueSistemi() {
    TArchivioGiocate archivio(12);
    archivio.AggiungiSchedina({0xFFU, 0, 0, 0, 0, 0});
    archivio.AggiungiIntegrale(0x3FFU);  // 10 numbers: 45 columns
    ludo::ListaColonne colonne;
    for (int i = 0; i < 12; ++i) colonne.Aggiungi(0xFFU << (i % 8));
    archivio.AggiungiSistema(20, colonne, {46363.0, 0.5 + 1.0 / 86400});  // 7 December 2026, 12:00:01
    archivio.AggiungiSistema(9, colonne, {2.0, 0.999999});
    return archivio;
}

}  // namespace

TEST(RiepilogoGiocate, CountsAndVolumeRightAlignedInFourteenCharacters) {
    ludo::Configurazione config;
    config.PrezzoLire = 800;
    const auto righe = ludo::RiepilogoGiocate(ArchivioConDueSistemi(), config);
    EXPECT_EQ(righe[0].tipo, "  Schedine Normali");
    EXPECT_EQ(righe[0].valore, "             1");
    EXPECT_EQ(righe[1].tipo, "  Sistemi Integrali");
    EXPECT_EQ(righe[2].valore, "             2");
    EXPECT_EQ(righe[3].tipo, "  Volume di Gioco");
    // 1 + 45 + 12 + 12 columns at 800 lire; "£" is one character of the 14.
    EXPECT_EQ(righe[3].valore, "      £ 56.000");
    config.Euro = true;
    config.PrezzoEuro = 0.5;
    EXPECT_EQ(ludo::RiepilogoGiocate(TArchivioGiocate(1), config)[3].valore, "        € 0,00");
}

TEST(RiepilogoGiocate, SystemRowsWithNumbersColumnsDateAndTime) {
    const auto righe = ludo::SistemiGiocati(ArchivioConDueSistemi());
    ASSERT_EQ(righe.size(), 2U);
    EXPECT_EQ(righe[0].numeri, "   20");
    EXPECT_EQ(righe[0].colonne, "     12");
    EXPECT_EQ(righe[0].data, "07/12/2026");
    EXPECT_EQ(righe[0].ora, "12:00:01");
    EXPECT_EQ(righe[1].data, "01/01/1900");
    EXPECT_EQ(righe[1].ora, "23:59:59");  // a whisker before midnight stays on its day
    // A hostile file's dates never crash the text.
    EXPECT_EQ(ludo::TestoData(1e300).size(), 10U);
    EXPECT_EQ(ludo::TestoOra(std::nan("")), "00:00:00");
}

TEST(PesiRicevitoria, StatisticalWeightsComeFromTheSearchInterval) {
    ludo::DatiSistema dati;
    for (std::uint8_t n = 1; n <= 4; ++n) dati.Archivio.InserisciOrdinato({2024, n, ludo::SerieA, 0xFFU << n});
    ludo::IntervalloTuttoArchivio(dati.Config.Ricerca.Intervallo, dati.Archivio);
    dati.Pronostico = 0xFFFFU;
    const ludo::StatisticheGenerazione fonte(dati);
    EXPECT_EQ(fonte.ConcorsiSelezionati(), 4);
    EXPECT_EQ(fonte.Frequenza(2), 1);  // only the first contest holds 2
    EXPECT_EQ(fonte.Frequenza(9), 4);
    EXPECT_EQ(fonte.Ritardo(9), 0);
    const auto pesi = ludo::PesiDelSistema(dati, fonte);
    EXPECT_EQ(pesi.pronostico, 0xFFFFU);
    EXPECT_EQ(pesi.statistiche, &fonte);
    EXPECT_FALSE(ludo::HaPicchetti(dati));
    dati.Picchetti[31] = 0.5;
    EXPECT_TRUE(ludo::HaPicchetti(dati));
}
