// The measures as the condition objects take them (table order, each
// table's range, Modo) and the statistics every type keeps of them.

#include "ArchivioDiProva.h"

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// Accepts every value up to massimo and feeds the "Punti Tra" group campo.
void accettaDa0A(TabellaMisura& t, int massimo, std::int16_t campo) {
    for (int v = 0; v <= massimo; ++v) t.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
    t.Campo = campo;
}

// The first n pairs of a measure.
std::vector<Valori> primi(const ValoriTabelle& valori, std::size_t n) {
    return {valori.begin(), valori.begin() + static_cast<std::ptrdiff_t>(n)};
}

std::vector<Valori> misura(TCondizioneTabelle& c, Colonna colonna) {
    c.AdattaIntervallo();
    return primi(c.Misura(colonna), c.Tabelle.size());
}

// Frequency, delay and longest delay of value i in the points or the
// consecutiveness list.
TElemRFRM punti(const T_FrequenzeRitardi& t, int i) {
    return t.ListaPunti().at(static_cast<std::size_t>(i));
}
TElemRFRM cons(const T_FrequenzeRitardi& t, int i) {
    return t.ListaCons().at(static_cast<std::size_t>(i));
}

const Colonna kPrimiOtto = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kMista = col({1, 2, 5, 7, 8, 12, 20, 21});  // signs 2 1 2 2 1 1 1 2
const Colonna kDispari = col({1, 3, 5, 7, 9, 11, 13, 15});
const Colonna kSimmetrica = col({1, 2, 3, 15, 18, 30, 31, 32});  // signs 2 1 2 2 1 1 2 1

// The conditions under test belong to a system of their own.
class MisuraCondizioni : public ::testing::Test {
  protected:
    TCondizioniSistema sistema;
};
using StatisticheCondizioni = MisuraCondizioni;

}  // namespace

TEST_F(MisuraCondizioni, PairedTypesMeasureNumbersOrSigns) {
    TInterruzioni interruzioni(&sistema);
    EXPECT_EQ(misura(interruzioni, kDispari), (std::vector<Valori>{{7, 7}, {0, 0}, {7, 0}}));
    interruzioni.Modo = 1;
    EXPECT_EQ(misura(interruzioni, kDispari), (std::vector<Valori>{{0, 0}, {0, 0}, {0, 0}}))
        << "all signs equal";
    EXPECT_EQ(interruzioni.Tabelle[2].A, 8);

    TSimmetrie simmetrie(&sistema);
    EXPECT_EQ(misura(simmetrie, kSimmetrica), (std::vector<Valori>{{4, 3}, {2, 1}, {6, 0}}));
    simmetrie.Modo = 1;
    EXPECT_EQ(misura(simmetrie, kSimmetrica), (std::vector<Valori>{{0, 0}, {2, 2}, {2, 0}}));

    // Signs of the second contest 1 2 1 2 1 1 2 1.
    const auto archivio = archivioDi({kPrimiOtto, col({2, 3, 4, 15, 16, 30, 31, 32})});
    sistema.Archivio = &archivio.Concorsi();
    TRipetizioni ripetizioni(&sistema);
    // Table 1 against contest 2 (the last), table 2 against contest 1.
    EXPECT_EQ(misura(ripetizioni, kSimmetrica), (std::vector<Valori>{{6, 3}, {3, 3}}));
    ripetizioni.Modo = 1;
    EXPECT_EQ(misura(ripetizioni, kSimmetrica), (std::vector<Valori>{{5, 5}, {6, 3}}));
}

