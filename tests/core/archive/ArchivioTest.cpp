#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "core/archive/ArchivioConcorsi.h"
#include "core/archive/RegoleIntervallo.h"
#include "core/io/Errore.h"

using namespace ludo;
using ludo::test::appendLE;
using ludo::test::Bytes;

namespace {

// Bits of the numbers 1..8 shifted by `da`: a valid 8-number column.
Colonna otto(int da = 0) { return 0xFFu << da; }

T_Concorso concorso(int anno, int numero, std::uint8_t tipo = SerieA, Colonna v = otto()) {
    T_Concorso c;
    c.Anno = static_cast<std::uint16_t>(anno);
    c.NumConcorso = static_cast<std::uint8_t>(numero);
    c.TipoConcorso = tipo;
    c.Vincente = v;
    return c;
}

Bytes record(std::uint8_t annoByte, std::uint8_t numero, std::uint8_t tipo, std::uint32_t vincente) {
    Bytes b = {annoByte, numero, tipo};
    appendLE(b, vincente, 4);
    return b;
}

}  // namespace

TEST(Archivio, RecordsCarryTheYearAsAnOffsetFrom1900) {
    Bytes b = record(99, 3, SerieA, 0x000000FF);
    const Bytes r2 = record(105, 1, SerieB, 0x80000F0F);
    b.insert(b.end(), r2.begin(), r2.end());
    auto in = ludo::test::streamOf(b);
    ArchivioConcorsi a;
    ASSERT_TRUE(a.LeggiConcorsi(in));
    ASSERT_EQ(a.Conteggio(), 2u);
    EXPECT_EQ(a[0], concorso(1999, 3, SerieA, 0xFF));
    EXPECT_EQ(a[1], concorso(2005, 1, SerieB, 0x80000F0F));

    std::ostringstream out(std::ios::binary);
    ASSERT_TRUE(a.ScriviConcorsi(out));
    const auto s = out.str();
    EXPECT_EQ(Bytes(s.begin(), s.end()), b);
}

TEST(Archivio, AnIncompleteLastRecordIsDroppedAndReported) {
    Bytes b;
    for (int k = 1; k <= 4; ++k) {
        const Bytes r = record(100, static_cast<std::uint8_t>(k), SerieA, otto());
        b.insert(b.end(), r.begin(), r.end());
    }
    b.insert(b.end(), {100, 9, 1});  // 7k + 3 bytes
    auto in = ludo::test::streamOf(b);
    ArchivioConcorsi a;
    EXPECT_FALSE(a.LeggiConcorsi(in));
    EXPECT_EQ(a.Conteggio(), 4u);
}

TEST(Archivio, ContestsStayInSeasonAndNumberOrder) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2000, 1));
    a.InserisciOrdinato(concorso(1999, 30));
    a.InserisciOrdinato(concorso(1999, 3));
    a.InserisciOrdinato(concorso(2000, 1, SerieC, otto(1)));  // equal key goes after
    ASSERT_EQ(a.Conteggio(), 4u);
    EXPECT_EQ(a[0], concorso(1999, 3));
    EXPECT_EQ(a[1], concorso(1999, 30));
    EXPECT_EQ(a[2], concorso(2000, 1));
    EXPECT_EQ(a[3], concorso(2000, 1, SerieC, otto(1)));
    EXPECT_EQ(a.PrimoAnno(), 1999);
    EXPECT_EQ(a.UltimoAnno(), 2000);
}

TEST(Archivio, DialogChecksCountAndDuplicatesOnlyWhenAdding) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2001, 5, SerieB));
    EXPECT_EQ(VerificaConcorso(concorso(2001, 6, SerieA, 0x7F), true, a), MsgQuantitaNumeri);   // 7 numbers
    EXPECT_EQ(VerificaConcorso(concorso(2001, 6, SerieA, 0x1FF), true, a), MsgQuantitaNumeri);  // 9 numbers
    EXPECT_EQ(VerificaConcorso(concorso(2001, 5, SerieA), true, a), MsgConcorsoPresente) << "any type";
    EXPECT_EQ(VerificaConcorso(concorso(2001, 5, SerieA), false, a), std::nullopt);
    // The seasons the boxes show, 1979/1980 .. 2098/2099, and numbers 1..99.
    EXPECT_EQ(VerificaConcorso(concorso(1978, 6), true, a), MsgStagioneNonValida);
    EXPECT_EQ(VerificaConcorso(concorso(2099, 6), false, a), MsgStagioneNonValida);
    EXPECT_EQ(VerificaConcorso(concorso(1979, 6), true, a), std::nullopt);
    EXPECT_EQ(VerificaConcorso(concorso(2098, 6), true, a), std::nullopt);
    EXPECT_EQ(VerificaConcorso(concorso(2001, 0), true, a), MsgNumeroConcorsoNonValido);
    EXPECT_EQ(VerificaConcorso(concorso(2001, 100), false, a), MsgNumeroConcorsoNonValido);

    try {
        AggiungiConcorso(a, concorso(2001, 5, SerieC));
        FAIL() << "a duplicate must be refused";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), MsgConcorsoPresente);
    }
    EXPECT_EQ(a.Conteggio(), 1u);

    // Modifying another contest into the same key is accepted; both stand
    // side by side, the modified one after.
    const auto i = AggiungiConcorso(a, concorso(2001, 7));
    EXPECT_EQ(ModificaConcorso(a, i, concorso(2001, 5, SerieA, otto(2))), 1u);
    ASSERT_EQ(a.Conteggio(), 2u);
    EXPECT_EQ(a[0].TipoConcorso, SerieB);
    EXPECT_EQ(a[1].Vincente, otto(2));

    EXPECT_EQ(EliminaConcorso(a, 1), 0u) << "index clamped to the new last";
    EXPECT_EQ(EliminaConcorso(a, 0), 0u);
    EXPECT_TRUE(a.Vuoto());
}

