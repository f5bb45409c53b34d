#include <gtest/gtest.h>

#include <sstream>

#include "Comandi.h"
#include "TestSupport.h"

using ludo::test::Bytes;

namespace {

struct Esito {
    int stato;
    std::string out;
    std::string err;
};

class ArchivioCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_ / "ARCHIVI");
        // Two contests of season 2024/25 built from the record layout.
        Bytes b = {124, 1, 1};
        ludo::test::appendLE(b, 0x000000FF, 4);  // 1..8
        b.insert(b.end(), {124, 2, 2});
        ludo::test::appendLE(b, 0x80000000 | 0x7F00, 4);  // 9..15, 32
        ludo::test::writeFile(dir_ / "ARCHIVI" / "archivio.ttg", b);
    }
    Esito lancia(std::vector<std::string> argomenti) {
        std::ostringstream out;
        std::ostringstream err;
        const int stato = ludo::cli::esegui(argomenti, dir_.path(), out, err);
        return {stato, out.str(), err.str()};
    }
    ludo::test::TempDir dir_;
};

}  // namespace

TEST_F(ArchivioCli, ListsContestsAndTheWholeArchiveInterval) {
    const auto e = lancia({"archivio"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out,
              R"({"concorsi":[{"anno":2024,"numero":1,"tipo":"Serie A","vincente":[1,2,3,4,5,6,7,8]},)"
              R"({"anno":2024,"numero":2,"tipo":"Serie B","vincente":[9,10,11,12,13,14,15,32]}],)"
              R"("intervallo":{"tipi":15,"annoDa":2024,"concDa":1,"annoA":2024,"concA":2},"analisiValide":false})"
              "\n");
}

TEST_F(ArchivioCli, AddChecksLikeTheDialogThenSavesInOrder) {
    auto e = lancia({"archivio", "aggiungi", "--anno", "2024", "--numero", "2", "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Il concorso è già presente in memoria.\n");

    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "30", "--vincente", "1 2 3 4 5 6 7"});
    EXPECT_EQ(e.err, "La quantità di numeri inserita è diversa da 8.\n");
    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "30", "--vincente", "1 2 3 4 5 6 7 33"});
    EXPECT_EQ(e.stato, 1);
    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "300", "--vincente", "1 2 3 4 5 6 7 8"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(ludo::test::readFile(dir_ / "ARCHIVI" / "archivio.ttg").size(), 14u) << "refusals change nothing";

    e = lancia({"archivio", "aggiungi", "--anno", "2023", "--numero", "30", "--tipo", "C", "--vincente",
                "32 31 30 29 28 27 26 25"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const Bytes file = ludo::test::readFile(dir_ / "ARCHIVI" / "archivio.ttg");
    ASSERT_EQ(file.size(), 21u);
    EXPECT_EQ((Bytes(file.begin(), file.begin() + 7)), (Bytes{123, 30, 4, 0, 0, 0, 0xFF})) << "sorted first";
}

TEST_F(ArchivioCli, DeleteRemovesTheContestOrExplainsWhy) {
    auto e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "7"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Il concorso non è presente in archivio.\n");

    e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const Bytes file = ludo::test::readFile(dir_ / "ARCHIVI" / "archivio.ttg");
    ASSERT_EQ(file.size(), 7u);
    EXPECT_EQ(file[1], 2);
}

TEST_F(ArchivioCli, AnUnreadableArchiveIsReported) {
    std::filesystem::remove(dir_ / "ARCHIVI" / "archivio.ttg");
    const auto e = lancia({"archivio"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.err, "Impossibile Caricare L'Archivio.\n");
}
