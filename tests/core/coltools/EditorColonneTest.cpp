#include "core/coltools/EditorColonne.h"

#include "TestSupport.h"

namespace {

using ludo::EditorColonne;
using ludo::TCol8;
using namespace ludo::test;

// An editor whose columns are typed cell by cell, as the grid reads them back.
EditorColonne Digitate(const std::filesystem::path& cartella, const std::vector<TCol8>& colonne) {
    EditorColonne editor(cartella);
    for (std::size_t i = 0; i < colonne.size(); ++i) {
        for (int p = 0; p < ludo::PosizioniColonna; ++p)
            editor.ImpostaNumero(i, p, colonne[i][static_cast<std::size_t>(p)]);
    }
    return editor;
}

std::vector<TCol8> Colonne(const EditorColonne& editor) {
    std::vector<TCol8> tutte;
    for (std::size_t i = 0; i < editor.Conteggio(); ++i) tutte.push_back(editor[i]);
    return tutte;
}

constexpr TCol8 kVuota{};

}  // namespace

TEST(EditorColonne, TypedCellsKeepNumbersUpTo32AndDropTheRest) {
    for (const char* nessuno : {"", "  ", "33", "40", "1 2", "-1"})
        EXPECT_EQ(ludo::ValoreCella(nessuno), 0) << '"' << nessuno << '"';
    EXPECT_EQ(ludo::ValoreCella(" 7"), 7);
    EXPECT_EQ(ludo::ValoreCella("7 "), 7);
    EXPECT_EQ(ludo::ValoreCella("32"), 32);
}

TEST(EditorColonne, ACellPastTheEndGrowsTheListWithEmptyColumns) {
    EditorColonne editor("/programma");
    editor.ImpostaNumero(3, 0, 0);
    EXPECT_EQ(editor.Conteggio(), 0U);  // an empty cell past the end adds nothing
    editor.ImpostaNumero(3, 2, 17);
    ASSERT_EQ(editor.Conteggio(), 4U);
    EXPECT_EQ(editor[0], kVuota);
    EXPECT_EQ(editor.Numero(3, 2), 17);
    EXPECT_EQ(editor.Numero(9, 2), 0);
    EXPECT_EQ(ludo::Maschera(editor[3]), col({17}));
}

TEST(EditorColonne, TheCheckNamesTheFirstCellItRefuses) {
    TempDir dir;
    // Seven numbers: the empty eighth cell is refused.
    auto editor =
        Digitate(dir.path(), {kVuota, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 0}});
    auto errore = editor.Verifica();
    ASSERT_TRUE(errore);
    EXPECT_EQ(errore->indice, 2U);
    EXPECT_EQ(errore->posizione, 7);
    EXPECT_STREQ(errore->messaggio, "Il numero selezionato non è valido");

    // A gap refuses the column even when a repeat comes first in it.
    editor = Digitate(dir.path(), {{4, 4, 0, 1, 2, 3, 5, 6}});
    EXPECT_EQ(editor.Verifica()->posizione, 2);

    // The repeat, not its first appearance, is selected.
    editor = Digitate(dir.path(), {{5, 6, 7, 8, 9, 10, 11, 12}, {1, 2, 3, 9, 5, 6, 9, 8}});
    errore = editor.Verifica();
    ASSERT_TRUE(errore);
    EXPECT_EQ(errore->indice, 1U);
    EXPECT_EQ(errore->posizione, 6);
    EXPECT_STREQ(errore->messaggio, "Il numero selezionato è stato inserito più di una volta");

    editor = Digitate(dir.path(), {kVuota, {32, 31, 30, 29, 28, 27, 26, 1}, kVuota});
    EXPECT_FALSE(editor.Verifica());
}

TEST(EditorColonne, SortingCompactsAndOrdersNumbersAndColumns) {
    auto editor = Digitate(
        "/programma",
        {{10, 9, 8, 7, 6, 5, 4, 3}, kVuota, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 9}});
    EXPECT_TRUE(editor.Ordina());
    EXPECT_EQ(Colonne(editor),
              (std::vector<TCol8>{
                  {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 9}, {3, 4, 5, 6, 7, 8, 9, 10}}));
    EXPECT_FALSE(editor.Ordina());

    editor = Digitate("/programma", {{1, 2, 3, 4, 5, 6, 7, 8}});
    editor.InserisciVuota(0);
    EXPECT_FALSE(editor.Ordina());  // only compacted: the columns saved are the same
    EXPECT_EQ(editor.Conteggio(), 1U);
}

