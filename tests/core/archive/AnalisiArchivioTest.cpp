// The archive-analysis set: archdb.ttg from a recompute of a small archive
// worked out by hand, read back, and recomputed when the file is short.

#include "ArchivioDiProva.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// Four contests of every type but "Altri", whose parity patterns are
// 2 1 2 1 2 1 2 1 / 2 2 2 2 2 2 2 2 / 2 1 1 2 2 1 1 2 / 2 1 2 1 2 1 2 1.
ArchivioConcorsi archivioDiProva() {
    return archivioDi({{2000, 1, SerieA, col({1, 2, 3, 4, 5, 6, 7, 8})},
                       {2000, 2, SerieB, col({1, 3, 5, 7, 9, 11, 13, 15})},
                       {2000, 3, SerieC, col({1, 2, 4, 5, 7, 8, 10, 11})},
                       {2001, 1, SerieA, col({1, 2, 3, 4, 29, 30, 31, 32})}});
}

// One table as the measures of the counted contests give it: the values of
// the points list and of the consecutiveness list, contest by contest.
struct Attesa {
    const char* nome;
    int massimo;
    std::vector<int> punti;
    std::vector<int> cons;
};

// Entry i after the contests: how often i came, the contests since it last
// came (all of them if never) and the longest such wait.
void appendEntry(Bytes& b, const std::vector<int>& valori, int i) {
    int frequenza = 0;
    int attesa = 0;
    int attesaMassima = 0;
    for (int v : valori) {
        if (v == i) {
            ++frequenza;
            attesa = 0;
        } else {
            attesaMassima = std::max(attesaMassima, ++attesa);
        }
    }
    appendLE(b, static_cast<std::uint32_t>(frequenza), 4);
    appendLE(b, static_cast<std::uint32_t>(attesa), 4);
    appendLE(b, static_cast<std::uint32_t>(attesaMassima), 4);
}

// MaxValore, NumConcorsi, Riservato, then per value the points entry and
// the consecutiveness entry.
void appendTabella(Bytes& b, const Attesa& t) {
    appendLE(b, static_cast<std::uint32_t>(t.massimo), 4);
    appendLE(b, t.punti.size(), 4);
    b.push_back(0);
    for (int i = 0; i <= t.massimo; ++i) {
        appendEntry(b, t.punti, i);
        appendEntry(b, t.cons, i);
    }
}

// The 26 tables in file order, each measure worked out by hand.
Bytes archdbAtteso() {
    const std::vector<int> zero4 = {0, 0, 0, 0};
    const std::vector<Attesa> tabelle = {
        {"Pari", 8, {4, 0, 4, 4}, {1, 0, 2, 1}},
        {"Dispari", 8, {4, 8, 4, 4}, {1, 8, 2, 1}},
        // "Interruzioni" on signs: changes of sign between positions.
        {"Globali", 7, {7, 0, 4, 7}, {7, 0, 1, 7}},
        {"Segni Pari", 7, {4, 0, 2, 4}, zero4},
        {"Segni Dispari", 7, {3, 0, 2, 3}, zero4},
        // "Interruzioni" on numbers: 2: every odd number; 3: 4 7 10; 4: 29.
        {"Globali", 7, {0, 7, 3, 1}, {0, 7, 1, 1}},
        {"Segni Pari", 7, {0, 0, 2, 0}, zero4},
        {"Segni Dispari", 7, {0, 7, 1, 1}, zero4},
        // "Simmetrie" on signs: positions (i, 9-i) and (i, i+4).
        {"Dirette", 4, {0, 4, 4, 0}, {0, 4, 4, 0}},
        {"Inverse", 4, {4, 4, 4, 4}, {4, 4, 4, 4}},
        {"Totali", 8, {4, 8, 8, 4}, zero4},
        // "Simmetrie" on numbers: only 1-32 2-31 3-30 4-29 of contest 4.
        {"Dirette", 4, {0, 0, 0, 4}, {0, 0, 0, 4}},
        {"Inverse", 4, zero4, zero4},
        {"Totali", 8, {0, 0, 0, 4}, zero4},
        // "Vortice": arms then position, direct then inverse.
        {"Bracci", 8, {4, 7, 3, 4}, zero4},
        {"Posizione", 8, {5, 5, 5, 5}, zero4},
        {"Bracci", 8, {4, 7, 3, 4}, zero4},
        {"Posizione", 8, {4, 4, 4, 4}, zero4},
        // "Ripetizioni" from contest 3 on, against the one and the two before.
        {"Una Prec.", 8, {4, 4}, {2, 2}},
        {"Due Prec.", 8, {4, 4}, {2, 1}},
        {"Una Prec.", 8, {4, 3}, {1, 2}},
        {"Due Prec.", 8, {6, 2}, {2, 1}},
        {"F.Derivate", 8, {4, 0, 4, 4}, zero4},
        {"Minima", 3, {1, 2, 1, 1}, zero4},
        {"Massima", 25, {1, 2, 2, 25}, zero4},
        {"Totale", 31, {7, 14, 10, 31}, zero4},
    };
    EXPECT_EQ(tabelle.size(), AnalisiArchivio::NumeroTabelle);
    Bytes b;
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        EXPECT_EQ(AnalisiArchivio::Tabelle[i].nome, tabelle[i].nome) << i;
        appendTabella(b, tabelle[i]);
    }
    return b;
}

