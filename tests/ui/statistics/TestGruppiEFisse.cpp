// The group of numbers and the fixed-number ranking on the demo archive:
// their tables are what ludomatic-cli gruppo and fisse print, the group
// goes into the forecast, and a failing printer is reported.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../printing/PagineDiProva.h"
#include "DemoDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TQuadro.h"
#include "core/statistics/ColonneFiltroInserite.h"
#include "ui/conditions/TFormInsComb.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/controls/TGBarrePunti.h"
#include "ui/statistics/AperturaAnalisi.h"
#include "ui/statistics/TFrmAnalisiGruppi.h"
#include "ui/statistics/TFrmCercaFisse.h"
#include "ui/statistics/TabelleStatistiche.h"

class TestGruppiEFisse : public QObject {
    Q_OBJECT

  private slots:
    // From the board, "Cerca Fisse" ranks over the archive and "Inserisci
    // nei quadri" appends the chosen stretch to that board as filter columns.
    void fromTheBoardAStretchOfTheRankingBecomesFilterColumns() {
        DemoDiProva p;
        auto& quadro = static_cast<ludo::TQuadro&>(p.d().Condizioni.Condizione(ludo::CodQuadro));
        {
            TFrmQuadro senza(quadro);
            QVERIFY(!senza.findChild<QAction*>(QStringLiteral("CercaFisse"))->isEnabled());
        }
        const std::size_t prima = quadro.Elenco.size();
        const AnalisiCondizioniInstallate installate(*p.sistema);
        TFrmQuadro finestra(quadro);
        finestra.show();
        std::vector<ludo::TFisse> classifica;
        QuandoSiApre<TFrmCercaFisse>([&](TFrmCercaFisse& cerca) {
            QVERIFY(C<QPushButton>(cerca, "InserisciBtn")->isVisible());
            classifica = cerca.Classifica();
            QuandoSiApre<TFormInsComb>([](TFormInsComb& ins) {
                C<QSpinBox>(ins, "SEFinale")->setValue(3);
                C<QSpinBox>(ins, "SEIniziale")->setValue(2);
                Clic(ins, "OKBtn");
            });
            Clic(cerca, "InserisciBtn");
            cerca.accept();
        });
        finestra.findChild<QAction*>(QStringLiteral("CercaFisse"))->trigger();
        const auto attese = ludo::ColonneDaFisse(classifica, 2, 3);
        QCOMPARE(quadro.Elenco.size(), prima);  // the window works on a copy until OK
        Clic(finestra, "OKBtn");
        QCOMPARE(quadro.Elenco.size(), prima + attese.size());
        for (std::size_t i = 0; i < attese.size(); ++i)
            QCOMPARE(static_cast<const ludo::TColonnaFiltro&>(*quadro.Elenco[prima + i]).Numeri,
                     attese[i]);
    }

    void theGroupTableIsTheCliTableAndTheGroupGoesIntoTheForecast() {
        DemoDiProva p;
        const QJsonObject cli = p.Json({"gruppo", "--numeri", "1 2 3 4 5 6 7 8 20 21"});
        TFrmAnalisiGruppi f(*p.sistema);
        f.show();
        ClicNumeri(f, Numeri({1, 2, 3, 4, 5, 6, 7, 8, 20, 21}), "Numeri1_16", "Numeri17_32");
        QCOMPARE(TestoDi(f, "NumeriInseriti"), QStringLiteral("Numeri Inseriti : 10"));
        Clic(f, "CalcolaBtn");
        const auto* tabella = C<QTableWidget>(f, "Tabella");
        const QJsonArray righe = cli["righe"].toArray();
        QCOMPARE(tabella->rowCount(), 9);
        for (int r = 0; r < 9; ++r) {
            const QJsonObject j = righe[r].toObject();
            auto intero = [&](const char* campo) {
                return QString::number(j[QLatin1String(campo)].toInt());
            };
            QCOMPARE(RigaDi(*tabella, r),
                     (QStringList{intero("punteggio"), intero("uscite"), j["frequenza"].toString(),
                                  intero("ritardo_attuale"), intero("ritardo_massimo"),
                                  j["ic"].toString()}));
            QCOMPARE(tabella->item(r, 0)->font().bold(), j["evidenziata"].toBool());
            QCOMPARE(C<TGBarrePunti>(f, "Grafico")->Contatore(r), j["uscite"].toDouble());
        }

        RispostaMessaggio messaggi;
        Clic(f, "AlPronosticoBtn");
        QCOMPARE(messaggi.testi, QStringList{TFrmAnalisiGruppi::MsgCopiati});
        QCOMPARE(p.d().Pronostico, f.Gruppo());
        QVERIFY(f.PronosticoCambiato());
        Clic(f, "AzzeraBtn");
        QCOMPARE(TestoDi(f, "NumeriInseriti"), QStringLiteral("Numeri Inseriti : 0"));
        Clic(f, "DalPronosticoBtn");
        QCOMPARE(f.Gruppo(), p.d().Pronostico);

        // A printer out of order: the group window's own message.
        StampaSuImmagini stampa;
        stampa.superficie->guasto = true;
        Clic(f, "StampaBtn");
        QCOMPARE(messaggi.testi.last(), QString::fromUtf8(MsgImpossibileStampareDati));
    }

    // The 32 single numbers and their heading print on one page; a failing
    // printer is reported.
    void theRankingIsTheCliRankingForEverySizeAndOrderAndPrints() {
        DemoDiProva p;
        TFrmCercaFisse f(p.d().Archivio, p.d().Config.Ricerca.Intervallo);
        f.show();
        QVERIFY(!C<QPushButton>(f, "InserisciBtn")->isVisible());  // opened from the menu
        {
            StampaSuImmagini stampa;
            Clic(f, "StampaBtn");
            QCOMPARE(stampa.Pagine().size(), std::size_t{1});
            RispostaMessaggio messaggi;
            stampa.superficie->guasto = true;
            Clic(f, "StampaBtn");
            QCOMPARE(messaggi.testi, QStringList{QString::fromUtf8(MsgImpossibileStampareTabelle)});
        }
        const auto* tabella = C<QTableWidget>(f, "Tabella");
        struct Caso {
            const char* quante;
            const char* ordine;
            const char* pulsanti[2];
            int righe;
        };
        for (const Caso& c : {Caso{"1", "ic", {"Fisse1Btn", "OrdineICBtn"}, 32},
                              Caso{"2", "frequenza", {"Fisse2Btn", "OrdineFrequenzaBtn"}, 496},
                              Caso{"3", "ritardo", {"Fisse3Btn", "OrdineRitardoBtn"}, 4960}}) {
            for (const char* b : c.pulsanti) Clic(f, b);
            const QJsonArray cli =
                p.Json({"fisse", "--quante", c.quante, "--ordine", c.ordine})["classifica"]
                    .toArray();
            QCOMPARE(tabella->rowCount(), c.righe);
            QCOMPARE(cli.size(), c.righe);
            for (int r : {0, 1, 13, c.righe - 1})
                QCOMPARE(RigaDi(*tabella, r), Testi(cli[r]["celle"]));
        }
    }
};

QTEST_MAIN(TestGruppiEFisse)
#include "TestGruppiEFisse.moc"
