#include <QtTest>
#include <QtWidgets>

#include "ui/controls/AccessibileGriglia.h"
#include "ui/controls/TGrigliaSchedina.h"

namespace {

// A window with a box, a grid of two matches and another box, in this order.
struct Finestra {
    Finestra() {
        auto* layout = new QVBoxLayout(&finestra);
        prima = new QLineEdit;
        griglia = new TGrigliaSchedina;
        dopo = new QLineEdit;
        layout->addWidget(prima);
        layout->addWidget(griglia);
        layout->addWidget(dopo);
        griglia->setRowCount(2);
        griglia->setColumnCount(2);
        griglia->setHorizontalHeaderLabels({QStringLiteral("Casa"), QStringLiteral("Ospite")});
        griglia->setVerticalHeaderLabels({QStringLiteral("1"), QStringLiteral("2")});
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 2; ++c) griglia->setItem(r, c, new QTableWidgetItem);
        }
        griglia->item(1, 1)->setText(QStringLiteral("Genoa"));
        // Upper case letters only, the comma as a point.
        griglia->ImpostaEditor(5, [](const QString& testo) -> std::optional<QString> {
            QString preso = testo;
            preso.replace(QLatin1Char(','), QLatin1Char('.'));
            if (preso.contains(QRegularExpression(QStringLiteral("[a-z]")))) return std::nullopt;
            return preso;
        });
        finestra.show();
        finestra.activateWindow();
    }

    QWidget finestra;
    QLineEdit* prima;
    TGrigliaSchedina* griglia;
    QLineEdit* dopo;
};

}  // namespace

class TestTGrigliaSchedina : public QObject {
    Q_OBJECT
  private slots:
    void tabLeavesTheGridAndKeepsWhatWasTyped() {
        Finestra f;
        QVERIFY(QTest::qWaitForWindowActive(&f.finestra));
        f.prima->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.prima, Qt::Key_Tab);
        // Entering the grid opens its first cell.
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr && f.griglia->isAncestorOf(editor));
        QTest::keyClicks(editor, QStringLiteral("1,5xY"));
        QCOMPARE(editor->text(), QStringLiteral("1.5Y"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.dopo);
        QCOMPARE(f.griglia->item(0, 0)->text(), QStringLiteral("1.5Y"));
        // And back: Shift+Tab from the next box enters the grid, again leaves it.
        QTest::keyClick(f.dopo, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(f.griglia->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == f.griglia);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), f.prima);
        // Ctrl+Tab leaves it too, from a cell being typed into or from the grid.
        f.griglia->ModificaCella(1, 0);
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.dopo);
        f.griglia->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), f.griglia);
        QTest::keyClick(f.griglia, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.dopo);
    }

    void assistiveToolsSeeATableOfEditableCells() {
        Finestra f;
        QAccessibleInterface* tabella = QAccessible::queryAccessibleInterface(f.griglia);
        QVERIFY(dynamic_cast<AccessibileGriglia*>(tabella) != nullptr);
        QCOMPARE(tabella->role(), QAccessible::Table);
        QAccessibleTableInterface* t = tabella->tableInterface();
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->columnCount(), 2);
        QCOMPARE(t->columnDescription(1), QStringLiteral("Ospite"));
        QAccessibleInterface* cella = t->cellAt(1, 1);
        QCOMPARE(cella->text(QAccessible::Name), QStringLiteral("Genoa"));
        QCOMPARE(cella->text(QAccessible::Description), QStringLiteral("Ospite 2"));
        QVERIFY(cella->state().editable);
        // Children stand where Qt's own tables put them, headers first, so the
        // focus Qt reports for the current cell names this cell.
        QCOMPARE(tabella->childCount(), 3 * 3);
        QCOMPARE(tabella->indexOfChild(cella), 2 * 3 + 2);
        QCOMPARE(tabella->child(2 * 3 + 2), cella);
        QCOMPARE(tabella->child(1)->role(), QAccessible::ColumnHeader);
        QCOMPARE(tabella->child(1)->text(QAccessible::Name), QStringLiteral("Casa"));
        QAccessibleTableCellInterface* posto = cella->tableCellInterface();
        QCOMPARE(posto->rowIndex(), 1);
        QCOMPARE(posto->columnIndex(), 1);
        QCOMPARE(posto->columnHeaderCells().value(0)->text(QAccessible::Name),
                 QStringLiteral("Ospite"));
        QCOMPARE(posto->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("2"));
        QCOMPARE(posto->table(), tabella);

        // "edit" opens the cell's editor; a value can also be set directly.
        QAccessibleActionInterface* azioni = cella->actionInterface();
        QVERIFY(azioni->actionNames().contains(CellaAccessibile::AzioneModifica()));
        QCOMPARE(azioni->localizedActionName(CellaAccessibile::AzioneModifica()),
                 QStringLiteral("Modifica"));
        azioni->doAction(CellaAccessibile::AzioneModifica());
        QVERIFY(qobject_cast<QLineEdit*>(f.griglia->indexWidget(f.griglia->model()->index(1, 1))) !=
                nullptr);
        QCOMPARE(f.griglia->currentRow(), 1);
        QCOMPARE(f.griglia->currentColumn(), 1);
        cella->setText(QAccessible::Value, QStringLiteral("Torino"));
        QCOMPARE(f.griglia->item(1, 1)->text(), QStringLiteral("Torino"));

        // A grid that is not typed into offers no edit.
        f.griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
        QAccessibleInterface* altra = t->cellAt(0, 1);
        QVERIFY(!altra->state().editable);
        QVERIFY(
            !altra->actionInterface()->actionNames().contains(CellaAccessibile::AzioneModifica()));
    }
};

QTEST_MAIN(TestTGrigliaSchedina)
#include "TestTGrigliaSchedina.moc"
