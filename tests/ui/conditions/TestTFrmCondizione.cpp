// The pattern every condition editor shares: views and group navigation,
// the state switches, "Azzera ", the check before a view is stored, OK and
// Annulla, the remembered place and choices, help, the statistics buttons,
// and what makes a window usable from the keyboard.
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "../controls/RispostaMessaggio.h"
#include "ProveEditori.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "ui/conditions/StatisticheCondizione.h"
#include "ui/conditions/TFrmResti.h"
#include "ui/controls/TFormSaver.h"

using namespace prova;

namespace {

ludo::TResti& Resti(ludo::TCondizione& gruppo, std::size_t i) {
    return static_cast<ludo::TResti&>(*gruppo.Membri()->at(i));
}

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

// The condition of the code takes part in the tests.
bool Attiva(ludo::TCondizioniSistema& cs, std::uint8_t codice) {
    cs.AggiornaStato();
    cs.Prepara();
    for (int i = 0; i < cs.NumeroAttive(); ++i) {
        if (cs.Attiva(i).Codice == codice) return true;
    }
    return false;
}

QString Numero(const QWidget& f) {
    return Controllo<QLabel>(f, QStringLiteral("PanelNumero"))->text();
}
int Divisore(const QWidget& f) {
    return Controllo<QSpinBox>(f, QStringLiteral("SpinDivisore"))->value();
}

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

// A remainders window whose own check refuses to store while told to.
class RestiControllati : public TFrmResti {
  public:
    using TFrmResti::TFrmResti;
    bool rifiuta = true;

  protected:
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override {
        if (rifiuta) return Rifiuta(QStringLiteral("Divisore non ammesso"));
        return TFrmResti::MemorizzaSpecifici(vista);
    }
};

// Takes the addresses the program asks the desktop to open.
class Browser : public QObject {
    Q_OBJECT
  public:
    Browser() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "apri"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> aperti;
  public slots:
    void apri(const QUrl& indirizzo) { aperti.append(indirizzo); }
};

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
            QVERIFY(Controllo<QWidget>(*f, QStringLiteral("PanelGruppo"))->isVisible());
            QCOMPARE(Numero(*f), QStringLiteral("1"));
            QCOMPARE(f->Viste().Numero(), 1);
            Premi(*f, QStringLiteral("AnnullaBtn"));
            QVERIFY(gruppo->Membri()->empty());
            QVERIFY(!f->Cambiato());

