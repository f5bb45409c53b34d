#include <QtTest>
#include <QtWidgets>

#include "PagineDiProva.h"
#include "core/io/Errore.h"
#include "ui/printing/TmmPrinterQt.h"

namespace {

// A grid of `righe` rows of 11 screen pixels and two columns of 40.
ludo::GrigliaDaStampare Griglia(int righe) {
    ludo::GrigliaDaStampare g;
    g.larghezzeColonne = {40, 40};
    for (int r = 0; r < righe; ++r) {
        g.altezzeRighe.push_back(11);
        g.celle.push_back({"R" + std::to_string(r), std::to_string(r * 2)});
    }
    return g;
}

constexpr double AltezzaRigaMm = 12 * ludo::ScalaTabella;  // 11 pixels and the rule
constexpr int PuntiTabella = 150;
const QSizeF A4(210, 297);

}  // namespace

class TestTmmPrinter : public QObject {
    Q_OBJECT
private slots:
    void tenMillimetresAt600DotsFill236Pixels() {
        SuperficieImmagini s(600, QSizeF(30, 30));
        TmmPrinter p(s);
        p.Inizia("errore");
        p.Riempi({10, 10, 20, 20});
        p.Fine();
        const QImage& pagina = s.Pagine().front();
        QVERIFY(qGray(pagina.pixel(236, 236)) < 128);
        QVERIFY(qGray(pagina.pixel(235, 236)) > 128);
        QVERIFY(qGray(pagina.pixel(236, 235)) > 128);
        // 20 mm is 472 pixels: the box ends on the pixel before.
        QVERIFY(qGray(pagina.pixel(471, 471)) < 128);
        QVERIFY(qGray(pagina.pixel(472, 471)) > 128);
    }

    void rotatedTextReadsUpwardFromItsPoint() {
        SuperficieImmagini s(PuntiProva, FoglioProva);
        TmmPrinter p(s);
        p.Inizia("errore");
        p.Canvas().setFont(QFont(QStringLiteral("Monospace"), 10, QFont::Bold));
        p.TestoRuotato(50, 100, QStringLiteral("Schedina Nº 1"), ludo::BaseEtichetta);
        p.Fine();
        const QImage& pagina = s.Pagine().front();
        const int x0 = p.PixelX(50);
        const int y0 = p.PixelY(100);
        QRect scuri;
        for (int y = 0; y < pagina.height(); ++y) {
            for (int x = 0; x < pagina.width(); ++x) {
                if (qGray(pagina.pixel(x, y)) < 128) scuri |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(!scuri.isEmpty());
        // Right of the point and above it, and far longer upward than across.
        QVERIFY(scuri.left() >= x0);
        QVERIFY(scuri.bottom() <= y0);
        QVERIFY(scuri.height() > 4 * scuri.width());
        // The size basis follows the resolution: 36 at 300 dpi draws a
        // line about 30 points on a screen picture high.
        QVERIFY(scuri.width() > 20);
    }

    // A device that fails raises the window's message.
    void aHundredRowGridPrintsOnTwoPagesWithTheHeadingRepeated() {
        SuperficieImmagini s(PuntiTabella, A4);
        StampaTabella(s, QStringLiteral("Tabella di prova"), Griglia(100), QFont(QStringLiteral("Sans"), 12),
                      QFont(QStringLiteral("Sans"), 7));
        QCOMPARE(s.Pagine().size(), std::size_t{2});
        const ludo::TmmPrinter mm(PuntiTabella, PuntiTabella);
        // Inside the first column, away from its vertical rules.
        const double xCella = ludo::SinistraTabella + 41 * ludo::ScalaTabella / 2;
        const double alto = ludo::AltoTabella;
        const QImage& prima = s.Pagine()[0];
        const QImage& seconda = s.Pagine()[1];
        // The pages follow the blocks of rows: 63 rows from 15 mm, then the
        // heading row alone at 9.92 mm and rows 63..99 from 15 mm.
        QVERIFY(LineaA(prima, xCella, alto, PuntiTabella));
        QVERIFY(!NeroA(prima, xCella + 3, alto + 63 * AltezzaRigaMm + 2, PuntiTabella));
        const double intestazione = ludo::AltoIntestazioneTabella;
        QVERIFY(LineaA(seconda, xCella, intestazione, PuntiTabella));
        QVERIFY(!NeroA(seconda, xCella + 3, (intestazione + AltezzaRigaMm + alto) / 2, PuntiTabella));
        QVERIFY(LineaA(seconda, xCella, alto + 37 * AltezzaRigaMm, PuntiTabella));
        QVERIFY(!NeroA(seconda, xCella + 3, alto + 38 * AltezzaRigaMm, PuntiTabella));
        // Each page ends with its footer, centred just above the foot.
        for (const QImage& pagina : s.Pagine()) {
            const int fondo = pagina.height() - mm.PixelY(1.0);
            const QRect piede(pagina.width() / 4, fondo - mm.PixelY(8), pagina.width() / 2, mm.PixelY(8));
            QVERIFY(PixelScuri(pagina, piede) > 0);
            QCOMPARE(PixelScuri(pagina, QRect(0, fondo + 1, pagina.width(), pagina.height())), 0);
        }
        s.guasto = true;
        try {
            StampaTabella(s, QStringLiteral("T"), Griglia(3), QFont(), QFont(), "Impossibile Stampare Le Tabelle");
            QFAIL("printed on a broken device");
        } catch (const ludo::Errore& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Impossibile Stampare Le Tabelle"));
        }
    }

    void aTableWidgetIsCopiedWithItsSizes() {
        QTableWidget t(2, 3);
        t.setColumnWidth(1, 77);
        t.setRowHeight(1, 19);
        t.setItem(1, 2, new QTableWidgetItem(QStringLiteral("x")));
        const auto g = GrigliaDi(t);
        QCOMPARE(g.larghezzeColonne.at(1), 77);
        QCOMPARE(g.altezzeRighe.at(1), 19);
        QCOMPARE(g.celle.at(1).at(2), std::string("x"));
        QCOMPARE(g.celle.at(0).at(0), std::string());
    }
};

QTEST_MAIN(TestTmmPrinter)
#include "TestTmmPrinter.moc"
