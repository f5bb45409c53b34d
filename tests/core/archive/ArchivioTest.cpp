#include "ArchivioDiProva.h"
#include "core/archive/RegoleIntervallo.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// Bits of the numbers 1..8 shifted by `da`: a valid 8-number column.
Colonna otto(int da = 0) { return 0xFFu << da; }

T_Concorso concorso(int anno, int numero, std::uint8_t tipo = SerieA, Colonna v = otto()) {
    return {static_cast<std::uint16_t>(anno), static_cast<std::uint8_t>(numero), tipo, v};
}

}  // namespace

TEST(Archivio, RecordsCarryTheYearAsAnOffsetFrom1900AndAnIncompleteLastOneIsDropped) {
    Bytes b = recordConcorso(99, 3, 1, 0x000000FF);
    appendBytes(b, recordConcorso(105, 1, 2, 0x80000F0F));
    ArchivioConcorsi a;
    auto in = streamOf(b);
    ASSERT_TRUE(a.LeggiConcorsi(in));
    EXPECT_EQ(a.Concorsi(), (std::vector<T_Concorso>{concorso(1999, 3, SerieA, 0xFF),
                                                     concorso(2005, 1, SerieB, 0x80000F0F)}));
    EXPECT_EQ(scrittoSu([&](std::ostream& out) { return a.ScriviConcorsi(out); }), b);

    b.insert(b.end(), {100, 9, 1});  // 7k + 3 bytes
    ArchivioConcorsi corto;
    auto in2 = streamOf(b);
    EXPECT_FALSE(corto.LeggiConcorsi(in2));
    EXPECT_EQ(corto.Concorsi(), a.Concorsi());
}

TEST(Archivio, ContestsStayInSeasonAndNumberOrder) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2000, 1));
    a.InserisciOrdinato(concorso(1999, 30));
    a.InserisciOrdinato(concorso(1999, 3));
    a.InserisciOrdinato(concorso(2000, 1, SerieC, otto(1)));  // equal key goes after
    EXPECT_EQ(a.Concorsi(), (std::vector<T_Concorso>{concorso(1999, 3), concorso(1999, 30), concorso(2000, 1),
                                                     concorso(2000, 1, SerieC, otto(1))}));
    EXPECT_EQ(a.PrimoAnno(), 1999);
    EXPECT_EQ(a.UltimoAnno(), 2000);
    EXPECT_EQ(ConcorsoDaAggiungere(a), concorso(2000, 2, SerieA, 0)) << "the next number of the last season";
}

TEST(Archivio, DialogChecksCountAndDuplicatesOnlyWhenAdding) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(concorso(2001, 5, SerieB));
    EXPECT_EQ(VerificaConcorso(concorso(2001, 6, SerieA, 0x7F), true, a), MsgQuantitaNumeri);   // 7 numbers
    EXPECT_EQ(VerificaConcorso(concorso(2001, 6, SerieA, 0x1FF), true, a), MsgQuantitaNumeri);  // 9 numbers
    EXPECT_EQ(VerificaConcorso(concorso(2001, 5, SerieA), true, a), MsgConcorsoPresente) << "any type";
    EXPECT_EQ(VerificaConcorso(concorso(2001, 5, SerieA), false, a), std::nullopt);
    // The seasons the boxes show, 1979/1980 .. 2098/2099, and numbers 1..99,
    // when adding as when changing.
    const std::optional<std::string> va;
    for (const auto& [c, aggiunta, messaggio] : std::vector<std::tuple<T_Concorso, bool, std::optional<std::string>>>{
             {concorso(1978, 6), true, MsgStagioneNonValida}, {concorso(2099, 6), false, MsgStagioneNonValida},
             {concorso(1979, 6), true, va}, {concorso(2098, 6), true, va},
             {concorso(2001, 0), true, MsgNumeroConcorsoNonValido}, {concorso(2001, 100), false, MsgNumeroConcorsoNonValido}})
        EXPECT_EQ(VerificaConcorso(c, aggiunta, a), messaggio) << c.Anno << "/" << int{c.NumConcorso};
    EXPECT_EQ(erroreDi([&] { AggiungiConcorso(a, concorso(2001, 5, SerieC)); }),
              MsgConcorsoPresente);
    EXPECT_EQ(a.Conteggio(), 1u);

    // Modifying another contest into the same key is accepted; both stand
    // side by side, the modified one after.
    const auto i = AggiungiConcorso(a, concorso(2001, 7));
    EXPECT_EQ(ModificaConcorso(a, i, concorso(2001, 5, SerieA, otto(2))), 1u);
    EXPECT_EQ(a.Concorsi(), (std::vector<T_Concorso>{concorso(2001, 5, SerieB), concorso(2001, 5, SerieA, otto(2))}));

    EXPECT_EQ(EliminaConcorso(a, 1), 0u) << "index clamped to the new last";
    EXPECT_EQ(EliminaConcorso(a, 0), 0u);
    EXPECT_TRUE(a.Vuoto());
}

