#include <gtest/gtest.h>

#include <sstream>

#include "CliSupport.h"
#include "TestSupport.h"
#include "cli/Comandi.h"

using ludo::test::Bytes;
using ludo::test::TempDir;

namespace {

using ludo::test::Esito;
constexpr auto lancia = &ludo::test::lanciaCli;

Bytes Colonne(std::initializer_list<std::uint32_t> colonne) {
    Bytes b;
    for (auto c : colonne) ludo::test::appendLE(b, c, 4);
    return b;
}

}  // namespace

TEST(CliStrumenti, ConvertsByIndexOrExtensionAndReportsFailures) {
    TempDir dir;
    ludo::test::writeFile(dir / "a.b.Col", Colonne({0xFF, 0xFF00}));
    auto esito = lancia(dir.path(), {"converti", "--da", "col", "--a", "0", (dir / "a.b.Col").string(),
                                     "--destinazione", dir.path().string()});
    EXPECT_EQ(esito.stato, 0) << esito.err;
    EXPECT_EQ(esito.out, "{\"files_creati\":1,\"messaggio\":\"Conversione terminata con successo.\"}\n");
    EXPECT_EQ(ludo::test::readFile(dir / "a.Txt"),
              ludo::test::bytesOf("1  2  3  4  5  6  7  8  \r\n9  10 11 12 13 14 15 16 "));

    esito = lancia(dir.path(), {"converti", "--da", "3", "--a", "Col", (dir / "a.b.Col").string(), "--destinazione",
                                dir.path().string()});
    EXPECT_EQ(esito.stato, 0);  // a.b.Col -> a.Col is another file
    esito = lancia(dir.path(), {"converti", "--da", "3", "--a", "Col", (dir / "a.Col").string(), "--destinazione",
                                dir.path().string()});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_EQ(esito.err, "Impossibile convertire il file a.Col. Elaborazione terminata\n");
    EXPECT_EQ(lancia(dir.path(), {"converti", "--da", "gol", "--a", "0", "x", "--destinazione", "."}).stato, 1);
}

TEST(CliStrumenti, OperationsGroupingAndPlays) {
    TempDir dir;
    std::filesystem::create_directories(dir / "COLONNE");
    ludo::test::writeFile(dir / "COLONNE" / "uno.col", Colonne({0xFF, 0x1FE}));
    auto esito = lancia(dir.path(), {"operazioni", "xor", "uno.col", "uno.col", "--out", "r.col"});
    EXPECT_EQ(esito.out, "{\"colonne\":0,\"file_creato\":false,\"messaggio\":\"Colonne Ottenute : 0  Nessun File "
                         "Creato\"}\n");
    esito = lancia(dir.path(), {"operazioni", "n2", "uno.col", "uno.col", "--out", "r.col"});
    EXPECT_EQ(esito.stato, 0);
    EXPECT_NE(esito.out.find("Colonne Scoperte : 0"), std::string::npos);

    Bytes nove;
    for (int escluso = 0; escluso < 9; ++escluso) ludo::test::appendLE(nove, 0x1FFU & ~(1U << escluso), 4);
    ludo::test::writeFile(dir / "nove.Col", nove);
    esito = lancia(dir.path(), {"accorpa", (dir / "nove.Col").string(), "--partite", "9", "--out",
                                (dir / "acc.Col").string()});
    EXPECT_EQ(esito.out, "{\"iniziali\":9,\"finali\":1,\"indice\":\"9\",\"schedine\":1}\n");
    EXPECT_EQ(ludo::test::readFile(dir / "acc.Col"), Colonne({0x1FF}));

    Bytes giocate = Colonne({1, 0xFF, 0, 0, 0, 0, 0, 1, 0x3FF, 0});
    std::filesystem::create_directories(dir / "ArchivioGiocate");
    ludo::test::writeFile(dir / "ArchivioGiocate" / "Concorso_5.dat", giocate);
    esito = lancia(dir.path(), {"giocate", "5", "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(esito.stato, 0) << esito.err;
    EXPECT_NE(esito.out.find("\"costo\":36800"), std::string::npos) << esito.out;
    EXPECT_NE(esito.out.find("\"punti_integrali\":[0,0,0,0,0,0,28,16,1]"), std::string::npos) << esito.out;
    esito = lancia(dir.path(), {"giocate", "6"});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_EQ(esito.err, "Impossibile leggere le giocate del concorso 6.\n");
}

TEST(CliStrumenti, ColumnFileNamesWithAFolderAreUsedAsGivenWithoutOneInColonne) {
    TempDir programma;
    TempDir altrove;
    ludo::test::writeFile(altrove / "p.Col", Colonne({0xFF}));
    ludo::test::writeFile(altrove / "q.Col", Colonne({0x1FE}));
    auto esito = lancia(programma.path(), {"operazioni", "or", (altrove / "p.Col").string(),
                                           (altrove / "q.Col").string(), "--out", (altrove / "r.Col").string()});
    ASSERT_EQ(esito.stato, 0) << esito.err;
    EXPECT_EQ(ludo::test::readFile(altrove / "r.Col"), Colonne({0xFF, 0x1FE}));

    // Every command reads and writes a bare name in COLONNE.
    std::filesystem::create_directories(programma / "COLONNE");
    ludo::test::writeFile(programma / "COLONNE" / "p.Col", Colonne({0x1FF}));
    esito = lancia(programma.path(), {"accorpa", "p.Col", "--partite", "9", "--out", "a.Col"});
    ASSERT_EQ(esito.stato, 0) << esito.err;
    esito = lancia(programma.path(), {"colonne", "a.Col"});
    EXPECT_EQ(esito.out, "{\"colonne\":[[1,2,3,4,5,6,7,8,9]],\"conteggio\":1}\n") << esito.err;
}

TEST(CliStrumenti, ListsTheMatrixLibrary) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Matrici");
    ludo::test::writeFile(dir / "Matrici" / "12F1R1.col", Bytes(40, 0));
    ludo::test::writeFile(dir / "Matrici" / "zz.col", Bytes(4, 0));
    const auto esito = lancia(dir.path(), {"matrici"});
    EXPECT_EQ(esito.stato, 0) << esito.err;
    EXPECT_EQ(esito.out,
              "{\"matrici\":[{\"nome\":\"12F1R1.col\",\"numeri\":12,\"fisse\":1,\"garanzia\":\"1 Sette\","
              "\"colonne\":10,\"costo\":8000},{\"nome\":\"zz.col\",\"numeri\":\"NV\",\"fisse\":\"NV\","
              "\"garanzia\":\"NV\",\"colonne\":\"NV\",\"costo\":\"NV\"}],\"valuta\":\"£\"}\n");
}
