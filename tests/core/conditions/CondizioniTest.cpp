#include "TestSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"
#include "core/io/Real48.h"

using namespace ludo;
using namespace ludo::test;

namespace {

template <class Record>
Bytes salva(const Record& c) {
    return scritto([&](io::BinaryWriter& w) { return c.Salva(w); });
}

std::unique_ptr<TCondizione> rileggi(const Bytes& b, TCondizioniSistema* sistema) {
    bool fine = false;
    return LeggiCondizione(Lettura(b), sistema, fine);
}

// Admits every recovery, or none, and records the last one asked for.
class RecuperiFinti : public GestoreRecuperi {
public:
    void AzzeraColonna() override {}
    bool AmmettiRecupero(char link, int livello) override {
        ultimoLink = link;
        ultimoLivello = livello;
        return ammetti;
    }
    bool Verdetto() override { return true; }
    bool ammetti = true;
    char ultimoLink = 0;
    int ultimoLivello = 0;
};

}  // namespace

TEST(TMisura, RecordFollowsTheTableLayout) {
    TMisura m(8, true);
    m.Prima.Link = 'C';
    m.Prima.Campo = 3;
    accetta(m.Prima, {2, 5});
    accetta(m.Seconda, {8}, InRecupero, 7);
    m.Da = 2;
    m.A = 30;
    m.AggiornaStato(true);

    Bytes atteso;
    appendTabella(atteso, 8, true, 'C', 3, {{2, Accettato}, {5, Accettato}});
    appendTabella(atteso, 8, true, 'A', 0, {{8, InRecupero, 7}});
    appendLE(atteso, 2, 2);
    appendLE(atteso, 30, 2);

    ASSERT_EQ(salva(m), atteso);

    TMisura letta(8, true);
    ASSERT_TRUE(letta.Carica(Lettura(atteso)));
    letta.AggiornaStato(true);
    EXPECT_EQ(letta, m);
}

TEST(TMisura, TheLargestTablesReachIntoTheFollowingBytes) {
    // With Massimo 999 a slice runs to value 1002: past the 1001 entries of
    // the first table into the second table's InUso, Link and Campo.
    TMisura m(999, true);
    m.Seconda.Link = 'Q';
    m.Seconda.Campo = 0x0102;
    const Bytes s = salva(m);
    ASSERT_EQ(s.size(), 2u * (2 * 1000 + 10) + 4);
    const std::size_t fetta = 2 * 1000 + 10;
    EXPECT_EQ(Bytes(s.begin() + fetta - 4, s.begin() + fetta), (Bytes{0, 'Q', 0x02, 0x01}))
        << "the second table's InUso, Link and Campo";
    // …and the second slice into QualcunoInUso and Massimo.
    EXPECT_EQ(s[2 * fetta - 3], 999 & 0xFF);
    EXPECT_EQ(s[2 * fetta - 2], 999 >> 8);

    TMisura letta(999, true);
    ASSERT_TRUE(letta.Carica(Lettura(s)));
    EXPECT_EQ(letta.Seconda.Link, 'Q');
    EXPECT_EQ(letta.Massimo, 999);
}

TEST(TMisura, ValueTestsOfTablesAndIntervalsWithRecovery) {
    TMisura m(8, true);
    RecuperiFinti recuperi;
    m.AggiornaStato(true);
    EXPECT_TRUE(m.Verifica(3, 9, nullptr)) << "no table in use accepts everything";

    accetta(m.Prima, {3});
    accetta(m.Prima, {4}, InRecupero, 2);
    m.Prima.Link = 'B';
    m.AggiornaStato(true);
    EXPECT_TRUE(m.Verifica(3, 0, &recuperi));
    EXPECT_FALSE(m.Verifica(5, 0, &recuperi));
    EXPECT_TRUE(m.Verifica(4, 0, &recuperi));
    EXPECT_EQ(recuperi.ultimoLink, 'B');
    EXPECT_EQ(recuperi.ultimoLivello, 2);
    recuperi.ammetti = false;
    EXPECT_FALSE(m.Verifica(4, 0, &recuperi));
    EXPECT_FALSE(m.Verifica(4, 0, nullptr)) << "without a link set nothing is recovered";
    EXPECT_FALSE(m.Verifica(-1, 0, nullptr));
    EXPECT_FALSE(m.Verifica(5000, 0, nullptr));

    m.AggiornaStato(false);
    EXPECT_TRUE(m.Verifica(5, 0, nullptr)) << "a switched-off owner uses no table";

    // Of intervals, the first holding the value decides.
    TIntervalli t;
    t.Intervalli[0] = {10, 20, Accettato, 0};
    t.Intervalli[1] = {15, 30, InRecupero, 4};
    t.Numero = 2;
    t.AggiornaStato(true);
    recuperi.ammetti = false;
    EXPECT_TRUE(t.Verifica(15, &recuperi));
    EXPECT_FALSE(t.Verifica(25, &recuperi));
    EXPECT_FALSE(t.Verifica(31, &recuperi));
    recuperi.ammetti = true;
    EXPECT_TRUE(t.Verifica(25, &recuperi));
    EXPECT_EQ(recuperi.ultimoLivello, 4);
    t.Numero = 0;
    t.AggiornaStato(true);
    EXPECT_TRUE(t.Verifica(99, nullptr));
}

