#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include "system/TFormPrincipa.h"

class TestTFormPrincipa : public QObject {
    Q_OBJECT
private slots:
    void captionNamesTheUntitledSystem() {
        TFormPrincipa finestra(QStringLiteral("/dati/Ludomatic/SISTEMI/SENZANOME.LDS"));
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QCOMPARE(finestra.windowTitle(), QStringLiteral(" Ludomatic 4.0 - SENZANOME"));
        QVERIFY(finestra.width() >= 640 && finestra.height() >= 480);
    }

    void uscitaClosesTheWindow() {
        TFormPrincipa finestra(QStringLiteral("SENZANOME.LDS"));
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        auto* uscita = finestra.findChild<QAction*>(QStringLiteral("Uscita"));
        QVERIFY(uscita != nullptr);
        QCOMPARE(uscita->text(), QStringLiteral("Uscita"));
        uscita->trigger();
        QVERIFY(!finestra.isVisible());
    }
};

QTEST_MAIN(TestTFormPrincipa)
#include "TestTFormPrincipa.moc"
