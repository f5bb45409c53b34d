// The "Condizioni" menu of the main window and what follows an edit made
// in a condition editor, up to the saved system as the command-line
// program reads and develops it.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "PrincipaleDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TGruppo.h"
#include "core/engine/Sviluppo.h"
#include "core/io/ProgramFolder.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"

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

// A system saved and loaded by the main window: saved again from the window,
// what the command-line program reads in it, and that it develops it as the
// core develops the same edits made in code on the original.
struct GiroCompleto {
    GiroCompleto() {
        p.d().Pronostico = SistemaDiProva::Primi(16);
        const auto sistemi = ludo::io::resolvePath(p.Cartella(), std::string(ludo::io::kSistemi));
        file = sistemi / "prova.LDS";
        p.sistema->Salva(file);
        finestra = FinestraPrincipale(sistema);
        finestra->Avvio(QString::fromStdString(file.string()));
    }
    QJsonArray Salva() {
        finestra->Comando(QStringLiteral("Save1"))->trigger();
        return p.Json({"sistema", file.string()})["condizioni"].toArray();
    }
    void SviluppaComeInCodice() const {
        ModificheInCodice(p.d().Condizioni);
        ludo::InterfacciaSviluppo nessunaFinestra;
        const auto esito = ludo::Sviluppa(*p.sistema, nessunaFinestra);
        QVERIFY(esito.Finali > 0 && esito.Finali < esito.Totale);
        QCOMPARE(p.Json({"sviluppa", file.string()})["finali"].toInteger(), esito.Finali);
    }
    SistemaDiProva p;
    ludo::T_Sistema sistema{p.Cartella()};
    std::filesystem::path file;
    std::unique_ptr<TFormPrincipa> finestra;
};

}  // namespace

class TestTFormPrincipaCondizioni : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void theEntriesOfTheEditorsInTheProgramAreEnabled() {
        ConRicalcolo r;
        TFormPrincipa& f = r.f();
        for (const char* nome :
             {"PariDispari", "ConsecutivitaDifferenziata", "DistanzeSpecifiche", "Resti",
              "ColonneFiltro", "FormuleDerivate", "Posizioni", "NumeroSequenze", "Interruzioni",
              "Simmetrie", "Vortice", "Ripetizioni", "Sequele", "Somme", "ConsecutivitaNumerica",
              "DistanzeGlobali", "Baricentri", "PuntiTra", "Quadri"}) {
            QVERIFY2(f.Comando(QString::fromLatin1(nome))->isEnabled(), nome);
        }
        QVERIFY(f.Comando(QStringLiteral("Link"))->isEnabled());
        QVERIFY(!f.Comando(QStringLiteral("Picchetti"))->isEnabled());
        QVERIFY(C<QAction>(f, "SpeedQuadri")->isEnabled());
        // "Picchetti" waits for a "Picch." value on every match.
        r.p.d().Picchetti.fill(0.5);
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
        // Opening the menu ticks what is effective at that moment.
        r.p.d().Condizioni.Condizione(ludo::CodPariDispari).Attivato = false;
        emit C<QMenu>(r.f(), "Condizioni")->aboutToShow();
        QVERIFY(!r.f().Comando(QStringLiteral("PariDispari"))->isChecked());
    }

    void annullaOrNoChangeLeaveTheSystemAsItWasAndQuadriChangesIt() {
        ConRicalcolo r;
        DalMenu(r.f(), "PariDispari", [](QDialog& w) {
            Clicca(*C<TGGraphpt>(w, "PtPari"), 5);
            Clic(w, "AnnullaBtn");
        });
        DalMenu(r.f(), "Resti", [](QDialog& w) { Clic(w, "AnnullaBtn"); });
        DalMenu(r.f(), "Baricentri", [](QDialog& w) { Clic(w, "OKBtn"); });
        QVERIFY(!r.p.sistema->Modificato);
        const auto* ricalcolo = r.f().findChild<TFormRicalcoloAutomatico*>();
        QVERIFY(!ricalcolo->InCorso() && !ricalcolo->isVisible());
        QVERIFY(!r.f().Comando(QStringLiteral("PariDispari"))->isChecked());

        // "Quadri" opens the board window on the system's board.
        DalMenu(r.f(), "Quadri", [](QDialog& w) {
            static_cast<TFrmQuadro&>(w).Comando(QStringLiteral("Nuova1"))->trigger();
            Clic(w, "OKBtn");
        });
        QVERIFY(r.p.sistema->Modificato);
        QCOMPARE(r.p.d().Condizioni.Condizione(ludo::CodQuadro).Membri()->size(), 1U);
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

        giro.SviluppaComeInCodice();
    }
};

QTEST_MAIN(TestTFormPrincipaCondizioni)
#include "TestTFormPrincipaCondizioni.moc"
