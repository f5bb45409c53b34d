// The system's record over the demo archive: the figures shown are those
// of ludomatic-cli statistica, the window stays live during the search and
// a stopped search leaves the figures of the last complete one.
#include <QtTest>
#include <cmath>

#include "../controls/ControlliDiProva.h"
#include "DemoDiProva.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/statistics/TFrmInfoStatistiche.h"

class TestTFrmInfoStatistiche : public QObject {
    Q_OBJECT

  private slots:
    void theFiguresAreTheCliRecordAndAStoppedSearchKeepsThem() {
        DemoDiProva p;
        const QJsonObject cli = p.Json({"statistica", p.FileSistema().string()});
        const QJsonObject prima = cli["categorie"].toArray()[0].toObject();
        TFrmInfoStatistiche f;
        QSignalSpy fine(&f, &TFrmInfoStatistiche::Terminata);
        f.Avvia(*p.sistema);
        QVERIFY(f.isVisible());
        QCOMPARE(TestoDi(f, "Stato"), QStringLiteral("Analisi Dell'Archivio in Corso.."));
        QVERIFY(fine.wait(60000));
        QCOMPARE(TestoDi(f, "Stato"), cli["stato"].toString());
        QCOMPARE(TestoDi(f, "CicloMedio"), prima["ciclo_medio"].toString());
        QCOMPARE(TestoDi(f, "Assenza"), QString::number(prima["settimane_di_assenza"].toInt()));
        QCOMPARE(TestoDi(f, "RitardoAttuale"), QString::number(prima["ritardo_attuale"].toInt()));
        QCOMPARE(TestoDi(f, "RitardoMinimo"), QString::number(prima["ritardo_minimo"].toInt()));
        QCOMPARE(TestoDi(f, "RitardoMassimo"), QString::number(prima["ritardo_massimo"].toInt()));
        QCOMPARE(TestoDi(f, "RitardoMedio"), prima["ritardo_medio"].toString());
        QVERIFY(std::abs(C<TGTortaQuota>(f, "TortaVinte")->Quota() -
                         prima["percentuale"].toDouble()) < 1e-9);
        // Only the first category was searched.
        QVERIFY(!C<QWidget>(f, "Cat2Btn")->isEnabled());
        QVERIFY(C<QWidget>(f, "ChiudiBtn")->isEnabled());

        // One season only, stopped at once: the whole archive's figures stay.
        auto& intervallo = p.d().Config.Ricerca.Intervallo;
        intervallo.AnnoDa = intervallo.AnnoA;
        intervallo.ConcDa = 1;
        f.Avvia(*p.sistema);
        QVERIFY(!C<QWidget>(f, "ChiudiBtn")->isEnabled());
        Clic(f, "AnnullaBtn");
        QVERIFY(fine.wait(60000));
        QVERIFY2(!f.isVisible(), "a stopped search closes the window");
        QCOMPARE(TestoDi(f, "Stato"), cli["stato"].toString());
        QCOMPARE(TestoDi(f, "CicloMedio"), prima["ciclo_medio"].toString());
        QCOMPARE(f.Risultato()->Esaminati, cli["esaminati"].toInt());
    }
};

QTEST_MAIN(TestTFrmInfoStatistiche)
#include "TestTFrmInfoStatistiche.moc"