TEST(EditorColonne, InsertingDeletingAndInsertingAFile) {
    auto editor = Digitate("/programma", {{1, 2, 3, 4, 5, 6, 7, 8}, {2, 3, 4, 5, 6, 7, 8, 9}});
    const TCol8 a{1, 2, 3, 4, 5, 6, 7, 8};
    const TCol8 b{2, 3, 4, 5, 6, 7, 8, 9};
    editor.InserisciVuota(1);
    editor.InserisciVuota(40);
    EXPECT_EQ(Colonne(editor), (std::vector<TCol8>{a, kVuota, b, kVuota}));
    EXPECT_TRUE(editor.Cancella(3));
    EXPECT_FALSE(editor.Cancella(3));
    EXPECT_TRUE(editor.Cancella(1));

    // Each column of the file goes in at the same place: they end up in reverse order.
    const auto file =
        listaDi({col({11, 12, 13, 14, 15, 16, 17, 18}), col({21, 22, 23, 24, 25, 26, 27, 28})});
    const TCol8 x{11, 12, 13, 14, 15, 16, 17, 18};
    const TCol8 y{21, 22, 23, 24, 25, 26, 27, 28};
    editor.InserisciColonne(1, file);
    EXPECT_EQ(Colonne(editor), (std::vector<TCol8>{a, y, x, b}));
    editor.InserisciColonne(9, file);
    EXPECT_EQ(Colonne(editor), (std::vector<TCol8>{a, y, x, b, x, y}));

    // An integral column comes in as its columns of 8; a short one as it is.
    EditorColonne integrali("/programma");
    integrali.InserisciColonne(0, listaDi({0x1FFU, col({3, 5})}));
    ASSERT_EQ(integrali.Conteggio(), 10U);
    EXPECT_EQ(integrali[0], (TCol8{2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(integrali[9], (TCol8{3, 5, 0, 0, 0, 0, 0, 0}));
}

TEST(EditorColonne, SavingWritesTheNonEmptyColumnsAndNamesTheList) {
    CartellaProgramma dir;
    auto editor =
        Digitate(dir.path(), {{8, 7, 6, 5, 4, 3, 2, 1}, kVuota, {9, 10, 11, 12, 13, 14, 15, 16}});
    editor.Modificato = true;
    EXPECT_EQ(editor.NomeFile, dir / "COLONNE" / "Personali.col");
    EXPECT_TRUE(editor.DeveChiedereNome());
    EXPECT_EQ(editor.Titolo(), "Editor Colonnare - Personali.col");

    const auto file = dir / "COLONNE" / "mie.Col";
    editor.SalvaFile(file);
    EXPECT_EQ(readFile(file), (Bytes{0xFF, 0, 0, 0, 0, 0xFF, 0, 0}));
    EXPECT_FALSE(editor.Modificato);
    EXPECT_FALSE(editor.DeveChiedereNome());
    EXPECT_EQ(editor.Titolo(), "Editor Colonnare - mie.Col");

    editor.Modificato = true;
    EXPECT_EQ(erroreDi([&] { editor.SalvaFile(dir / "manca" / "x.Col"); }),
              "Impossibile Salvare le Colonne");
    EXPECT_TRUE(editor.Modificato);
    EXPECT_EQ(editor.NomeFile, file);

    editor.Azzera();
    EXPECT_EQ(editor.Conteggio(), 0U);
    EXPECT_TRUE(editor.DeveChiedereNome());
}

TEST(EditorColonne, LoadingReplacesTheListOrKeepsItOnFailure) {
    TempDir dir;
    writeFile(dir / "due.Col", maschereLE({col({8, 1, 2, 3, 4, 5, 6, 7}), 0x3FC00U}));
    auto editor = Digitate(dir.path(), {{1, 2, 3, 4, 5, 6, 7, 9}});
    editor.Modificato = true;
    editor.CaricaFile(dir / "due.Col");
    EXPECT_EQ(Colonne(editor),
              (std::vector<TCol8>{{1, 2, 3, 4, 5, 6, 7, 8}, {11, 12, 13, 14, 15, 16, 17, 18}}));
    EXPECT_EQ(editor.NomeFile, dir / "due.Col");
    EXPECT_FALSE(editor.Modificato);
    EXPECT_FALSE(editor.DeveChiedereNome());

    editor.Modificato = true;
    EXPECT_EQ(erroreDi([&] { editor.CaricaFile(dir / "manca.Col"); }),
              "Impossibile Caricare le Colonne");
    EXPECT_EQ(editor.Conteggio(), 2U);
    EXPECT_TRUE(editor.Modificato);
}

TEST(EditorColonne, ScrollingFollowsTheListAndTheColumnToShow) {
    EXPECT_EQ(EditorColonne::MassimoScorrimento(0, 1000), 1000U);
    EXPECT_EQ(EditorColonne::MassimoScorrimento(800, 1000), 1000U);
    EXPECT_EQ(EditorColonne::MassimoScorrimento(801, 1000), 1200U);
    EXPECT_EQ(EditorColonne::MassimoScorrimento(1'000'000, 1000), 1'000'200U);
    EXPECT_EQ(EditorColonne::MassimoScorrimento(10, 1400), 1400U);  // it never shrinks

    EXPECT_EQ(EditorColonne::PrimaVisibile(5, 10, 16), 5U);
    EXPECT_EQ(EditorColonne::PrimaVisibile(25, 10, 16), 10U);
    EXPECT_EQ(EditorColonne::PrimaVisibile(26, 10, 16), 11U);
}
