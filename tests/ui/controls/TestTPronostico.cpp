#include <QSignalSpy>
#include <QtTest>

#include "ui/controls/TPronostico.h"
#include "ui/controls/TPronosticoF.h"

namespace {

void Clicca(TPronostico& controllo, int cella, Qt::MouseButton tasto = Qt::LeftButton) {
    QTest::mouseClick(&controllo, tasto, {}, controllo.RettangoloCella(cella).center());
}

}  // namespace

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
        QCOMPARE(controllo.Colonna(), ludo::Colonna{0x8001});
        Clicca(controllo, 0);
        QCOMPARE(controllo.Pronostico(), quint16(0x8000));
        QCOMPARE(cambi.count(), 3);
        // Only the left button acts.
        Clicca(controllo, 3, Qt::RightButton);
        QCOMPARE(controllo.Pronostico(), quint16(0x8000));
        QCOMPARE(cambi.count(), 3);
    }

    void theKeyboardMovesAlongTheStripAndSpaceClicks() {
        TPronosticoF orizzontale;
        orizzontale.setUsaFisse(true);
        orizzontale.resize(orizzontale.sizeHint());
        QSignalSpy cambi(&orizzontale, &TPronostico::Cambiato);
        QTest::keyClick(&orizzontale, Qt::Key_Left);
        QCOMPARE(orizzontale.CellaCorrente(), 0);
        QTest::keyClick(&orizzontale, Qt::Key_Down);  // across the strip: nothing
        QTest::keyClick(&orizzontale, Qt::Key_Right);
        QTest::keyClick(&orizzontale, Qt::Key_Right);
        QTest::keyClick(&orizzontale, Qt::Key_Space);
        QTest::keyClick(&orizzontale, Qt::Key_Space);
        QCOMPARE(orizzontale.CellaCorrente(), 2);
        QCOMPARE(orizzontale.Pronostico(), quint16(0x0004));
        QCOMPARE(orizzontale.Fisse(), quint16(0x0004));  // the same cycle as clicks
        QCOMPARE(cambi.count(), 2);
        QTest::keyClick(&orizzontale, Qt::Key_End);
        QTest::keyClick(&orizzontale, Qt::Key_Right);
        QCOMPARE(orizzontale.CellaCorrente(), 15);

        TPronostico verticale;
        verticale.setVerticale(true);
        verticale.resize(verticale.sizeHint());
        QVERIFY(verticale.focusPolicy() & Qt::TabFocus);
        QTest::keyClick(&verticale, Qt::Key_Down);
        QTest::keyClick(&verticale, Qt::Key_Right);  // across the strip: nothing
        QTest::keyClick(&verticale, Qt::Key_Space);
        QCOMPARE(verticale.Pronostico(), quint16(0x0002));
        Clicca(verticale, 9);  // a click makes its cell the current one
        QCOMPARE(verticale.CellaCorrente(), 9);
    }

    void verticalCellsAreRows() {
        TPronostico controllo;
        controllo.setVerticale(true);
        controllo.resize(controllo.sizeHint());
        QVERIFY(controllo.height() > controllo.width());
        QTest::mouseClick(&controllo, Qt::LeftButton, {}, QPoint(controllo.width() / 2, controllo.height() - 3));
        QCOMPARE(controllo.Pronostico(), quint16(0x8000));
    }

    void theSecondHalfStandsForNumbers17To32() {
        TPronostico controllo;
        controllo.setTipo(TPronostico::tp17_32);
        controllo.setPronostico(1);
        QCOMPARE(controllo.NumeroCella(0), 17);
        QCOMPARE(controllo.NumeroCella(15), 32);
        QCOMPARE(controllo.Colonna(), ludo::Colonna{1} << 16);
        // A 32-number set gives each control its own half.
        controllo.ImpostaColonna(0x80010003u);
        QCOMPARE(controllo.Pronostico(), quint16(0x8001));
    }

    void withoutUsaFisseClicksOnlySelect() {
        TPronosticoF controllo;
        controllo.resize(controllo.sizeHint());
        Clicca(controllo, 4);
        Clicca(controllo, 4);
        Clicca(controllo, 4);
        QCOMPARE(controllo.Pronostico(), quint16(1 << 4));
        QCOMPARE(controllo.Fisse(), quint16(0));
    }

    void threeClicksCycleFreeSelectedFixedFree() {
        TPronosticoF controllo;
        controllo.setUsaFisse(true);
        controllo.resize(controllo.sizeHint());
        controllo.setPronostico(0x0101);
        controllo.setFisse(0x0100);
        QSignalSpy cambi(&controllo, &TPronostico::Cambiato);

        Clicca(controllo, 2);
        QCOMPARE(controllo.Pronostico(), quint16(0x0105));
        QCOMPARE(controllo.Fisse(), quint16(0x0100));
        Clicca(controllo, 2);
        QCOMPARE(controllo.Pronostico(), quint16(0x0105));
        QCOMPARE(controllo.Fisse(), quint16(0x0104));
        Clicca(controllo, 2);
        QCOMPARE(controllo.Pronostico(), quint16(0x0101));
        QCOMPARE(controllo.Fisse(), quint16(0x0100));
        QCOMPARE(cambi.count(), 3);
    }

    void fixedCellsStayASubsetOfTheSelection() {
        TPronosticoF controllo;
        controllo.setFisse(0x0003);
        QCOMPARE(controllo.Pronostico(), quint16(0x0003));
        controllo.setPronostico(0x0002);
        QCOMPARE(controllo.Fisse(), quint16(0x0002));
        controllo.setTipo(TPronostico::tp17_32);
        QCOMPARE(controllo.ColonnaFisse(), ludo::Colonna{2} << 16);
    }
};

QTEST_MAIN(TestTPronostico)
#include "TestTPronostico.moc"
