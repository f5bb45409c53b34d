#include <QtTest>
#include <QtWidgets>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "core/checking/Spoglio.h"
#include "ui/checking/TFrmGoalDopoGoal.h"
#include "ui/checking/TFrmSchedineVincenti.h"
#include "ui/checking/TFrmSpoglio.h"
#include "ui/checking/TFrmVisualizzaColonne.h"
#include "ui/conditions/TFrmCondizione.h"
#include "ui/controls/TGBarrePunti.h"
#include "ui/controls/TGVisColonne.h"

namespace fs = std::filesystem;

namespace {

const ludo::Colonna kVincente = Numeri({1, 2, 3, 4, 5, 6, 7, 20});

// Columns scoring 8, 7, 6 and 0 against kVincente, and an integral of ten
// numbers holding all eight (45 columns: one 8, 16 sevens, 28 sixes).
std::vector<ludo::Colonna> Colonne() {
    return {Numeri({1, 2, 3, 4, 5, 6, 7, 20}), Numeri({1, 2, 3, 4, 5, 6, 7, 8}),
            Numeri({1, 2, 3, 4, 5, 6, 9, 10}), Numeri({21, 22, 23, 24, 25, 26, 27, 28}),
            Numeri({1, 2, 3, 4, 5, 6, 7, 20, 30, 31})};
}

// A system with conditions, saved where the command line reads it too.
fs::path SistemaConCondizioni(SistemaDiProva& p) {
    p.sistema->Carica(LUDO_BENCH_SISTEMI "/tipico.LDS");
    p.d().Pronostico &= ~Numeri({20});
    const fs::path file = p.Cartella() / "SISTEMI" / "tipico.LDS";
    p.sistema->Salva(file);
    return file;
}

// Types a goal in the cell of a match (1..32) as a user does: the key opens
// the cell and Return closes it.
void Gol(TFrmGoalDopoGoal& f, int partita, int colonna, char gol) {
    auto* tabella = C<QTableWidget>(f, partita <= 16 ? "Partite1_16" : "Partite17_32");
    tabella->setFocus();
    tabella->setCurrentCell((partita - 1) % 16, colonna);
    QTest::keyClick(tabella, gol);
    QTest::keyClick(f.focusWidget(), Qt::Key_Return);
}

}  // namespace

