#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "SistemaDiProva.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"

class TestTFormRicalcoloAutomatico : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // Each click on the forecast asks for a recalculation; the count and its
    // change against the previous one follow.
    void aRecalculationFollowsEachForecastChange() {
        SistemaDiProva p;
        TFormRicalcoloAutomatico f;
        QSignalSpy applicato(&f, &TFormRicalcoloAutomatico::Applicato);
        p.d().Pronostico = SistemaDiProva::Primi(10);
        f.Richiedi(*p.sistema);
        QVERIFY(applicato.wait(10000));
        QCOMPARE(TestoDi(f, "PanelCol"), QStringLiteral("45"));
        QCOMPARE(TestoDi(f, "PanelPerc"), QString());  // no previous count
        QCOMPARE(TestoDi(f, "PanelComp"), QStringLiteral("Calcolo completato"));
        QVERIFY(!C<QProgressBar>(f, "Gauge")->isVisibleTo(&f));
        QCOMPARE(p.d().Colonne.Conteggio(), 45u);
        QVERIFY(p.d().Sviluppato);

        p.sistema->ColonneNonValide();
        p.d().Pronostico = SistemaDiProva::Primi(11);
        f.Richiedi(*p.sistema);
        QVERIFY(applicato.wait(10000));
        QCOMPARE(TestoDi(f, "PanelCol"), QStringLiteral("165"));
        QCOMPARE(TestoDi(f, "PanelPerc"), QStringLiteral("+267%"));

        // The estimate samples and keeps no columns.
        p.sistema->ColonneNonValide();
        p.d().Pronostico = SistemaDiProva::Primi(20);
        p.d().Destinazione.CalcoloReale = false;
        f.Richiedi(*p.sistema);
        QVERIFY(applicato.wait(10000));
        QCOMPARE(TestoDi(f, "PanelCol"), QStringLiteral("125.970"));
        QVERIFY(p.d().Colonne.Vuota());
        QCOMPARE(p.sistema->ColonnePrecedenti, 125970);
    }

    // Stopping writes nothing back; a change made while a recalculation runs
    // stops it: only the newest system's result is written back.
    void aStopOrANewerChangeEndsTheRunningRecalculation() {
        SistemaDiProva p;
        p.sistema->Carica(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS");
        TFormRicalcoloAutomatico f;
        QSignalSpy applicato(&f, &TFormRicalcoloAutomatico::Applicato);
        f.Richiedi(*p.sistema);
        f.Ferma();
        QVERIFY(!f.InCorso());
        QTest::qWait(50);
        QCOMPARE(applicato.count(), 0);
        QVERIFY(p.d().Colonne.Vuota());

        f.Richiedi(*p.sistema);
        QVERIFY(f.InCorso());
        p.d().Pronostico = SistemaDiProva::Primi(12);
        p.d().Condizioni.Azzera();
        f.Richiedi(*p.sistema);
        QVERIFY(applicato.wait(20000));
        QTest::qWait(50);
        QCOMPARE(applicato.count(), 1);
        QCOMPARE(p.d().Colonne.Conteggio(), 495u);
        QCOMPARE(TestoDi(f, "PanelCol"), QStringLiteral("495"));
    }
};

QTEST_MAIN(TestTFormRicalcoloAutomatico)
#include "TestTFormRicalcoloAutomatico.moc"
