#include <QtTest>
#include <QtWidgets>

#include "RispostaMessaggio.h"
#include "ui/controls/TGestoreGrid.h"

namespace {

struct Riga {
    int pagina;
    int riga;
    QString min;
    QString max;
    QString livello = {};
};

void Scrivi(TGestoreGrid& gestore, const QList<Riga>& righe) {
    gestore.Svuota();
    for (const Riga& r : righe) {
        QTableWidget* griglia = r.pagina == 0 ? gestore.GrigliaAmmessi() : gestore.GrigliaRecupero();
        griglia->setItem(r.riga, 0, new QTableWidgetItem(r.min));
        griglia->setItem(r.riga, 1, new QTableWidgetItem(r.max));
        if (r.pagina == 1) griglia->setItem(r.riga, 2, new QTableWidgetItem(r.livello));
    }
}

}  // namespace

Q_DECLARE_METATYPE(Riga)

class TestTGestoreGrid : public QObject {
    Q_OBJECT
private slots:
    void init() {
        gestore_ = std::make_unique<TGestoreGrid>();
        gestore_->ImpostaLimiti(0, 100, true);
    }
    void cleanup() { gestore_.reset(); }

    void adjacentIntervalsAreAccepted() {
        Scrivi(*gestore_, {{0, 0, "1", "5"}, {0, 3, " 6 ", "9"}, {1, 0, "20", "", "7"}});
        ludo::TIntervalli intervalli;
        intervalli.Link = 'D';
        QVERIFY(gestore_->LeggiIntervalli(intervalli));
        QCOMPARE(intervalli.Numero, 3);
        QCOMPARE(intervalli.Intervalli[0], (ludo::Intervallo{1, 5, ludo::Accettato, 0}));
        QCOMPARE(intervalli.Intervalli[1], (ludo::Intervallo{6, 9, ludo::Accettato, 0}));
        // An empty maximum is the highest value allowed.
        QCOMPARE(intervalli.Intervalli[2], (ludo::Intervallo{20, 100, ludo::InRecupero, 7}));
        QCOMPARE(intervalli.Link, 'D');
    }

    void faultyRowsAreRefused_data() {
        QTest::addColumn<QList<Riga>>("righe");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("colonna");
        const QString minimo = QStringLiteral("Errore Nel Valore Minimo Dell' Intervallo");
        const QString massimo = QStringLiteral("Errore Nel Valore Massimo Dell' Intervallo");
        const QString contigui = QStringLiteral("Errore, gli Intervalli Non Sono Contigui.");
        QTest::newRow("1..5 e 5..9") << QList<Riga>{{0, 0, "1", "5"}, {0, 1, "5", "9"}} << contigui << 0 << 1 << 0;
        QTest::newRow("sovrapposti tra le pagine")
            << QList<Riga>{{0, 0, "10", "20"}, {1, 2, "0", "10", "1"}} << contigui << 1 << 2 << 0;
        QTest::newRow("contenuto") << QList<Riga>{{0, 0, "1", "50"}, {0, 1, "7", "8"}} << contigui << 0 << 1 << 0;
        QTest::newRow("minimo non numerico") << QList<Riga>{{0, 4, "a", "5"}} << minimo << 0 << 4 << 0;
        QTest::newRow("minimo sotto il limite") << QList<Riga>{{0, 0, "-1", "5"}} << minimo << 0 << 0 << 0;
        QTest::newRow("virgola decimale") << QList<Riga>{{0, 0, "1", "2,0"}} << massimo << 0 << 0 << 1;
        QTest::newRow("decimale con soli interi") << QList<Riga>{{0, 0, "1", "2.5"}} << massimo << 0 << 0 << 1;
        QTest::newRow("massimo oltre il limite") << QList<Riga>{{1, 20, "", "101", "3"}} << massimo << 1 << 20 << 1;
        QTest::newRow("minimo oltre il massimo")
            << QList<Riga>{{0, 0, "9", "5"}} << QStringLiteral("Errore, Il Valoro Minimo è Superiore a Quello Massimo")
            << 0 << 0 << 0;
    }
    void faultyRowsAreRefused() {
        QFETCH(QList<Riga>, righe);
        QFETCH(QString, messaggio);
        QFETCH(int, pagina);
        QFETCH(int, riga);
        QFETCH(int, colonna);
        Scrivi(*gestore_, righe);
        gestore_->setCurrentIndex(1 - pagina);
        RispostaMessaggio risposta;
        ludo::TIntervalli intervalli;
        QVERIFY(!gestore_->LeggiIntervalli(intervalli));
        QCOMPARE(risposta.titoli, QStringList{"Informazione"});
        QCOMPARE(risposta.testi, QStringList{messaggio});
        QCOMPARE(gestore_->currentIndex(), pagina);
        auto* griglia = gestore_->Griglia(pagina);
        QCOMPARE(griglia->currentRow(), riga);
        QCOMPARE(griglia->currentColumn(), colonna);
    }

    void realValuesUseAPoint() {
        gestore_->ImpostaLimiti(0.5, 40.5, false);
        Scrivi(*gestore_, {{0, 0, "", "2.25"}, {0, 1, "2.5", ""}});
        ludo::TIntervalli intervalli;
        QVERIFY(gestore_->LeggiIntervalli(intervalli));
        QCOMPARE(intervalli.Numero, 2);
        QCOMPARE(intervalli.Intervalli[0].Min, 0.5);
        QCOMPARE(intervalli.Intervalli[0].Max, 2.25);
        QCOMPARE(intervalli.Intervalli[1].Max, 40.5);
    }

    void writtenIntervalsReadBackTheSame() {
        ludo::TIntervalli intervalli;
        intervalli.Intervalli[0] = {2, 4, ludo::InRecupero, 12};
        intervalli.Intervalli[1] = {10.5, 20, ludo::Accettato, 0};
        intervalli.Intervalli[2] = {30, 30, ludo::Accettato, 0};
        intervalli.Numero = 3;
        gestore_->ImpostaLimiti(0, 100, false);
        gestore_->ScriviIntervalli(intervalli);
        QCOMPARE(gestore_->GrigliaAmmessi()->item(0, 0)->text(), QStringLiteral("10.5"));
        QCOMPARE(gestore_->GrigliaRecupero()->item(0, 2)->text(), QStringLiteral("12"));

        ludo::TIntervalli letti;
        QVERIFY(gestore_->LeggiIntervalli(letti));
        QCOMPARE(letti.Numero, 3);
        // The accepted page is read first.
        QCOMPARE(letti.Intervalli[0], intervalli.Intervalli[1]);
        QCOMPARE(letti.Intervalli[1], intervalli.Intervalli[2]);
        QCOMPARE(letti.Intervalli[2], intervalli.Intervalli[0]);
    }

    void emptyGridsReadNoIntervalAndWarn() {
        ludo::TIntervalli intervalli;
        intervalli.Numero = 5;
        QVERIFY(gestore_->LeggiIntervalli(intervalli));
        QCOMPARE(intervalli.Numero, 0);
        RispostaMessaggio risposta;
        QVERIFY(gestore_->AvvisaSeVuoto(intervalli));
        QCOMPARE(risposta.testi, QStringList{"Non è stato impostato alcun intervallo"});
    }

private:
    std::unique_ptr<TGestoreGrid> gestore_;
};

QTEST_MAIN(TestTGestoreGrid)
#include "TestTGestoreGrid.moc"
