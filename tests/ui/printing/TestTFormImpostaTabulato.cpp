#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "ui/printing/TFormImpostaTabulato.h"

namespace {

std::filesystem::path Percorso(const QTemporaryDir& d) { return d.path().toStdString(); }

}  // namespace

class TestTFormImpostaTabulato : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TFormImpostaTabulato::RispostaDialogoFont = nullptr; }

    void theValuesOnScreenGoToThePreviewAndOkStoresThem() {
        QTemporaryDir dir;
        ludo::Configurazione config;
        config.ImpTabulato.SpaziaturaOrizzontale = 7;
        std::vector<ludo::TImpTabulato> anteprime;
        TFormImpostaTabulato f(config, Percorso(dir), [&](const ludo::TImpTabulato& v) { anteprime.push_back(v); });
        f.show();
        QCOMPARE(C<QSpinBox>(f, "SESpazOrizzontale")->value(), 7);
        QCOMPARE(C<QLabel>(f, "VDimensione")->text(), QStringLiteral("8"));
        QCOMPARE(C<QLabel>(f, "VStile")->text(), QStringLiteral("Normale"));

        TFormImpostaTabulato::RispostaDialogoFont = [](const QFont&) {
            QFont font(QStringLiteral("Serif"), 12);
            font.setBold(true);
            font.setItalic(true);
            return std::optional<QFont>(font);
        };
        Clic(f, "BCambia");
        QCOMPARE(C<QLabel>(f, "VStile")->text(), QStringLiteral("Grassetto corsivo"));
        QCOMPARE(C<QLabel>(f, "VDimensione")->text(), QStringLiteral("12"));
        C<QSpinBox>(f, "SESpazVerticale")->setValue(15);
        Clic(f, "BAntemprima");
        QCOMPARE(anteprime.size(), std::size_t{1});
        QCOMPARE(anteprime[0].SpaziaturaVerticale, 15);
        QCOMPARE(anteprime[0].DimensioneFont, 12);
        QCOMPARE(config.ImpTabulato.SpaziaturaVerticale, 4);  // not yet stored

        Clic(f, "OKBtn");
        QCOMPARE(config.ImpTabulato.SpaziaturaVerticale, 15);
        QCOMPARE(config.ImpTabulato.StileFont, ludo::StileGrassetto | ludo::StileCorsivo);
        ludo::Configurazione riletta;
        ludo::CaricaConfigurazione(riletta, Percorso(dir));
        QVERIFY(riletta.ImpTabulato == config.ImpTabulato);
    }

    void cancelAndAnAbandonedFontDialogChangeNothing() {
        QTemporaryDir dir;
        ludo::Configurazione config;
        const auto prima = config.ImpTabulato;
        TFormImpostaTabulato f(config, Percorso(dir), nullptr);
        f.show();
        TFormImpostaTabulato::RispostaDialogoFont = [](const QFont&) { return std::optional<QFont>(); };
        Clic(f, "BCambia");
        QCOMPARE(C<QLabel>(f, "VStile")->text(), QStringLiteral("Normale"));
        C<QSpinBox>(f, "SESpazOrizzontale")->setValue(9);
        Clic(f, "CancelBtn");
        QVERIFY(config.ImpTabulato == prima);
        QVERIFY(!std::filesystem::exists(Percorso(dir) / "Ludomatic.cfg"));
    }
};

QTEST_MAIN(TestTFormImpostaTabulato)
#include "TestTFormImpostaTabulato.moc"