TEST(Records, SommaAndPuntiTraBytes) {
    TCondizioniSistema sistema;
    TSomma somma(&sistema);
    somma.Partite = col({1, 32});
    somma.Intervalli.Intervalli[0] = {1.0, 100.0, Accettato, 0};
    somma.Intervalli.Numero = 1;
    Bytes atteso = {CodSomma, 1};
    appendLE(atteso, 0x80000001, 4);
    for (int i = 0; i < 43; ++i) {
        appendBytes(atteso, io::toReal48(i == 0 ? 1.0 : 0.0));    // Min
        appendBytes(atteso, io::toReal48(i == 0 ? 100.0 : 0.0));  // Max
        appendLE(atteso, 1, 2);  // Stato
        appendLE(atteso, 0, 2);  // Livello
    }
    appendLE(atteso, 1, 2);
    atteso.push_back('A');
    EXPECT_EQ(salva(somma), atteso);

    TPuntiTra vuoto(&sistema);
    EXPECT_EQ(salva(vuoto), (Bytes{CodPuntiTra, 1, 0, 0, 0, 0})) << "every group empty: Ultimo 0, no tables";
}

// An edited copy of every type round-trips through the factory and is taken
// over in place by the original.
TEST(Records, EveryTypeRoundTripsAndTakesOverAnEditedCopy) {
    TCondizioniSistema sistema;
    TCondizioniSistema altro;
    for (int codice : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 34, 35, 36, 37, 38, 39, 40}) {
        SCOPED_TRACE(codice);
        auto originale = CreaCondizione(static_cast<std::uint8_t>(codice), &sistema);
        ASSERT_NE(originale, nullptr);
        auto copia = originale->Copia();
        copia->Proprietario = &altro;
        copia->Attivato = false;
        copia->PerOgniMisura([](TMisura& m) {
            m.Prima.Voci[1].Stato = Accettato;
            m.Prima.Link = 'Z';
        });
        if (auto* membri = copia->Membri()) {
            const std::uint8_t tipo = codice == CodQuadro ? std::uint8_t{CodResti} : static_cast<TGruppo&>(*copia).CodiceMembri;
            membri->push_back(CreaCondizione(tipo, &sistema));
            membri->back()->Attivato = false;
        }
        const Bytes b = salva(*copia);
        EXPECT_EQ(b[0], codice);
        auto letta = rileggi(b, &sistema);
        ASSERT_NE(letta, nullptr);
        EXPECT_EQ(salva(*letta), b);
        EXPECT_FALSE(letta->Attivato);
        EXPECT_EQ(salva(*letta->Copia()), b);

        originale->Assegna(*copia);
        EXPECT_EQ(salva(*originale), b);
        EXPECT_EQ(originale->Proprietario, &sistema) << "the owner stays";
        if (auto* membri = originale->Membri()) {
            ASSERT_EQ(membri->size(), 1u);
            EXPECT_NE(membri->front().get(), copia->Membri()->front().get())
                << "members are copies";
        }
        originale->Assegna(*originale);  // onto itself: nothing changes
        EXPECT_EQ(salva(*originale), b);
    }
    for (int senzaTipo : {0, 21, 33, 41, 99, 100, 255}) {
        EXPECT_EQ(CreaCondizione(static_cast<std::uint8_t>(senzaTipo), &sistema), nullptr);
    }
    TResti resti(&sistema);
    const TBaricentri baricentri(&sistema);
    EXPECT_THROW(resti.Assegna(baricentri), std::bad_cast);
    TGruppo gruppo(CodGruppoResti, CodResti, "Gruppo Resti", &sistema);
    EXPECT_THROW(gruppo.Assegna(resti), std::bad_cast);
}

