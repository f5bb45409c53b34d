#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <bit>
#include <filesystem>
#include <fstream>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "ui/system/TFrmImpostazioni.h"

namespace fs = std::filesystem;

namespace {

std::string Leggi(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An IEEE double, least significant byte first.
std::string Double(double v) {
    const auto bit = std::bit_cast<std::uint64_t>(v);
    std::string s;
    for (int i = 0; i < 8; ++i) s.push_back(static_cast<char>((bit >> (8 * i)) & 0xFF));
    return s;
}

// A short string's length byte and text, without its padding.
std::string Corta(const std::string& testo) { return static_cast<char>(testo.size()) + testo; }

class Cartella {
public:
    [[nodiscard]] fs::path Percorso() const { return dir_.path().toStdString(); }
    [[nodiscard]] fs::path FileCfg() const { return Percorso() / "Ludomatic.cfg"; }

private:
    QTemporaryDir dir_;
};

}  // namespace

class TestTFrmImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void okWritesTheConfigurationFile() {
        Cartella c;
        ludo::Configurazione config = ludo::ConfigurazioneIniziale(c.Percorso());
        TFrmImpostazioni f(config, c.Percorso());
        f.show();
        C<QLineEdit>(f, "EditSfondo")->setText(QStringLiteral("/sfondi/mare.png"));
        C<QLineEdit>(f, "EditInt")->setText(QStringLiteral("Ricevitoria Rossi"));
        C<QSpinBox>(f, "SpinLire")->setValue(1000);
        Clic(f, "RBEuro");
        C<QSpinBox>(f, "SpinEuro")->setValue(2);
        C<QSpinBox>(f, "SpinCentesimi")->setValue(5);
        Clic(f, "CBSalvaColonne");
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));

        QCOMPARE(config.PrezzoLire, 1000.0);
        QCOMPARE(config.PrezzoEuro, 2.05);
        QVERIFY(config.Euro);
        QVERIFY(!config.SalvaColonne);
        QVERIFY(config.RicaricaSchedina);

        const std::string byte = Leggi(c.FileCfg());
        QCOMPARE(byte.substr(0, 17), Double(1000) + Double(2.05) + '\1');
        QCOMPARE(byte.substr(17, 17), Corta("/sfondi/mare.png"));
        QCOMPARE(byte.substr(17 + 256, 2), std::string("\0\1", 2));
        QCOMPARE(byte.substr(17 + 256 + 2, 18), Corta("Ricevitoria Rossi"));
    }

    void annullaChangesNothingAndWritesNothing() {
        Cartella c;
        ludo::Configurazione config = ludo::ConfigurazioneIniziale(c.Percorso());
        const ludo::Configurazione prima = config;
        TFrmImpostazioni f(config, c.Percorso());
        f.show();
        C<QSpinBox>(f, "SpinLire")->setValue(2000);
        Clic(f, "RBEuro");
        Clic(f, "CBRicaricaSchedina");
        Clic(f, "AnnullaBtn");
        QVERIFY(config == prima);
        QVERIFY(!fs::exists(c.FileCfg()));
    }

    void thePricesShowInTheirSpinBoxes() {
        Cartella c;
        ludo::Configurazione config = ludo::ConfigurazioneIniziale(c.Percorso());
        {
            TFrmImpostazioni f(config, c.Percorso());
            f.show();
            QVERIFY(C<QRadioButton>(f, "RBLire")->isChecked());
            QVERIFY(!C<QSpinBox>(f, "SpinEuro")->isEnabled());
            QVERIFY(!C<QSpinBox>(f, "SpinCentesimi")->isEnabled());
            auto* lire = C<QSpinBox>(f, "SpinLire");
            QCOMPARE(lire->value(), 800);
            lire->stepUp();
            QCOMPARE(lire->value(), 850);
            QCOMPARE(C<QSpinBox>(f, "SpinEuro")->value(), 0);  // 0.41316...
            QCOMPARE(C<QSpinBox>(f, "SpinCentesimi")->value(), 41);
            Clic(f, "RBEuro");
            QVERIFY(!lire->isEnabled());
            QVERIFY(C<QSpinBox>(f, "SpinCentesimi")->isEnabled());
        }
        config.PrezzoLire = 50;  // below the range, as a damaged file may hold it
        config.PrezzoEuro = 12.5;
        TFrmImpostazioni f(config, c.Percorso());
        QCOMPARE(C<QSpinBox>(f, "SpinLire")->value(), 600);
        C<QSpinBox>(f, "SpinLire")->setValue(20000);
        QCOMPARE(C<QSpinBox>(f, "SpinLire")->value(), 10000);
        QCOMPARE(C<QSpinBox>(f, "SpinEuro")->value(), 10);
        QCOMPARE(C<QSpinBox>(f, "SpinCentesimi")->value(), 50);
        C<QSpinBox>(f, "SpinCentesimi")->setValue(1500);
        QCOMPARE(C<QSpinBox>(f, "SpinCentesimi")->value(), 999);
    }

    void theFractionIsShownInHundredthsRounded() {
        QCOMPARE(TFrmImpostazioni::SeparaEuro(0.41316551927159).centesimi, 41);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(2.05).euro, 2);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(2.05).centesimi, 5);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(1.999).euro, 1);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(1.999).centesimi, 100);
        QCOMPARE(TFrmImpostazioni::SeparaEuro(3).centesimi, 0);
    }

    void browsingStartsInTheBackgroundFolder() {
        Cartella c;
        fs::create_directory(c.Percorso() / "SFONDI");
        ludo::Configurazione config = ludo::ConfigurazioneIniziale(c.Percorso());
        TFrmImpostazioni f(config, c.Percorso());
        f.show();
        RispostaFile risposta(QStringLiteral("/altrove/nuovo.bmp"));
        Clic(f, "CercaBtn");
        QCOMPARE(risposta.richieste.size(), 1);
        const RichiestaFile& vista = risposta.richieste.front();
        QCOMPARE(vista.cartella, QString::fromStdString((c.Percorso() / "SFONDI").string()));
        QCOMPARE(vista.nome, QStringLiteral("irtex67b.Bmp"));
        QVERIFY(!vista.salva);
        QCOMPARE(C<QLineEdit>(f, "EditSfondo")->text(), QStringLiteral("/altrove/nuovo.bmp"));
        QCOMPARE(config.FileSfondo, ludo::SfondoPredefinito(c.Percorso()));  // only OK stores it
    }

    void aFileThatCannotBeWrittenIsSaidSo() {
        Cartella c;
        fs::create_directory(c.FileCfg());  // a folder where the file should go
        ludo::Configurazione config = ludo::ConfigurazioneIniziale(c.Percorso());
        TFrmImpostazioni f(config, c.Percorso());
        f.show();
        C<QSpinBox>(f, "SpinLire")->setValue(900);
        RispostaMessaggio risposta;
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi, QStringList{QStringLiteral("Impossibile Salvare la Configurazione")});
        QVERIFY(fs::is_directory(c.FileCfg()));
        QCOMPARE(config.PrezzoLire, 900.0);  // still used for this run
    }
};

QTEST_MAIN(TestTFrmImpostazioni)
#include "TestTFrmImpostazioni.moc"