Bytes analisiScritta(const ArchivioConcorsi& a) {
    return scrittoSu([&](std::ostream& out) { return a.ScriviAnalisi(out); });
}

}  // namespace

TEST(AnalisiArchivio, RecomputeWritesTheTwentySixTablesOfTheLayoutAndLoadingReadsThemBack) {
    TempDir dir;
    ArchivioConcorsi a = archivioDiProva();
    AnnullaDopo passi;
    a.RicalcolaAnalisi(passi);
    EXPECT_TRUE(a.AnalisiValide);
    EXPECT_EQ(passi.progressi.size(), 10u);
    EXPECT_EQ(passi.progressi.back(), (std::pair<std::int64_t, std::int64_t>{10, 10}));
    const Bytes atteso = archdbAtteso();
    ASSERT_EQ(analisiScritta(a), atteso);
    ASSERT_TRUE(a.Salva(dir.path()));
    EXPECT_EQ(readFile(dir / NomeFileAnalisi), atteso);

    ArchivioConcorsi b;
    IntervalloRicerca i;
    EXPECT_TRUE(b.Carica(dir.path(), i));
    EXPECT_TRUE(b.AnalisiValide);
    EXPECT_TRUE(b.Analisi == a.Analisi);
}

TEST(AnalisiArchivio, TheCacheCoversEveryContestTypeWhateverTheInterval) {
    ArchivioConcorsi a = archivioDiProva();
    a.RicalcolaAnalisi();
    // The same contests all entered as "Altri" give the same tables.
    ArchivioConcorsi altri;
    for (const auto& c : a.Concorsi()) altri.InserisciOrdinato({c.Anno, c.NumConcorso, Altri, c.Vincente});
    altri.RicalcolaAnalisi();
    EXPECT_TRUE(altri.Analisi == a.Analisi);
}

TEST(AnalisiArchivio, AShortOrEmptyFileIsRecomputedButNotSaved) {
    TempDir dir;
    ASSERT_TRUE(archivioDiProva().Salva(dir.path()));  // tables not valid: no archdb.ttg
    ASSERT_FALSE(std::filesystem::exists(dir / NomeFileAnalisi));
    Bytes troncato = archdbAtteso();
    troncato.resize(troncato.size() - 5);  // inside the last entry of "Totale"
    writeFile(dir / NomeFileAnalisi, troncato);

    ArchivioConcorsi b;
    b.Analisi.Tabella(3).AggiungiConcorso(2, 2, true);  // replaced by the recompute
    IntervalloRicerca i;
    AnnullaDopo passi;
    EXPECT_FALSE(b.Carica(dir.path(), i, passi)) << "archdb.ttg was not read in full";
    EXPECT_TRUE(b.ConcorsiValidi);
    EXPECT_TRUE(b.AnalisiValide);
    EXPECT_EQ(passi.progressi.back().first, 10);
    EXPECT_EQ(analisiScritta(b), archdbAtteso());
    EXPECT_EQ(readFile(dir / NomeFileAnalisi), troncato);

    writeFile(dir / NomeFileAnalisi, Bytes{});
    ArchivioConcorsi c;
    EXPECT_FALSE(c.Carica(dir.path(), i));
    EXPECT_EQ(analisiScritta(c), archdbAtteso()) << "an empty file too";
}

TEST(AnalisiArchivio, ValuesBeyondATablesRangeGrowIt) {
    // Eight numbers four apart: the smallest distance is 4, beyond the
    // 0..3 of "Minima".
    auto a = archivioDi({col({1, 5, 9, 13, 17, 21, 25, 29})});
    a.RicalcolaAnalisi();
    const T_FrequenzeRitardi& minima = a.Analisi.Tabella(23);
    EXPECT_EQ(minima.MaxValore(), 4);
    EXPECT_EQ(minima.ListaPunti()[4], (TElemRFRM{1, 0, 0}));
    EXPECT_EQ(minima.ListaPunti()[3], (TElemRFRM{0, 1, 1}));
}
