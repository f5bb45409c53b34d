// The "Condizioni" menu of the main window and what follows an edit made
// in a condition editor, up to the saved system as the command-line
// program reads and develops it.
#include <QAction>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "../conditions/ProveEditori.h"
#include "../engine/SistemaDiProva.h"
#include "PrincipaleDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/engine/Sviluppo.h"
#include "core/io/ProgramFolder.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"

using namespace prova;

namespace {

// A main window over the matches 1..10 with the automatic recalculation on.
struct ConRicalcolo {
    ConRicalcolo() {
        p.d().Pronostico = SistemaDiProva::Primi(10);
        p.d().Destinazione.RicalcoloAutomatico = true;
        finestra = FinestraPrincipale(*p.sistema);
    }
    SistemaDiProva p;
    std::unique_ptr<TFormPrincipa> finestra;
    TFormPrincipa& f() const { return *finestra; }
};

// Opens a menu entry and, in the window it shows, does what the user does.
void DalMenu(TFormPrincipa& f, const char* voce, std::function<void(QDialog&)> azione) {
    QuandoSiApre<QDialog>(std::move(azione));
    f.Comando(QString::fromLatin1(voce))->trigger();
}

void AccettaPari(QWidget& w) {
    Clicca(*C<TGGraphpt>(w, "PtPari"), 5);
    Clic(w, "OKBtn");
}

// The values of a table's first list that are not refused.
QStringList Accettati(const QJsonObject& tabella) {
    QStringList valori;
    const QJsonObject voci = tabella["primo"].toObject();
    for (auto v = voci.begin(); v != voci.end(); ++v) {
        if (v.value().toArray().at(0).toInt() != ludo::Rifiutato) valori.append(v.key());
    }
    return valori;
}

// The two edits of the end-to-end test, made in code: even numbers 3 or 4;
// a group of two specific distances, positions 1 and 8 at 14..16 apart and
// positions 1 and 2 at most 2 apart.
void ModificheInCodice(ludo::TCondizioniSistema& cs) {
    auto& pari = static_cast<ludo::TPariDispari&>(cs.Condizione(ludo::CodPariDispari));
    for (int v : {3, 4})
        pari.Tabelle[0].Prima.Voci[static_cast<std::size_t>(v)].Stato = ludo::Accettato;
    auto& gruppo = static_cast<ludo::TGruppo&>(cs.Condizione(ludo::CodGruppoDistanze));
    auto& estremi = static_cast<ludo::TDistanzaSpecifica&>(gruppo.NuovoMembro());
    estremi.Posizione2 = 8;
    for (int v : {14, 15, 16})
        estremi.Tabelle[0].Prima.Voci[static_cast<std::size_t>(v)].Stato = ludo::Accettato;
    auto& primi = static_cast<ludo::TDistanzaSpecifica&>(gruppo.NuovoMembro());
    for (int v : {1, 2})
        primi.Tabelle[0].Prima.Voci[static_cast<std::size_t>(v)].Stato = ludo::Accettato;
}

// The edits of the second end-to-end test, made in code: a sum over every
// match within 60..80, or 81..85 in recovery at level 1; a sequence of 3
// equal signs found at most twice.
void SommaESequelaInCodice(ludo::TCondizioniSistema& cs) {
    auto& somme = static_cast<ludo::TGruppo&>(cs.Condizione(ludo::CodGruppoSomme));
    auto& somma = static_cast<ludo::TSomma&>(somme.NuovoMembro());
    somma.Partite = ~ludo::Colonna{0};
    somma.Intervalli.Intervalli[0] = {60, 80, ludo::Accettato, 0};
    somma.Intervalli.Intervalli[1] = {81, 85, ludo::InRecupero, 1};
    somma.Intervalli.Numero = 2;
    auto& sequele = static_cast<ludo::TGruppo&>(cs.Condizione(ludo::CodGruppoSequele));
    auto& sequela = static_cast<ludo::TSequela&>(sequele.NuovoMembro());
    sequela.Parametri.tipo = 2;
    sequela.Parametri.lunghezza = 3;
    for (int v : {0, 1, 2})
        sequela.Tabelle[0].Prima.Voci[static_cast<std::size_t>(v)].Stato = ludo::Accettato;
}

// Saves the system of the main window, checks what the command-line program
// reads in it, and that it develops it as the core develops the same edits.
struct GiroCompleto {
    GiroCompleto() {
        p.d().Pronostico = SistemaDiProva::Primi(16);
        const auto sistemi = ludo::io::resolvePath(p.Cartella(), std::string(ludo::io::kSistemi));
        originale = sistemi / "originale.LDS";
        file = sistemi / "prova.LDS";
        p.sistema->Salva(originale);
        p.sistema->Salva(file);
        finestra = FinestraPrincipale(sistema);
        finestra->Avvio(QString::fromStdString(file.string()));
    }
    QJsonArray Salva() {
        finestra->Comando(QStringLiteral("Save1"))->trigger();
        return p.Json({"sistema", file.string()})["condizioni"].toArray();
    }
    void SviluppaComeInCodice(void (*modifiche)(ludo::TCondizioniSistema&)) const {
        ludo::T_Sistema inCodice(p.Cartella());
        inCodice.Carica(originale);
        modifiche(inCodice.Dati->Condizioni);
        ludo::InterfacciaSviluppo nessunaFinestra;
        const auto esito = ludo::Sviluppa(inCodice, nessunaFinestra);
        QVERIFY(esito.Finali > 0 && esito.Finali < esito.Totale);
        QCOMPARE(p.Json({"sviluppa", file.string()})["finali"].toInteger(), esito.Finali);
    }
    SistemaDiProva p;
    ludo::T_Sistema sistema{p.Cartella()};
    std::filesystem::path originale;
    std::filesystem::path file;
    std::unique_ptr<TFormPrincipa> finestra;
};

}  // namespace

