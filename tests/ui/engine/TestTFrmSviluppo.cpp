#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "SistemaDiProva.h"
#include "core/engine/TestiSviluppo.h"
#include "core/system/Costi.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/engine/PonteSviluppo.h"
#include "ui/engine/TFrmSviluppo.h"

namespace {

bool Visibile(const TFrmSviluppo& f, const char* nome) {
    return f.findChild<QWidget*>(nome)->isVisibleTo(const_cast<TFrmSviluppo*>(&f));
}

// Develops and waits for the end (at most a minute, so a broken run fails).
bool Sviluppa(TFrmSviluppo& f, ludo::T_Sistema& s) {
    QSignalSpy fine(&f, &TFrmSviluppo::Terminato);
    f.Avvia(s);
    return fine.wait(60000);
}

}  // namespace

class TestTFrmSviluppo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void eightNumbersGiveOneColumnSevenNoneAndAfterTheRunOnlyOKRemains() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(8);
        TFrmSviluppo f;
        QVERIFY(Sviluppa(f, *p.sistema));
        QCOMPARE(TestoDi(f, "ColonneIniziali"), QStringLiteral("1 (£ 800)"));
        QCOMPARE(TestoDi(f, "ColonneFinali"), QStringLiteral("1 (£ 800)"));
        QCOMPARE(TestoDi(f, "ColonneFiltrate"), QStringLiteral("0"));
        QCOMPARE(C<QProgressBar>(f, "Gauge")->value(), 100);
        QVERIFY(TestoDi(f, "LabelStato")
                    .startsWith(QStringLiteral("Elaborazione Terminata.   Tempo Impiegato : ")));
        QVERIFY(Visibile(f, "Torta"));
        QCOMPARE(C<TGTortaQuota>(f, "Torta")->Quota(), 100.0);
        QVERIFY(!Visibile(f, "Autoriduzione"));
        QCOMPARE(p.d().Colonne.Conteggio(), 1u);
        Clic(f, "OKBtn");
        QVERIFY(!f.isVisible());

        // Seven numbers develop nothing.
        p.d().Pronostico = SistemaDiProva::Primi(7);
        QVERIFY(Sviluppa(f, *p.sistema));
        QCOMPARE(TestoDi(f, "ColonneIniziali"), QStringLiteral("0 (£ 0)"));
        QCOMPARE(C<TGTortaQuota>(f, "Torta")->Quota(), 0.0);

        // Ten numbers, two of them fixed.
        p.d().Pronostico = SistemaDiProva::Primi(10);
        p.d().Fisse = 0x3;
        QSignalSpy chiusa(&f, &TFrmSviluppo::Chiusa);
        QVERIFY(Sviluppa(f, *p.sistema));
        QVERIFY(Visibile(f, "OKBtn"));
        QVERIFY(!Visibile(f, "AnnullaBtn"));
        // The initial columns hold those the fixed matches discard.
        QCOMPARE(TestoDi(f, "ColonneConFisse"), QStringLiteral("di cui 28 con le fisse"));
        QCOMPARE(TestoDi(f, "ColonneFiltrate"), QStringLiteral("17"));
        const auto* torta = f.findChild<TGTortaQuota*>("Torta");
        QVERIFY(torta->chart()->legend()->isVisible());
        QCOMPARE(torta->FettaQuota()->label(), QStringLiteral("Finali (62%)"));
        QCOMPARE(torta->FettaResto()->label(), QStringLiteral("Scartate (38%)"));
        // Escape closes the finished window as OK does.
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QCOMPARE(chiusa.count(), 1);

        // Without fixed matches there is nothing to explain.
        p.d().Fisse = 0;
        QVERIFY(Sviluppa(f, *p.sistema));
        QCOMPARE(TestoDi(f, "ColonneConFisse"), QString());
    }

    void aReductionShowsItsFigures() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(12);
        auto& dest = p.d().Destinazione;
        dest.SviluppoRidotto = true;
        dest.Garanzia = 7;
        dest.VinciteMultiple = 3;
        p.sistema->NumeroPartecipanti = 2;
        TFrmSviluppo f;
        QVERIFY(Sviluppa(f, *p.sistema));
        QVERIFY(Visibile(f, "Autoriduzione"));
        QCOMPARE(C<QWidget>(f, "Autoriduzione")->property("title").toString(),
                 QStringLiteral("Autoriduzione a Garanzia del 7"));
        const auto ridotte = static_cast<qint64>(p.d().Colonne.Conteggio());
        QVERIFY(ridotte > 0 && ridotte < 495);
        QCOMPARE(TestoDi(f, "RColonneFinali"),
                 QStringLiteral("%1 (£ %2 1/2)")
                     .arg(ridotte)
                     .arg(QString::fromStdString(ludo::TestoIntero(ridotte * 400))));
        QCOMPARE(TestoDi(f, "LabelFattore"),
                 QString::fromStdString(ludo::TestoFattore(495, ridotte)));
        QVERIFY(Visibile(f, "TortaRiduzione"));
    }

    void aCancelledOptimisedReductionKeepsNoColumn() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(17);  // 24,310 columns: the slow-reduction question
        auto& dest = p.d().Destinazione;
        dest.SviluppoRidotto = true;
        dest.RiduzioneOttimizzata = true;
        dest.Garanzia = 7;
        TFrmSviluppo f;
        QStringList domande;
        f.findChild<PonteSviluppo*>()->ChiediConferma = [&](const QString& testo) {
            domande << testo;
            f.AnnullaClick();  // "Si", then "Annulla" at once
            return true;
        };
        QVERIFY(Sviluppa(f, *p.sistema));
        QCOMPARE(domande, QStringList{QString::fromUtf8(ludo::DomandaRiduzioneLenta)});
        QVERIFY(p.d().Colonne.Vuota());
        QCOMPARE(TestoDi(f, "RColonneFinali"), QStringLiteral("0 (£ 0)"));
        QVERIFY2(f.isVisible(), "the enumeration itself was complete");
    }

    // The development runs on a worker thread: while the typical 32-number
    // system develops the interface keeps turning, and "Annulla" stops it.
    void theDevelopmentRunsBehindTheWindowAndAnnullaStopsIt() {
        SistemaDiProva p;
        p.sistema->Carica(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS");
        TFrmSviluppo f;
        QSignalSpy fine(&f, &TFrmSviluppo::Terminato);
        f.Avvia(*p.sistema);
        QTest::qWait(300);
        QVERIFY(f.InCorso());
        Clic(f, "AnnullaBtn");
        QVERIFY(fine.wait(10000));
        QVERIFY(f.Esito().Annullato);
        QVERIFY(p.d().Colonne.Vuota());
        QVERIFY2(!f.isVisible(), "a stopped development of the forecast closes its window");
    }
};

QTEST_MAIN(TestTFrmSviluppo)
#include "TestTFrmSviluppo.moc"