TEST_F(MisuraCondizioni, EachTableMeasuresOverItsOwnRange) {
    TInterruzioni interruzioni(&sistema);
    interruzioni.Tabelle[1].Da = 6;  // "Segni Pari" from 6: 12 20
    interruzioni.Tabelle[2].A = 7;   // "Segni Dispari" up to 7: 5 7
    EXPECT_EQ(primi(interruzioni.Misura(kMista), 3), (std::vector<Valori>{{4, 2}, {2, 0}, {2, 0}}));

    TPariDispari pariDispari(&sistema);
    pariDispari.Tabelle[0].Da = 3;
    pariDispari.Tabelle[0].A = 20;
    pariDispari.Tabelle[1].A = 7;
    EXPECT_EQ(primi(pariDispari.Misura(kMista), 2), (std::vector<Valori>{{3, 3}, {3, 2}}));

    TSimmetrie simmetrie(&sistema);
    simmetrie.Tabelle[2].A = 20;  // "Totali" over pairs 1..10: 3 direct, 1 inverse
    EXPECT_EQ(primi(simmetrie.Misura(kSimmetrica), 3),
              (std::vector<Valori>{{4, 3}, {2, 1}, {4, 0}}));

    TVortice vortice(&sistema);
    // The direct vortex over positions 3..6 (signs 1 2 2 1): found at 6,
    // missed, found at 4, missed.
    vortice.Tabelle[0].Da = 3;
    vortice.Tabelle[0].A = 6;
    const Colonna c2112 = col({1, 2, 4, 5, 7, 8, 10, 11});
    EXPECT_EQ(primi(vortice.Misura(c2112), 4),
              (std::vector<Valori>{{4, 0}, {3, 0}, {4, 0}, {3, 0}}));

    TConsecutivitaNumerica numerica(&sistema);
    numerica.Tabelle[0].Da = 8;
    numerica.Tabelle[0].A = 20;
    EXPECT_EQ(numerica.Misura(kMista)[0], (Valori{1, 0}));

    TConsecutivita consecutivita(&sistema);
    consecutivita.Tabelle[1].A = 7;  // both values over the second table's range
    EXPECT_EQ(primi(consecutivita.Misura(kMista), 2), (std::vector<Valori>{{1, 0}, {1, 0}}));
    consecutivita.Parita = 0;
    EXPECT_EQ(primi(consecutivita.Misura(kMista), 2), (std::vector<Valori>{{3, 0}, {2, 0}}));

    TSequela sequela(&sistema);
    sequela.Parametri.tipo = 2;
    sequela.Tabelle[0].Da = 3;
    EXPECT_EQ(sequela.Misura(col({1, 3, 4, 6, 7, 9, 10, 12}))[0], (Valori{3, 1}));
}

TEST_F(MisuraCondizioni, NumberMeasuresInTableOrder) {
    TDistanzeGlobali distanze(&sistema);
    EXPECT_EQ(primi(distanze.Misura(kMista), 3), (std::vector<Valori>{{1, 0}, {8, 0}, {20, 0}}));
    TBaricentri baricentri(&sistema);  // 76 / 8, 42 / 4, 34 / 4
    EXPECT_EQ(primi(baricentri.Misura(kMista), 3), (std::vector<Valori>{{9, 0}, {10, 0}, {8, 0}}));
    TPosizioni posizioni(&sistema);
    EXPECT_EQ(posizioni.Misura(kMista)[4], (Valori{8, 0}));
    TNumeroSequenze sequenze(&sistema);
    EXPECT_EQ(primi(sequenze.Misura(kMista), 4),
              (std::vector<Valori>{{2, 0}, {3, 0}, {0, 0}, {0, 0}}));
    TResti resti(&sistema);
    resti.Divisore = 7;
    EXPECT_EQ(resti.Misura(kPrimiOtto)[0], (Valori{1, 0}));
    TDistanzaSpecifica specifica(&sistema);
    specifica.Posizione1 = 2;
    specifica.Posizione2 = 7;
    EXPECT_EQ(specifica.Misura(kMista)[0], (Valori{18, 0}));

    TColonnaFiltro filtro(&sistema);
    filtro.Numeri = col({1, 2, 3, 4, 10, 11, 12, 13});
    const Colonna c = col({1, 2, 3, 5, 10, 11, 12, 20});
    EXPECT_EQ(filtro.Misura(c)[0], (Valori{6, 0})) << "no run while the second table is not in use";
    accetta(filtro.Tabelle[0].Seconda, {3});
    filtro.AggiornaStato();
    EXPECT_EQ(filtro.Misura(c)[0], (Valori{6, 3}));
    filtro.FlagPosizione = 1;
    EXPECT_EQ(filtro.Misura(col({2, 3, 4, 5, 6, 7, 8, 9}))[0], (Valori{0, 0}));
}

