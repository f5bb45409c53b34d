#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "ui/system/TFormEditSQ.h"

namespace {

QLineEdit* Edit(const TFormEditSQ& f) { return C<QLineEdit>(f, "EditNome"); }

}  // namespace

class TestTFormEditSQ : public QObject {
    Q_OBJECT
  private slots:
    void aBlankNameIsRefused() {
        TFormEditSQ f;
        f.show();
        f.activateWindow();
        Edit(f)->setText(QStringLiteral(" \t "));
        RispostaMessaggio risposta;
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi, QStringList{"Il Nome della Squadra non è Valido !"});
        QVERIFY(f.isVisible());
        QCOMPARE(f.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(Edit(f)));
    }
};

QTEST_MAIN(TestTFormEditSQ)
#include "TestTFormEditSQ.moc"
