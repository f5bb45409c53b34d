#include <QtTest>

#include "../engine/SistemaDiProva.h"
#include "PagineDiProva.h"
#include "core/printing/Tabulato.h"
#include "ui/printing/StampaLavoro.h"

namespace {

// n columns of the numbers 1..8.
ludo::LavoroStampaSchedine Lavoro(int colonne, int tipo = ludo::StampaOrizzontale) {
    ludo::LavoroStampaSchedine l;
    for (int i = 0; i < colonne; ++i) l.Colonne.Aggiungi(Numeri({1, 2, 3, 4, 5, 6, 7, 8}));
    l.PrimaSchedina = 1;
    l.UltimaSchedina = ludo::NumeroSchedine(static_cast<std::size_t>(colonne), 6);
    l.TipoStampa = tipo;
    return l;
}

const ludo::SlipGeometry& G(const ludo::Configurazione& c, int tipo) { return ludo::GeometriaDi(c.ImpStampa, tipo); }

}  // namespace

class TestStampaLavoro : public QObject {
    Q_OBJECT
private slots:
    void theTestSlipMarksEveryBoxOfSixColumnsAndItsLabel() {
        ludo::Configurazione config;
        SuperficieImmagini s(PuntiProva, FoglioProva);
        StampaSchedine(s, ludo::LavoroProva(ludo::StampaOrizzontale), config, {});
        QCOMPARE(s.Pagine().size(), std::size_t{1});
        const auto& g = G(config, ludo::StampaOrizzontale);
        QCOMPARE(QuadratiniSegnati(s.Pagine().front(), g, ludo::StampaOrizzontale), 6 * 32);
        // The label reads upward from (ScrittaX, ScrittaY).
        const ludo::TmmPrinter mm(PuntiProva, PuntiProva);
        const QRect etichetta(mm.PixelX(g.ScrittaX), mm.PixelY(g.ScrittaY) - mm.PixelY(60), mm.PixelX(8),
                              mm.PixelY(60));
        QVERIFY(PixelScuri(s.Pagine().front(), etichetta) > 100);

        // Along the feed it is plain text across the page from
        // (102 - ScrittaY, ScrittaX), one line high.
        SuperficieImmagini v(PuntiProva, FoglioProva);
        StampaSchedine(v, Lavoro(1, ludo::StampaVerticale), config, {});
        const auto& gv = G(config, ludo::StampaVerticale);
        const QRect riga(mm.PixelX(ludo::BordoVerticale - gv.ScrittaY), mm.PixelY(gv.ScrittaX),
                         mm.PixelX(40), mm.PixelY(5));
        QVERIFY(PixelScuri(v.Pagine().front(), riga) > 100);
        QCOMPARE(PixelScuri(v.Pagine().front(), riga.translated(0, -mm.PixelY(6))), 0);
    }

    void theReceiptComesFirstInTheSameDocumentWithoutAPause() {
        ludo::Configurazione config;
        auto l = Lavoro(6);
        l.NomeEsterno = true;
        l.ColonneCedolina = {Numeri({3}), Numeri({4})};
        l.RigheCedolina[1] = "Sistema ridotto";
        OpzioniStampa opzioni;
        opzioni.cedolina = true;
        opzioni.pausa = true;  // no pause after the receipt
        int pause = 0;
        opzioni.inPausa = [&] { ++pause; };
        SuperficieImmagini s(PuntiProva, FoglioProva);
        StampaSchedine(s, l, config, opzioni);
        QCOMPARE(s.Pagine().size(), std::size_t{2});
        QCOMPARE(s.Documenti(), 1);
        QCOMPARE(pause, 0);
        const auto& g = G(config, ludo::StampaOrizzontale);
        const QImage& cedolina = s.Pagine().front();
        QCOMPARE(PosizioniSegnate(cedolina, 3, g, ludo::StampaOrizzontale), 1);
        QCOMPARE(PosizioniSegnate(s.Pagine()[1], 1, g, ludo::StampaOrizzontale), 6);
    }

    void aListingOfFiftySlipsFlowsOverPagesWithFramedCells() {
        ludo::Configurazione config;
        auto l = Lavoro(300);
        SuperficieImmagini s(150, QSizeF(210, 297));
        StampaTabulato(s, l, config, config.ImpTabulato, {});
        QVERIFY(s.Pagine().size() >= 2);
        QCOMPARE(s.Documenti(), 1);
        // The first cell's frame starts at 4 mm from the top of the first page.
        const int yCornice = static_cast<int>(ludo::YInizioTabulato * 150 / 254.0);
        QVERIFY(PixelScuri(s.Pagine().front(), QRect(0, yCornice - 1, 40, 3)) > 20);
        // Later pages start their cells at 1 mm.
        const int yPagina = static_cast<int>(ludo::YNuovaPaginaTabulato * 150 / 254.0);
        QVERIFY(PixelScuri(s.Pagine()[1], QRect(0, yPagina - 1, 40, 3)) > 20);
        // Wider spacing needs more pages.
        ludo::TImpTabulato largo = config.ImpTabulato;
        largo.SpaziaturaOrizzontale = 20;
        largo.SpaziaturaVerticale = 20;
        SuperficieImmagini s2(150, QSizeF(210, 297));
        StampaTabulato(s2, l, config, largo, {});
        QVERIFY(s2.Pagine().size() > s.Pagine().size());
    }

    void listingFontAndStyleNames() {
        ludo::TImpTabulato imp;
        imp.NomeFont = "Serif";
        imp.DimensioneFont = 11;
        imp.StileFont = ludo::StileGrassetto | ludo::StileCorsivo | ludo::StileBarrato;
        const QFont f = FontTabulato(imp);
        QVERIFY(f.bold() && f.italic() && f.strikeOut() && !f.underline());
        QCOMPARE(f.pointSize(), 11);
        ludo::TImpTabulato ritorno;
        ImpostaFontTabulato(ritorno, f);
        QCOMPARE(ritorno.StileFont, imp.StileFont);
        QCOMPARE(ritorno.DimensioneFont, 11);
        QCOMPARE(NomeStile(ludo::StileGrassetto | ludo::StileSottolineato), QStringLiteral("Grassetto"));
        QCOMPARE(NomeStile(ludo::StileCorsivo), QStringLiteral("Corsivo"));
    }
};

QTEST_MAIN(TestStampaLavoro)
#include "TestStampaLavoro.moc"
