#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "ui/system/TFrmPartecipanti.h"

class TestTFrmPartecipanti : public QObject {
    Q_OBJECT
private slots:
    void annullaLeavesEverythingAndOkWritesCountNamesAndFlag() {
        SistemaDiProva p;
        p.sistema->NumeroPartecipanti = 2;
        p.sistema->NomiPartecipanti = {"Anna", "Bruno"};
        {
            TFrmPartecipanti annullata(*p.sistema);
            annullata.show();
            C<QSpinBox>(annullata, "SpinPartecipanti")->setValue(9);
            C<QPlainTextEdit>(annullata, "MemoNomi")->clear();
            Clic(annullata, "CBSpecificaNomi");
            Clic(annullata, "AnnullaBtn");
            QCOMPARE(p.sistema->NumeroPartecipanti, 2);
            QCOMPARE(p.sistema->NomiPartecipanti, (std::vector<std::string>{"Anna", "Bruno"}));
            QVERIFY(p.sistema->SpecificaNomi);
            QVERIFY(!p.sistema->Modificato);
        }
        TFrmPartecipanti f(*p.sistema);
        f.show();
        QVERIFY(C<QCheckBox>(f, "CBSpecificaNomi")->isChecked());
        auto* spin = C<QSpinBox>(f, "SpinPartecipanti");
        QCOMPARE(spin->value(), 2);
        spin->setValue(3);
        C<QPlainTextEdit>(f, "MemoNomi")->setPlainText(QStringLiteral("Anna\nBruno\nCarla\n"));
        Clic(f, "OKBtn");
        QCOMPARE(p.sistema->NumeroPartecipanti, 3);
        QCOMPARE(p.sistema->NomiPartecipanti, (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
        QVERIFY(p.sistema->SpecificaNomi);
        QVERIFY(p.sistema->Modificato);
    }

    // A damaged count (from a file) shows as the largest allowed.
    void theNamesAreEditableOnlyWhenGivenAndADamagedCountIsCapped() {
        SistemaDiProva p;
        p.sistema->NomiPartecipanti = {"Anna"};
        p.sistema->NumeroPartecipanti = 5000;
        TFrmPartecipanti f(*p.sistema);
        f.show();
        QCOMPARE(C<QSpinBox>(f, "SpinPartecipanti")->value(), MaxPartecipanti);
        auto* memo = C<QPlainTextEdit>(f, "MemoNomi");
        QCOMPARE(memo->toPlainText(), QStringLiteral("Anna"));
        QVERIFY(memo->isEnabled());
        Clic(f, "CBSpecificaNomi");
        QVERIFY(!memo->isEnabled());
        Clic(f, "OKBtn");
        QVERIFY(!p.sistema->SpecificaNomi);
        QCOMPARE(p.sistema->NomiPartecipanti, std::vector<std::string>{"Anna"});
        QVERIFY(p.sistema->Modificato);
    }
};

QTEST_MAIN(TestTFrmPartecipanti)
#include "TestTFrmPartecipanti.moc"