class TestTFormPrincipaCondizioni : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void theEntriesOfTheEditorsInTheProgramAreEnabled() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(10);
        const auto finestra = FinestraPrincipale(*p.sistema);
        TFormPrincipa& f = *finestra;
        int abilitate = 0;
        for (QAction* voce : C<QMenu>(f, "Condizioni")->actions()) {
            const int slot = voce->data().toInt();
            if (slot <= 0 || slot == ludo::CodGruppoPicchetti) continue;
            QCOMPARE(voce->isEnabled(), EditorDisponibile(static_cast<std::uint8_t>(slot)));
            abilitate += voce->isEnabled() ? 1 : 0;
        }
        QCOMPARE(abilitate, 19);
        for (const char* nome : {"PariDispari", "ConsecutivitaDifferenziata", "DistanzeSpecifiche",
                                 "Resti", "ColonneFiltro", "FormuleDerivate", "Posizioni",
                                 "NumeroSequenze", "Interruzioni", "Simmetrie", "Vortice",
                                 "Ripetizioni", "Sequele", "Somme", "PuntiTra", "Quadri", "Link"}) {
            QVERIFY2(f.Comando(QString::fromLatin1(nome))->isEnabled(), nome);
        }
        QVERIFY(!f.Comando(QStringLiteral("Picchetti"))->isEnabled());
        QVERIFY(C<QAction>(f, "SpeedQuadri")->isEnabled());
        // "Picchetti" waits for a "Picch." value on every match.
        p.d().Picchetti.fill(10);
        p.d().Picchetti[31] = 0;
        f.AggiornaAbilitazioni();
        QVERIFY(!f.Comando(QStringLiteral("Picchetti"))->isEnabled());
        p.d().Picchetti[31] = 0.5;
        f.AggiornaAbilitazioni();
        QVERIFY(f.Comando(QStringLiteral("Picchetti"))->isEnabled());
    }

    void okMarksTheSystemModifiedChecksTheEntryAndRecalculates() {
        ConRicalcolo r;
        QSignalSpy applicato(r.f().findChild<TFormRicalcoloAutomatico*>(),
                             &TFormRicalcoloAutomatico::Applicato);
        DalMenu(r.f(), "PariDispari", AccettaPari);
        QVERIFY(r.p.sistema->Modificato);
        QVERIFY(r.f().Comando(QStringLiteral("PariDispari"))->isChecked());
        QVERIFY(!r.f().Comando(QStringLiteral("Resti"))->isChecked());
        QCOMPARE(r.p.d().Condizioni.Attiva(0).Codice, ludo::CodPariDispari);
        // Of the columns of 1..10, those with the five even numbers.
        QVERIFY(applicato.wait(30000));
        QCOMPARE(r.p.d().Colonne.Conteggio(), 10u);
        QCOMPARE(r.f().findChild<QLabel*>(QStringLiteral("PColonneF"))->text(),
                 QStringLiteral("  Colonne Finali : 10 (£ 8.000)"));
    }

    void quadriOpensTheBoardWindowOnTheSystemsBoard() {
        ConRicalcolo r;
        DalMenu(r.f(), "Quadri", [](QDialog& w) {
            static_cast<TFrmQuadro&>(w).Comando(QStringLiteral("Nuova1"))->trigger();
            Clic(w, "OKBtn");
        });
        QVERIFY(r.p.sistema->Modificato);
        QCOMPARE(r.p.d().Condizioni.Condizione(ludo::CodQuadro).Membri()->size(), 1U);
    }

    void annullaOrNoChangeLeaveTheSystemAsItWas() {
        ConRicalcolo r;
        const std::string prima = Record(r.p.d().Condizioni.Condizione(ludo::CodPariDispari));
        DalMenu(r.f(), "PariDispari", [](QDialog& w) {
            Clicca(*C<TGGraphpt>(w, "PtPari"), 5);
            Clic(w, "AnnullaBtn");
        });
        DalMenu(r.f(), "Resti", [](QDialog& w) { Clic(w, "AnnullaBtn"); });
        DalMenu(r.f(), "Baricentri", [](QDialog& w) { Clic(w, "OKBtn"); });
        QVERIFY(!r.p.sistema->Modificato);
        QCOMPARE(Record(r.p.d().Condizioni.Condizione(ludo::CodPariDispari)), prima);
        QVERIFY(r.p.d().Condizioni.Condizione(ludo::CodGruppoResti).Membri()->empty());
        const auto* ricalcolo = r.f().findChild<TFormRicalcoloAutomatico*>();
        QVERIFY(!ricalcolo->InCorso() && !ricalcolo->isVisible());
        QVERIFY(!r.f().Comando(QStringLiteral("PariDispari"))->isChecked());
    }

    void anEditMadeInTheWindowsIsSavedAndDevelopedAsTheSameEditInCode() {
        GiroCompleto giro;
        TFormPrincipa& f = *giro.finestra;
        DalMenu(f, "PariDispari", [](QDialog& w) {
            auto* pari = C<TGGraphpt>(w, "PtPari");
            Clicca(*pari, 3);
            Clicca(*pari, 4);
            Clic(w, "OKBtn");
        });
        DalMenu(f, "DistanzeSpecifiche", [](QDialog& w) {
            auto* distanza = C<TGGraphpt>(w, "PtDistanza");
            auto* seconda = C<QSpinBox>(w, "SpinSeconda");
            for (int i = 0; i < 6; ++i) QTest::keyClick(seconda, Qt::Key_Up);
            for (int v : {14, 15, 16}) Clicca(*distanza, v);
            Clic(w, "AggiungiBtn");
            for (int v : {1, 2}) Clicca(*distanza, v);
            Clic(w, "OKBtn");
        });
        QVERIFY(giro.sistema.Modificato);
        const QJsonArray condizioni = giro.Salva();
        QVERIFY(!giro.sistema.Modificato);
        QCOMPARE(condizioni.size(), 20);
        const QJsonArray pari = condizioni[0].toObject()["tabelle"].toArray();
        QCOMPARE(Accettati(pari[0].toObject()), (QStringList{"3", "4"}));
        QVERIFY(Accettati(pari[1].toObject()).isEmpty());
        const QJsonArray membri = condizioni[11].toObject()["membri"].toArray();
        QCOMPARE(membri.size(), 2);
        QCOMPARE(membri[0].toObject()["posizione2"].toInt(), 8);
        QCOMPARE(Accettati(membri[0].toObject()["tabelle"].toArray()[0].toObject()),
                 (QStringList{"14", "15", "16"}));
        QCOMPARE(membri[1].toObject()["posizione1"].toInt(), 1);
        QCOMPARE(membri[1].toObject()["posizione2"].toInt(), 2);

        giro.SviluppaComeInCodice(&ModificheInCodice);
    }

    void aSumWithIntervalsInRecoveryAndASequenceGoFromTheWindowsToTheDevelopment() {
        GiroCompleto giro;
        DalMenu(*giro.finestra, "Somme", [](QDialog& w) {
            Clic(w, "TuttiBtn");
            Inserisci(w, QStringLiteral("60"), QStringLiteral("80"));
            auto* schede = C<QTabWidget>(w, "PagineIntervalli")->tabBar();
            QTest::mouseClick(schede, Qt::LeftButton, {}, schede->tabRect(1).center());
            Inserisci(w, QStringLiteral("81"), QStringLiteral("85"));
            Clic(w, "OKBtn");
        });
        DalMenu(*giro.finestra, "Sequele", [](QDialog& w) {
            Clic(w, "SpeedMonoT");
            C<QSpinBox>(w, "SpinLunghezza")->setValue(3);
            for (int v : {0, 1, 2}) Clicca(*C<TGGraphpt>(w, "PtPresenze"), v);
            Clic(w, "OKBtn");
        });
        QVERIFY(giro.sistema.Modificato);
        const QJsonArray condizioni = giro.Salva();
        QCOMPARE(condizioni.size(), 20);
        const QJsonObject somma = condizioni[9].toObject()["membri"].toArray()[0].toObject();
        QCOMPARE(somma["partite"].toArray().size(), 32);
        const QJsonArray intervalli = somma["intervalli"].toArray();
        QCOMPARE(intervalli.size(), 2);
        QCOMPARE(intervalli[1].toObject()["min"].toDouble(), 81.0);
        QCOMPARE(intervalli[1].toObject()["stato"].toInt(), int{ludo::InRecupero});
        QCOMPARE(intervalli[1].toObject()["livello"].toInt(), 1);
        const QJsonObject sequela = condizioni[4].toObject()["membri"].toArray()[0].toObject();
        QCOMPARE(sequela["tipo_sequela"].toInt(), 2);
        QCOMPARE(sequela["lunghezza"].toInt(), 3);
        giro.SviluppaComeInCodice(&SommaESequelaInCodice);
    }
};

QTEST_MAIN(TestTFormPrincipaCondizioni)
#include "TestTFormPrincipaCondizioni.moc"
