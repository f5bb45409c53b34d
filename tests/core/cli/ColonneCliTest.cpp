// The column file tools from the command line: listing, conversion,
// operations, grouping, the play archive and the matrix library.

#include "CliSupport.h"

using namespace ludo::test;

using ColonneCli = CliTest;

TEST_F(ColonneCli, PrintsEachColumnsNumbersAscending) {
    Bytes b = maschereLE({0x800000FEu, 0x000001FFu});  // 2..8 and 32; nine numbers
    b.push_back(0x01);                                  // a stray byte
    writeFile(dir_ / "prova.Col", b);
    auto e = lancia({"colonne", file("prova.Col")});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, R"({"colonne":[[2,3,4,5,6,7,8,32],[1,2,3,4,5,6,7,8,9]],"conteggio":2})"
                     "\n");
    e = lancia({"colonne", "--espandi", file("prova.Col")});
    EXPECT_THAT(e.out, StartsWith(R"({"colonne":[[2,3,4,5,6,7,8,32],[2,3,4,5,6,7,8,9],)"));
    EXPECT_THAT(e.out, HasSubstr(R"([1,2,3,4,5,6,7,8]],"conteggio":10})"));
    writeFile(dir_ / "vuoto.Col", {});
    EXPECT_EQ(lancia({"colonne", file("vuoto.Col")}).out, "{\"colonne\":[],\"conteggio\":0}\n");

    rifiuta({"colonne", file("manca.Col")}, "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.");
    EXPECT_THAT(lancia({"colonne"}).err, HasSubstr("colonne FILE.Col"));
}

TEST_F(ColonneCli, ConvertsByIndexOrExtensionAndReportsFailures) {
    writeFile(dir_ / "a.b.Col", maschereLE({0xFF, 0xFF00}));
    auto e = lancia({"converti", "--da", "col", "--a", "0", file("a.b.Col"), "--destinazione", dir_.path().string()});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "{\"files_creati\":1,\"messaggio\":\"Conversione terminata con successo.\"}\n");
    EXPECT_EQ(readFile(dir_ / "a.Txt"), bytesOf("1  2  3  4  5  6  7  8  \r\n9  10 11 12 13 14 15 16 "));

    e = lancia({"converti", "--da", "0", "--a", "txt", file("a.Txt"), "--destinazione",
                dir_.path().string()});
    EXPECT_EQ(e.stato, 1);  // the file would be its own destination
    EXPECT_EQ(e.err, "Impossibile convertire il file a.Txt. Elaborazione terminata\n");
    EXPECT_EQ(lancia({"converti", "--da", "gol", "--a", "0", "x", "--destinazione", "."}).stato, 1);
}

TEST_F(ColonneCli, OperationsGroupingAndPlays) {
    writeFile(dir_ / "COLONNE" / "uno.col", maschereLE({0xFF, 0x1FE}));
    auto e = lancia({"operazioni", "xor", "uno.col", "uno.col", "--out", "r.col"});
    EXPECT_EQ(e.out, "{\"colonne\":0,\"file_creato\":false,\"messaggio\":\"Colonne Ottenute : 0  Nessun File "
                     "Creato\"}\n");

    writeFile(dir_ / "nove.Col", maschereLE(colonneDiOtto(0x1FF)));
    e = lancia({"accorpa", file("nove.Col"), "--partite", "9", "--out", file("acc.Col")});
    EXPECT_EQ(e.out, "{\"iniziali\":9,\"finali\":1,\"indice\":\"9\",\"schedine\":1}\n");
    EXPECT_EQ(readFile(dir_ / "acc.Col"), maschereLE({0x1FF}));

    writeFile(dir_ / "ArchivioGiocate" / "Concorso_5.dat", maschereLE({1, 0xFF, 0, 0, 0, 0, 0, 1, 0x3FF, 0}));
    e = lancia({"giocate", "5", "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_THAT(e.out, HasSubstr("\"costo\":36800"));
    EXPECT_THAT(e.out, HasSubstr("\"punti_integrali\":[0,0,0,0,0,0,28,16,1]"));
    rifiuta({"giocate", "6"}, "Impossibile leggere le giocate del concorso 6.");
}

TEST_F(ColonneCli, ColumnFileNamesWithAFolderAreUsedAsGivenWithoutOneInColonne) {
    TempDir altrove;
    writeFile(altrove / "p.Col", maschereLE({0xFF}));
    writeFile(altrove / "q.Col", maschereLE({0x1FE}));
    auto e = lancia({"operazioni", "or", (altrove / "p.Col").string(), (altrove / "q.Col").string(), "--out",
                     (altrove / "r.Col").string()});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(readFile(altrove / "r.Col"), maschereLE({0xFF, 0x1FE}));

    // Every command reads and writes a bare name in COLONNE.
    writeFile(dir_ / "COLONNE" / "p.Col", maschereLE({0x1FF}));
    e = lancia({"accorpa", "p.Col", "--partite", "9", "--out", "a.Col"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(lancia({"colonne", "a.Col"}).out, "{\"colonne\":[[1,2,3,4,5,6,7,8,9]],\"conteggio\":1}\n");
}

TEST_F(ColonneCli, ListsTheMatrixLibrary) {
    writeFile(dir_ / "Matrici" / "12F1R1.col", Bytes(40, 0));
    writeFile(dir_ / "Matrici" / "zz.col", Bytes(4, 0));
    const auto e = lancia({"matrici"});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out,
              "{\"matrici\":[{\"nome\":\"12F1R1.col\",\"numeri\":12,\"fisse\":1,\"garanzia\":\"1 Sette\","
              "\"colonne\":10,\"costo\":8000},{\"nome\":\"zz.col\",\"numeri\":\"NV\",\"fisse\":\"NV\","
              "\"garanzia\":\"NV\",\"colonne\":\"NV\",\"costo\":\"NV\"}],\"valuta\":\"£\"}\n");
}