TEST(Archivio, AddDialogProposesTheNextNumberOfTheLastSeason) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2010, 12));
    a.InserisciOrdinato(concorso(2011, 4, SerieC));
    const auto c = ConcorsoDaAggiungere(a);
    EXPECT_EQ(c.Anno, 2011);
    EXPECT_EQ(c.NumConcorso, 5);
    EXPECT_EQ(c.TipoConcorso, SerieA);
    EXPECT_EQ(c.Vincente, 0u);
}

TEST(Intervallo, SelectsByTypeAndSeasonBounds) {
    IntervalloRicerca i;
    i.AnnoDa = 2000;
    i.AnnoA = 2000;
    i.ConcDa = 10;
    i.ConcA = 20;
    for (int n = 1; n <= 40; ++n) {
        EXPECT_EQ(ConcorsoSelezionato(i, concorso(2000, n)), n >= 10 && n <= 20) << n;
    }
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(1999, 15)));
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(2001, 15)));

    i.Tipi = SerieA;
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(2000, 15, SerieB)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(2000, 15, SerieA)));

    // Across seasons the contest bounds apply only at the two ends.
    i = IntervalloRicerca{};
    i.AnnoDa = 1999;
    i.ConcDa = 30;
    i.AnnoA = 2001;
    i.ConcA = 2;
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(1999, 29)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(1999, 30)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(2000, 99)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(2001, 2)));
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(2001, 3)));
}

TEST(Intervallo, WholeArchiveNeedsAllTypes) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(1998, 4));
    a.InserisciOrdinato(concorso(2003, 17));
    IntervalloRicerca i;
    i.Tipi = SerieB;
    IntervalloTuttoArchivio(i, a);
    EXPECT_EQ(i.AnnoDa, 1998);
    EXPECT_EQ(i.ConcDa, 4);
    EXPECT_EQ(i.AnnoA, 2003);
    EXPECT_EQ(i.ConcA, 17);
    EXPECT_EQ(i.Tipi, SerieB) << "the types are not touched";
    EXPECT_FALSE(ETuttoArchivio(i, a));
    i.Tipi = TuttiITipi;
    EXPECT_TRUE(ETuttoArchivio(i, a));
    i.ConcA = 16;
    EXPECT_FALSE(ETuttoArchivio(i, a));
}

TEST(ArchivioFile, SaveAndLoadBothFiles) {
    ludo::test::TempDir dir;
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2024, 1, SerieA, otto(3)));
    a.InserisciOrdinato(concorso(2024, 2, SerieB, otto(5)));
    a.Analisi.Tabella(0).AggiungiConcorso(4, 2, true);
    a.Analisi.Tabella(25).AggiungiConcorso(7, 1, true);
    a.AnalisiValide = true;
    ASSERT_TRUE(a.Salva(dir.path()));
    EXPECT_EQ(ludo::test::readFile(dir / NomeFileArchivio).size(), 14u);

    ArchivioConcorsi b;
    IntervalloRicerca i;
    ASSERT_TRUE(b.Carica(dir.path(), i));
    EXPECT_EQ(b.Concorsi(), a.Concorsi());
    EXPECT_TRUE(b.AnalisiValide);
    EXPECT_TRUE(b.Analisi == a.Analisi) << "the tables are read back, not recomputed";
    EXPECT_EQ(i.AnnoDa, 2024);
    EXPECT_EQ(i.ConcA, 2);
}

