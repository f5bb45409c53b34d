#include "TestSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TQuadro.h"

using namespace ludo;
using namespace ludo::test;

namespace {

std::vector<int> codici(const std::vector<std::unique_ptr<TCondizione>>& elenco) {
    std::vector<int> c;
    for (const auto& condizione : elenco) c.push_back(condizione->Codice);
    return c;
}

// A filter column accepting exactly `punti` numbers in common with `numeri`.
TColonnaFiltro& filtro(TQuadro& q, Colonna numeri, int punti) {
    auto& f = static_cast<TColonnaFiltro&>(*q.Inserisci(CodColonnaFiltro));
    f.Numeri = numeri;
    f.Tabelle[0].Prima.Voci[static_cast<std::size_t>(punti)].Stato = Accettato;
    return f;
}

class Quadro : public ::testing::Test {
protected:
    void prepara() {
        quadro.AggiornaStato();
        sistema.Prepara();
    }
    TCondizioniSistema sistema;
    TQuadro quadro{&sistema};
    const Colonna primiOtto = col({1, 2, 3, 4, 5, 6, 7, 8});
};

}  // namespace

TEST_F(Quadro, AndCountsSwitchedOffMembersAsSatisfied) {
    filtro(quadro, primiOtto, 8);
    filtro(quadro, primiOtto, 8);
    auto& spento = filtro(quadro, primiOtto, 0);
    quadro.ApplicaRelazione(RelazioneAnd);
    prepara();
    EXPECT_FALSE(quadro.Verifica(primiOtto)) << "the third member fails";
    spento.Attivato = false;
    prepara();
    EXPECT_TRUE(quadro.Verifica(primiOtto));
    EXPECT_FALSE(quadro.Verifica(col({9, 10, 11, 12, 13, 14, 15, 16})));
}

TEST_F(Quadro, PresetsAndAnEmptyBoard) {
    prepara();
    EXPECT_TRUE(quadro.Effettivo);
    EXPECT_TRUE(quadro.Verifica(primiOtto)) << "an empty AND board accepts count 0";
    for (int i = 0; i < 4; ++i) quadro.Inserisci(CodPariDispari);
    const auto accettati = [&] {
        std::vector<int> v;
        for (int i = 0; i <= 10; ++i) {
            if (quadro.Accettate.Prima.Voci[static_cast<std::size_t>(i)].Stato == Accettato) v.push_back(i);
        }
        return v;
    };
    EXPECT_EQ(accettati(), (std::vector<int>{4})) << "the preset follows the insertions";
    quadro.ApplicaRelazione(RelazioneOr);
    EXPECT_EQ(accettati(), (std::vector<int>{1, 2, 3, 4}));
    quadro.ApplicaRelazione(RelazioneXor);
    EXPECT_EQ(accettati(), (std::vector<int>{1}));
    quadro.ApplicaRelazione(RelazioneNot);
    EXPECT_EQ(accettati(), (std::vector<int>{0}));
}

TEST_F(Quadro, FailuresInsideAPassingBoardAreNotErrors) {
    sistema.RegistraErrori = true;
    filtro(quadro, primiOtto, 8);
    filtro(quadro, primiOtto, 0);
    quadro.ApplicaRelazione(RelazioneOr);
    prepara();
    EXPECT_TRUE(quadro.Verifica(primiOtto));
    EXPECT_TRUE(sistema.Errori.empty());
    quadro.ApplicaRelazione(RelazioneAnd);
    prepara();
    EXPECT_FALSE(quadro.Verifica(primiOtto));
    ASSERT_EQ(sistema.Errori.size(), 1u);
    EXPECT_EQ(sistema.Errori[0].Posizione, 2);
}

TEST_F(Quadro, LimitsOfInsertAndPaste) {
    for (int i = 0; i < 990; ++i) quadro.Inserisci(CodResti);
    std::vector<std::unique_ptr<TCondizione>> appunti;
    for (int i = 0; i < 10; ++i) appunti.push_back(CreaCondizione(CodPariDispari, &sistema));
    EXPECT_EQ(erroreDi([&] { quadro.Incolla(appunti, 0); }), MsgSpazioInsufficiente);
    EXPECT_EQ(quadro.Elenco.size(), 990u);
    appunti.pop_back();
    quadro.Incolla(appunti, 5);
    EXPECT_EQ(quadro.Elenco.size(), 999u);
    EXPECT_EQ(quadro.Elenco[5]->Codice, CodPariDispari);
    EXPECT_EQ(quadro.Elenco[13]->Codice, CodPariDispari);
    EXPECT_EQ(quadro.Elenco[14]->Codice, CodResti);
    EXPECT_EQ(quadro.Inserisci(CodResti), nullptr) << "full at 999";
    quadro.Incolla({}, 0);
    EXPECT_EQ(appunti.size(), 9u) << "the clipboard keeps its items";
}

