// The analysis data set of one condition: archive tables from the cache or
// recomputed, the tables over the development's source, and the figures
// beside the columnar table. Counts are worked out by hand on a four-contest
// archive and on the 45 columns of the forecast 1..10.

#include "ArchivioDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TGruppo.h"
#include "core/statistics/TGestoreGrDati.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using ludo::test::col;

namespace {

// Even counts of the winning columns: 4, 8, 0 in 2020, 8 in 2021.
const Colonna kPrimi = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kPari = col({2, 4, 6, 8, 10, 12, 14, 16});
const Colonna kDispari = col({1, 3, 5, 7, 9, 11, 13, 15});

class GestoreGrDati : public ::testing::Test {
protected:
    GestoreGrDati() : sistema_(dir_.path()) {
        auto& a = d().Archivio;
        a = test::archivioDi({{2020, 1, SerieA, kPrimi},
                              {2020, 2, SerieA, kPari},
                              {2020, 3, SerieA, kDispari},
                              {2021, 1, SerieA, kPari}});
        a.RicalcolaAnalisi();
        IntervalloTuttoArchivio(d().Config.Ricerca.Intervallo, a);
        d().Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    }

    DatiSistema& d() { return *sistema_.Dati; }

    // "Pari e Dispari" accepting these even counts.
    TPariDispari pariDispari(std::initializer_list<int> pari, bool attivato = true) {
        TPariDispari c(&d().Condizioni);
        for (int v : pari) c.Tabelle[0].Prima.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
        c.Attivato = attivato;
        return c;
    }

    TGestoreGrDati colonnare(const TCondizione& c, Avanzamento& a = NessunAvanzamento()) {
        return AnalisiColonnare(c, sistema_, {}, a);
    }

