// The archive of contests from the command line: listing, adding, deleting
// and the cached analysis tables.

#include "ArchivioDiProva.h"
#include "CliSupport.h"

using namespace ludo::test;

namespace {

class ArchivioCli : public CliTest {
protected:
    // Two contests of season 2024/25: 1..8, then 9..15 and 32.
    void SetUp() override { scriviArchivio(dir_.path(), 2024, {0x000000FF, 0x80007F00}); }
    [[nodiscard]] Bytes archivio() const { return readFile(dir_ / "ARCHIVI" / "archivio.ttg"); }
};

}  // namespace

TEST_F(ArchivioCli, ListsContestsAndTheWholeArchiveInterval) {
    const auto e = lancia({"archivio"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out,
              R"({"concorsi":[{"anno":2024,"numero":1,"tipo":"Serie A","vincente":[1,2,3,4,5,6,7,8]},)"
              R"({"anno":2024,"numero":2,"tipo":"Serie A","vincente":[9,10,11,12,13,14,15,32]}],)"
              R"("intervallo":{"tipi":15,"annoDa":2024,"concDa":1,"annoA":2024,"concA":2},"analisiValide":true})"
              "\n");
    std::filesystem::remove(dir_ / "ARCHIVI" / "archivio.ttg");
    rifiuta({"archivio"}, "Impossibile Caricare L'Archivio.");
}

TEST_F(ArchivioCli, AddChecksLikeTheDialogThenSavesInOrder) {
    const auto aggiungi = [](const char* anno, const char* numero, const char* vincente) {
        return std::vector<std::string>{"archivio", "aggiungi", "--anno", anno, "--numero", numero, "--vincente", vincente};
    };
    rifiuta(aggiungi("2024", "2", "1 2 3 4 5 6 7 8"), "Il concorso è già presente in memoria.");
    EXPECT_EQ(lancia(aggiungi("2023", "300", "1 2 3 4 5 6 7 8")).stato, 1);
    EXPECT_EQ(archivio().size(), 14u) << "refusals change nothing";

    auto argomenti = aggiungi("2023", "30", "32 31 30 29 28 27 26 25");
    argomenti.insert(argomenti.end(), {"--tipo", "C"});
    const auto e = lancia(argomenti);
    ASSERT_EQ(e.stato, 0) << e.err;
    const Bytes file = archivio();
    ASSERT_EQ(file.size(), 21u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 7), recordConcorso(123, 30, 4, 0xFF000000))
        << "sorted first";
}

TEST_F(ArchivioCli, DeleteRemovesTheContestOrExplainsWhy) {
    rifiuta({"archivio", "elimina", "--anno", "2024", "--numero", "7"}, "Il concorso non è presente in archivio.");
    const auto e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(archivio(), recordConcorso(124, 2, 1, 0x80007F00));
}

TEST_F(ArchivioCli, AnalysesListTheTwentySixTablesAndFollowEveryEdit) {
    auto e = lancia({"archivio", "analisi"});
    ASSERT_EQ(e.stato, 0) << e.err;
    // 1..8 and 9..15 32 both have 4 even numbers.
    EXPECT_THAT(e.out, StartsWith(R"([{"condizione":"Pari e Dispari","modo":0,"tabella":"Pari","maxValore":8,)"
                                  R"("numConcorsi":2,"punti":[{"frequenza":0,"ritardo":2,"ritardoMax":2},)"));
    std::size_t tabelle = 0;
    for (auto p = e.out.find("\"tabella\""); p != std::string::npos; p = e.out.find("\"tabella\"", p + 1)) ++tabelle;
    EXPECT_EQ(tabelle, 26u);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ARCHIVI" / "archdb.ttg")) << "computed, not saved";

    ASSERT_EQ(lancia({"archivio", "aggiungi", "--anno", "2024", "--numero", "3", "--vincente", "1 2 3 4 5 6 7 8"})
                  .stato,
              0);
    ASSERT_TRUE(std::filesystem::exists(dir_ / "ARCHIVI" / "archdb.ttg"));
    EXPECT_THAT(lancia({"archivio", "analisi"}).out, HasSubstr(R"("tabella":"Pari","maxValore":8,"numConcorsi":3,)"));

    EXPECT_THAT(lancia({"archivio", "analizza"}).err,
                StartsWith("Sottocomando sconosciuto: analizza (aggiungi, elimina, analisi).\nUso: "));
}
