#include "core/checking/ArchivioGiocate.h"

#include "TestSupport.h"

using namespace ludo;
using namespace ludo::test;

namespace {

constexpr Colonna kVincente = 0x000000FFU;  // 1..8

Bytes ArchivioDiProva() {
    Bytes b;
    appendLE(b, 1, 4);  // one slip play
    for (Colonna c : {0x000000FFU, 0U, 0x000001FEU, 0U, 0U, 0U}) appendLE(b, c, 4);
    appendLE(b, 1, 4);  // one integral of 1..10
    appendLE(b, 0x3FF, 4);
    appendLE(b, 1, 4);  // one system play
    appendLE(b, 12, 4);
    appendDouble(b, 45000.0);
    appendDouble(b, 0.75);
    appendLE(b, 2, 4);
    appendLE(b, 0x0000FF00U, 4);
    appendLE(b, 0x000003FCU, 4);
    return b;
}

}  // namespace

TEST(ArchivioGiocate, ReadsTheLayoutAndWritesItBack) {
    TArchivioGiocate archivio(7);
    auto in = streamOf(ArchivioDiProva());
    ASSERT_TRUE(archivio.Leggi(in));
    ASSERT_EQ(archivio.Schedine.size(), 1U);
    EXPECT_EQ(archivio.Schedine[0].Colonne[2], 0x1FEU);
    ASSERT_EQ(archivio.Integrali.size(), 1U);
    ASSERT_EQ(archivio.Sistemi.size(), 1U);
    const auto& sistema = archivio.Sistemi[0];
    EXPECT_EQ(std::tuple(sistema.Numeri, sistema.Data, sistema.Ora), std::tuple(12, 45000.0, 0.75));
    EXPECT_EQ(elenco(sistema.Colonne), (std::vector<Colonna>{0xFF00, 0x3FC}));

    EXPECT_EQ(scrittoSu([&](std::ostream& out) { return archivio.Scrivi(out); }),
              ArchivioDiProva());

    // A file cut anywhere reads as an empty archive.
    auto corto = ArchivioDiProva();
    corto.pop_back();
    auto in2 = streamOf(corto);
    EXPECT_FALSE(archivio.Leggi(in2));
    EXPECT_TRUE(archivio.Schedine.empty() && archivio.Integrali.empty() &&
                archivio.Sistemi.empty());
}

TEST(ArchivioGiocate, EmptyArchiveIsThreeZeroCountsAndTheFolderIsCreated) {
    TempDir dir;
    TArchivioGiocate archivio(12);
    EXPECT_FALSE(archivio.Carica(dir.path()));
    archivio.Salva(dir.path());
    const auto percorso = dir / "ArchivioGiocate" / "Concorso_12.dat";
    EXPECT_EQ(archivio.Percorso(dir.path()), percorso);
    EXPECT_EQ(readFile(percorso), Bytes(12, 0));
    EXPECT_TRUE(archivio.Carica(dir.path()));

    ListaColonne colonne;
    for (int i = 0; i < 12; ++i) colonne.Aggiungi(0xFFU << i);
    archivio.AggiungiSistema(19, colonne, {44000.0, 0.5});
    archivio.AggiungiSchedina({0xFF, 0, 0, 0, 0, 0});
    archivio.Salva(dir.path());
    TArchivioGiocate riletto(12);
    ASSERT_TRUE(riletto.Carica(dir.path()));
    EXPECT_EQ(riletto.Sistemi.at(0).Data, 44000.0);
    EXPECT_EQ(riletto.Sistemi.at(0).Ora, 0.5);
    EXPECT_EQ(riletto.Costo(800), 13 * 800.0);

    std::filesystem::remove(percorso);
    std::filesystem::create_directories(percorso);  // a folder in the way
    EXPECT_THROW(archivio.Salva(dir.path()), Errore);
}

TEST(ArchivioGiocate, CostAndScoresOfTheThreeKinds) {
    TArchivioGiocate archivio(1);
    archivio.AggiungiSchedina({0xFF, 0, 0, 0, 0, 0});
    EXPECT_EQ(archivio.Costo(1), 1.0);
    archivio.AggiungiIntegrale(0x3FF);
    EXPECT_EQ(archivio.Costo(1), 46.0);

    archivio.Spoglio(kVincente);
    EXPECT_EQ(archivio.PuntiSchedine, (Punteggi{0, 0, 0, 0, 0, 0, 0, 0, 1}));
    // 1..10 against 1..8: one column with 8, 16 with 7, 28 with 6.
    EXPECT_EQ(archivio.PuntiIntegrali, (Punteggi{0, 0, 0, 0, 0, 0, 28, 16, 1}));

    const auto colonne = listaDi({0xFF00, 0x1FE});
    archivio.AggiungiSistema(9, colonne);
    archivio.AggiungiSistema(9, colonne);
    archivio.Spoglio(kVincente);
    EXPECT_EQ(archivio.Sistemi[0].Punti, (Punteggi{1, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(archivio.PuntiSistemi, (Punteggi{2, 0, 0, 0, 0, 0, 0, 2, 0}));
    EXPECT_EQ(archivio.Costo(2), 2 * (46.0 + 4));
    const auto adesso = Adesso();
    EXPECT_GT(adesso.data, 45000.0);  // after 2023
    EXPECT_GE(adesso.ora, 0.0);
    EXPECT_LT(adesso.ora, 1.0);
}