    test::TempDir dir_;
    T_Sistema sistema_;
};

std::vector<std::int32_t> frequenze(const T_FrequenzeRitardi& t, int ultimo) {
    std::vector<std::int32_t> f;
    for (int i = 0; i <= ultimo; ++i) f.push_back(t.Frequenza(i));
    return f;
}

TEST_F(GestoreGrDati, WholeArchiveTakesTheCachedTablesAndAnyOtherIntervalRecomputes) {
    // A cached table that a recompute would not give: only the cache can
    // have produced it.
    auto& cache = d().Archivio.Analisi.PariDispari.Statistiche[0].Tutti;
    cache.AggiungiConcorso(6, 2, true);
    const AnalisiArchivio prima = d().Archivio.Analisi;

    const TPariDispari c(&d().Condizioni);
    auto dati = AnalisiStorica(c, sistema_);
    EXPECT_TRUE(dati.ArchivioDaCache);
    EXPECT_EQ(dati.Viste[0].Archivio, cache);
    EXPECT_EQ(dati.Viste[1].Archivio, d().Archivio.Analisi.PariDispari.Statistiche[1].Tutti);

    // One season: the three contests of 2020 only.
    d().Config.Ricerca.Intervallo = {TuttiITipi, 2020, 2020, 1, 3};
    dati = AnalisiStorica(c, sistema_);
    EXPECT_FALSE(dati.ArchivioDaCache);
    const T_FrequenzeRitardi& pari = dati.Viste[0].Archivio;
    EXPECT_EQ(pari.NumConcorsi(), 3);
    EXPECT_EQ(frequenze(pari, 8), (std::vector<std::int32_t>{1, 0, 0, 0, 1, 0, 0, 0, 1}));

    // The whole archive but one contest type, or a narrowed range of numbers.
    IntervalloTuttoArchivio(d().Config.Ricerca.Intervallo, d().Archivio);
    d().Config.Ricerca.Intervallo.Tipi = SerieA;
    EXPECT_FALSE(AnalisiStorica(c, sistema_).ArchivioDaCache);
    d().Config.Ricerca.Intervallo.Tipi = TuttiITipi;
    TPariDispari ristretta(&d().Condizioni);
    ristretta.Tabelle[0].A = 16;
    dati = AnalisiStorica(ristretta, sistema_);
    EXPECT_FALSE(dati.ArchivioDaCache);
    EXPECT_EQ(dati.Viste[0].Archivio.Frequenza(8), 2);
    EXPECT_EQ(dati.Viste[0].Archivio.Frequenza(6), 0);

    EXPECT_TRUE(d().Archivio.Analisi == prima);
}

TEST_F(GestoreGrDati, ModoPicksTheCachedObjectOfTheSameMode) {
    TInterruzioni numeri(&d().Condizioni);
    TInterruzioni segni(&d().Condizioni);
    segni.Modo = 1;
    segni.AdattaIntervallo();
    EXPECT_EQ(AnalisiStorica(numeri, sistema_).Viste[0].Archivio,
              d().Archivio.Analisi.InterruzioniNumeri.Statistiche[0].Tutti);
    const auto dati = AnalisiStorica(segni, sistema_);
    EXPECT_TRUE(dati.ArchivioDaCache);
    EXPECT_EQ(dati.Viste[0].Archivio, d().Archivio.Analisi.InterruzioniSegni.Statistiche[0].Tutti);
    // A type the archive does not cache is always computed.
    EXPECT_FALSE(AnalisiStorica(TBaricentri(&d().Condizioni), sistema_).ArchivioDaCache);
}

TEST_F(GestoreGrDati, ViewsNamesAndTitlesFollowTheTypeAndTheEditorPage) {
    auto dati = AnalisiStorica(TPariDispari(&d().Condizioni), sistema_);
    ASSERT_EQ(dati.Viste.size(), 2u);
    EXPECT_EQ(dati.Viste[1].Nome, "Dispari");
    EXPECT_EQ(dati.Titoli[3], "Analisi Statistica delle Frequenze dei Pari e Dispari");
    EXPECT_TRUE(dati.Viste[0].HaConsecutivita);

    TVortice vortice(&d().Condizioni);
    dati = AnalisiStorica(vortice, sistema_, {2});
    ASSERT_EQ(dati.Viste.size(), 2u);
    EXPECT_EQ(dati.Viste[0].Nome, "Posizione");
    EXPECT_EQ(dati.Viste[1].Nome, "Bracci");
    EXPECT_EQ(dati.Titoli[2], "Analisi Statistica dei Ritardi nel Vortice Inverso");
    EXPECT_EQ(dati.Viste[1].Archivio, d().Archivio.Analisi.Vortice.Statistiche[3].Tutti);

    TPosizioni posizioni(&d().Condizioni);
    dati = AnalisiStorica(posizioni, sistema_, {3});
    const TVista& v = dati.Viste[0];
    EXPECT_EQ(v.PrimoValore, 3);
    EXPECT_EQ(v.NumeroRighe, 25);  // 3..27
    // Position 3 of 1..8, 2..16, 1..15 and 2..16: numbers 3, 6, 5, 6.
    EXPECT_EQ(CellaFrequenza(v, 3, false, false), "2");
    EXPECT_EQ(EtichettaRiga(v, 0), "3");
    EXPECT_EQ(EtichettaRiga(v, 26), "29");  // past the labels, numbering goes on

    TConsecutivita consecutivita(&d().Condizioni);
    consecutivita.Parita = 0;
    dati = AnalisiStorica(consecutivita, sistema_);
    EXPECT_EQ(dati.Viste[0].Nome, "Segno Dispari");
    EXPECT_EQ(dati.Titoli[0], "Analisi Statistica della Consecutivita del");

    dati = AnalisiStorica(TFormuleDerivate(&d().Condizioni), sistema_);
    EXPECT_TRUE(dati.ValoriPropri);
    EXPECT_EQ(EtichettaRiga(dati.Viste[0], 3), "3-5");
    EXPECT_EQ(EtichettaRiga(dati.Viste[0], 9), "");

    // Remainders by 7 take the values 0..6; the mod-7 remainders of the
    // winning sums 36, 72, 64, 72 are 1, 2, 1, 2.
    TResti resti(&d().Condizioni);
    resti.Divisore = 7;
    dati = AnalisiStorica(resti, sistema_);
    EXPECT_EQ(dati.Viste[0].Nome, "Resto");
    EXPECT_EQ(dati.Viste[0].NumeroRighe, 7);
    EXPECT_EQ(CellaFrequenza(dati.Viste[0], 2, false, false), "2");

    TSequela sequela(&d().Condizioni);
    sequela.Parametri.tipo = 3;
    dati = AnalisiStorica(sequela, sistema_);
    EXPECT_EQ(dati.Viste[0].Nome, "Bitermine");
    EXPECT_EQ(dati.Titoli[1], "Analisi Colonnare delle Sequele");

    TGruppo gruppo(CodGruppoResti, CodResti, "Gruppo Resti", &d().Condizioni);
    EXPECT_FALSE(HaAnalisi(gruppo));
    EXPECT_THROW(AnalisiStorica(gruppo, sistema_), Errore);
}

TEST_F(GestoreGrDati, IntegralAndSingleTablesOverTheFortyFiveColumnsOfTenNumbers) {
    // Leaving out 2 of 1..10: both even (10 columns) gives 3 even numbers,
    // one of each (25) gives 4, both odd (10) gives 5.
    const auto dati = colonnare(pariDispari({5}));
    EXPECT_EQ(dati.Messaggio, "");
    const TVista& pari = dati.Viste[0];
    EXPECT_EQ(pari.Integrale.NumConcorsi(), 45);
    EXPECT_EQ(frequenze(pari.Integrale, 6), (std::vector<std::int32_t>{0, 0, 0, 10, 25, 10, 0}));
    EXPECT_EQ(frequenze(pari.Singola, 6), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 10, 0}));
    EXPECT_EQ(CelleColonnari(pari, 4, true, false), (std::array<std::string, 4>{"4", "55.56", "0.00", ""}));
    EXPECT_EQ(CelleColonnari(pari, 5, false, false), (std::array<std::string, 4>{"5", "10", "10", ""}));
    // "Dispari" accepts nothing: its single table is the integral one.
    EXPECT_EQ(dati.Viste[1].Singola, dati.Viste[1].Integrale);

    // Value 5 never won: no contest had an accepted value.
    const PannelliVista p = CalcolaPannelli(dati, 0);
    EXPECT_NEAR(p.Filtrate, 35.0 / 45 * 100, 1e-9);
    EXPECT_EQ(p.FrequenzaStorica, 0.0);
    EXPECT_EQ(EtichettaConvenienza(EtichettaConvenienzaIniziale, p), "Fattore di convenienza :0.78");
}