TEST_F(MisuraCondizioni, RealMeasuresAndTheSystemsMatchValues) {
    TSomma somma(&sistema);
    somma.Partite = col({1, 8, 20});
    EXPECT_EQ(somma.Misura(kPrimiOtto), 9.0);
    TPicchetto picchetto(&sistema);
    picchetto.Partite[0] = picchetto.Partite[4] = true;
    picchetto.Tipo = 0;
    sistema.Picchetti[0] = 20.0;
    EXPECT_EQ(picchetto.Misura(kPrimiOtto), 0.0) << "a match worth 0 zeroes the product";
    sistema.Picchetti[4] = 50.0;
    EXPECT_DOUBLE_EQ(picchetto.Misura(kPrimiOtto), 10.0);
    picchetto.Tipo = 1;
    EXPECT_DOUBLE_EQ(picchetto.Misura(kPrimiOtto), 70.0);
}

TEST_F(StatisticheCondizioni, AccumulateAllValuesAndThoseThatPass) {
    TPariDispari pd(&sistema);
    accetta(pd.Tabelle[0].Prima, {4});
    accetta(pd.Tabelle[0].Seconda, {1, 2}, InRecupero);  // recovery counts as passing
    pd.AggiornaStato();
    pd.AzzeraStatistiche();
    ASSERT_EQ(pd.Statistiche.size(), 2u);
    EXPECT_EQ(pd.Statistiche[0].Tutti.MaxValore(), 8);

    pd.AccumulaColonna(kPrimiOtto);  // even (4, 1), odd (4, 1)
    pd.AccumulaColonna(kDispari);    // even (0, 0), odd (8, 8)
    pd.AccumulaColonna(kMista);      // even (4, 3), odd (4, 2)
    const auto& pari = pd.Statistiche[0];
    EXPECT_EQ(pari.Tutti.NumConcorsi(), 3);
    EXPECT_EQ(punti(pari.Tutti, 4).Frequenza, 2);
    EXPECT_EQ(punti(pari.Tutti, 0).Frequenza, 1);
    EXPECT_EQ(cons(pari.Tutti, 3).Frequenza, 1);
    EXPECT_EQ(pari.Passati.NumConcorsi(), 1) << "only 1..8: count 4 with run 1";
    EXPECT_EQ(punti(pari.Passati, 4).Frequenza, 1);
    EXPECT_EQ(cons(pari.Passati, 1).Frequenza, 1);
    EXPECT_EQ(punti(pari.Tutti, 8).Ritardo, 0) << "columns move no delay";
    EXPECT_EQ(pd.Statistiche[1].Passati.NumConcorsi(), 3)
        << "a table not in use lets everything pass";

    pd.AnalizzaColonne(listaDi({kDispari, kDispari}));
    EXPECT_EQ(pari.Passati.NumConcorsi(), 2) << "the kept columns, whatever the tables say";
    EXPECT_EQ(punti(pari.Passati, 0).Frequenza, 2);
    EXPECT_EQ(pari.Tutti.NumConcorsi(), 3) << "the statistics of all values stay";
    pd.AzzeraStatistiche();
    EXPECT_EQ(pari.Tutti.NumConcorsi(), 0);
}

