// The pattern every condition editor shares: views and group navigation,
// the state switches, "Azzera ", the check before a view is stored, OK and
// Annulla, the remembered place and choices, help, the statistics buttons,
// and what makes a window usable from the keyboard.
#include <QtTest>
#include <QtWidgets>

#include "../controls/RispostaMessaggio.h"
#include "ProveEditori.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniSchema.h"
#include "ui/conditions/StatisticheCondizione.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/conditions/TFrmSequela.h"
#include "ui/controls/Guida.h"
#include "ui/controls/TFrmGuida.h"

using namespace prova;

namespace {

// A group of remainders with the given divisors, value 1 accepted in each.
std::unique_ptr<ludo::TCondizione> GruppoResti(ludo::TCondizioniSistema& cs,
                                               std::initializer_list<int> divisori) {
    auto gruppo = ludo::CreaCondizione(ludo::CodGruppoResti, &cs);
    for (int d : divisori) {
        auto& r = static_cast<ludo::TResti&>(static_cast<ludo::TGruppo&>(*gruppo).NuovoMembro());
        r.Divisore = d;
        r.Tabelle[0].Prima.Voci[1].Stato = ludo::Accettato;
    }
    return gruppo;
}

QString Numero(const QWidget& f) { return C<QLabel>(f, "PanelNumero")->text(); }
int Divisore(const QWidget& f) { return C<QSpinBox>(f, "SpinDivisore")->value(); }

// Some value accepted in every table of the condition (and of a new member
// of a group), every formula accepted.
void AccettaOvunque(ludo::TCondizione& c) {
    if (c.Membri() != nullptr) AccettaOvunque(static_cast<ludo::TGruppo&>(c).NuovoMembro());
    c.PerOgniMisura([](ludo::TMisura& m) {
        m.Prima.Voci[1].Stato = ludo::Accettato;
        m.Seconda.Voci[1].Stato = ludo::Accettato;
    });
    if (auto* fd = dynamic_cast<ludo::TFormuleDerivate*>(&c)) fd->Formule.fill(true);
    if (auto* filtro = dynamic_cast<ludo::TColonnaFiltro*>(&c)) filtro->Numeri = 0xFFu;
}

}  // namespace