TEST_F(GestoreGrDati, PanelsWhenEverythingIsAcceptedOrTheConditionIsOff) {
    auto dati = colonnare(pariDispari({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    PannelliVista p = CalcolaPannelli(dati, 0);
    EXPECT_EQ(p.Filtrate, 0.0);
    EXPECT_EQ(p.FrequenzaStorica, 100.0);
    EXPECT_FALSE(p.Fattore);
    EXPECT_EQ(EtichettaConvenienza("Fattore di convenienza :0.78", p), "Fattore di convenienza :0.78");

    // Accepted 4 and 8 (3 of the 4 contests); switched off nothing is filtered.
    dati = colonnare(pariDispari({4, 8}, false));
    EXPECT_FALSE(dati.Abilitata);
    p = CalcolaPannelli(dati, 0);
    EXPECT_EQ(p.Filtrate, 0.0);
    EXPECT_EQ(p.FrequenzaStorica, 75.0);
    EXPECT_EQ(EtichettaConvenienza(EtichettaConvenienzaIniziale, p), "Fattore di convenienza :0.00");

    dati = colonnare(pariDispari({4, 8}));
    p = CalcolaPannelli(dati, 0);
    EXPECT_NEAR(p.Filtrate, 20.0 / 45 * 100, 1e-9);
    // A factor wider than four characters eats into the text before it.
    EXPECT_EQ(EtichettaConvenienza("ab", {12.5, 0, 12.5}), "12.50");
    // "Cons." reads the second table, empty here.
    EXPECT_EQ(CalcolaPannelli(dati, 0, true).Filtrate, 0.0);
}

TEST_F(GestoreGrDati, KeptTablesAreZeroUntilTheSystemIsDeveloped) {
    auto dati = colonnare(pariDispari({4}));
    for (const TVista& v : dati.Viste) {
        EXPECT_FALSE(v.MostraTenute);
        EXPECT_EQ(v.Tenute, T_FrequenzeRitardi(8));
    }
    EXPECT_EQ(CelleColonnari(dati.Viste[0], 4, false, false)[3], "");

    d().Colonne.Aggiungi(kPrimi);
    d().Colonne.Aggiungi(kPari);
    d().Sviluppato = true;
    dati = colonnare(pariDispari({4}));
    EXPECT_TRUE(dati.Viste[0].MostraTenute);
    EXPECT_EQ(dati.Viste[0].Tenute.Frequenza(4), 1);
    EXPECT_EQ(dati.Viste[0].Tenute.Frequenza(8), 1);
    EXPECT_EQ(CelleColonnari(dati.Viste[0], 8, false, false)[3], "1");
}

TEST_F(GestoreGrDati, FixedNumbersRestrictTheIntegralColumns) {
    // With 1 and 2 fixed, 6 of 3..10 are chosen: 28 columns; one even
    // number is fixed, so leaving out two evens gives 3, one of each 4, two
    // odds 5.
    d().Fisse = col({1, 2});
    const auto dati = colonnare(pariDispari({}));
    EXPECT_EQ(dati.Viste[0].Integrale.NumConcorsi(), 28);
    EXPECT_EQ(frequenze(dati.Viste[0].Integrale, 5), (std::vector<std::int32_t>{0, 0, 0, 6, 16, 6}));
}

TEST_F(GestoreGrDati, ColumnFileSourceAndItsFailures) {
    // Three masks, little-endian, no header.
    const auto file = dir_ / "sorgente.Col";
    test::writeFile(file, test::maschereLE({kPrimi, kPari, kDispari}));
    d().Sorgente = {false, file.string()};
    auto dati = colonnare(pariDispari({8}));
    EXPECT_EQ(dati.Messaggio, "");
    EXPECT_EQ(dati.Viste[0].Integrale.NumConcorsi(), 3);
    EXPECT_EQ(frequenze(dati.Viste[0].Singola, 8), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 1}));

    d().Sorgente = {false, (dir_ / "manca.Col").string()};
    dati = colonnare(pariDispari({8}));
    EXPECT_EQ(dati.Messaggio, "Impossibile Completare lo Sviluppo.");
    EXPECT_EQ(dati.Viste[0].Integrale.NumConcorsi(), 0);
    EXPECT_EQ(dati.Viste[0].Archivio.NumConcorsi(), 4);  // the rest of the data set stands

    test::AnnullaDopo annulla(0);
    d().Sorgente = {true, ""};
    dati = colonnare(pariDispari({8}), annulla);
    EXPECT_EQ(dati.Messaggio, "Impossibile Completare lo Sviluppo.");
}

TEST_F(GestoreGrDati, IntervalViewHasTheOthersRowAndItsOwnPanelRule) {
    // Sums of 8 of 1..10 are 55 minus the two left out: 36..40 for 9 of the
    // 45 columns. The winning sums are 36, 72, 64, 72.
    TSomma somma(&d().Condizioni);
    somma.Partite = 0xFFFFFFFFU;
    somma.Intervalli.Numero = 1;
    somma.Intervalli.Intervalli[0] = {36, 40, Accettato, 0};
    const auto dati = colonnare(somma);
    EXPECT_TRUE(dati.ValoriPropri);
    const TVista& v = dati.Viste[0];
    EXPECT_EQ(v.Nome, "Somme");
    EXPECT_EQ(v.Etichette, (std::vector<std::string>{"36.00 - 40.00", "Altri"}));
    EXPECT_TRUE(v.MostraTenute);  // its interval table is in use
    EXPECT_EQ(CelleColonnari(v, 0, false, false), (std::array<std::string, 4>{"36.00 - 40.00", "9", "9", "0"}));
    EXPECT_EQ(CelleColonnari(v, 1, false, false), (std::array<std::string, 4>{"Altri", "36", "0", "0"}));
    const PannelliVista p = CalcolaPannelli(dati, 0);
    EXPECT_EQ(p.Filtrate, 80.0);
    EXPECT_EQ(p.FrequenzaStorica, 25.0);
    EXPECT_EQ(EtichettaConvenienza(EtichettaConvenienzaIniziale, p), "Fattore di convenienza :1.07");
}

TEST_F(GestoreGrDati, DelayCellsAndPercentages) {
    const auto dati = AnalisiStorica(pariDispari({8}), sistema_);
    const TVista& pari = dati.Viste[0];
    // Value 8: twice in 4 contests, last in the last one; value 4 once, 3 ago.
    EXPECT_EQ(CellaFrequenza(pari, 8, true, false), "50.00");
    EXPECT_EQ(CelleRitardi(dati, 0, 8, false), (std::array<std::string, 4>{"8", "0", "1", "0.00"}));
    // A value the condition refuses is blank in a view with a run statistic.
    EXPECT_EQ(CelleRitardi(dati, 0, 4, false), (std::array<std::string, 4>{"4", "", "", ""}));
    const auto tutti = AnalisiStorica(pariDispari({0, 1, 2, 3, 4, 5, 6, 7, 8}), sistema_);
    EXPECT_EQ(CelleRitardi(tutti, 0, 4, false), (std::array<std::string, 4>{"4", "3", "3", "0.75"}));
    // "Cons." of a view without a run statistic is blank.
    const auto baricentri = AnalisiStorica(TBaricentri(&d().Condizioni), sistema_);
    EXPECT_EQ(CelleColonnari(baricentri.Viste[0], 4, false, true), (std::array<std::string, 4>{"4", "", "", ""}));
}

}  // namespace
