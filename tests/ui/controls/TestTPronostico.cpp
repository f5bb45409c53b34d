#include <QtGui>
#include <QtTest>

#include "ControlliDiProva.h"
#include "ui/controls/TPronostico.h"
#include "ui/controls/TPronosticoF.h"

class TestTPronostico : public QObject {
    Q_OBJECT
private slots:
    void clicksToggleTheCellAndFireOnChange() {
        TPronostico controllo;
        controllo.resize(controllo.sizeHint());
        QSignalSpy cambi(&controllo, &TPronostico::Cambiato);
        Clicca(controllo, 0);
        Clicca(controllo, 15);
        QCOMPARE(controllo.Pronostico(), quint16(0x8001));
        Clicca(controllo, 0);
        QCOMPARE(controllo.Pronostico(), quint16(0x8000));
        QCOMPARE(cambi.count(), 3);
        // Only the left button acts.
        Clicca(controllo, 3, Qt::RightButton);
        QCOMPARE(controllo.Pronostico(), quint16(0x8000));
        QCOMPARE(cambi.count(), 3);
    }

    void verticalCellsAreRows() {
        TPronostico controllo;
        controllo.setVerticale(true);
        controllo.resize(controllo.sizeHint());
        QVERIFY(controllo.height() > controllo.width());
        QTest::mouseClick(&controllo, Qt::LeftButton, {}, QPoint(controllo.width() / 2, controllo.height() - 3));
        QCOMPARE(controllo.Pronostico(), quint16(0x8000));
    }

    // With fixed matches in use three clicks cycle free, selected, fixed,
    // free; without, a click only toggles the selection.
    void clicksCycleThroughFixedOnlyWhenItIsUsed() {
        using Stato = QPair<quint16, quint16>;  // selected, fixed
        for (const bool usaFisse : {true, false}) {
            TPronosticoF controllo;
            controllo.setUsaFisse(usaFisse);
            controllo.resize(controllo.sizeHint());
            controllo.setPronostico(0x0101);
            controllo.setFisse(0x0100);
            QSignalSpy cambi(&controllo, &TPronostico::Cambiato);
            QList<Stato> visti;
            for (int i = 0; i < 3; ++i) {
                Clicca(controllo, 2);
                visti.emplace_back(controllo.Pronostico(), controllo.Fisse());
            }
            const QList<Stato> attesi = usaFisse
                ? QList<Stato>{{0x0105, 0x0100}, {0x0105, 0x0104}, {0x0101, 0x0100}}
                : QList<Stato>{{0x0105, 0x0100}, {0x0101, 0x0100}, {0x0105, 0x0100}};
            QCOMPARE(visti, attesi);
            QCOMPARE(cambi.count(), 3);
        }
    }

    void fixedCellsStayASubsetOfTheSelection() {
        TPronosticoF controllo;
        controllo.setFisse(0x0003);
        QCOMPARE(controllo.Pronostico(), quint16(0x0003));
        controllo.setPronostico(0x0002);
        QCOMPARE(controllo.Fisse(), quint16(0x0002));
    }

    void theArrowsMoveTheKeyboardCellAndSpaceClicksIt() {
        TPronosticoF controllo;
        controllo.setUsaFisse(true);
        controllo.setVerticale(true);
        controllo.resize(controllo.sizeHint());
        QSignalSpy cambi(&controllo, &TPronostico::Cambiato);
        QTest::keyClick(&controllo, Qt::Key_Up);
        QCOMPARE(controllo.CellaAttiva(), 0);
        QTest::keyClick(&controllo, Qt::Key_Down);
        QTest::keyClick(&controllo, Qt::Key_Right);
        QCOMPARE(controllo.CellaAttiva(), 2);
        QTest::keyClick(&controllo, Qt::Key_Space);
        QTest::keyClick(&controllo, Qt::Key_Space);
        QCOMPARE(controllo.Pronostico(), quint16(1 << 2));
        QCOMPARE(controllo.Fisse(), quint16(1 << 2));
        QTest::keyClick(&controllo, Qt::Key_End);
        QTest::keyClick(&controllo, Qt::Key_Down);
        QCOMPARE(controllo.CellaAttiva(), 15);
        QTest::keyClick(&controllo, Qt::Key_Home);
        QCOMPARE(controllo.CellaAttiva(), 0);
        // Other keys are left to the window (Enter presses its default button).
        QTest::keyClick(&controllo, Qt::Key_Return);
        QCOMPARE(cambi.count(), 2);
        // A click moves the keyboard cell too.
        Clicca(controllo, 9);
        QCOMPARE(controllo.CellaAttiva(), 9);
    }

    void assistiveToolsSeeOneButtonPerMatch() {
        TPronosticoF controllo;
        controllo.setUsaFisse(true);
        controllo.setTipo(TPronostico::tp17_32);
        controllo.resize(controllo.sizeHint());
        controllo.show();
        QAccessibleInterface* striscia = QAccessible::queryAccessibleInterface(&controllo);
        QVERIFY(striscia != nullptr);
        QCOMPARE(striscia->childCount(), 16);
        QAccessibleInterface* partita = striscia->child(4);
        QCOMPARE(striscia->child(4), partita);
        QCOMPARE(striscia->indexOfChild(partita), 4);
        QCOMPARE(partita->parent(), striscia);
        QCOMPARE(partita->text(QAccessible::Name), QStringLiteral("Partita 21"));
        QCOMPARE(partita->role(), QAccessible::Button);
        QCOMPARE(partita->text(QAccessible::Value), QStringLiteral("Libera"));
        QVERIFY(!partita->state().checked);
        QCOMPARE(partita->rect(), QRect(controllo.mapToGlobal(controllo.RettangoloCella(4).topLeft()),
                                        controllo.RettangoloCella(4).size()));
        QCOMPARE(striscia->childAt(partita->rect().center().x(), partita->rect().center().y()), partita);

        // Pressing the button does what a click does.
        QSignalSpy cambi(&controllo, &TPronostico::Cambiato);
        QAccessibleActionInterface* azioni = partita->actionInterface();
        QVERIFY(azioni != nullptr);
        azioni->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(partita->state().checked);
        QCOMPARE(partita->text(QAccessible::Value), QStringLiteral("Selezionata"));
        azioni->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(partita->text(QAccessible::Value), QStringLiteral("Fissa"));
        QCOMPARE(controllo.ColonnaFisse(), ludo::Colonna{1} << 20);
        QCOMPARE(cambi.count(), 2);
        azioni->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(controllo.CellaAttiva(), 4);
        // A disabled strip cannot be pressed.
        controllo.setEnabled(false);
        azioni->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(cambi.count(), 2);
        QVERIFY(partita->state().disabled);
    }
};

QTEST_MAIN(TestTPronostico)
#include "TestTPronostico.moc"
