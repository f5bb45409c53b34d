#include <QtTest>

#include "ControlliDiProva.h"
#include "RispostaMessaggio.h"
#include "ui/controls/TGCasSelector.h"

namespace {

void Scrivi(TGCasSelector& selettore, const QStringList& testi) {
    for (int i = 0; i < testi.size(); ++i) Digita(selettore.Caselle()[i], testi[i]);
}

}  // namespace

class TestTGCasSelector : public QObject {
    Q_OBJECT
private slots:
    void readsTheBoxesIntoAColumn() {
        TGCasSelector selettore;
        selettore.setTotaleNumeri(4);
        Scrivi(selettore, {QStringLiteral("32"), QStringLiteral("1"), QStringLiteral("17"), QStringLiteral("8")});
        ludo::Colonna colonna = 0;
        QVERIFY(selettore.LeggiNumeri(colonna));
        QCOMPARE(colonna, (1u << 31) | 1u | (1u << 16) | (1u << 7));
        // Without boxes the column read is empty.
        selettore.setTotaleNumeri(0);
        QVERIFY(selettore.LeggiNumeri(colonna));
        QCOMPARE(colonna, ludo::Colonna{0});
    }

    void faultyBoxesStopTheReading_data() {
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<int>("casella");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("7 due volte") << QStringList{"3", "7", "7", "9"} << 2
                                     << "Uno dei numeri è stato inserito più di una volta.";
        QTest::newRow("casella vuota") << QStringList{"3", "", "7", "9"} << 1 << "Non sono stati inseriti tutti i numeri.";
        QTest::newRow("33") << QStringList{"3", "5", "33", "9"} << 2 << "Uno o più numeri inseriti non sono validi.";
        QTest::newRow("0") << QStringList{"0", "5", "6", "9"} << 0 << "Uno o più numeri inseriti non sono validi.";
    }
    void faultyBoxesStopTheReading() {
        QFETCH(QStringList, testi);
        QFETCH(int, casella);
        QFETCH(QString, messaggio);
        TGCasSelector selettore;
        selettore.setTotaleNumeri(4);
        Mostra(selettore);
        Scrivi(selettore, testi);

        RispostaMessaggio risposta;
        ludo::Colonna colonna = 0;
        QVERIFY(!selettore.LeggiNumeri(colonna));
        QCOMPARE(risposta.testi, QStringList{messaggio});
        TGEditNum* errata = selettore.Caselle()[casella];
        QCOMPARE(selettore.focusWidget(), errata);
        QCOMPARE(errata->selectedText(), errata->text());
    }

    void silentReadingShowsNothingAndKeepsTheFocus() {
        TGCasSelector selettore;
        selettore.setTotaleNumeri(2);
        Mostra(selettore);
        Scrivi(selettore, {QStringLiteral("7"), QStringLiteral("7")});
        selettore.Caselle()[0]->setFocus();
        RispostaMessaggio risposta;
        ludo::Colonna colonna = 0;
        QVERIFY(!selettore.LeggiNumeri(colonna, true));
        QTest::qWait(20);
        QVERIFY(risposta.testi.isEmpty());
        QCOMPARE(selettore.focusWidget(), selettore.Caselle()[0]);
    }

    void layoutPropertiesRebuildTheBoxes() {
        TGCasSelector selettore;
        selettore.setNumeriPerRiga(9);
        selettore.setLarghezzaCella(29);
        selettore.setAltezzaCella(19);
        selettore.setDistanzaOrizzontale(3);
        selettore.setDistanzaVerticale(2);
        selettore.setTotaleNumeri(12);
        QCOMPARE(selettore.Caselle().size(), 12);
        QCOMPARE(selettore.Caselle()[1]->geometry(), QRect(32, 0, 29, 19));
        QCOMPARE(selettore.Caselle()[9]->geometry(), QRect(0, 21, 29, 19));
        QCOMPARE(selettore.sizeHint(), QSize(9 * 29 + 8 * 3, 2 * 19 + 2));

        Scrivi(selettore, {QStringLiteral("4"), QStringLiteral("5")});
        selettore.setTotaleNumeri(3);
        QCOMPARE(selettore.Caselle().size(), 3);
        QCOMPARE(selettore.Caselle()[1]->text(), QStringLiteral("5"));
        QCOMPARE(selettore.findChildren<TGEditNum*>().size(), 3);

        selettore.setNumFisse(2);
        selettore.setTestoFisse(QStringLiteral("Fisse"));
        selettore.setReadOnly(true);
        QVERIFY(selettore.Caselle()[0]->x() > 0);  // the caption stands to the left
        QCOMPARE(selettore.Caselle()[1]->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(selettore.Caselle()[2]->palette().color(QPalette::Text) != QColor(Qt::red));
        QVERIFY(selettore.Caselle()[2]->isReadOnly());
    }
};

QTEST_MAIN(TestTGCasSelector)
#include "TestTGCasSelector.moc"