TEST(Records, MemberListsAndBadCodes) {
    TCondizioniSistema sistema;
    auto gruppo = CreaCondizione(CodGruppoResti, &sistema);
    ASSERT_TRUE(gruppo->Carica(Lettura({1, FineMembri})));
    EXPECT_TRUE(gruppo->Membri()->empty());

    EXPECT_FALSE(gruppo->Carica(Lettura({1, 77}))) << "a code with no type";
    EXPECT_FALSE(gruppo->Carica(Lettura({1, CodSomma}))) << "a member of the wrong kind";
    EXPECT_FALSE(gruppo->Carica(Lettura({1}))) << "no end byte";
}

TEST(Records, DeeplyNestedBoardsAreRefusedNotOverflowed) {
    TCondizioniSistema sistema;
    TQuadro radice(&sistema);
    TQuadro* corrente = &radice;
    for (int i = 0; i < 70; ++i) corrente = static_cast<TQuadro*>(corrente->Inserisci(CodQuadro));
    auto letta = rileggi(salva(radice), &sistema);
    EXPECT_EQ(letta, nullptr);
}

class SistemaCondizioni : public ::testing::Test {
protected:
    void SetUp() override {
        sistema.Link = &recuperi;
        prepara();
    }
    void prepara() {
        sistema.AggiornaStato();
        sistema.Prepara();
    }
    TPariDispari& pariDispari() { return static_cast<TPariDispari&>(sistema.Condizione(CodPariDispari)); }
    TQuadro& quadro() { return static_cast<TQuadro&>(sistema.Condizione(CodQuadro)); }

    TCondizioniSistema sistema;
    RecuperiFinti recuperi;
};

TEST_F(SistemaCondizioni, WithoutConditionsOnlyFixedNumbersCount) {
    EXPECT_EQ(sistema.NumeroAttive(), 1) << "only the empty root board, which accepts everything";
    EXPECT_TRUE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 8})));
    sistema.Fisse = col({5, 20});
    prepara();
    EXPECT_FALSE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 8})));
    EXPECT_TRUE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 20})));
}

TEST_F(SistemaCondizioni, SwitchedOnWithoutValuesTakesNoPart) {
    pariDispari().Attivato = true;
    prepara();
    EXPECT_FALSE(pariDispari().Effettivo);
    accetta(pariDispari().Tabelle[0].Prima, {4});
    prepara();
    EXPECT_TRUE(pariDispari().Effettivo);
    EXPECT_TRUE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 8})));
    EXPECT_FALSE(sistema.Verifica(col({1, 3, 5, 7, 9, 11, 13, 15})));
    pariDispari().Attivato = false;
    prepara();
    EXPECT_TRUE(sistema.Verifica(col({1, 3, 5, 7, 9, 11, 13, 15})));
}

TEST_F(SistemaCondizioni, GroupsFollowTheirSwitchAndEffectiveMembers) {
    auto& somme = static_cast<TGruppo&>(sistema.Condizione(CodGruppoSomme));
    prepara();
    EXPECT_FALSE(somme.Effettivo) << "an empty group";
    auto& somma = static_cast<TSomma&>(somme.NuovoMembro());
    somma.Partite = col({1, 2, 3});
    somma.Intervalli.Intervalli[0] = {6, 6, Accettato, 0};
    somma.Intervalli.Numero = 1;
    prepara();
    EXPECT_TRUE(somme.Effettivo);
    EXPECT_TRUE(sistema.Verifica(col({1, 2, 3, 10, 11, 12, 13, 14})));
    EXPECT_FALSE(sistema.Verifica(col({1, 2, 10, 11, 12, 13, 14, 15})));
    somme.Attivato = false;
    prepara();
    EXPECT_FALSE(somme.Effettivo);
    EXPECT_FALSE(somma.Effettivo) << "members of a switched-off group take no part";
    EXPECT_TRUE(somma.Attivato) << "the member's own switch is restored";
    somme.Attivato = true;
    somma.Partite = 0;
    prepara();
    EXPECT_FALSE(somma.Effettivo) << "a sum over no matches";
}

