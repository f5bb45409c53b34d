// "Dati Ricevitoria": the four lines of the shop, stored and written to
// Ludomatic.cfg on OK, untouched on "Annulla".
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "ui/shop/TFormDatiRicevitoria.h"

class TestTFormDatiRicevitoria : public QObject {
    Q_OBJECT
  private slots:
    void annullaLeavesTheShopLinesAndOkStoresAndSavesThem() {
        SistemaDiProva p;
        auto& config = p.d().Config;
        config.DatiRicevitoria = {"Vecchia", "", "", ""};
        {
            TFormDatiRicevitoria annullata(config, p.Cartella());
            QTest::keyClicks(C<QLineEdit>(annullata, "EditCitta"), QStringLiteral("Bari"));
            Clic(annullata, "AnnullaBtn");
            QCOMPARE(config.DatiRicevitoria[2], std::string());
            QVERIFY(!std::filesystem::exists(p.Cartella() / "Ludomatic.cfg"));
        }
        TFormDatiRicevitoria f(config, p.Cartella());
        f.show();
        QCOMPARE(C<QLineEdit>(f, "EditIntestazione")->text(), QStringLiteral("Vecchia"));
        auto* intestazione = C<QLineEdit>(f, "EditIntestazione");
        intestazione->clear();
        QTest::keyClicks(intestazione, QStringLiteral("Ricevitoria "));
        intestazione->insert(QStringLiteral("Città & C."));
        QTest::keyClicks(C<QLineEdit>(f, "EditTelefono"), QString(60, QLatin1Char('9')));
        QTest::keyClick(intestazione, Qt::Key_Return);
        QCOMPARE(f.result(), int{QDialog::Accepted});
        QCOMPARE(config.DatiRicevitoria[0], std::string("Ricevitoria Città & C."));
        QCOMPARE(config.DatiRicevitoria[3], std::string(50, '9'));  // the box takes 50
        auto letta = ludo::ConfigurazioneIniziale(p.Cartella());
        ludo::CaricaConfigurazione(letta, p.Cartella());
        QCOMPARE(letta.DatiRicevitoria, config.DatiRicevitoria);
    }
};

QTEST_MAIN(TestTFormDatiRicevitoria)
#include "TestTFormDatiRicevitoria.moc"
