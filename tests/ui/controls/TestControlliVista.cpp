#include <QtCharts>
#include <QtTest>

#include "ui/controls/TALabel.h"
#include "ui/controls/TGBarrePunti.h"
#include "ui/controls/TGLegenda.h"
#include "ui/controls/TGPannelloCF.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/controls/TGVisColonne.h"

class TestControlliVista : public QObject {
    Q_OBJECT
private slots:
    void panelShowsItsNumberAndColumn() {
        TGPannelloCF pannello;
        pannello.setNumero(7);
        QCOMPARE(pannello.TestoNumero(), QStringLiteral("07"));
        pannello.setNumero(12);
        QCOMPARE(pannello.TestoNumero(), QStringLiteral("12"));

        pannello.setTesto(QStringLiteral("Somme"));
        QCOMPARE(pannello.ColonneCorpo(), (QList<QStringList>{{"S", "o", "m", "m", "e"}}));
        // A column shows its numbers, ascending, once Tipo asks for it.
        pannello.ImpostaColonna((1u << 16) | (1u << 4));
        QCOMPARE(pannello.ColonneCorpo().size(), 1);
        pannello.setTipo(1);
        QCOMPARE(pannello.ColonneCorpo(), (QList<QStringList>{{"5", "17"}}));
        // Beyond 16 numbers a second column begins.
        pannello.ImpostaColonna(0x0003FFFFu);
        const QList<QStringList> colonne = pannello.ColonneCorpo();
        QCOMPARE(colonne.size(), 2);
        QCOMPARE(colonne[0].size(), 16);
        QCOMPARE(colonne[1], (QStringList{"17", "18"}));
        // An empty column falls back to the text.
        pannello.ImpostaColonna(0);
        QCOMPARE(pannello.ColonneCorpo().first().first(), QStringLiteral("S"));
    }

    void slipViewShowsSixColumnsWithTheirHeading() {
        TGVisColonne vista;
        vista.setNumero(3);
        QCOMPARE(vista.Intestazione(), QStringLiteral("Schedina Nº 3"));
        const QSize otto = vista.sizeHint();
        vista.ImpostaColonne({0xFFu, 0xFF00u, 0x3FF0000u}, {false, true});
        QVERIFY(!vista.Vincente(0));
        QVERIFY(vista.Vincente(1));
        QVERIFY(!vista.Vincente(2));
        // An integral column of ten numbers makes the view taller.
        QVERIFY(vista.sizeHint().height() > otto.height());
        QVERIFY(vista.RettangoloCella(2, 1).left() > vista.RettangoloCella(1, 1).left());
        QVERIFY(vista.RettangoloCella(1, 2).top() > vista.RettangoloCella(1, 1).top());
        QVERIFY(vista.RettangoloCella(0, 1).isEmpty());
        QList<ludo::Colonna> sette(7, 0xFFu);
        vista.ImpostaColonne(sette);
        QCOMPARE(vista.Colonne().size(), 6);
    }

    void legendDrawsFromStartForNumPoint() {
        TGLegenda legenda;
        legenda.ImpostaVoci({{Qt::red, "Valori"}, {Qt::green, "Media"}, {Qt::blue, "Ritardo"}});
        QVERIFY(legenda.VociMostrate().isEmpty());
        legenda.setStart(1);
        legenda.setNumPoint(5);
        const auto voci = legenda.VociMostrate();
        QCOMPARE(voci.size(), 2);
        QCOMPARE(voci[0].testo, QStringLiteral("Media"));
        const int due = legenda.sizeHint().width();
        legenda.setNumPoint(1);
        QVERIFY(legenda.sizeHint().width() < due);
    }

    void angledLabelTurnsItsSize() {
        TALabel etichetta(QStringLiteral("Frequenza Storica"));
        const QSize orizzontale = etichetta.sizeHint();
        etichetta.setAngle(900);
        const QSize verticale = etichetta.sizeHint();
        QVERIFY(orizzontale.width() > orizzontale.height());
        QVERIFY(verticale.height() > verticale.width());
        QVERIFY(qAbs(verticale.height() - orizzontale.width()) <= 2);
    }

    void pieKeepsTwoSlicesThatAddUp() {
        TGTortaQuota torta;
        torta.ImpostaQuota(37.5);
        QCOMPARE(torta.Quota(), 37.5);
        QCOMPARE(torta.FettaResto()->value(), 62.5);
        torta.ImpostaQuota(140);
        QCOMPARE(torta.Quota(), 100.0);
        QCOMPARE(torta.FettaResto()->value(), 0.0);
    }

    void barsCountScoresZeroToEight() {
        TGBarrePunti barre;
        QCOMPARE(barre.Etichette(), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
        barre.ImpostaContatori({0, 2, 10, 40, 30, 12, 5, 1, 0});
        QVERIFY(barre.MassimoAsse() >= 44.0 && barre.MassimoAsse() <= 60.0);
        barre.ImpostaContatori({});
        QVERIFY(barre.MassimoAsse() > 0);
    }
};

QTEST_MAIN(TestControlliVista)
#include "TestControlliVista.moc"
