#include "core/coltools/Accorpa.h"

#include "TestSupport.h"

using namespace ludo;
using namespace ludo::test;

TEST(Accorpa, LargerGroupsFirstThenSmallerOnesAmongTheRest) {
    // All 45 columns of 1..10, then the 9 of 11..19, then a loose column.
    auto lista = listaDi(colonneDiOtto(0x3FF));
    for (Colonna c : colonneDiOtto(0x7FC00)) lista.Aggiungi(c);
    lista.Aggiungi(0xFF00000U);
    const auto esito = Accorpa(lista, 10, NessunAvanzamento());
    EXPECT_EQ(elenco(lista), (std::vector<Colonna>{0x3FF, 0x7FC00, 0xFF00000U}));
    EXPECT_EQ(std::tuple(esito.stato, esito.iniziali, esito.finali, esito.TestoIndice(),
                         esito.Schedine()),
              std::tuple(EsitoAccorpa::Stato::Completato, 55U, 3U, "18.3333", 1U));
}

TEST(Accorpa, IncompleteOrUngroupableListsStayAsTheyAre) {
    std::vector<Colonna> colonne = colonneDiOtto(0x1FF);
    colonne.erase(colonne.begin() + 4);
    auto lista = listaDi(colonne);
    auto esito = Accorpa(lista, 9, NessunAvanzamento());
    EXPECT_EQ(elenco(lista), colonne);
    EXPECT_EQ(esito.TestoIndice(), "1");
    EXPECT_EQ(esito.Schedine(), 2U);  // 8 columns: one slip and a part

    // With 8 selected matches no pass runs: the columns come back unchanged.
    auto tutte = listaDi(colonneDiOtto(0x1FF));
    esito = Accorpa(tutte, 8, NessunAvanzamento());
    EXPECT_EQ(esito.finali, 9U);

    ListaColonne vuota;
    EXPECT_EQ(Accorpa(vuota, 12, NessunAvanzamento()).stato, EsitoAccorpa::Stato::Vuota);
}

TEST(Accorpa, ARepeatedColumnCountsOnceSoTheIntegralPlaysOnlyColumnsOfTheList) {
    // The eight columns of 1..9 other than 1..8, one of them twice: nine
    // columns, but {1..9} would also play 1..8.
    std::vector<Colonna> colonne = colonneDiOtto(0x1FF);
    colonne.erase(std::find(colonne.begin(), colonne.end(), Colonna{0xFF}));
    colonne.push_back(colonne[3]);
    auto lista = listaDi(colonne);
    EXPECT_EQ(Accorpa(lista, 9, NessunAvanzamento()).finali, 9U);
    EXPECT_EQ(elenco(lista), colonne);

    // With all nine the group forms, and the repeated column stays beside it:
    // the same ten bets.
    auto tutte = listaDi(colonneDiOtto(0x1FF));
    tutte.Aggiungi(colonne[3]);
    Accorpa(tutte, 9, NessunAvanzamento());
    EXPECT_EQ(elenco(tutte), (std::vector<Colonna>{0x1FF, colonne[3]}));
}

TEST(Accorpa, CancelLeavesTheListUnchangedAndPassSizesFollowTheForecast) {
    auto lista = listaDi(colonneDiOtto(0x1FF));
    AnnullaDopo annulla(0);
    EXPECT_EQ(Accorpa(lista, 9, annulla).stato, EsitoAccorpa::Stato::Annullato);
    EXPECT_EQ(lista.Conteggio(), 9U);

    for (const auto& [passo, dimensione] : {std::pair{1, 14}, {7, 14}, {8, 13}, {12, 9}, {13, 8}})
        EXPECT_EQ(DimensioneAccorpamento(20, passo), dimensione) << passo;
}
