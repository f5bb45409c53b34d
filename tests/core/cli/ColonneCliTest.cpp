#include <gtest/gtest.h>

#include <sstream>

#include "CliSupport.h"
#include "TestSupport.h"
#include "cli/Comandi.h"

using ludo::test::Bytes;
using ludo::test::TempDir;

namespace {

using ludo::test::Esito;

Esito lancia(const std::filesystem::path& cartella, std::vector<std::string> argomenti) {
    return ludo::test::lanciaCli(cartella, std::move(argomenti));
}

}  // namespace

TEST(CliColonne, PrintsEachColumnsNumbersAscending) {
    TempDir dir;
    Bytes b;
    ludo::test::appendLE(b, 0x800000FEu, 4);  // 2..8 and 32
    ludo::test::appendLE(b, 0x000001FFu, 4);  // nine numbers
    b.push_back(0x01);                        // a stray byte
    ludo::test::writeFile(dir / "prova.Col", b);
    const auto percorso = (dir / "prova.Col").string();

    auto esito = lancia(dir.path(), {"colonne", percorso});
    EXPECT_EQ(esito.stato, 0) << esito.err;
    EXPECT_EQ(esito.out, R"({"colonne":[[2,3,4,5,6,7,8,32],[1,2,3,4,5,6,7,8,9]],"conteggio":2})"
                         "\n");

    esito = lancia(dir.path(), {"colonne", "--espandi", percorso});
    EXPECT_EQ(esito.stato, 0) << esito.err;
    EXPECT_EQ(esito.out.find(R"({"colonne":[[2,3,4,5,6,7,8,32],[2,3,4,5,6,7,8,9],)"), 0U)
        << esito.out;
    EXPECT_NE(esito.out.find(R"([1,2,3,4,5,6,7,8]],"conteggio":10})"), std::string::npos)
        << esito.out;

    ludo::test::writeFile(dir / "vuoto.Col", {});
    EXPECT_EQ(lancia(dir.path(), {"colonne", (dir / "vuoto.Col").string()}).out,
              "{\"colonne\":[],\"conteggio\":0}\n");
}

TEST(CliColonne, AnUnreadableFileOrAMissingArgumentFails) {
    TempDir dir;
    auto esito = lancia(dir.path(), {"colonne", (dir / "manca.Col").string()});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_EQ(esito.err, "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.\n");
    EXPECT_TRUE(esito.out.empty());

    EXPECT_EQ(lancia(dir.path(), {"colonne", dir.path().string()}).stato, 1) << "a folder";
    esito = lancia(dir.path(), {"colonne"});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_NE(esito.err.find("colonne FILE.Col"), std::string::npos);
    EXPECT_EQ(lancia(dir.path(), {"colonne", "a.Col", "b.Col"}).stato, 1);
    EXPECT_EQ(lancia(dir.path(), {"colonne", "a.Col", "--boh"}).stato, 1);
}
