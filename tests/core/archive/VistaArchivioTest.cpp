// The archive view's table: header blocks of the ticked families and the
// values of each contest row.

#include "ArchivioDiProva.h"
#include "core/archive/VistaArchivio.h"

using namespace ludo;
using ludo::test::col;

namespace {

FamiglieVista tutte() {
    FamiglieVista f;
    f.fill(true);
    return f;
}

FamiglieVista solo(FamigliaVista famiglia) {
    FamiglieVista f{};
    f[static_cast<std::size_t>(famiglia)] = true;
    return f;
}

ArchivioConcorsi archivio() {
    return ludo::test::archivioDi({{2023, 1, SerieA, col({1, 3, 4, 10, 11, 12, 20, 30})},
                                   {2023, 2, Altri, col({1, 3, 5, 7, 9, 11, 13, 15})},
                                   {2023, 3, SerieB, col({1, 2, 3, 4, 5, 6, 7, 8})}});
}

std::size_t colonneDi(const std::vector<IntestazioneVista>& blocchi) {
    std::size_t n = 0;
    for (const auto& b : blocchi) n += b.Tipi.size();
    return n;
}

TEST(VistaArchivio, EveryFamilyGivesAsManyValuesAsItsHeaderHasColumns) {
    const auto a = archivio();
    for (std::size_t f = 0; f < NumeroFamiglie; ++f) {
        const auto famiglie = solo(static_cast<FamigliaVista>(f));
        const std::size_t colonne = colonneDi(IntestazioniVista(famiglie));
        EXPECT_GT(colonne, 0u) << NomeFamiglia(static_cast<FamigliaVista>(f));
        EXPECT_EQ(RigaVistaArchivio(a, 2, famiglie).Valori.size(), colonne) << NomeFamiglia(static_cast<FamigliaVista>(f));
    }
    EXPECT_EQ(IntestazioniVista(tutte()).size(), 17u) << "Interruzioni, Simmetrie and Ripetizioni have two blocks";
}

TEST(VistaArchivio, NothingTickedLeavesTheFixedColumns) {
    const auto a = archivio();
    const FamiglieVista nessuna{};
    EXPECT_TRUE(IntestazioniVista(nessuna).empty());
    const RigaVista r = RigaVistaArchivio(a, 1, nessuna);
    EXPECT_TRUE(r.Valori.empty());
    EXPECT_EQ(std::tuple(r.Anno, r.Numero, r.Tipo, r.Colonna),
              std::tuple("2023", "2", "Altri", "1  3  5  7  9  11 13 15 "));
    EXPECT_EQ(RigaVistaArchivio(a, 2, nessuna).Tipo, "B");
}

TEST(VistaArchivio, ValuesOfTheWinningColumn) {
    const auto a = archivio();
    // 1 | 3 4 | 10 11 12 | 20 | 30
    EXPECT_EQ(RigaVistaArchivio(a, 0, solo(FamigliaVista::Somme)).Valori, (std::vector<int>{91, 76, 15}));
    EXPECT_EQ(RigaVistaArchivio(a, 0, solo(FamigliaVista::NumeroSequenze)).Valori, (std::vector<int>{3, 1, 1, 0}));
    EXPECT_EQ(RigaVistaArchivio(a, 0, solo(FamigliaVista::ConsecutivitaNumerica)).Valori, (std::vector<int>{3}));
    // Even 4 10 12 20 30: 5, longest run 12 20 30 (11 breaks 4 10 off);
    // odd 1 3 11: 3, longest run 1 3.
    EXPECT_EQ(RigaVistaArchivio(a, 0, solo(FamigliaVista::PariDispari)).Valori, (std::vector<int>{5, 3, 3, 2}));

    // Order of the table, whatever the order of ticking: sums before parity.
    FamiglieVista due{};
    due[static_cast<std::size_t>(FamigliaVista::PariDispari)] = true;
    due[static_cast<std::size_t>(FamigliaVista::Somme)] = true;
    EXPECT_EQ(RigaVistaArchivio(a, 0, due).Valori, (std::vector<int>{91, 76, 15, 5, 3, 3, 2}));
    EXPECT_EQ(IntestazioniVista(due)[0].Titolo, "   Somme  ");
    EXPECT_EQ(IntestazioniVista(due)[1].Sottotitolo, "  Pari       Dispari");
}

TEST(VistaArchivio, RepetitionsLookAtTheContestsBefore) {
    const auto a = archivio();
    // Against the contest before and the one two back.
    const auto contro = [&](std::size_t riga) {
        const auto v = RigaVistaArchivio(a, riga, solo(FamigliaVista::Ripetizioni)).Valori;
        return std::pair{v[0], v[2]};
    };
    EXPECT_EQ(contro(0), std::pair(0, 0)) << "nothing before the first contest";
    EXPECT_EQ(contro(1), std::pair(3, 0)) << "1 3 11 of contest 1";
    EXPECT_EQ(contro(2), std::pair(4, 3)) << "1 3 5 7 of contest 2, 1 3 4 of contest 1";
}

// The contest the maintenance window makes of an empty archive has no
// numbers: every measure still gives a value, none fails.
TEST(VistaArchivio, AContestWithoutNumbersGivesARow) {
    ArchivioConcorsi a;
    a.InserisciOrdinato(NuovoConcorso());
    const RigaVista r = RigaVistaArchivio(a, 0, tutte());
    EXPECT_EQ(r.Valori.size(), colonneDi(IntestazioniVista(tutte())));
    EXPECT_EQ(r.Colonna, "");
    EXPECT_EQ(r.Valori[0], 0) << "sum of no numbers";
}

TEST(VistaArchivio, SequenceHeadingsFollowTheLength) {
    const auto blocchi = IntestazioniVista(solo(FamigliaVista::Terzine));
    ASSERT_EQ(blocchi.size(), 1u);
    EXPECT_EQ(blocchi[0].Sottotitolo, "    M3      MN    B3       BN    J3   JN   S3");
    EXPECT_EQ(blocchi[0].Titolo, "                     Sequele Di Lunghezza 3");
    // 1 2 3 … 8 alternates odd and even: no window of one sign, every
    // window of two holds both signs.
    const auto v = RigaVistaArchivio(archivio(), 2, solo(FamigliaVista::Accoppiate)).Valori;
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[3], 4) << "four windows of two side by side";
    EXPECT_EQ(v[5], 7) << "seven windows one position apart";
}

}  // namespace
