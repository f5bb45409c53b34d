#include <QtTest>
#include <QtWidgets>

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
        Digita(Memo(f), QStringLiteral("prima"));
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

    // Annulla, or OK on lines left as they were, changes nothing; OK on an
    // emptied memo leaves no lines.
    void annullaOrAnUnchangedMemoLeaveTheSystemClean() {
        struct Caso {
            std::vector<std::string> prima;
            bool svuota;
            const char* pulsante;
            std::vector<std::string> dopo;
        };
        for (const Caso& k : {Caso{{"uno", "due"}, true, "AnnullaBtn", {"uno", "due"}},
                              Caso{{"", "seconda"}, false, "OKBtn", {"", "seconda"}},
                              Caso{{"uno"}, true, "OKBtn", {}}}) {
            SistemaDiProva p;
            p.sistema->Commento = k.prima;
            TFrmCommento f(*p.sistema);
            f.show();
            if (k.svuota) Memo(f)->clear();
            Clic(f, k.pulsante);
            QCOMPARE(f.result(), std::string(k.pulsante) == "OKBtn" ? int(QDialog::Accepted)
                                                                    : int(QDialog::Rejected));
            QCOMPARE(p.sistema->Commento, k.dopo);
            QCOMPARE(p.sistema->Modificato, k.dopo != k.prima);
        }
    }
};

QTEST_MAIN(TestTFrmCommento)
#include "TestTFrmCommento.moc"