// Over the whole archive the counts are those of the archive-analysis set.
TEST_F(StatisticheCondizioni, ArchiveAnalysisCountsOnlyTheSelectedContests) {
    const auto archivio = archivioDi({{2000, 1, SerieA, kPrimiOtto},
                                      {2000, 2, SerieB, kDispari},
                                      {2000, 3, SerieA, kMista},
                                      {2000, 4, SerieA, kSimmetrica}});
    auto intervallo = tutto(archivio);
    intervallo.Tipi = SerieA;  // contest 2 is Serie B
    intervallo.ConcDa = 2;
    TFormuleDerivate fd(&sistema);  // even counts 4 and 4 in contests 3 and 4
    fd.AccumulaColonna(kDispari);
    fd.AnalizzaArchivio(archivio.Concorsi(), intervallo);
    const auto& t = fd.Statistiche[0].Tutti;
    EXPECT_EQ(t.NumConcorsi(), 2);
    EXPECT_EQ(punti(t, 4), (TElemRFRM{2, 0, 0}));
    EXPECT_EQ(punti(t, 0), (TElemRFRM{0, 2, 2})) << "the accumulated column is gone";
    EXPECT_EQ(fd.Statistiche[0].Passati.NumConcorsi(), 1) << "left as it was";

    // Contests 1 and 3 selected: repetitions start at the third, measured
    // against the two before it whatever their type: 1 5 7 in common with
    // contest 2, 1 2 5 7 8 with contest 1.
    intervallo.ConcDa = 1;
    intervallo.ConcA = 3;
    TRipetizioni r(&sistema);
    r.AdattaIntervallo();
    r.AnalizzaArchivio(archivio.Concorsi(), intervallo);
    EXPECT_EQ(r.Statistiche[0].Tutti.NumConcorsi(), 1);
    EXPECT_EQ(punti(r.Statistiche[0].Tutti, 3).Frequenza, 1);
    EXPECT_EQ(punti(r.Statistiche[1].Tutti, 5).Frequenza, 1);
}

TEST_F(StatisticheCondizioni, ConsecutivitaJudgesAndRecordsOnlyTheRunsOfAcceptedCounts) {
    TConsecutivita c(&sistema);  // even numbers of 1 2 5 7 8 12 20 21: 4, longest run 3
    accetta(c.Tabelle[1].Prima, {1});
    accetta(c.Tabelle[0].Prima, {3});
    c.AggiornaStato();
    EXPECT_TRUE(c.Verifica(kMista)) << "count 4 not accepted: the run is not judged";
    accetta(c.Tabelle[0].Prima, {4}, InRecupero);
    c.AggiornaStato();
    EXPECT_TRUE(c.Verifica(kMista)) << "a count in recovery does not count";
    accetta(c.Tabelle[0].Prima, {4});
    c.AggiornaStato();
    EXPECT_FALSE(c.Verifica(kMista)) << "run 3 refused";

    c.AccumulaColonna(kMista);      // 4 even, run 3: refused
    c.AccumulaColonna(kDispari);    // no even number: not judged
    c.AccumulaColonna(kPrimiOtto);  // 4 even, run 1
    EXPECT_EQ(c.Statistiche[0].Tutti.NumConcorsi(), 0);
    EXPECT_EQ(c.Statistiche[1].Tutti.NumConcorsi(), 2);
    EXPECT_EQ(punti(c.Statistiche[1].Tutti, 3).Frequenza, 1);
    EXPECT_EQ(c.Statistiche[1].Passati.NumConcorsi(), 1);
    EXPECT_EQ(punti(c.Statistiche[1].Passati, 1).Frequenza, 1);

    accetta(c.Tabelle[1].Prima, {3});
    c.AggiornaStato();
    EXPECT_TRUE(c.Verifica(kMista));
}

