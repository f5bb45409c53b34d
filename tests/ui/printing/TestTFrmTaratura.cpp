#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "PagineDiProva.h"
#include "core/printing/Taratura.h"
#include "ui/printing/TFrmTaratura.h"

namespace {

QString Testo(const QWidget& f, const char* nome) { return C<QLineEdit>(f, nome)->text(); }

const ludo::SlipGeometry& Orizzontale(SistemaDiProva& s) {
    return s.d().Config.ImpStampa.Geometrie[0];
}

}  // namespace

class TestTFrmTaratura : public QObject {
    Q_OBJECT
  private slots:
    // The boxes show tenths of a millimetre, each orientation its own.
    void eachOrientationShowsItsOwnGeometryInTenths() {
        SistemaDiProva s;
        TFrmTaratura f(*s.sistema);
        QCOMPARE(Testo(f, "EMargineSin"), QStringLiteral("400"));
        QCOMPARE(Testo(f, "EMargineSup"), QStringLiteral("304"));
        QCOMPARE(Testo(f, "EScrittaX"), QStringLiteral("962"));
        QCOMPARE(C<QSpinBox>(f, "SEDistOrizzontale")->value(), 18);
        QCOMPARE(C<QSpinBox>(f, "SEDistColonne")->value(), 93);
        QVERIFY(C<QCheckBox>(f, "CBStampaScritta")->isChecked());
        C<QSpinBox>(f, "SELarghezza")->setValue(31);
        QCOMPARE(Orizzontale(s).LQuadratini, 3.1);

        // The arrows move by a tenth and stop at zero.
        Digita(f, "EMargineSin", QStringLiteral("1"));
        Clic(f, "BSu");
        QCOMPARE(Testo(f, "EMargineSup"), QStringLiteral("303"));
        QCOMPARE(Orizzontale(s).YPrimaCol, 30.3);
        Clic(f, "BGiuScritta");
        QCOMPARE(Orizzontale(s).ScrittaY, 93.9);
        Clic(f, "BDestraScritta");
        QCOMPARE(Testo(f, "EScrittaX"), QStringLiteral("963"));
        Clic(f, "BSinistra");
        Clic(f, "BSinistra");
        QCOMPARE(Orizzontale(s).XPrimaCol, 0.0);
        QCOMPARE(Testo(f, "EMargineSin"), QStringLiteral("0"));

        Digita(f, "EMargineSup", QStringLiteral("250"));
        C<QRadioButton>(f, "RBVerticale")->setChecked(true);
        QCOMPARE(Testo(f, "EMargineSup"), QStringLiteral("329"));
        QCOMPARE(Orizzontale(s).YPrimaCol, 25.0);
        Digita(f, "EMargineSup", QStringLiteral("330"));
        C<QRadioButton>(f, "RBOrizzontale")->setChecked(true);
        QCOMPARE(Testo(f, "EMargineSup"), QStringLiteral("250"));
        QCOMPARE(s.d().Config.ImpStampa.Geometrie[1].YPrimaCol, 33.0);
    }