class TestTFrmCondizione : public QObject {
    Q_OBJECT
  private slots:
    void anEmptyGroupOpensOnMemberOneAndAnnullaLeavesItEmpty() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice : {ludo::CodGruppoConsecutivita, ludo::CodGruppoDistanze,
                                    ludo::CodGruppoResti, ludo::CodGruppoColonneFiltro}) {
            auto gruppo = ludo::CreaCondizione(codice, &cs);
            auto f = Apri(*gruppo);
            QVERIFY(C<QWidget>(*f, "PanelGruppo")->isVisible());
            QCOMPARE(Numero(*f), QStringLiteral("1"));
            Clic(*f, "AnnullaBtn");
            QVERIFY(gruppo->Membri()->empty());
            QVERIFY(!f->Cambiato());

            // With "OK" the group keeps the member it was shown.
            auto g = Apri(*gruppo);
            Clic(*g, "OKBtn");
            QCOMPARE(gruppo->Membri()->size(), 1u);
            QCOMPARE(gruppo->Membri()->front()->Codice,
                     static_cast<ludo::TGruppo&>(*gruppo).CodiceMembri);
            QVERIFY(g->Cambiato());
        }
    }

    void eliminaDeletesTheMemberShownButNeverTheLastOne() {
        ludo::TCondizioniSistema cs;
        auto uno = GruppoResti(cs, {5});
        auto f = Apri(*uno);
        Clic(*f, "EliminaBtn");
        Clic(*f, "OKBtn");
        QCOMPARE(uno->Membri()->size(), 1u);
        QVERIFY(!f->Cambiato());

        auto tre = GruppoResti(cs, {3, 4, 5});
        auto g = Apri(*tre);
        Clic(*g, "UltimoBtn");
        QCOMPARE(Numero(*g), QStringLiteral("3"));
        Clic(*g, "EliminaBtn");  // the last one: the index moves back
        QCOMPARE(Numero(*g), QStringLiteral("2"));
        QCOMPARE(Divisore(*g), 4);
        Clic(*g, "PrimoBtn");
        Clic(*g, "EliminaBtn");
        QCOMPARE(Numero(*g), QStringLiteral("1"));
        QCOMPARE(Divisore(*g), 4);
        QCOMPARE(tre->Membri()->size(), 3u);  // nothing written before "OK"
        Clic(*g, "OKBtn");
        QCOMPARE(tre->Membri()->size(), 1u);
        QCOMPARE(static_cast<ludo::TResti&>(*tre->Membri()->front()).Divisore, 4);
        QVERIFY(g->Cambiato());
    }

    void everyMoveStoresTheViewShownAndOkWritesTheMembersAndSwitches() {
        ludo::TCondizioniSistema cs;
        auto gruppo = ludo::CreaCondizione(ludo::CodGruppoDistanze, &cs);
        auto f = Apri(*gruppo);
        auto* seconda = C<QSpinBox>(*f, "SpinSeconda");
        auto* distanza = C<TGGraphpt>(*f, "PtDistanza");
        for (int i = 0; i < 5; ++i) QTest::keyClick(seconda, Qt::Key_Up);
        Clicca(*distanza, 10);
        Clic(*f, "AggiungiBtn");
        QCOMPARE(Numero(*f), QStringLiteral("2"));
        QCOMPARE(seconda->value(), 2);  // a new member comes with its defaults
        Clicca(*distanza, 20);
        Clic(*f, "SinistraBtn");
        QCOMPARE(Numero(*f), QStringLiteral("1"));
        QCOMPARE(seconda->value(), 7);
        Clic(*f, "DestraBtn");
        Clic(*f, "DisattivatoS");
        Clic(*f, "Disattivato");
        Clic(*f, "OKBtn");

        QCOMPARE(gruppo->Membri()->size(), 2u);
        const auto& a = static_cast<const ludo::TDistanzaSpecifica&>(*gruppo->Membri()->at(0));
        const auto& b = static_cast<const ludo::TDistanzaSpecifica&>(*gruppo->Membri()->at(1));
        QCOMPARE(a.Posizione2, 7);
        QCOMPARE(a.Tabelle[0].Prima.Voce(10).Stato, ludo::Accettato);
        QCOMPARE(a.Tabelle[0].Prima.Voce(20).Stato, ludo::Rifiutato);
        QVERIFY(a.Attivato);
        QCOMPARE(b.Tabelle[0].Prima.Voce(20).Stato, ludo::Accettato);
        QVERIFY(!b.Attivato);
        QVERIFY(!gruppo->Attivato);
        // The switches show what was stored.
        auto g = Apri(*gruppo);
        QVERIFY(C<QRadioButton>(*g, "Disattivato")->isChecked());
        QVERIFY(C<QRadioButton>(*g, "AttivatoS")->isChecked());
        Clic(*g, "DestraBtn");
        QVERIFY(C<QRadioButton>(*g, "DisattivatoS")->isChecked());
    }

    void azzeraThenOkLeavesTheConditionOnButNotEffective() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice : CodiciConEditor()) {
            // Emptied, those are refused: no interval is set.
            if (EditoreAIntervalli(codice)) continue;
            auto c = ludo::CreaCondizione(codice, &cs);
            AccettaOvunque(*c);
            c->AggiornaStato();
            QVERIFY(c->Effettivo);
            auto f = Apri(*c);
            Clic(*f, "AzzeraBtn");
            Clic(*f, "OKBtn");
            QVERIFY(f->Cambiato());
            c->AggiornaStato();
            QVERIFY2(c->Attivato && !c->Effettivo, qPrintable(f->objectName()));
            ludo::TCondizione& mostrata = c->Membri() != nullptr ? *c->Membri()->front() : *c;
            QVERIFY(mostrata.Attivato);
            mostrata.PerOgniMisura([&](ludo::TMisura& m) {
                QVERIFY2(!m.Prima.HaValori(m.Massimo) && !m.Seconda.HaValori(m.Massimo),
                         qPrintable(f->objectName()));
                QCOMPARE(m.Da, 1);
                QCOMPARE(m.A, 32);
            });
        }
    }

    // Moving, adding and "OK" store the view shown first; a check refusing it
    // keeps the view and the window (a sequence of one sign is refused).
    void aFailedCheckKeepsTheViewAndTheWindowOpen() {
        ludo::TCondizioniSistema cs;
        auto gruppo = ludo::CreaCondizione(ludo::CodGruppoSequele, &cs);
        for (int i = 0; i < 2; ++i) static_cast<ludo::TGruppo&>(*gruppo).NuovoMembro();
        const std::string prima = Record(*gruppo);
        auto f = Apri(*gruppo);
        C<QSpinBox>(*f, "SpinLunghezza")->setValue(1);
        RispostaMessaggio risposta;
        for (const char* pulsante : {"DestraBtn", "AggiungiBtn", "OKBtn"}) Clic(*f, pulsante);
        QTRY_COMPARE(risposta.testi, QStringList(3, TFrmSequela::MessaggioLunghezza));
        QCOMPARE(Numero(*f), QStringLiteral("1"));
        QVERIFY(f->isVisible());
        QCOMPARE(Record(*gruppo), prima);

        C<QSpinBox>(*f, "SpinLunghezza")->setValue(3);
        Clic(*f, "OKBtn");
        QVERIFY(!f->isVisible());
        QCOMPARE(static_cast<ludo::TSequela&>(*gruppo->Membri()->at(0)).Parametri.lunghezza, 3);
    }

    void theWindowOpensAgainWhereTheUserLeftItWithItsChoices() {
        StoreDiProva store;
        ludo::TCondizioniSistema cs;
        auto& posizioni = static_cast<ludo::TPosizioni&>(cs.Condizione(ludo::CodPosizioni));
        posizioni.Tabelle[4].Prima.Voci[7].Stato = ludo::Accettato;
        auto& resti = cs.Condizione(ludo::CodGruppoResti);
        {
            auto f = Apri(posizioni);
            Clic(*f, "SpeedPos5");
            Clic(*f, "AnnullaBtn");
            auto r = Apri(resti);
            QTest::keyClick(C<QSpinBox>(*r, "SpinDivisore"), Qt::Key_Up);
            Clic(*r, "AnnullaBtn");
        }
        auto f = Apri(posizioni);
        QVERIFY(C<QToolButton>(*f, "SpeedPos5")->isChecked());
        ludo::TMisura mostrata(32, false);
        C<TGGraphpt>(*f, "PtPresenze")->SalvaMisura(mostrata);
        QCOMPARE(mostrata.Prima.Voce(7).Stato, ludo::Accettato);
        // What the condition holds comes before what the window remembers.
        auto r = Apri(resti);
        QCOMPARE(Divisore(*r), 8);
    }

    void archivioAndAnalisiWaitForTheStatisticsWindows() {
        ludo::TCondizioniSistema cs;
        auto& posizioni = cs.Condizione(ludo::CodPosizioni);
        {
            auto f = Apri(posizioni);
            QVERIFY(!C<QWidget>(*f, "ArchivioBtn")->isEnabled());
            QVERIFY(!C<QWidget>(*f, "AnalisiBtn")->isEnabled());
        }
        QList<std::pair<FonteStatistiche, int>> richieste;
        bool valoreVisto = false;
        ImpostaAperturaStatistiche([&](const RichiestaStatistiche& r, QWidget*) {
            richieste.append({r.fonte, r.pagina});
            valoreVisto = TabellaCondizione(r.condizione, 2).Prima.Voce(4).Stato == ludo::Accettato;
        });
        auto f = Apri(posizioni);
        Clic(*f, "SpeedPos3");
        Clicca(*C<TGGraphpt>(*f, "PtPresenze"), 4);
        Clic(*f, "ArchivioBtn");
        Clic(*f, "AnalisiBtn");
        ImpostaAperturaStatistiche({});
        QCOMPARE(richieste.size(), 2);
        QCOMPARE(richieste[0], std::make_pair(FonteStatistiche::Archivio, 3));
        QCOMPARE(richieste[1], std::make_pair(FonteStatistiche::Colonne, 3));
        QVERIFY2(valoreVisto, "the statistics see the edit made in the window");
        QCOMPARE(TabellaCondizione(posizioni, 2).Prima.Voce(4).Stato, ludo::Rifiutato);
    }

    // F1, and so the page of every editor, is checked with every other
    // window of the program.
    void aiutoOpensTheGuideAtTheSectionOfTheWindow() {
        ImpostaCartellaGuida(LUDO_DATA_DIR);
        ludo::TCondizioniSistema cs;
        auto f = Apri(cs.Condizione(ludo::CodGruppoResti));
        Clic(*f, "AiutoBtn");
        auto* aiuto = f->findChild<TFrmGuida*>();
        QVERIFY(aiuto != nullptr && aiuto->isVisible());
        QCOMPARE(aiuto->PaginaMostrata(), QStringLiteral("resti"));
    }

    // A board opens the board window, and OK on it unchanged is no change.
    void modificaOfABoardWaitsForTheBoardWindow() {
        ludo::TCondizioniSistema cs;
        QuandoSiApre<TFrmQuadro>([](TFrmQuadro& f) { Clic(f, "OKBtn"); });
        const EsitoModifica esito = Modifica(cs.Condizione(ludo::CodQuadro), nullptr);
        QVERIFY(esito.memorizzata && !esito.cambiata);
    }
};

QTEST_MAIN(TestTFrmCondizione)
#include "TestTFrmCondizione.moc"
