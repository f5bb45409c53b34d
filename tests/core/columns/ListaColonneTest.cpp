#include <deque>

#include "TestSupport.h"

using namespace ludo;
using namespace ludo::test;

TEST(ListaColonne, BothEndsAcrossManyBlocksKeepTheOrderOfADeque) {
    std::mt19937 caso(7);
    std::deque<Colonna> attesa;
    ListaColonne lista;
    EXPECT_TRUE(lista.Vuota());
    for (Colonna i = 0; i < 5 * ListaColonne::kColonneBlocco; ++i) {
        if (i == 0 || caso() % 3 == 0) {  // the first onto an empty list
            attesa.push_front(i);
            lista.Inserisci(i);
        } else {
            attesa.push_back(i);
            lista.Aggiungi(i);
        }
    }
    ASSERT_EQ(lista.Conteggio(), attesa.size());
    EXPECT_TRUE(std::equal(lista.begin(), lista.end(), attesa.begin(), attesa.end()));
}

TEST(ListaColonne, SvuotaGivesTheMemoryBackAndTheListStaysUsable) {
    ListaColonne lista;
    for (Colonna i = 0; i < 3 * ListaColonne::kColonneBlocco; ++i) lista.Aggiungi(i);
    EXPECT_GE(lista.MemoriaUsata(), 3 * ListaColonne::kColonneBlocco * sizeof(Colonna));
    lista.Svuota();
    EXPECT_EQ(lista.Conteggio(), 0U);
    EXPECT_EQ(lista.MemoriaUsata(), 0U);
    EXPECT_EQ(lista.begin(), lista.end());
    lista.Inserisci(3);
    lista.Inizializza();
    EXPECT_TRUE(lista.Vuota());
    lista.Aggiungi(4);
    EXPECT_EQ(elenco(lista), (std::vector<Colonna>{4}));
}

TEST(ListaColonne, PastItsLimitTheListEmptiesAndReportsMemoryExhausted) {
    ListaColonne lista(3);
    lista.Aggiungi(1);
    lista.Inserisci(2);
    lista.Aggiungi(3);
    EXPECT_EQ(erroreDi([&] { lista.Inserisci(4); }), "Memoria Esaurita.");
    EXPECT_TRUE(lista.Vuota());
    lista.Aggiungi(5);
    lista.Aggiungi(6);
    lista.Aggiungi(7);
    EXPECT_THROW(lista.Aggiungi(8), Errore);
    EXPECT_TRUE(lista.Vuota());
}

TEST(ListaColonne, CopiesAreIndependentAndMovesLeaveAnEmptyList) {
    ListaColonne sorgente;
    for (Colonna i = 1; i <= 5; ++i) sorgente.Aggiungi(i);
    ListaColonne destinazione;
    destinazione.Aggiungi(99);
    Copia(sorgente, destinazione);
    EXPECT_EQ(elenco(destinazione), (std::vector<Colonna>{1, 2, 3, 4, 5}));
    Copia(destinazione, destinazione);
    EXPECT_EQ(destinazione.Conteggio(), 5U) << "copying onto itself changes nothing";

    ListaColonne copia(sorgente);
    copia.Aggiungi(6);
    EXPECT_EQ(sorgente.Conteggio(), 5U);
    copia = sorgente;
    EXPECT_EQ(elenco(copia), elenco(sorgente));

    ListaColonne limitata(2);
    ListaColonne copiaLimitata(limitata);
    copiaLimitata.Aggiungi(1);
    copiaLimitata.Aggiungi(2);
    EXPECT_THROW(copiaLimitata.Aggiungi(3), Errore) << "a copy keeps the limit";

    ListaColonne spostata(std::move(copia));
    EXPECT_EQ(spostata.Conteggio(), 5U);
    EXPECT_TRUE(copia.Vuota());  // NOLINT(bugprone-use-after-move): moved-from is defined empty
    copia.Inserisci(8);
    EXPECT_EQ(elenco(copia), (std::vector<Colonna>{8}));
    copia = std::move(spostata);
    EXPECT_EQ(elenco(copia), (std::vector<Colonna>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(spostata.Vuota());  // NOLINT(bugprone-use-after-move)
    // Both go on appending where their own columns end.
    copia.Aggiungi(6);
    spostata.Aggiungi(7);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(elenco(copia), (std::vector<Colonna>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(elenco(spostata), (std::vector<Colonna>{7}));
}

TEST(Espandi, SetsOfEightOrFewerNumbersAndTheListKept) {
    ListaColonne lista;
    const Colonna otto = col({1, 4, 6, 9, 13, 20, 25, 32});
    Espandi(lista, otto, false);
    EXPECT_EQ(elenco(lista), (std::vector<Colonna>{otto}));
    Espandi(lista, col({1, 2, 3, 4, 5, 6, 7}), false);
    EXPECT_EQ(lista.Conteggio(), 1U) << "a 7-number set adds nothing";
    Espandi(lista, col({2, 3, 5, 8, 13, 21, 22, 30, 31}), false);
    EXPECT_EQ(lista.Conteggio(), 10U);
    EXPECT_EQ(*lista.begin(), otto) << "without svuotaPrima the list is kept";
    Espandi(lista, col({1, 2, 3, 4, 5, 6, 7}), true);
    EXPECT_TRUE(lista.Vuota()) << "svuotaPrima empties even when nothing is added";
}

TEST(Espandi, LargerSetsFollowTheOrderOfTheNumbersLeftOut) {
    const Colonna dieci = col({1, 3, 4, 7, 10, 12, 18, 19, 26, 32});
    ListaColonne lista;
    Espandi(lista, dieci, true);
    EXPECT_EQ(*std::next(lista.begin()), col({3, 7, 10, 12, 18, 19, 26, 32}))
        << "without the 1st and 3rd";
    // Nine numbers leave out each in turn from the smallest.
    for (const Colonna set :
         {dieci, col({2, 3, 5, 8, 13, 21, 22, 30, 31}),
          col({1, 2, 5, 6, 9, 11, 14, 15, 20, 27, 29}), 0x00FFF000u, 0xF0F0F0F0u}) {
        Espandi(lista, set, true);
        EXPECT_EQ(elenco(lista), colonneDiOtto(set)) << std::hex << set;
    }
}
