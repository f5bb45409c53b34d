#include "core/checking/SistemiAutomatici.h"

#include "TestSupport.h"

namespace ludo {
namespace {

using test::col;

TGenColonneCasuali GeneratoreUniforme(std::uint32_t seme) {
    TGenColonneCasuali g(seme);
    EXPECT_TRUE(g.Imposta(true, false, false, false, DatiPesi{}));
    return g;
}

TEST(SistemiAutomatici, UnIntegraleEUnaColonnaSolaConLaSuaCedolina) {
    test::TempDir cartella;
    auto g = GeneratoreUniforme(7);
    const ImpostazioniCedolina lire{800, false, true, 33, {}};
    const auto s = PreparaSistemaAutomatico(cartella.path(), g, {10, 0, TipoIntegrale, 2}, lire);
    ASSERT_EQ(s.colonne.Conteggio(), 1u);
    const Colonna c = *s.colonne.begin();
    EXPECT_EQ(NumeroNumeri(c), 10);
    EXPECT_TRUE(s.integrale);
    EXPECT_DOUBLE_EQ(s.costo, 45 * 800);
    EXPECT_EQ(s.righe, (RigheCedolina{"", "10 Numeri", "Sistema Integrale a", "garanzia dell'otto",
                                      "£ 36.000 Conc.Nº 33", "Sistema Nº 2"}));
    EXPECT_EQ(s.colonneCedolina, (std::array<Colonna, 2>{c, 0}));

    TArchivioGiocate archivio(33);
    RegistraGiocata(archivio, s);
    ASSERT_EQ(archivio.Integrali.size(), 1u);
    EXPECT_EQ(archivio.Integrali[0].Maschera, c);
    EXPECT_TRUE(archivio.Sistemi.empty());
}

TEST(SistemiAutomatici, UnRidottoApplicaLaMatriceDellaLibreriaAiNumeriEstratti) {
    test::CartellaProgramma cartella;
    // Positions of a 9-number matrix: leave out 9, then 1, then 5.
    test::writeFile(cartella / "Matrici" / "09F1B1.col",
                    test::maschereLE({col({1, 2, 3, 4, 5, 6, 7, 8}), col({2, 3, 4, 5, 6, 7, 8, 9}),
                                      col({1, 2, 3, 4, 6, 7, 8, 9})}));
    auto g = GeneratoreUniforme(11);
    const ImpostazioniCedolina euro{0.5, true, false, 33, {}};
    const auto s = PreparaSistemaAutomatico(cartella.path(), g, {9, 1, 6, 1}, euro);
    ASSERT_EQ(s.colonne.Conteggio(), 3u);
    const auto [fisso, altri] = s.colonneCedolina;
    EXPECT_EQ(NumeroNumeri(fisso), 1);
    EXPECT_EQ(NumeroNumeri(altri), 8);
    EXPECT_EQ(fisso & altri, 0u);
    const Colonna tutti = fisso | altri;
    // Position 1 stands for the fixed number, which every column of a matrix
    // with one fixed number holds; positions 2..9 for the others, ascending.
    const auto numeri = test::elenco(s.colonne);
    EXPECT_EQ(numeri[0], tutti & ~(Colonna{1} << (NumeroK(8, altri) - 1)));
    EXPECT_EQ(numeri[1], altri);
    EXPECT_EQ(numeri[2], tutti & ~(Colonna{1} << (NumeroK(4, altri) - 1)));
    EXPECT_FALSE(s.integrale);
    // Three columns at 0.50, no contest.
    EXPECT_EQ(s.righe, (RigheCedolina{"", "9 Numeri con 1 Fissa", "Sistema Ridotto a", "garanzia di 1 Sei",
                                      "€ 1,50", "Sistema Nº 1"}));

    TArchivioGiocate archivio(33);
    RegistraGiocata(archivio, s);
    ASSERT_EQ(archivio.Sistemi.size(), 1u);
    EXPECT_EQ(archivio.Sistemi[0].Numeri, 9);
    EXPECT_EQ(test::elenco(archivio.Sistemi[0].Colonne), numeri);
}

TEST(SistemiAutomatici, MatriceMancanteOPesiInsufficienti) {
    test::TempDir cartella;
    auto g = GeneratoreUniforme(3);
    EXPECT_EQ(test::erroreDi([&] {
                  PreparaSistemaAutomatico(cartella.path(), g, {20, 0, 7, 1}, {});
              }),
              MsgNessunSistemaDelTipo)
        << "no 20F0R1.col in the library";
    TGenColonneCasuali pochi(3);
    DatiPesi dati;
    dati.pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9});
    pochi.Imposta(true, false, false, true, dati);
    EXPECT_EQ(test::erroreDi([&] {
                  PreparaSistemaAutomatico(cartella.path(), pochi, {10, 0, TipoIntegrale, 1}, {});
              }),
              MsgPesiInsufficienti)
        << "ten numbers drawn from nine";
}

TEST(SistemiAutomatici, RidottoImmediatoSuiNumeriScelti) {
    const auto matrice = test::listaDi({col({1, 2, 3, 4, 5, 6, 7, 8}), col({3, 4, 5, 6, 7, 8, 9, 10})});
    const TMatrice info = *LeggiNomeMatrice("10F2R1.col");
    TCombinazione numeri;
    numeri.DaMaschera(col({2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    const Colonna fisse = col({2, 4});
    const ImpostazioniCedolina lire{800, false, true, 7, {}};
    auto s = PreparaRidottoImmediato(matrice, info, numeri, fisse, "Rossi", lire);
    EXPECT_EQ(test::elenco(s.colonne), (std::vector<Colonna>{col({2, 4, 6, 8, 10, 12, 14, 16}),
                                                             col({6, 8, 10, 12, 14, 16, 18, 20})}));
    EXPECT_EQ(s.righe, (RigheCedolina{"", "10 Numeri con 2 Fisse", "garanzia 1 Sette", "£ 1.600 Conc.Nº 7",
                                      "Nome : Rossi"}));
    EXPECT_EQ(s.colonneCedolina, (std::array<Colonna, 2>{fisse, col({6, 8, 10, 12, 14, 16, 18, 20})}));

    // Fixed numbers that are not the smallest still take the first positions.
    s = PreparaRidottoImmediato(matrice, info, numeri, col({10, 20}), "", lire);
    EXPECT_EQ(test::elenco(s.colonne),
              (std::vector<Colonna>{col({10, 20, 2, 4, 6, 8, 12, 14}), col({2, 4, 6, 8, 12, 14, 16, 18})}));

    s = PreparaRidottoImmediato(matrice, info, numeri, 0, "", lire);
    EXPECT_EQ(s.righe[1], "10 Numeri");
    EXPECT_TRUE(s.righe[4].empty());
    EXPECT_EQ(s.colonneCedolina, (std::array<Colonna, 2>{numeri.Maschera(), 0}));
}

TEST(SistemiAutomatici, IlRidottoCaricatoSiCercaNellaLibreria) {
    std::vector<TMatrice> elenco(3);
    elenco[0].nome = "09F0B1.col";
    elenco[1].nome = "12F0B1.col";
    elenco[2].nome = "20F0R1.col";
    EXPECT_EQ(TrovaMatrice(elenco, "12F0B1.col"), 1u);
    EXPECT_EQ(TrovaMatrice(elenco, "20f0r1.COL"), 2u);
    EXPECT_FALSE(TrovaMatrice(elenco, "12F0B1"));
    EXPECT_FALSE(TrovaMatrice({}, "09F0B1.col"));
}

}  // namespace
}  // namespace ludo