class TestTFrmSpoglio : public QObject {
    Q_OBJECT
  private slots:
    // Opened again in the same run, the window checks the last winning column
    // at once; more than eight numbers hide the results.
    void countsAndWrongConditionsAreThoseOfTheCommandLine() {
        SistemaDiProva p;
        StoreDiProva store;
        const fs::path sistema = SistemaConCondizioni(p);
        const fs::path file = p.Cartella() / "COLONNE" / "prova.Col";
        ScriviFile(file, ColonneLE(Colonne()));
        const auto cli = p.Json({"spoglio", file.string(), "--vincente", "1 2 3 4 5 6 7 20",
                                 "--sistema", sistema.string()});

        TFrmSpoglio f(*p.sistema, Lista(Colonne()));
        f.show();
        QVERIFY(!C<QWidget>(f, "Risultati")->isVisible());
        QVERIFY(!C<QWidget>(f, "ListaErrori")->isVisible());
        ClicNumeri(f, kVincente);
        QVERIFY(C<QWidget>(f, "Risultati")->isVisible());

        const QJsonArray punti = cli["punti"].toArray();
        auto* grafico = C<TGBarrePunti>(f, "Grafico");
        for (int k = 0; k <= 8; ++k) QCOMPARE(grafico->Contatore(k), punti[k].toDouble());
        for (int k : {8, 7, 6})
            QCOMPARE(TestoDi(f, qPrintable(QStringLiteral("Panel%1").arg(k))),
                     QString::number(punti[k].toInt()));

        const QStringList attese = Testi(cli["condizioni_sbagliate"]);
        QCOMPARE(attese.value(0), QStringLiteral("Pronostico"));  // 20 is not in the forecast
        auto* lista = C<QListWidget>(f, "ListaErrori");
        QCOMPARE(VociDi(*lista), attese);

        // The scroll bar shifts every line left, a line shorter than the shift empties.
        C<QScrollBar>(f, "ScrollErrori")->setValue(3);
        for (int i = 0; i < attese.size(); ++i) QCOMPARE(lista->item(i)->text(), attese[i].mid(3));

        // A double click on a condition opens its editor; "Pronostico" opens nothing.
        QVERIFY(!SiApre<TFrmCondizione>([&] { DoppioClic(*lista, 0); }));
        QVERIFY(SiApre<TFrmCondizione>([&] { DoppioClic(*lista, 1); }));
        QVERIFY(!p.sistema->Modificato);

        f.close();
        TFrmSpoglio ancora(*p.sistema, Lista(Colonne()));
        ancora.show();
        QCOMPARE(ancora.Vincente(), kVincente);
        QVERIFY(C<QWidget>(ancora, "Risultati")->isVisible());
        QCOMPARE(TestoDi(ancora, "Panel8"), QStringLiteral("2"));
        QVERIFY(C<QListWidget>(ancora, "ListaErrori")->count() > 0);

        RispostaMessaggio risposta;
        ClicNumeri(ancora, Numeri({32}));
        QCOMPARE(risposta.testi, QStringList{QString::fromUtf8(ludo::MsgPiuDiOttoNumeri)});
        QVERIFY(!C<QWidget>(ancora, "Risultati")->isVisible());
        QCOMPARE(C<QListWidget>(ancora, "ListaErrori")->count(), 0);
        QVERIFY(!C<QPushButton>(ancora, "VisualizzaBtn")->isEnabled());
        // Back to seven: hidden without a word.
        ClicNumeri(ancora, Numeri({32, 20}));
        QCOMPARE(risposta.testi.size(), 1);
        QVERIFY(!C<QWidget>(ancora, "Risultati")->isVisible());
    }

    // Goals typed one by one: the eight follow each goal, and so do the counts
    // of the check behind; "Chiudi" leaves the eight in the strips.
    void goalsTypedOneByOneUpdateTheCountsLive() {
        SistemaDiProva p;
        p.d().Coupon.Squadre[2] = {"Genoa", "Torino"};
        const auto colonne = Colonne();
        TFrmSpoglio f(*p.sistema, Lista(colonne));
        f.show();
        QList<ludo::Punteggi> durante;
        QuandoSiApre<TFrmGoalDopoGoal>([&](TFrmGoalDopoGoal& g) {
            QVERIFY(QTest::qWaitForWindowActive(&g));
            QCOMPARE(C<QTableWidget>(g, "Partite1_16")->item(2, TFrmGoalDopoGoal::ColCasa)->text(),
                     QStringLiteral("Genoa"));
            QCOMPARE(TestoDi(g, "Ottina8"), QStringLiteral("8"));  // no goal yet: matches 1..8
            Gol(g, 3, TFrmGoalDopoGoal::ColGolCasa, '2');
            Gol(g, 3, TFrmGoalDopoGoal::ColGolOspite, '1');
            Gol(g, 7, TFrmGoalDopoGoal::ColGolCasa, '1');
            Gol(g, 7, TFrmGoalDopoGoal::ColGolOspite, '2');
            Gol(g, 12, TFrmGoalDopoGoal::ColGolCasa, '3');
            durante << f.Punti();
            Gol(g, 20, TFrmGoalDopoGoal::ColGolOspite, '4');
            Gol(g, 20, TFrmGoalDopoGoal::ColGolCasa, 'x');  // refused
            QStringList ottina;
            for (int i = 1; i <= 8; ++i)
                ottina << TestoDi(g, qPrintable(QStringLiteral("Ottina%1").arg(i)));
            QCOMPARE(ottina.join(QLatin1Char(' ')), QStringLiteral("1 2 3 4 5 7 12 20"));
            Clic(g, "ChiudiBtn");
        });
        Clic(f, "GolBtn");
        const ludo::Colonna finale = Numeri({1, 2, 3, 4, 5, 7, 12, 20});
        QCOMPARE(f.Vincente(), finale);
        QCOMPARE(durante, QList<ludo::Punteggi>{ludo::SpoglioSingolo(
                              Lista(colonne), Numeri({1, 2, 3, 4, 5, 7, 12, 6}))});
        QCOMPARE(f.Punti(), ludo::SpoglioSingolo(Lista(colonne), finale));

        // Opened again, the goals typed are still there; Escape leaves the strips as they were.
        QuandoSiApre<TFrmGoalDopoGoal>([](TFrmGoalDopoGoal& g) {
            QVERIFY(QTest::qWaitForWindowActive(&g));
            QCOMPARE(
                C<QTableWidget>(g, "Partite17_32")->item(3, TFrmGoalDopoGoal::ColGolOspite)->text(),
                QStringLiteral("4"));
            Gol(g, 30, TFrmGoalDopoGoal::ColGolCasa, '9');
            g.reject();
        });
        Clic(f, "GolBtn");
        QCOMPARE(f.Vincente(), finale);
    }