TEST_F(StatisticheCondizioni, IntervalTablesCountRowsAndOthers) {
    TSomma somma(&sistema);
    somma.Partite = ~Colonna{0};
    somma.Intervalli.Intervalli[0] = {30, 40, Accettato, 0};
    somma.Intervalli.Intervalli[1] = {35, 80, InRecupero, 3};
    somma.Intervalli.Numero = 2;
    somma.AggiornaStato();
    somma.AzzeraStatistiche();
    EXPECT_EQ(somma.Statistiche[0].Tutti.MaxValore(), 2) << "two intervals and \"Altri\"";
    somma.AccumulaColonna(kPrimiOtto);   // 36: first interval
    somma.AccumulaColonna(kMista);       // 76: second, in recovery
    somma.AccumulaColonna(kDispari);     // 64: second
    somma.AccumulaColonna(kSimmetrica);  // 132: none
    const auto& s = somma.Statistiche[0];
    EXPECT_EQ((std::array{punti(s.Tutti, 0).Frequenza, punti(s.Tutti, 1).Frequenza,
                          punti(s.Tutti, 2).Frequenza}),
              (std::array{1, 2, 1}));
    EXPECT_EQ(s.Passati.NumConcorsi(), 3) << "\"Altri\" is refused, recovery passes";
    EXPECT_EQ(punti(s.Passati, 2).Frequenza, 0);

    TFormuleDerivate fd(&sistema);
    fd.Formule[0] = true;
    fd.AggiornaStato();
    fd.AccumulaColonna(kDispari);
    fd.AccumulaColonna(kMista);
    EXPECT_EQ(fd.Statistiche[0].Tutti.NumConcorsi(), 2);
    EXPECT_EQ(fd.Statistiche[0].Passati.NumConcorsi(), 1);
    EXPECT_EQ(punti(fd.Statistiche[0].Passati, 0).Frequenza, 1);
}

TEST_F(StatisticheCondizioni, BoardsCountSatisfiedMembersAndContainersRecurse) {
    auto& quadro = static_cast<TQuadro&>(sistema.Condizione(CodQuadro));
    auto& resti = static_cast<TResti&>(*quadro.Inserisci(CodResti));
    resti.Divisore = 7;
    accetta(resti.Tabelle[0].Prima, {1});
    quadro.Inserisci(CodPariDispari);  // no values: takes no part, satisfied
    auto& filtro = static_cast<TColonnaFiltro&>(*quadro.Inserisci(CodColonnaFiltro));
    filtro.Numeri = kPrimiOtto;
    accetta(filtro.Tabelle[0].Prima, {8});
    accetta(quadro.Accettate.Prima, {3});
    sistema.AggiornaStato();
    EXPECT_EQ(quadro.Misura(kPrimiOtto), (Valori{3, 3}));
    EXPECT_EQ(quadro.Misura(kMista), (Valori{1, 1})) << "76 mod 7 = 6, 5 in common";

    const auto colonne = listaDi({kPrimiOtto, kMista});
    sistema.AzzeraStatistiche();
    quadro.AnalizzaColonne(colonne);
    EXPECT_EQ(quadro.Statistiche[0].Passati.NumConcorsi(), 2);
    EXPECT_EQ(punti(quadro.Statistiche[0].Passati, 3).Frequenza, 1);
    EXPECT_EQ(resti.Statistiche[0].Passati.NumConcorsi(), 2) << "the members' own statistics too";
    quadro.AccumulaColonna(kPrimiOtto);
    quadro.AccumulaColonna(kMista);
    EXPECT_EQ(quadro.Statistiche[0].Tutti.NumConcorsi(), 2);
    EXPECT_EQ(quadro.Statistiche[0].Passati.NumConcorsi(), 3)
        << "one more: three satisfied is accepted";
    EXPECT_EQ(resti.Statistiche[0].Tutti.NumConcorsi(), 0)
        << "accumulating a column is the board's own";

    auto& gruppo = static_cast<TGruppo&>(sistema.Condizione(CodGruppoResti));
    auto& membro = static_cast<TResti&>(gruppo.NuovoMembro());
    gruppo.AzzeraStatistiche();
    gruppo.AnalizzaColonne(colonne);
    EXPECT_EQ(membro.Statistiche[0].Passati.NumConcorsi(), 2);
    gruppo.AccumulaColonna(kMista);
    EXPECT_TRUE(gruppo.Statistiche.empty()) << "a group keeps no statistics of its own";
    EXPECT_EQ(membro.Statistiche[0].Tutti.NumConcorsi(), 0);
}

