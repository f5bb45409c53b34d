#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "ui/system/TFrmCommento.h"

namespace {

QPlainTextEdit* Memo(const TFrmCommento& f) { return C<QPlainTextEdit>(f, "Memo"); }

}  // namespace

class TestTFrmCommento : public QObject {
    Q_OBJECT
private slots:
    void okWritesTheLinesTyped() {
        SistemaDiProva p;
        p.sistema->Commento = {"vecchio"};
        TFrmCommento f(*p.sistema);
        f.show();
        QCOMPARE(Memo(f)->toPlainText(), QStringLiteral("vecchio"));
        Memo(f)->selectAll();
        QTest::keyClicks(Memo(f), QStringLiteral("prima"));
        QTest::keyClick(Memo(f), Qt::Key_Return);
        QTest::keyClick(Memo(f), Qt::Key_Return);
        Memo(f)->insertPlainText(QStringLiteral("terza è più lunga"));
        QTest::keyClick(Memo(f), Qt::Key_Return);
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        const std::vector<std::string> attese = {"prima", "", "terza è più lunga"};
        QCOMPARE(p.sistema->Commento, attese);
        QVERIFY(p.sistema->Modificato);
    }

    void annullaLeavesTheComment() {
        SistemaDiProva p;
        p.sistema->Commento = {"uno", "due"};
        TFrmCommento f(*p.sistema);
        f.show();
        Memo(f)->clear();
        Clic(f, "AnnullaBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(p.sistema->Commento, (std::vector<std::string>{"uno", "due"}));
        QVERIFY(!p.sistema->Modificato);
    }

    void anEmptiedMemoLeavesNoLines() {
        SistemaDiProva p;
        p.sistema->Commento = {"uno"};
        TFrmCommento f(*p.sistema);
        f.show();
        Memo(f)->clear();
        Clic(f, "OKBtn");
        QVERIFY(p.sistema->Commento.empty());
        QVERIFY(p.sistema->Modificato);
    }

    void okWithoutChangesLeavesTheSystemClean() {
        SistemaDiProva p;
        p.sistema->Commento = {"", "seconda"};
        TFrmCommento f(*p.sistema);
        f.show();
        Clic(f, "OKBtn");
        QCOMPARE(p.sistema->Commento, (std::vector<std::string>{"", "seconda"}));
        QVERIFY(!p.sistema->Modificato);
    }
};

QTEST_MAIN(TestTFrmCommento)
#include "TestTFrmCommento.moc"
