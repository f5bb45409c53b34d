#include <QtTest>

#include "ui/controls/TGEditColonna.h"

class TestTGEditColonna : public QObject {
    Q_OBJECT
private slots:
    void typingTakesOnlyPAndDOnce() {
        TGEditColonna editor;
        TGEditSegno* box = editor.Casella(1);
        QTest::keyClicks(box, QStringLiteral("xp1pd"));
        QCOMPARE(box->text(), QStringLiteral("PD"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("P"));
        QTest::keyClicks(box, QStringLiteral("D"));
        QCOMPARE(box->Segno(), std::uint8_t{3});

        editor.setSingolo(true);
        TGEditSegno* singolo = editor.Casella(2);
        QTest::keyClicks(singolo, QStringLiteral("dp"));
        QCOMPARE(singolo->text(), QStringLiteral("D"));
    }

    void everyEditSetsModificato() {
        TGEditColonna editor;
        QSignalSpy eventi(&editor, &TGEditColonna::OnModificato);
        QTest::keyClicks(editor.Casella(3), QStringLiteral("p"));
        QVERIFY(editor.Modificato());
        QCOMPARE(eventi.count(), 1);

        // Setting the pattern from outside clears the flag but still fires.
        editor.ImpostaSequela({2, 3, 1, 0, 0, 0, 0, 0});
        QVERIFY(!editor.Modificato());
        QCOMPARE(eventi.count(), 2);
        QCOMPARE(editor.Casella(1)->text(), QStringLiteral("D"));
        QCOMPARE(editor.Casella(2)->text(), QStringLiteral("PD"));
        QCOMPARE(editor.Casella(4)->text(), QString());
    }

    void patternValidity_data() {
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<bool>("contiguo");
        QTest::addColumn<bool>("completo");
        QTest::addColumn<bool>("valida");
        const QStringList buco{"P", "D", "", "P", "", "", "", ""};
        const QStringList blocco{"P", "PD", "D", "", "", "", "", ""};
        const QStringList piena{"P", "D", "DP", "P", "D", "P", "D", "PD"};
        QTest::newRow("buco, contiguo") << buco << true << false << false;
        QTest::newRow("buco, libero") << buco << false << false << true;
        QTest::newRow("blocco, contiguo") << blocco << true << false << true;
        QTest::newRow("blocco, completo") << blocco << false << true << false;
        QTest::newRow("piena, entrambi") << piena << true << true << true;
        QTest::newRow("vuota, contiguo") << QStringList(8, QString()) << true << false << true;
    }
    void patternValidity() {
        QFETCH(QStringList, testi);
        QFETCH(bool, contiguo);
        QFETCH(bool, completo);
        QFETCH(bool, valida);
        TGEditColonna editor;
        editor.setContiguo(contiguo);
        editor.setCompleto(completo);
        for (int i = 0; i < 8; ++i) QTest::keyClicks(editor.Casella(i + 1), testi[i]);
        Sequela sequela{};
        QCOMPARE(editor.LeggiSequela(sequela), valida);
        for (int i = 0; i < 8; ++i) QCOMPARE(sequela[i], TGEditSegno::SegnoDaTesto(testi[i]));
    }

    void arrowsMoveBetweenPositions() {
        TGEditColonna editor;
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        for (const auto& [da, freccia, a] : {std::tuple{1, Qt::Key_Up, 1},
                                             {1, Qt::Key_Down, 2},
                                             {8, Qt::Key_Down, 8},
                                             {8, Qt::Key_Up, 7}}) {
            editor.Casella(da)->setFocus();
            QTest::keyClick(editor.Casella(da), freccia);
            QCOMPARE(editor.focusWidget(), editor.Casella(a));
        }
        QVERIFY(editor.Casella(2)->y() > editor.Casella(1)->y());
    }
};

QTEST_MAIN(TestTGEditColonna)
#include "TestTGEditColonna.moc"
