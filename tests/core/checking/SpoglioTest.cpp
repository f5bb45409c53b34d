// Checking a column list against one winning column: the counts per score
// with integral columns expanded, the lines of the violated conditions and
// the slips of six the column views page through.

#include "SistemaLinkA.h"
#include "TestSupport.h"
#include "core/checking/ControlloCondizioni.h"
#include "core/checking/Spoglio.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using ludo::test::col;

namespace {

const Colonna kVincente = col({1, 2, 3, 4, 5, 6, 7, 8});

TEST(Spoglio, ColumnsOfEightCountOnceAndShortOnesNotAtAll) {
    const auto punti = SpoglioSingolo(
        test::listaDi({kVincente, col({1, 2, 3, 4, 5, 6, 7, 9}),
                       col({9, 10, 11, 12, 13, 14, 15, 16}), col({1, 2, 3, 4, 5, 6, 7}), 0,
                       col({1, 2, 3, 4, 5, 6, 7, 9})}),
        kVincente);
    EXPECT_EQ(punti, (Punteggi{1, 0, 0, 0, 0, 0, 0, 2, 1}));
}

TEST(Spoglio, AnIntegralColumnCountsEachOfItsColumnsOfEight) {
    // Twelve numbers, the eight winning ones among them: of the C(12, 8) =
    // 495 columns, C(8, k) x C(4, 8 - k) score k.
    const Colonna dodici = col({1, 2, 3, 4, 5, 6, 7, 8, 20, 21, 22, 23});
    EXPECT_EQ(SpoglioSingolo(test::listaDi({dodici}), kVincente),
              (Punteggi{0, 0, 0, 0, 70, 224, 168, 32, 1}));
}

TEST(Spoglio, WrongConditionLinesAndTheirScrolling) {
    test::TempDir dir;
    T_Sistema sistema(dir.path());
    sistema.Dati->Pronostico = col({1, 2, 3, 4, 5, 6, 7, 9, 10, 11});
    // The winning column leaves the forecast: "Pronostico" comes first even
    // though no condition is active.
    const auto controllo = ControllaCondizioni(sistema, kVincente);
    EXPECT_FALSE(controllo.Passa);
    ASSERT_EQ(controllo.Errori.size(), 1u);
    EXPECT_EQ(RigheCondizioniSbagliate(controllo), std::vector<std::string>{"Pronostico"});

    TCondizione& somma = sistema.Dati->Condizioni.Condizione(1);
    EXPECT_EQ(RigaCondizioneSbagliata({&somma, 0}), somma.Nome);
    EXPECT_EQ(RigaCondizioneSbagliata({&somma, 3}), somma.Nome + "(3)");

    EXPECT_EQ(RigaScorrimento("Pronostico", 0), "Pronostico");
    EXPECT_EQ(RigaScorrimento("Pronostico", 3), "nostico");
    EXPECT_EQ(RigaScorrimento("Pronostico", 10), "");
    EXPECT_EQ(RigaScorrimento("Pronostico", 40), "");
    EXPECT_EQ(RigaScorrimento("Consecutività Differenziata", 12), "à Differenziata");
    EXPECT_EQ(RigaScorrimento("Consecutività Differenziata", 13), " Differenziata");
}

TEST(Spoglio, TheCheckOfAColumnIncludesTheLinkVerdictAsTheDevelopmentDoes) {
    test::TempDir dir;
    T_Sistema sistema(dir.path());
    test::ImpostaLinkA(sistema);
    // Both conditions pass in recovery, and link A refuses the two errors:
    // no condition is broken, yet the column fails, under the limit that refused it.
    auto controllo = ControllaCondizioni(sistema, test::kDueRecuperi);
    EXPECT_FALSE(controllo.Passa);
    EXPECT_TRUE(controllo.Errori.empty());
    EXPECT_EQ(RigheCondizioniSbagliate(controllo), std::vector<std::string>{"Errori Ammessi Nella Link A"});
    controllo = ControllaCondizioni(sistema, test::kUnRecupero);
    EXPECT_TRUE(controllo.Passa);
    EXPECT_TRUE(RigheCondizioniSbagliate(controllo).empty());

    // The limit over all links refuses the single recovery.
    auto& totale = sistema.Dati->Link.ErroriAmmessiInTotale.Prima;
    totale.Voci[0] = {Accettato, 0};
    controllo = ControllaCondizioni(sistema, test::kUnRecupero);
    EXPECT_FALSE(controllo.Passa);
    EXPECT_EQ(RigheCondizioniSbagliate(controllo), std::vector<std::string>{"Errori Ammessi In Totale"});

    // Every column of the forecast: the same answer as the development's test.
    const auto colonne = test::sottoinsiemi(test::primi(13), 8);
    std::vector<bool> sviluppo;
    sistema.PreparaCondizioni();
    for (Colonna c : colonne) sviluppo.push_back(sistema.Dati->Condizioni.Verifica(c));
    ASSERT_NE(std::count(sviluppo.begin(), sviluppo.end(), true), 0);
    ASSERT_NE(std::count(sviluppo.begin(), sviluppo.end(), false), 0);
    for (std::size_t i = 0; i < colonne.size(); ++i)
        EXPECT_EQ(ControllaCondizioni(sistema, colonne[i]).Passa, sviluppo[i]) << TestoColonna(colonne[i]);
}

TEST(Spoglio, ColumnViewCutsTheListIntoSlipsOfSix) {
    ListaColonne l;
    for (int i = 0; i < 13; ++i) l.Aggiungi(col({1, 2, 3, 4, 5, 6, 7, 9 + i}));
    const auto schedine = SchedineDiSei(l);
    ASSERT_EQ(schedine.size(), 3u);
    EXPECT_EQ(schedine[0].Numero, 1);
    EXPECT_EQ(schedine[2].Numero, 3);
    EXPECT_EQ(schedine[1].Quante, 6);
    EXPECT_EQ(schedine[2].Quante, 1);
    EXPECT_EQ(schedine[1].Colonne[0], col({1, 2, 3, 4, 5, 6, 7, 15}));
    EXPECT_EQ(schedine[2].Colonne[0], col({1, 2, 3, 4, 5, 6, 7, 21}));
    for (const auto& s : schedine) EXPECT_EQ(s.Vincente, (std::array<std::uint8_t, 8>{}));

    EXPECT_TRUE(SchedineDiSei(ListaColonne()).empty());
    EXPECT_EQ(MassimoScorrimentoSchedine(0), 0);
    EXPECT_EQ(MassimoScorrimentoSchedine(4), 0);
    EXPECT_EQ(MassimoScorrimentoSchedine(7), 3);
}

TEST(Spoglio, WinningSlipsHoldAColumnAtTheScoreOrMore) {
    const Colonna sette = col({1, 2, 3, 4, 5, 6, 7, 9});
    const Colonna sei = col({1, 2, 3, 4, 5, 6, 10, 11});
    const Colonna zero = col({20, 21, 22, 23, 24, 25, 26, 27});
    const auto l = test::listaDi({zero, zero, zero, zero, zero, zero,   // slip 1: nothing
                                  zero, sette, zero, zero, zero, zero,  // slip 2: one 7
                                  sei, zero});                          // slip 3 (short): one 6

    const auto conSei = SchedineVincenti(l, kVincente, 6);
    ASSERT_EQ(conSei.size(), 2u);
    EXPECT_EQ(conSei[0].Numero, 2);
    EXPECT_EQ(conSei[0].Vincente, (std::array<std::uint8_t, 8>{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(conSei[1].Numero, 3);
    EXPECT_EQ(conSei[1].Quante, 2);
    EXPECT_EQ(conSei[1].Vincente[0], 1);

    const auto conSette = SchedineVincenti(l, kVincente, 7);
    ASSERT_EQ(conSette.size(), 1u);
    EXPECT_EQ(conSette[0].Numero, 2);
    EXPECT_TRUE(SchedineVincenti(l, kVincente, 8).empty());
    EXPECT_EQ(SchedineVincenti(l, kVincente, 0).size(), 3u);

    const auto punti = SpoglioSingolo(l, kVincente);
    EXPECT_EQ(PunteggioPiuAlto(punti), 7);
    EXPECT_EQ(PunteggioPiuAlto(Punteggi{}), -1);
}

}  // namespace