TEST(ArchivioFile, MissingFilesGiveOneNewContestAndReportFailure) {
    ludo::test::TempDir dir;
    ArchivioConcorsi a;
    IntervalloRicerca i;
    EXPECT_FALSE(a.Carica(dir.path(), i));
    ASSERT_EQ(a.Conteggio(), 1u);
    EXPECT_EQ(a[0].NumConcorso, 1);
    EXPECT_EQ(a[0].TipoConcorso, SerieA);
    EXPECT_EQ(a[0].Vincente, 0u);
    EXPECT_GE(a[0].Anno, 2024);
    EXPECT_TRUE(a.AnalisiValide) << "recomputed from the one new contest";
    EXPECT_EQ(i.AnnoDa, a[0].Anno);
    EXPECT_FALSE(std::filesystem::exists(dir / NomeFileAnalisi)) << "a recompute on load is not saved";
}

TEST(ArchivioFile, AShortAnalysisFileIsRecomputedFromTheContests) {
    ludo::test::TempDir dir;
    ludo::test::writeFile(dir / NomeFileArchivio, record(124, 1, SerieA, otto()));
    Bytes db;
    appendLE(db, 0, 4);
    appendLE(db, 1, 4);
    db.push_back(0);
    appendLE(db, 1, 4);  // cut inside the first entry
    ludo::test::writeFile(dir / NomeFileAnalisi, db);

    ArchivioConcorsi a;
    a.Analisi.Tabella(3).AggiungiConcorso(2, 2, true);
    IntervalloRicerca i;
    EXPECT_FALSE(a.Carica(dir.path(), i));
    EXPECT_EQ(a.Conteggio(), 1u);
    EXPECT_EQ(a[0].Anno, 2024);
    EXPECT_TRUE(a.AnalisiValide);
    EXPECT_TRUE(a.ConcorsiValidi);
    EXPECT_EQ(a.Analisi.Tabella(0).NumConcorsi(), 1) << "the one contest, counted by the recompute";
    EXPECT_EQ(a.Analisi.Tabella(3).NumConcorsi(), 1) << "the table built by hand is gone";
    EXPECT_EQ(ludo::test::readFile(dir / NomeFileAnalisi), db) << "not saved";
}

TEST(ArchivioFile, FileNamesAreFoundWithoutRegardToCase) {
    ludo::test::TempDir dir;
    ludo::test::writeFile(dir / "ARCHIVIO.TTG", record(110, 8, SerieA, otto()));
    ArchivioConcorsi a;
    IntervalloRicerca i;
    a.Carica(dir.path(), i);
    EXPECT_EQ(a[0], concorso(2010, 8));
}

TEST(TipoConcorso, NamesBothWays) {
    EXPECT_EQ(NomeTipoConcorso(SerieC), "Serie C");
    EXPECT_EQ(NomeTipoConcorso(3), "");
    EXPECT_EQ(TipoDaNome("altri"), Altri);
    EXPECT_EQ(TipoDaNome("Serie D"), std::nullopt);
}

TEST(ArchivioFile, AnEditInvalidatesTheCachedTablesOnDisk) {
    ludo::test::TempDir dir;
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2024, 1));
    a.AnalisiValide = true;
    ASSERT_TRUE(a.Salva(dir.path()));
    ASSERT_TRUE(std::filesystem::exists(dir / NomeFileAnalisi));

    AggiungiConcorso(a, concorso(2024, 2));
    EXPECT_FALSE(a.AnalisiValide);
    ASSERT_TRUE(a.Salva(dir.path()));
    EXPECT_FALSE(std::filesystem::exists(dir / NomeFileAnalisi)) << "stale tables must not be read back as valid";

    ArchivioConcorsi b;
    IntervalloRicerca i;
    EXPECT_FALSE(b.Carica(dir.path(), i));
    EXPECT_TRUE(b.ConcorsiValidi);
    EXPECT_TRUE(b.AnalisiValide) << "recomputed on load";
    EXPECT_EQ(b.Analisi.Tabella(0).NumConcorsi(), 2);
    EXPECT_EQ(b.Conteggio(), 2u);
}

TEST(ArchivioFile, AFailedSaveLeavesTheContestsOnDiskAsTheyWere) {
    ludo::test::TempDir dir;
    const Bytes prima = record(124, 1, SerieA, 0xFF);
    ludo::test::writeFile(dir / NomeFileArchivio, prima);
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2024, 1));
    a.InserisciOrdinato(concorso(2024, 2));
    a.RicalcolaAnalisi();

    // The tables cannot be put in place: nothing changes.
    std::filesystem::create_directories(dir / NomeFileAnalisi / "occupato");
    EXPECT_FALSE(a.Salva(dir.path()));
    EXPECT_EQ(ludo::test::readFile(dir / NomeFileArchivio), prima);
    std::filesystem::remove_all(dir / NomeFileAnalisi);

    // The contests cannot be put in place: no tables are left that would
    // not match the contests still there.
    std::filesystem::remove(dir / NomeFileArchivio);
    std::filesystem::create_directories(dir / NomeFileArchivio / "occupato");
    EXPECT_FALSE(a.Salva(dir.path()));
    EXPECT_FALSE(std::filesystem::exists(dir / NomeFileAnalisi));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
}
