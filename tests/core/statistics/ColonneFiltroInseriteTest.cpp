#include "ArchivioDiProva.h"
#include "TestSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TQuadro.h"
#include "core/statistics/ColonneFiltroInserite.h"

using namespace ludo;
using ludo::test::col;

namespace {

Colonna colonnaN(int n) { return col({n, n + 1, n + 2, n + 3, n + 4, n + 5, n + 6, n + 7}); }

}  // namespace

TEST(ColonneFiltroInserite, ArchivioTraDueStagioniPrendeGliEstremiEScartaLeColonneNonValide) {
    // Seasons 2019, 2020, 2021, contests 1..3 each; the middle season has a
    // broken winning column in contest 2; types differ and all count.
    ArchivioConcorsi a = test::archivioDi({
        T_Concorso{2019, 1, SerieA, colonnaN(1)}, T_Concorso{2019, 2, SerieB, colonnaN(2)},
        T_Concorso{2019, 3, SerieC, colonnaN(3)}, T_Concorso{2020, 1, Altri, colonnaN(4)},
        T_Concorso{2020, 2, SerieA, col({1, 2, 3})}, T_Concorso{2020, 3, SerieA, colonnaN(6)},
        T_Concorso{2021, 1, SerieA, colonnaN(7)}, T_Concorso{2021, 2, SerieA, colonnaN(8)},
        T_Concorso{2021, 3, SerieA, colonnaN(9)},
    });
    IntervalloRicerca i{SerieA, 2019, 2021, 2, 2};  // the types chosen do not matter here
    EXPECT_EQ(ColonneDaArchivio(a, i),
              (std::vector<Colonna>{colonnaN(2), colonnaN(3), colonnaN(4), colonnaN(6), colonnaN(7), colonnaN(8)}));
}

TEST(ColonneFiltroInserite, FileColonnareLettoInOrdineOppureErrore) {
    test::TempDir dir;
    const auto file = dir.path() / "f.Col";
    test::writeFile(file, test::maschereLE({colonnaN(3), colonnaN(1)}));
    EXPECT_EQ(ColonneDaFile(file), (std::vector<Colonna>{colonnaN(3), colonnaN(1)}));
    EXPECT_EQ(test::erroreDi([&] { (void)ColonneDaFile(dir.path() / "manca.Col"); }),
              MsgErroreLetturaFileColonnare);
}

TEST(ColonneFiltroInserite, TrattoDellaClassificaDelleFisseTagliatoAllaClassifica) {
    const std::vector<TFisse> classifica = {{col({5})}, {col({1, 2})}, {col({9})}};
    EXPECT_EQ(ColonneDaFisse(classifica, 2, 3), (std::vector<Colonna>{col({1, 2}), col({9})}));
    EXPECT_EQ(ColonneDaFisse(classifica, 3, 10), std::vector<Colonna>{col({9})});
    EXPECT_EQ(ColonneDaFisse(classifica, 0, 1), std::vector<Colonna>{col({5})});
    EXPECT_TRUE(ColonneDaFisse(classifica, 3, 2).empty());
}

TEST(ColonneFiltroInserite, IlQuadroPrendeLeColonneFinoAlLimiteConPuntiEFlag) {
    TCondizioniSistema sistema;
    TQuadro quadro(&sistema);
    for (int i = 0; i < 997; ++i) quadro.Inserisci(CodPariDispari);
    TMisura punti{8, true};
    punti.Prima.Voci[4].Stato = Accettato;
    EXPECT_EQ(quadro.InserisciColonneFiltro({colonnaN(1), colonnaN(2), colonnaN(3)}, punti, true), 2U);
    ASSERT_EQ(quadro.Elenco.size(), TQuadro::MassimoMembri);
    const auto& ultima = dynamic_cast<const TColonnaFiltro&>(*quadro.Elenco.back());
    EXPECT_EQ(ultima.Numeri, colonnaN(2));
    EXPECT_EQ(ultima.FlagPosizione, 1);
    EXPECT_EQ(ultima.Tabelle[0].Prima.Voci[4].Stato, Accettato);
    // The AND preset follows the new count.
    EXPECT_EQ(quadro.Accettate.Prima.Voci[999].Stato, Accettato);
}