TEST_F(Quadro, CutCopyAndDeleteTheSelection) {
    quadro.Inserisci(CodResti)->Selezionato = true;
    quadro.Inserisci(CodPariDispari);
    quadro.Inserisci(CodBaricentri)->Selezionato = true;
    const auto copie = quadro.CopiaSelezionati(true);
    EXPECT_EQ(codici(copie), (std::vector<int>{CodResti, CodBaricentri}));
    EXPECT_EQ(codici(quadro.Elenco), std::vector<int>{CodPariDispari});
    quadro.Incolla(copie, 99);
    EXPECT_EQ(quadro.Elenco.size(), 3u);
    EXPECT_FALSE(quadro.Elenco[0]->Selezionato) << "pasting clears the selection first";
    EXPECT_TRUE(quadro.Elenco[2]->Selezionato) << "pasted copies show as selected";
}

TEST_F(Quadro, AdattaMapsFilterColumnsOntoTheSelectedMatches) {
    auto* sotto = static_cast<TQuadro*>(quadro.Inserisci(CodQuadro));
    filtro(quadro, primiOtto, 8);  // the prototype: first filter column of this board
    auto& interno = filtro(*sotto, col({2, 4, 6, 8}), 4);
    auto& altro = filtro(quadro, col({1, 8, 20}), 2);
    quadro.Adatta(col({3, 5, 8, 11, 13, 17, 21, 30}));
    EXPECT_EQ(interno.Numeri, col({5, 11, 17, 30}));
    EXPECT_EQ(altro.Numeri, col({3, 30})) << "20 is not in the prototype";
    EXPECT_EQ(quadro.Elenco.size(), 2u) << "the prototype is removed";

    // The next prototype is the 2-number filter column: three matches do not fit it.
    EXPECT_EQ(erroreDi([&] { quadro.Adatta(col({1, 2, 3})); }), MsgPartiteNonCoincidono);
    TQuadro vuoto(&sistema);
    EXPECT_EQ(erroreDi([&] { vuoto.Adatta(primiOtto); }), MsgPrototipoMancante);
}

TEST_F(Quadro, BoardAndConditionFiles) {
    TempDir dir;
    quadro.Nome = "Il mio quadro";
    quadro.Commento = {"Commento è qui"};
    quadro.Inserisci(CodResti)->Selezionato = true;
    auto* sotto = static_cast<TQuadro*>(quadro.Inserisci(CodQuadro));
    sotto->Inserisci(CodSomma);
    sotto->Selezionato = true;
    quadro.Inserisci(CodPariDispari);
    quadro.SalvaQuadro(dir / "q.QDR");
    quadro.SalvaCondizioni(dir / "c.CND");

    TQuadro letto(&sistema);
    letto.Inserisci(CodVortice);
    letto.CaricaQuadro(dir / "q.QDR");
    EXPECT_EQ(letto.Nome, "Il mio quadro");
    EXPECT_EQ(letto.Commento, quadro.Commento);
    ASSERT_EQ(letto.Elenco.size(), 3u);
    EXPECT_EQ(letto.Elenco[1]->Membri()->size(), 1u);

    letto.CaricaCondizioni(dir / "c.CND", 1);
    EXPECT_EQ(codici(letto.Elenco), (std::vector<int>{CodResti, CodResti, CodQuadro, CodQuadro, CodPariDispari}));

    writeFile(dir / "rotto.CND", {CodResti, 1, 2});
    EXPECT_THROW(letto.CaricaCondizioni(dir / "rotto.CND", 0), Errore);
    EXPECT_EQ(letto.Elenco.size(), 5u) << "a failed read inserts nothing";
    EXPECT_EQ(erroreDi([&] { letto.CaricaQuadro(dir / "manca.QDR"); }), MsgCaricareQuadro);
    EXPECT_EQ(letto.Elenco.size(), 5u);
}

TEST_F(Quadro, ContenitoreFindsTheBoardHoldingAMemberAtAnyDepth) {
    auto* primo = static_cast<TQuadro*>(quadro.Inserisci(CodQuadro));
    quadro.Inserisci(CodPariDispari);
    auto* secondo = static_cast<TQuadro*>(primo->Inserisci(CodQuadro));
    auto* terzo = static_cast<TQuadro*>(secondo->Inserisci(CodQuadro));
    TCondizione* foglia = terzo->Inserisci(CodResti);
    EXPECT_EQ(quadro.Contenitore(*terzo), secondo);
    EXPECT_EQ(quadro.Contenitore(*foglia), terzo);
    EXPECT_EQ(quadro.Contenitore(*primo), &quadro);
    EXPECT_EQ(quadro.Contenitore(quadro), nullptr);
    TQuadro estraneo(&sistema);
    EXPECT_EQ(quadro.Contenitore(estraneo), nullptr);
}
