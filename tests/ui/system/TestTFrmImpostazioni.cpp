#include <QtTest>
#include <QtWidgets>
#include <filesystem>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "ui/system/TFrmImpostazioni.h"

namespace fs = std::filesystem;

class TestTFrmImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void thePricesShowAndOkWritesTheConfigurationFile() {
        SistemaDiProva c;
        ludo::Configurazione& config = c.d().Config;
        TFrmImpostazioni f(config, c.Cartella());
        f.show();
        QVERIFY(C<QRadioButton>(f, "RBLire")->isChecked());
        QVERIFY(!C<QSpinBox>(f, "SpinEuro")->isEnabled());
        QVERIFY(!C<QSpinBox>(f, "SpinCentesimi")->isEnabled());
        QCOMPARE(C<QSpinBox>(f, "SpinLire")->value(), 800);
        QCOMPARE(C<QSpinBox>(f, "SpinEuro")->value(), 0);  // 0.41316...
        QCOMPARE(C<QSpinBox>(f, "SpinCentesimi")->value(), 41);
        C<QLineEdit>(f, "EditSfondo")->setText(QStringLiteral("/sfondi/mare.png"));
        C<QLineEdit>(f, "EditInt")->setText(QStringLiteral("Ricevitoria Rossi"));
        C<QSpinBox>(f, "SpinLire")->setValue(1000);
        Clic(f, "RBEuro");
        QVERIFY(!C<QSpinBox>(f, "SpinLire")->isEnabled());
        QVERIFY(C<QSpinBox>(f, "SpinCentesimi")->isEnabled());
        C<QSpinBox>(f, "SpinEuro")->setValue(2);
        C<QSpinBox>(f, "SpinCentesimi")->setValue(5);
        Clic(f, "CBSalvaColonne");
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));

        QVERIFY(std::tuple(config.PrezzoLire, config.PrezzoEuro, config.Euro, config.FileSfondo, config.SalvaColonne,
                           config.RicaricaSchedina, config.DatiRicevitoria[0]) ==
                std::tuple(1000.0, 2.05, true, std::string("/sfondi/mare.png"), false, true,
                           std::string("Ricevitoria Rossi")));
        // What the file holds reads back as the dialog left it.
        ludo::Configurazione salvata;
        ludo::CaricaConfigurazione(salvata, c.Cartella());
        QVERIFY(salvata == config);
    }

    void damagedPricesShowWithinTheirSpinBoxes() {
        SistemaDiProva c;
        ludo::Configurazione& config = c.d().Config;
        config.PrezzoLire = 50;  // below the range, as a damaged file may hold it
        config.PrezzoEuro = 12.5;
        TFrmImpostazioni f(config, c.Cartella());
        QCOMPARE(C<QSpinBox>(f, "SpinLire")->value(), 600);
        QCOMPARE(C<QSpinBox>(f, "SpinEuro")->value(), 10);
        QCOMPARE(C<QSpinBox>(f, "SpinCentesimi")->value(), 50);
    }

    void theFractionIsShownInHundredthsRounded() {
        QCOMPARE(TFrmImpostazioni::SeparaEuro(2.05).euro, 2);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(2.05).centesimi, 5);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(1.999).euro, 1);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(1.999).centesimi, 100);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(3).centesimi, 0);
    }

    // Browsing starts in the background folder; the picture chosen, like
    // every other change, is stored by OK only: Annulla changes and writes
    // nothing.
    void browsingStartsInTheBackgroundFolderAndAnnullaKeepsNothing() {
        SistemaDiProva c;
        fs::create_directory(c.Cartella() / "SFONDI");
        ludo::Configurazione& config = c.d().Config;
        const ludo::Configurazione prima = config;
        TFrmImpostazioni f(config, c.Cartella());
        f.show();
        RispostaFile risposta(QStringLiteral("/altrove/nuovo.bmp"));
        Clic(f, "CercaBtn");
        QCOMPARE(risposta.richieste.size(), 1);
        const RichiestaFile& vista = risposta.richieste.front();
        QCOMPARE(vista.cartella, QString::fromStdString((c.Cartella() / "SFONDI").string()));
        QCOMPARE(vista.nome, QStringLiteral("irtex67b.Bmp"));
        QVERIFY(!vista.salva);
        QCOMPARE(C<QLineEdit>(f, "EditSfondo")->text(), QStringLiteral("/altrove/nuovo.bmp"));
        QCOMPARE(config.FileSfondo, ludo::SfondoPredefinito(c.Cartella()));
        C<QSpinBox>(f, "SpinLire")->setValue(2000);
        Clic(f, "RBEuro");
        Clic(f, "CBRicaricaSchedina");
        Clic(f, "AnnullaBtn");
        QVERIFY(config == prima);
        QVERIFY(!fs::exists(c.Cartella() / "Ludomatic.cfg"));
    }

    void aFileThatCannotBeWrittenIsSaidSo() {
        SistemaDiProva c;
        fs::create_directory(c.Cartella() / "Ludomatic.cfg");  // a folder where the file should go
        ludo::Configurazione& config = c.d().Config;
        TFrmImpostazioni f(config, c.Cartella());
        f.show();
        C<QSpinBox>(f, "SpinLire")->setValue(900);
        RispostaMessaggio risposta;
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi, QStringList{"Impossibile Salvare la Configurazione"});
        QVERIFY(fs::is_directory(c.Cartella() / "Ludomatic.cfg"));
        QCOMPARE(config.PrezzoLire, 900.0);  // still used for this run
    }
};

QTEST_MAIN(TestTFrmImpostazioni)
#include "TestTFrmImpostazioni.moc"
