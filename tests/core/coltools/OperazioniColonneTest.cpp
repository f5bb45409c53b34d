#include "core/coltools/OperazioniColonne.h"

#include "TestSupport.h"
#include "core/columns/FileColonne.h"

using ludo::Colonna;
using ludo::Operazione;
using namespace ludo::test;

namespace {

constexpr Colonna kA = 0x000000FFU;  // 1..8
constexpr Colonna kB = 0x000001FEU;  // 2..9: 7 in common with kA
constexpr Colonna kC = 0x000003FCU;  // 3..10: 6 in common with kA
constexpr Colonna kD = 0x0000FF00U;  // 9..16

using Annulla = ludo::test::AnnullaDopo;

std::filesystem::path Scrivi(const TempDir& dir, const std::string& nome, const std::vector<Colonna>& colonne) {
    writeFile(dir / nome, maschereLE(colonne));
    return dir / nome;
}

struct Caso {
    TempDir dir;
    Annulla avanzamento;
    ludo::EsitoOperazione Esegui(Operazione op, const std::vector<Colonna>& primo, const std::vector<Colonna>& secondo) {
        return ludo::EseguiOperazione(op, Scrivi(dir, "1.col", primo), Scrivi(dir, "2.col", secondo), dir / "out.col",
                                      avanzamento, 7);
    }
    [[nodiscard]] Bytes Uscita() const { return readFile(dir / "out.col"); }
};

}  // namespace

TEST(OperazioniColonne, SetOperationsKeepTheOrderAndRepeatsOfTheRules) {
    Caso caso;
    // OR of a file with itself drops its repeats.
    auto esito = caso.Esegui(Operazione::Or, {kA, kB, kA}, {kA, kB, kA});
    EXPECT_EQ(caso.Uscita(), maschereLE({kA, kB}));
    EXPECT_EQ(esito.messaggio, "Colonne Ottenute : 2");
    esito = caso.Esegui(Operazione::Or, {kB}, {kD, kB, kD, kA});
    EXPECT_EQ(caso.Uscita(), maschereLE({kB, kD, kA}));

    // AND keeps a column of the second file each time it occurs there.
    esito = caso.Esegui(Operazione::And, {kA, kC}, {kB, kA, kC, kA});
    EXPECT_EQ(caso.Uscita(), maschereLE({kA, kC, kA}));
    EXPECT_EQ(esito.colonne, 3U);

    // XOR toggles: a repeat in the second file is added then removed.
    esito = caso.Esegui(Operazione::Xor, {kA, kB, kC}, {kB, kD, kD, kA, kA});
    EXPECT_EQ(caso.Uscita(), maschereLE({kC, kA}));

    std::filesystem::remove(caso.dir / "out.col");
    esito = caso.Esegui(Operazione::Xor, {kA, kB, kA}, {kA, kB, kA});
    EXPECT_EQ(esito.messaggio, "Colonne Ottenute : 0  Nessun File Creato");
    EXPECT_FALSE(esito.fileScritto);
    EXPECT_FALSE(std::filesystem::exists(caso.dir / "out.col"));
}

TEST(OperazioniColonne, CoverageCountsTheColumnsBelowTheThreshold) {
    Caso caso;
    auto esito = caso.Esegui(Operazione::CoperturaN1, {kA}, {kA, kB, kC, kD});
    EXPECT_EQ(caso.Uscita(), maschereLE({kC, kD}));
    EXPECT_EQ(esito.messaggio, "Colonne Scoperte : 2");
    esito = caso.Esegui(Operazione::CoperturaN2, {kA}, {kA, kB, kC, kD});
    EXPECT_EQ(caso.Uscita(), maschereLE({kD}));
    esito = caso.Esegui(Operazione::CoperturaN1, {kA, kB, kD}, {kA, kB, kD});
    EXPECT_EQ(esito.messaggio, "Colonne Scoperte : 0  Nessun File Creato");
}

TEST(OperazioniColonne, SecondFileStreamedInBlocksWithProgressAndCancel) {
    Caso caso;
    std::vector<Colonna> molte;
    for (Colonna c = 1; c <= 2500; ++c) molte.push_back(c << 4);
    auto esito = caso.Esegui(Operazione::And, molte, molte);
    EXPECT_EQ(caso.Uscita(), maschereLE(molte));
    const auto& progressi = caso.avanzamento.progressi;
    ASSERT_FALSE(progressi.empty());
    EXPECT_EQ(progressi.back().first, 100);
    EXPECT_TRUE(std::is_sorted(progressi.begin(), progressi.end()));

    Caso annullato;
    annullato.avanzamento = Annulla(1500);
    esito = annullato.Esegui(Operazione::Or, {kA}, molte);
    EXPECT_TRUE(esito.annullata);
    EXPECT_TRUE(esito.messaggio.empty());
    EXPECT_EQ(annullato.avanzamento.progressi.back().first, 0);
    EXPECT_FALSE(std::filesystem::exists(annullato.dir / "out.col"));
}

TEST(OperazioniColonne, ShuffleKeepsEveryColumn) {
    Caso caso;
    std::vector<Colonna> colonne;
    for (Colonna c = 1; c <= 200; ++c) colonne.push_back(c);
    colonne.push_back(5);
    const auto esito = ludo::EseguiOperazione(Operazione::Disordinatore, Scrivi(caso.dir, "d.col", colonne),
                                              caso.dir / "non-usato.col", caso.dir / "out.col", caso.avanzamento, 3);
    EXPECT_EQ(esito.messaggio, "Elaborazione Terminata.");
    ludo::ListaColonne uscita;
    ASSERT_TRUE(ludo::LeggiFile(uscita, caso.dir / "out.col", false));
    auto mescolate = elenco(uscita);
    EXPECT_NE(mescolate, colonne);
    std::sort(mescolate.begin(), mescolate.end());
    std::sort(colonne.begin(), colonne.end());
    EXPECT_EQ(mescolate, colonne);
}

TEST(OperazioniColonne, UnreadableFilesGiveTheTwoMessages) {
    Caso caso;
    const auto manca = caso.dir / "manca.col";
    const auto primo = Scrivi(caso.dir, "p.col", {kA});
    const auto uscita = caso.dir / "o.col";
    const auto errore = [&](Operazione op, const std::filesystem::path& a,
                            const std::filesystem::path& b, const std::filesystem::path& out) {
        return erroreDi([&] { ludo::EseguiOperazione(op, a, b, out, caso.avanzamento, 1); });
    };
    const std::string sui = "Impossibile Effettuare le Operazioni Sui File";
    EXPECT_EQ(errore(Operazione::Or, manca, manca, uscita), sui);
    EXPECT_EQ(errore(Operazione::Disordinatore, manca, manca, uscita),
              "Impossibile Effettuare le Operazioni sul File");
    EXPECT_EQ(errore(Operazione::And, primo, manca, uscita), sui);
    EXPECT_EQ(errore(Operazione::Or, primo, primo, caso.dir / "nessuna" / "o.col"), sui);
}
