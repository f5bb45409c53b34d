#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "../controls/RispostaMessaggio.h"
#include "ui/system/TFormEditSQ.h"

namespace {

QLineEdit* Edit(const TFormEditSQ& f) { return f.findChild<QLineEdit*>("EditNome"); }

void Clic(const TFormEditSQ& f, const char* nome) {
    QTest::mouseClick(f.findChild<QPushButton*>(nome), Qt::LeftButton);
}

}  // namespace

class TestTFormEditSQ : public QObject {
    Q_OBJECT
private slots:
    void aBlankNameIsRefused_data() {
        QTest::addColumn<QString>("testo");
        QTest::newRow("vuoto") << QString();
        QTest::newRow("spazi") << QStringLiteral("   ");
        QTest::newRow("tab") << QStringLiteral(" \t ");
    }
    void aBlankNameIsRefused() {
        QFETCH(QString, testo);
        TFormEditSQ f;
        f.show();
        f.activateWindow();
        Edit(f)->setText(testo);
        RispostaMessaggio risposta;
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi, QStringList{QStringLiteral("Il Nome della Squadra non è Valido !")});
        QVERIFY(f.isVisible());
        QCOMPARE(f.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(Edit(f)));
    }

    void aNameIsAcceptedWithoutItsBlanks() {
        TFormEditSQ f;
        f.ImpostaNome(QStringLiteral("Juventus"));
        f.show();
        QCOMPARE(Edit(f)->text(), QStringLiteral("Juventus"));
        Edit(f)->setText(QStringLiteral("  Città di Castello "));
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(f.Nome(), QStringLiteral("Città di Castello"));
    }
};

QTEST_MAIN(TestTFormEditSQ)
#include "TestTFormEditSQ.moc"