TEST_F(StatisticheCondizioni, PuntiTraTotalsComeFromEveryEffectiveTable) {
    sistema.AggiornaStato();
    sistema.Prepara();
    EXPECT_EQ(sistema.PuntiTra().Ultimo, 0);
    EXPECT_FALSE(sistema.PuntiTra().Effettivo) << "no group in use: never tested";
    auto& pd = static_cast<TPariDispari&>(sistema.Condizione(CodPariDispari));
    accettaDa0A(pd.Tabelle[0].Prima, 8, 2);
    accettaDa0A(pd.Tabelle[0].Seconda, 8, 3);
    accettaDa0A(pd.Tabelle[1].Prima, 8, 2);
    auto& gruppo = static_cast<TGruppo&>(sistema.Condizione(CodGruppoResti));
    auto& restoDi7 = static_cast<TResti&>(gruppo.NuovoMembro());
    restoDi7.Divisore = 7;
    accettaDa0A(restoDi7.Tabelle[0].Prima, 6, 4);
    auto& quadro = static_cast<TQuadro&>(sistema.Condizione(CodQuadro));
    auto& restoDi9 = static_cast<TResti&>(*quadro.Inserisci(CodResti));
    restoDi9.Divisore = 9;
    accettaDa0A(restoDi9.Tabelle[0].Prima, 8, 4);
    auto& puntiTra = sistema.PuntiTra();
    puntiTra.Gruppi[2].Intervalli[0] = {0, 9, Accettato, 0};
    puntiTra.Gruppi[2].Intervalli[1] = {10, 10, InRecupero, 1};
    puntiTra.Gruppi[2].Numero = 2;
    puntiTra.Gruppi[4].Intervalli[0] = {0, 5, Accettato, 0};
    puntiTra.Gruppi[4].Numero = 1;
    sistema.AggiornaStato();
    sistema.Prepara();

    // 4 even + 4 odd; even run 1; 78 mod 7 = 1 and 78 mod 9 = 6.
    const Colonna c = col({1, 2, 5, 8, 11, 14, 17, 20});
    const TPuntiTra::Totali totali = puntiTra.Misura(c);
    EXPECT_EQ((std::array{totali[1], totali[2], totali[3], totali[4]}), (std::array{0, 8, 1, 7}));

    restoDi7.Attivato = false;
    sistema.AggiornaStato();
    EXPECT_EQ(puntiTra.Misura(c)[4], 6) << "a member that takes no part feeds nothing";

    puntiTra.AzzeraStatistiche();
    puntiTra.AccumulaColonna(c);
    ASSERT_EQ(puntiTra.Statistiche.size(), 30u);
    EXPECT_EQ(punti(puntiTra.Statistiche[1].Tutti, 0).Frequenza, 1)
        << "group 2: 8 in the first interval";
    EXPECT_EQ(punti(puntiTra.Statistiche[3].Tutti, 1).Frequenza, 1) << "group 4: 6 is \"Altri\"";
    EXPECT_EQ(puntiTra.Statistiche[3].Passati.NumConcorsi(), 0);
    EXPECT_EQ(puntiTra.Statistiche[2].Passati.NumConcorsi(), 1)
        << "a group with no intervals passes";

    TPuntiTra senzaSistema(nullptr);
    EXPECT_EQ(senzaSistema.Misura(c), TPuntiTra::Totali{});
}