            // With "OK" the group keeps the member it was shown.
            auto g = Apri(*gruppo);
            Premi(*g, QStringLiteral("OKBtn"));
            QCOMPARE(gruppo->Membri()->size(), 1u);
            QCOMPARE(gruppo->Membri()->front()->Codice,
                     static_cast<ludo::TGruppo&>(*gruppo).CodiceMembri);
            QVERIFY(g->Cambiato());
        }
    }

    void aSingleConditionHasNoNavigation() {
        ludo::TCondizioniSistema cs;
        auto resti = ludo::CreaCondizione(ludo::CodResti, &cs);
        auto f = Apri(*resti);
        QVERIFY(!Controllo<QWidget>(*f, QStringLiteral("PanelGruppo"))->isVisible());
        QVERIFY(f->Viste().Singolo());
    }

    void eliminaDeletesTheMemberShownButNeverTheLastOne() {
        ludo::TCondizioniSistema cs;
        auto uno = GruppoResti(cs, {5});
        auto f = Apri(*uno);
        Premi(*f, QStringLiteral("EliminaBtn"));
        QCOMPARE(f->Viste().Numero(), 1);
        Premi(*f, QStringLiteral("OKBtn"));
        QCOMPARE(uno->Membri()->size(), 1u);
        QVERIFY(!f->Cambiato());

        auto tre = GruppoResti(cs, {3, 4, 5});
        auto g = Apri(*tre);
        Premi(*g, QStringLiteral("UltimoBtn"));
        QCOMPARE(Numero(*g), QStringLiteral("3"));
        Premi(*g, QStringLiteral("EliminaBtn"));  // the last one: the index moves back
        QCOMPARE(Numero(*g), QStringLiteral("2"));
        QCOMPARE(Divisore(*g), 4);
        Premi(*g, QStringLiteral("PrimoBtn"));
        Premi(*g, QStringLiteral("EliminaBtn"));
        QCOMPARE(Numero(*g), QStringLiteral("1"));
        QCOMPARE(Divisore(*g), 4);
        QCOMPARE(tre->Membri()->size(), 3u);  // nothing written before "OK"
        Premi(*g, QStringLiteral("OKBtn"));
        QCOMPARE(tre->Membri()->size(), 1u);
        QCOMPARE(Resti(*tre, 0).Divisore, 4);
        QVERIFY(g->Cambiato());
    }

    void everyMoveStoresTheViewShownAndOkWritesTheMembersInOrder() {
        ludo::TCondizioniSistema cs;
        auto gruppo = ludo::CreaCondizione(ludo::CodGruppoDistanze, &cs);
        auto f = Apri(*gruppo);
        auto* prima = Controllo<QSpinBox>(*f, QStringLiteral("SpinPrima"));
        auto* seconda = Controllo<QSpinBox>(*f, QStringLiteral("SpinSeconda"));
        auto* distanza = Controllo<TGGraphpt>(*f, QStringLiteral("PtDistanza"));
        for (int i = 0; i < 5; ++i) QTest::keyClick(seconda, Qt::Key_Up);
        Clicca(*distanza, 10);
        Premi(*f, QStringLiteral("AggiungiBtn"));
        QCOMPARE(Numero(*f), QStringLiteral("2"));
        QCOMPARE(seconda->value(), 2);  // a new member comes with its defaults
        Clicca(*distanza, 20);
        Premi(*f, QStringLiteral("SinistraBtn"));
        QCOMPARE(Numero(*f), QStringLiteral("1"));
        QCOMPARE(seconda->value(), 7);
        QCOMPARE(prima->value(), 1);
        Premi(*f, QStringLiteral("DestraBtn"));
        Premi(*f, QStringLiteral("DisattivatoS"));
        Premi(*f, QStringLiteral("OKBtn"));

        QCOMPARE(gruppo->Membri()->size(), 2u);
        const auto& a = static_cast<const ludo::TDistanzaSpecifica&>(*gruppo->Membri()->at(0));
        const auto& b = static_cast<const ludo::TDistanzaSpecifica&>(*gruppo->Membri()->at(1));
        QCOMPARE(a.Posizione2, 7);
        QCOMPARE(a.Tabelle[0].Prima.Voce(10).Stato, ludo::Accettato);
        QCOMPARE(a.Tabelle[0].Prima.Voce(20).Stato, ludo::Rifiutato);
        QVERIFY(a.Attivato);
        QCOMPARE(b.Posizione2, 2);
        QCOMPARE(b.Tabelle[0].Prima.Voce(20).Stato, ludo::Accettato);
        QVERIFY(!b.Attivato);
        QVERIFY(gruppo->Attivato);
    }

    void theGroupSwitchedOffKeepsItsMembersButNoneTakesPart() {
        ludo::TCondizioniSistema cs;
        auto& gruppo = cs.Condizione(ludo::CodGruppoResti);
        auto f = Apri(gruppo);
        Clicca(*Controllo<TGGraphpt>(*f, QStringLiteral("PtResto")), 3);
        QVERIFY(Controllo<QRadioButton>(*f, QStringLiteral("AttivatoS"))->isChecked());
        Premi(*f, QStringLiteral("Disattivato"));
        Premi(*f, QStringLiteral("OKBtn"));
        QVERIFY(!gruppo.Attivato);
        QVERIFY(Resti(gruppo, 0).Attivato);
        QVERIFY(!Attiva(cs, ludo::CodGruppoResti));
        QVERIFY(!gruppo.Effettivo);

        // Switched on again, the member takes part.
        auto g = Apri(gruppo);
        QVERIFY(Controllo<QRadioButton>(*g, QStringLiteral("Disattivato"))->isChecked());
        Premi(*g, QStringLiteral("Attivato"));
        Premi(*g, QStringLiteral("OKBtn"));
        QVERIFY(Attiva(cs, ludo::CodGruppoResti));

        // The member switched off, the group on: no member takes part either.
        auto h = Apri(gruppo);
        Premi(*h, QStringLiteral("DisattivatoS"));
        Premi(*h, QStringLiteral("OKBtn"));
        QVERIFY(gruppo.Attivato);
        QVERIFY(!Resti(gruppo, 0).Attivato);
        QVERIFY(!Attiva(cs, ludo::CodGruppoResti));
    }

    void azzeraThenOkLeavesTheConditionOnButNotEffective() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice : CodiciConEditor()) {
            auto c = ludo::CreaCondizione(codice, &cs);
            AccettaOvunque(*c);
            c->AggiornaStato();
            QVERIFY(c->Effettivo);
            auto f = Apri(*c);
            Premi(*f, QStringLiteral("AzzeraBtn"));
            Premi(*f, QStringLiteral("OKBtn"));
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

    void aFailedCheckKeepsTheViewAndTheWindowOpen() {
        ludo::TCondizioniSistema cs;
        auto gruppo = GruppoResti(cs, {3, 4});
        const std::string prima = Record(*gruppo);
        RestiControllati f(*gruppo, {});
        f.show();
        RispostaMessaggio risposta;
        Premi(f, QStringLiteral("DestraBtn"));
        QTRY_COMPARE(risposta.titoli, QStringList{QStringLiteral("Informazione")});
        QCOMPARE(risposta.testi, QStringList{QStringLiteral("Divisore non ammesso")});
        QCOMPARE(Numero(f), QStringLiteral("1"));
        Premi(f, QStringLiteral("OKBtn"));
        QTRY_COMPARE(risposta.titoli.size(), 2);
        QVERIFY(f.isVisible());
        QCOMPARE(Record(*gruppo), prima);

        f.rifiuta = false;
        QTest::keyClick(Controllo<QSpinBox>(f, QStringLiteral("SpinDivisore")), Qt::Key_Up);
        Premi(f, QStringLiteral("OKBtn"));
        QVERIFY(!f.isVisible());
        QCOMPARE(Resti(*gruppo, 0).Divisore, 4);
    }

    void theWindowOpensAgainWhereTheUserLeftItWithItsChoices() {
        TFormSaver store;
        TFormSaver::ImpostaProgramma(&store);
        ludo::TCondizioniSistema cs;
        auto& posizioni = static_cast<ludo::TPosizioni&>(cs.Condizione(ludo::CodPosizioni));
        posizioni.Tabelle[4].Prima.Voci[7].Stato = ludo::Accettato;
        auto& resti = cs.Condizione(ludo::CodGruppoResti);
        {
            auto f = Apri(posizioni);
            Premi(*f, QStringLiteral("SpeedPos5"));
            f->resize(900, 330);
            Premi(*f, QStringLiteral("AnnullaBtn"));
            auto r = Apri(resti);
            QTest::keyClick(Controllo<QSpinBox>(*r, QStringLiteral("SpinDivisore")), Qt::Key_Up);
            Premi(*r, QStringLiteral("AnnullaBtn"));
        }
        auto f = Apri(posizioni);
        QVERIFY(Controllo<QToolButton>(*f, QStringLiteral("SpeedPos5"))->isChecked());
        QCOMPARE(f->size(), QSize(900, 330));
        ludo::TMisura mostrata(32, false);
        Controllo<TGGraphpt>(*f, QStringLiteral("PtPresenze"))->SalvaMisura(mostrata);
        QCOMPARE(mostrata.Prima.Voce(7).Stato, ludo::Accettato);
        // What the condition holds comes before what the window remembers.
        auto r = Apri(resti);
        QCOMPARE(Divisore(*r), 8);
        TFormSaver::ImpostaProgramma(nullptr);
    }

    void archivioAndAnalisiWaitForTheStatisticsWindows() {
        ludo::TCondizioniSistema cs;
        auto& posizioni = cs.Condizione(ludo::CodPosizioni);
        {
            auto f = Apri(posizioni);
            QVERIFY(!Controllo<QWidget>(*f, QStringLiteral("ArchivioBtn"))->isEnabled());
            QVERIFY(!Controllo<QWidget>(*f, QStringLiteral("AnalisiBtn"))->isEnabled());
        }
        QList<std::pair<FonteStatistiche, int>> richieste;
        bool valoreVisto = false;
        ImpostaAperturaStatistiche([&](const RichiestaStatistiche& r, QWidget*) {
            richieste.append({r.fonte, r.pagina});
            valoreVisto = TabellaCondizione(r.condizione, 2).Prima.Voce(4).Stato == ludo::Accettato;
        });
        auto f = Apri(posizioni);
        Premi(*f, QStringLiteral("SpeedPos3"));
        Clicca(*Controllo<TGGraphpt>(*f, QStringLiteral("PtPresenze")), 4);
        Premi(*f, QStringLiteral("ArchivioBtn"));
        Premi(*f, QStringLiteral("AnalisiBtn"));
        ImpostaAperturaStatistiche({});
        QCOMPARE(richieste.size(), 2);
        QCOMPARE(richieste[0], std::make_pair(FonteStatistiche::Archivio, 3));
        QCOMPARE(richieste[1], std::make_pair(FonteStatistiche::Colonne, 3));
        QVERIFY2(valoreVisto, "the statistics see the edit made in the window");
        QCOMPARE(TabellaCondizione(posizioni, 2).Prima.Voce(4).Stato, ludo::Rifiutato);
    }

    void aiutoOpensTheGuideAtTheSectionOfTheWindow() {
        ludo::TCondizioniSistema cs;
        QFile file(QStringLiteral(LUDO_DATA_DIR "/Ludomatic.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString guida = QString::fromUtf8(file.readAll());
        Browser browser;
        for (std::uint8_t codice : CodiciConEditor()) {
            auto c = ludo::CreaCondizione(codice, &cs);
            auto f = CreaEditor(*c, LUDO_DATA_DIR, nullptr);
            f->show();
            Premi(*f, QStringLiteral("AiutoBtn"));
            QCOMPARE(browser.aperti.last().fileName(), QStringLiteral("Ludomatic.html"));
            const QString sezione = browser.aperti.last().fragment();
            QCOMPARE(sezione, f->SezioneGuida());
            QVERIFY2(guida.contains(QStringLiteral("id=\"%1\"").arg(sezione)), qPrintable(sezione));
        }
    }

    void everyWindowCanBeUsedFromTheKeyboardAndFitsTheScreen() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice : CodiciConEditor()) {
            auto c = ludo::CreaCondizione(codice, &cs);
            if (c->Membri() != nullptr) {
                // Members 1 of 2: the navigation panel fully in use.
                static_cast<ludo::TGruppo&>(*c).NuovoMembro();
                static_cast<ludo::TGruppo&>(*c).NuovoMembro();
            }
            auto f = Apri(*c);
            VerificaAccessibile(*f);
            QVERIFY(!f->windowTitle().isEmpty());
        }
    }

    void modificaWaitsForTheWindowAndTellsWhatHappened() {
        ludo::TCondizioniSistema cs;
        auto& pari = cs.Condizione(ludo::CodPariDispari);
        QuandoSiApre([](QWidget& f) { Premi(f, QStringLiteral("AnnullaBtn")); });
        EsitoModifica esito = Modifica(pari, {}, nullptr);
        QVERIFY(!esito.memorizzata && !esito.cambiata);

        QuandoSiApre([](QWidget& f) { Premi(f, QStringLiteral("OKBtn")); });
        esito = Modifica(pari, {}, nullptr);
        QVERIFY(esito.memorizzata && !esito.cambiata);

        QuandoSiApre([](QWidget& f) {
            Clicca(*Controllo<TGGraphpt>(f, QStringLiteral("PtDispari")), 4);
            Premi(f, QStringLiteral("OKBtn"));
        });
        esito = Modifica(pari, {}, nullptr);
        QVERIFY(esito.memorizzata && esito.cambiata);
        QCOMPARE(TabellaCondizione(pari, 1).Prima.Voce(4).Stato, ludo::Accettato);

        // A type whose window is not in the program opens nothing.
        auto& interruzioni = cs.Condizione(ludo::CodInterruzioni);
        QVERIFY(!EditorDisponibile(ludo::CodInterruzioni));
        esito = Modifica(interruzioni, {}, nullptr);
        QVERIFY(!esito.memorizzata);
    }
};

QTEST_MAIN(TestTFrmCondizione)
#include "TestTFrmCondizione.moc"