    void aBoxThatIsNotAWholeNumberKeepsTheStoredValues() {
        SistemaDiProva s;
        TFrmTaratura f(*s.sistema);
        f.show();
        C<QSpinBox>(f, "SEDistColonne")->setValue(95);
        Digita(f, "EMargineSin", QStringLiteral("x4"));
        C<QSpinBox>(f, "SEDistColonne")->setValue(99);
        QCOMPARE(Orizzontale(s).XPrimaCol, 40.0);
        QCOMPARE(Orizzontale(s).DistanzaColonne, 9.5);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList{"'x4' non è un numero intero valido."});
        QVERIFY(f.isVisible());
    }

    void cancelPutsBothGeometriesBack() {
        SistemaDiProva s;
        const auto prima = s.d().Config.ImpStampa.Geometrie;
        TFrmTaratura f(*s.sistema);
        f.show();
        Clic(f, "BGiu");
        C<QRadioButton>(f, "RBVerticale")->setChecked(true);
        C<QSpinBox>(f, "SEAltezza")->setValue(40);
        C<QCheckBox>(f, "CBStampaScritta")->setChecked(false);
        QVERIFY(s.d().Config.ImpStampa.Geometrie != prima);
        Clic(f, "CancelBtn");
        QVERIFY(s.d().Config.ImpStampa.Geometrie == prima);
        QVERIFY(!s.d().Config.ImpStampa.StampaScritta);  // the label flag keeps its last value
    }

    void okAsksBeforeChangingTheDefaultOrientation() {
        SistemaDiProva s;
        s.d().Config.ImpStampa.ColonnePerSchedina = 3;
        {
            TFrmTaratura f(*s.sistema);
            f.show();
            C<QRadioButton>(f, "RBVerticale")->setChecked(true);
            RispostaMessaggio risposta(QStringLiteral("Si"));
            Clic(f, "OKBtn");
            QCOMPARE(risposta.titoli, QStringList{"Informazione"});
            QCOMPARE(risposta.testi, QStringList{QString::fromUtf8(ludo::MsgCambioPredefinito)});
            QVERIFY(!s.d().Config.ImpStampa.Orizzontale);
            QCOMPARE(s.d().Config.ImpStampa.ColonnePerSchedina, 6);
            ludo::Configurazione riletta;
            ludo::CaricaConfigurazione(riletta, s.Cartella());
            QVERIFY(!riletta.ImpStampa.Orizzontale);
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }

        TFrmTaratura g(*s.sistema);
        g.show();
        C<QRadioButton>(g, "RBOrizzontale")->setChecked(true);
        QCOMPARE(MessaggiDi([&] { Clic(g, "OKBtn"); }, QStringLiteral("No")).size(), 1);
        QVERIFY(!s.d().Config.ImpStampa.Orizzontale);
    }

    // A test that cannot print is said so and changes nothing.
    void theTestPrintsEveryBoxAndPutsTheGeometriesBack() {
        SistemaDiProva s;
        StampaSuImmagini stampa;
        TFrmTaratura f(*s.sistema);
        f.show();
        C<QSpinBox>(f, "SEDistColonne")->setValue(100);
        const auto primaDelTest = s.d().Config.ImpStampa.Geometrie;
        Clic(f, "BTest");
        QCOMPARE(stampa.Pagine().size(), std::size_t{1});
        auto g = ludo::SlipGeometry::Orizzontale();
        g.DistanzaColonne = 10.0;
        QCOMPARE(QuadratiniSegnati(stampa.Pagine().front(), g, ludo::StampaOrizzontale), 192);
        QVERIFY(s.d().Config.ImpStampa.Geometrie == primaDelTest);

        stampa.superficie->guasto = true;
        const auto prima = s.d().Config.ImpStampa;
        QCOMPARE(MessaggiDi([&] { Clic(f, "BTest"); }),
                 QStringList{QString::fromUtf8(ludo::MsgImpossibileStampareSchedine)});
        QVERIFY(s.d().Config.ImpStampa == prima);
        QCOMPARE(stampa.Pagine().size(), std::size_t{1});
    }

    void thePreviewDrawsTheBoxesOnTheSlipPictureOfTheProgramFolder() {
        SistemaDiProva s;
        QImage schedina(300, 500, QImage::Format_RGB32);
        schedina.fill(QColor(250, 200, 200));
        QVERIFY(
            schedina.save(QString::fromStdString((s.Cartella() / "sched.bmp").string()), "BMP"));
        {
            TFrmTaratura f(*s.sistema);
            QCOMPARE(f.Anteprima().size(), QSize(300, 500));
            QCOMPARE(f.Anteprima().pixel(1, 1), QColor(250, 200, 200).rgb());
        }
        // A damaged picture leaves a plain white sheet under the boxes and the label.
        std::ofstream(s.Cartella() / "sched.bmp", std::ios::binary | std::ios::trunc) << "BM rotto";
        TFrmTaratura f(*s.sistema);
        QCOMPARE(f.Anteprima().pixel(1, 1), QColor(Qt::white).rgb());
        QVERIFY(PixelScuri(f.Anteprima(), f.Anteprima().rect()) > 192 * 4);
        const auto& g = Orizzontale(s);
        const auto box = ludo::QuadratiniAnteprima(g);
        const auto centro = [](const ludo::Rettangolo& r) {
            return QPoint(static_cast<int>((r.x1 + r.x2) / 2), static_cast<int>((r.y1 + r.y2) / 2));
        };
        QVERIFY(qGray(f.Anteprima().pixel(centro(box.front()))) < 128);
        QVERIFY(qGray(f.Anteprima().pixel(centro(box.back()))) < 128);
        const ludo::Pixel p = ludo::PuntoEtichettaAnteprima(g);
        const QRect etichetta(p.x, p.y, 20, static_cast<int>(ludo::RialzoEtichettaAnteprima));
        QVERIFY(PixelScuri(f.Anteprima(), etichetta) > 50);
        C<QCheckBox>(f, "CBStampaScritta")->setChecked(false);
        QCOMPARE(PixelScuri(f.Anteprima(), etichetta), 0);
    }
};

QTEST_MAIN(TestTFrmTaratura)
#include "TestTFrmTaratura.moc"