TEST_F(SistemaCondizioni, RecordedErrorsSkipTheGroupObjects) {
    sistema.RegistraErrori = true;
    accetta(pariDispari().Tabelle[0].Prima, {8});
    auto& gruppo = static_cast<TGruppo&>(sistema.Condizione(CodGruppoDistanze));
    auto& specifica = static_cast<TDistanzaSpecifica&>(gruppo.NuovoMembro());
    accetta(specifica.Tabelle[0].Prima, {5});
    auto& distanze = static_cast<TDistanzeGlobali&>(sistema.Condizione(CodDistanzeGlobali));
    accetta(distanze.Tabelle[2].Prima, {31});
    prepara();
    EXPECT_FALSE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 8})));
    ASSERT_EQ(sistema.Errori.size(), 3u);
    EXPECT_EQ(sistema.Errori[0].Condizione, &pariDispari());
    EXPECT_EQ(sistema.Errori[1].Condizione, &distanze);
    EXPECT_EQ(sistema.Errori[2].Condizione, &specifica) << "the member, not its group 12";

    // Other groups are recorded too, after their failing members.
    auto& resti = static_cast<TGruppo&>(sistema.Condizione(CodGruppoResti));
    accetta(static_cast<TResti&>(resti.NuovoMembro()).Tabelle[0].Prima, {3});
    prepara();
    sistema.Errori.clear();
    EXPECT_FALSE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 8})));
    ASSERT_EQ(sistema.Errori.size(), 5u);
    EXPECT_EQ(sistema.Errori[4].Condizione, &resti);
}