TEST(Intervallo, SelectsByTypeAndSeasonBounds) {
    IntervalloRicerca i{TuttiITipi, 2000, 2000, 10, 20};
    for (int n = 1; n <= 40; ++n) {
        EXPECT_EQ(ConcorsoSelezionato(i, concorso(2000, n)), n >= 10 && n <= 20) << n;
    }
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(1999, 15)));
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(2001, 15)));
    i.Tipi = SerieA;
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(2000, 15, SerieB)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(2000, 15, SerieA)));

    // Across seasons the contest bounds apply only at the two ends.
    i = {TuttiITipi, 1999, 2001, 30, 2};
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(1999, 29)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(1999, 30)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(2000, 99)));
    EXPECT_TRUE(ConcorsoSelezionato(i, concorso(2001, 2)));
    EXPECT_FALSE(ConcorsoSelezionato(i, concorso(2001, 3)));
}

TEST(Intervallo, WholeArchiveNeedsAllTypes) {
    const auto a = archivioDi({concorso(1998, 4), concorso(2003, 17)});
    IntervalloRicerca i;
    i.Tipi = SerieB;
    IntervalloTuttoArchivio(i, a);
    EXPECT_EQ(i, (IntervalloRicerca{SerieB, 1998, 2003, 4, 17})) << "the types are not touched";
    EXPECT_FALSE(ETuttoArchivio(i, a));
    i.Tipi = TuttiITipi;
    EXPECT_TRUE(ETuttoArchivio(i, a));
    i.ConcA = 16;
    EXPECT_FALSE(ETuttoArchivio(i, a));
}

TEST(ArchivioFile, SaveAndLoadBothFiles) {
    TempDir dir;
    auto a = archivioDi({concorso(2024, 1, SerieA, otto(3)), concorso(2024, 2, SerieB, otto(5))});
    a.Analisi.Tabella(0).AggiungiConcorso(4, 2, true);
    a.Analisi.Tabella(25).AggiungiConcorso(7, 1, true);
    a.AnalisiValide = true;
    ASSERT_TRUE(a.Salva(dir.path()));
    EXPECT_EQ(readFile(dir / NomeFileArchivio).size(), 14u);

    ArchivioConcorsi b;
    IntervalloRicerca i;
    ASSERT_TRUE(b.Carica(dir.path(), i));
    EXPECT_EQ(b.Concorsi(), a.Concorsi());
    EXPECT_TRUE(b.AnalisiValide);
    EXPECT_TRUE(b.Analisi == a.Analisi) << "the tables are read back, not recomputed";
    EXPECT_EQ(i, (IntervalloRicerca{TuttiITipi, 2024, 2024, 1, 2}));
}

TEST(ArchivioFile, MissingFilesGiveOneNewContestAndReportFailure) {
    TempDir dir;
    ArchivioConcorsi a;
    IntervalloRicerca i;
    EXPECT_FALSE(a.Carica(dir.path(), i));
    ASSERT_EQ(a.Conteggio(), 1u);
    EXPECT_GE(a[0].Anno, 2024);
    EXPECT_EQ(a[0], concorso(a[0].Anno, 1, SerieA, 0));
    EXPECT_TRUE(a.AnalisiValide) << "recomputed from the one new contest";
    EXPECT_EQ(i.AnnoDa, a[0].Anno);
    EXPECT_FALSE(std::filesystem::exists(dir / NomeFileAnalisi)) << "a recompute on load is not saved";
}

TEST(ArchivioFile, FileNamesAreFoundWithoutRegardToCase) {
    TempDir dir;
    writeFile(dir / "ARCHIVIO.TTG", recordConcorso(110, 8, 1, otto()));
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
    TempDir dir;
    auto a = archivioDi({concorso(2024, 1)});
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
}

TEST(ArchivioFile, AFailedSaveLeavesTheContestsOnDiskAsTheyWere) {
    TempDir dir;
    const Bytes prima = recordConcorso(124, 1, SerieA, 0xFF);
    writeFile(dir / NomeFileArchivio, prima);
    auto a = archivioDi({concorso(2024, 1), concorso(2024, 2)});
    a.RicalcolaAnalisi();

    // The tables cannot be put in place: nothing changes.
    std::filesystem::create_directories(dir / NomeFileAnalisi / "occupato");
    EXPECT_FALSE(a.Salva(dir.path()));
    EXPECT_EQ(readFile(dir / NomeFileArchivio), prima);
    std::filesystem::remove_all(dir / NomeFileAnalisi);

    // The contests cannot be put in place: no tables are left that would
    // not match the contests still there.
    std::filesystem::remove(dir / NomeFileArchivio);
    std::filesystem::create_directories(dir / NomeFileArchivio / "occupato");
    EXPECT_FALSE(a.Salva(dir.path()));
    EXPECT_FALSE(std::filesystem::exists(dir / NomeFileAnalisi));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
}