    // Three slips of six: the first wins only with 7 points, the second
    // not at all, the third holds the 8.
    void winningSlipsListTheSlipsReachingTheChosenScore() {
        SistemaDiProva p;
        std::vector<ludo::Colonna> colonne(18, Numeri({21, 22, 23, 24, 25, 26, 27, 28}));
        colonne[4] = Numeri({1, 2, 3, 4, 5, 6, 7, 9});
        colonne[15] = kVincente;
        TFrmSpoglio f(*p.sistema, Lista(colonne));
        f.show();
        ClicNumeri(f, kVincente);
        QuandoSiApre<TFrmSchedineVincenti>([](TFrmSchedineVincenti& v) {
            for (int k = 0; k <= 8; ++k) {
                const bool atteso = k == 8 || k == 7 || k == 0;
                QCOMPARE(
                    C<QToolButton>(v, qPrintable(QStringLiteral("Punti%1").arg(k)))->isEnabled(),
                    atteso);
            }
            QVERIFY(C<QToolButton>(v, "Punti8")->isChecked());
            auto* primo = C<TGVisColonne>(v, "Schedina1");
            QCOMPARE(primo->Numero(), 3);
            QVERIFY(primo->Vincente(3) && !primo->Vincente(2));
            QVERIFY(!C<TGVisColonne>(v, "Schedina2")->isVisible());
            Clic(v, "Punti7");
            QCOMPARE(v.PunteggioScelto(), 7);
            QCOMPARE(primo->Numero(), 1);
            QVERIFY(primo->Vincente(4));
            QCOMPARE(C<TGVisColonne>(v, "Schedina2")->Numero(), 3);
            v.accept();
        });
        Clic(f, "VisualizzaBtn");
    }

    void columnViewPagesOverSlipsOfSix() {
        std::vector<ludo::Colonna> colonne;
        for (int i = 0; i < 43; ++i)
            colonne.push_back(Numeri({1, 2, 3, 4, 5, 6, 7}) | (ludo::Colonna{1} << (8 + i % 24)));
        TFrmVisualizzaColonne f(Lista(colonne));
        f.show();
        auto* barra = C<QScrollBar>(f, "ScorriSchedine");
        QCOMPARE(barra->maximum(), 8 - 4);  // 43 columns: 7 slips of six and one of one
        barra->setValue(barra->maximum());
        auto* ultima = C<TGVisColonne>(f, "Schedina4");
        QCOMPARE(ultima->Numero(), 8);
        QCOMPARE(ultima->Colonne(), QList<ludo::Colonna>{colonne.back()});
    }
};

QTEST_MAIN(TestTFrmSpoglio)
#include "TestTFrmSpoglio.moc"