TEST_F(SistemaCondizioni, PuntiTraTotalsAreFedByTheTablesOfTheirGroup) {
    auto& puntiTra = sistema.PuntiTra();
    puntiTra.Gruppi[2].Intervalli[0] = {10, 10, Accettato, 0};
    puntiTra.Gruppi[2].Numero = 1;
    auto& pd = pariDispari();
    accetta(pd.Tabelle[0].Prima, {0, 1, 2, 3, 4, 5, 6, 7, 8});  // even count, any
    accetta(pd.Tabelle[1].Prima, {0, 1, 2, 3, 4, 5, 6, 7, 8});  // odd count, any
    pd.Tabelle[0].Prima.Campo = 2;
    pd.Tabelle[1].Prima.Campo = 2;
    auto& numCons = static_cast<TConsecutivitaNumerica&>(sistema.Condizione(CodConsecutivitaNumerica));
    accetta(numCons.Tabelle[0].Prima, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    numCons.Tabelle[0].Prima.Campo = 2;
    prepara();
    EXPECT_EQ(puntiTra.Ultimo, 2);
    ASSERT_TRUE(puntiTra.Effettivo);
    // 4 even + 4 odd + run of 2 = 10.
    EXPECT_TRUE(sistema.Verifica(col({1, 2, 5, 8, 11, 14, 17, 20})));
    // 4 + 4 + 8 = 16.
    EXPECT_FALSE(sistema.Verifica(col({1, 2, 3, 4, 5, 6, 7, 8})));
    EXPECT_TRUE(sistema.Verifica(col({1, 2, 5, 8, 11, 14, 17, 20}))) << "totals start again for each column";
}

// Members are named by their position, and "Punti Tra" lists by these names
// the conditions a group is fed by.
TEST_F(SistemaCondizioni, PathsNameEveryMemberAndPuntiTraListsThoseOfAGroup) {
    pariDispari().Tabelle[1].Seconda.Campo = 4;  // the second table of a table counts too
    auto& resti = static_cast<TGruppo&>(sistema.Condizione(CodGruppoResti));
    resti.NuovoMembro();
    static_cast<TResti&>(resti.NuovoMembro()).Tabelle[0].Prima.Campo = 4;
    auto& distanze = static_cast<TDistanzeGlobali&>(sistema.Condizione(CodDistanzeGlobali));
    distanze.Tabelle[0].Prima.Campo = 5;
    auto& cons = static_cast<TGruppo&>(sistema.Condizione(CodGruppoConsecutivita));
    static_cast<TConsecutivita&>(cons.NuovoMembro()).Parita = 0;
    sistema.ImpostaPercorsi();
    EXPECT_EQ(resti.Percorso, "\\Gruppo Resti");
    EXPECT_EQ(cons.Elenco[0]->Percorso, "\\Gruppo Consecutività\\ Segno Consecutività Dispari   1");
    EXPECT_EQ(sistema.PuntiTra().CondizioniNelGruppo(4),
              (std::vector<std::string>{pariDispari().Percorso, "\\Gruppo Resti\\Resti   2"}));
    EXPECT_TRUE(sistema.PuntiTra().CondizioniNelGruppo(3).empty());
    EXPECT_TRUE(sistema.PuntiTra().CondizioniNelGruppo(0).empty()) << "0 is no group";
}

TEST_F(SistemaCondizioni, ArchiveModeIgnoresTheChosenKinds) {
    ImpostazioniRicerca ricerca;
    sistema.Ricerca = &ricerca;
    auto& filtri = static_cast<TGruppo&>(sistema.Condizione(CodGruppoColonneFiltro));
    auto& filtro = static_cast<TColonnaFiltro&>(filtri.NuovoMembro());
    filtro.Numeri = col({1, 2, 3, 4, 5, 6, 7, 8});
    accetta(filtro.Tabelle[0].Prima, {0});
    prepara();
    EXPECT_TRUE(filtri.Effettivo);
    sistema.ModoArchivio = true;
    prepara();
    EXPECT_FALSE(filtri.Effettivo);
    ricerca.IgnoraColonneFiltro = false;
    prepara();
    EXPECT_TRUE(filtri.Effettivo);
}

TEST_F(SistemaCondizioni, SaveAndLoadTheTwentyRecords) {
    accetta(pariDispari().Tabelle[1].Seconda, {3}, InRecupero, 9);
    static_cast<TFormuleDerivate&>(sistema.Condizione(CodFormuleDerivate)).Formule[3] = true;
    auto* sotto = static_cast<TQuadro*>(quadro().Inserisci(CodQuadro));
    sotto->Nome = "Sotto quadro";
    sotto->Commento = {"riga uno", ""};
    static_cast<TQuadro*>(sotto->Inserisci(CodQuadro))->Inserisci(CodColonnaFiltro);
    const Bytes s = salva(sistema);

    TCondizioniSistema letto;
    ASSERT_TRUE(letto.Carica(Lettura(s)));
    EXPECT_EQ(salva(letto), s);
    auto& quadroLetto = static_cast<TQuadro&>(letto.Condizione(CodQuadro));
    ASSERT_EQ(quadroLetto.Elenco.size(), 1u);
    EXPECT_EQ(quadroLetto.Elenco[0]->Nome, "Sotto quadro");
    EXPECT_EQ(quadroLetto.Elenco[0]->Membri()->at(0)->Membri()->at(0)->Codice, CodColonnaFiltro);

    EXPECT_FALSE(letto.Carica(
        Lettura(Bytes(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(s.size() / 2)))));
}

TEST(DistanzeSpecifiche, EditedPositionsStayInOrder) {
    // The first position set to or above the second goes to one below it.
    EXPECT_EQ(PrimaPosizioneOrdinata(3, 5), 3);
    EXPECT_EQ(PrimaPosizioneOrdinata(5, 5), 4);
    EXPECT_EQ(PrimaPosizioneOrdinata(8, 6), 5);
    EXPECT_EQ(PrimaPosizioneOrdinata(8, 8), 7);
    // The second set to or below the first goes to one above it.
    EXPECT_EQ(SecondaPosizioneOrdinata(3, 5), 5);
    EXPECT_EQ(SecondaPosizioneOrdinata(3, 3), 4);
    EXPECT_EQ(SecondaPosizioneOrdinata(4, 1), 5);
    EXPECT_EQ(SecondaPosizioneOrdinata(1, 1), 2);
}

TEST(FormuleDerivate, FormulasAreShownAsEvenDashOdd) {
    EXPECT_EQ(TestoFormulaDerivata(0), "0-8");
    EXPECT_EQ(TestoFormulaDerivata(3), "3-5");
    EXPECT_EQ(TestoFormulaDerivata(8), "8-0");
}
