#include <QtTest>
#include <QtWidgets>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../printing/PagineDiProva.h"
#include "SistemaDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "ui/engine/TFrmCalcGaranzie.h"

namespace fs = std::filesystem;

namespace {

// The grid's rows as the command line's "griglia" writes them: the rows up
// to the table's total, blank rows past it left out.
QList<QStringList> RigheGriglia(const TFrmCalcGaranzie& f) {
    const auto* g = C<QTableWidget>(f, "Griglia");
    QList<QStringList> righe;
    for (int r = 0; r < g->rowCount(); ++r) righe << RigaDi(*g, r);
    while (!righe.isEmpty() && righe.back().join(QString()).isEmpty()) righe.pop_back();
    return righe;
}

// The "griglia" of the table of a key in the command's answer.
QList<QStringList> GrigliaCli(const QJsonObject& cli, int chiave) {
    QList<QStringList> righe;
    for (const auto& riga : cli["tabelle"][QString::number(chiave)]["griglia"].toArray())
        righe << Testi(riga);
    return righe;
}

void Calcola(TFrmCalcGaranzie& f) {
    Clic(f, "CalcolaBtn");
    QTRY_VERIFY_WITH_TIMEOUT(!f.InCorso() && C<QPushButton>(f, "CalcolaBtn")->isEnabled(), 20000);
}

}  // namespace

class TestTFrmCalcGaranzie : public QObject {
    Q_OBJECT
  private slots:
    void theTablesEqualTheCommandLineForEveryErrorAndTheShownOneIsPrinted() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(10);
        p.d().Colonne = Sviluppo(SistemaDiProva::Primi(9));
        const fs::path lds = p.Cartella() / "SISTEMI" / "nove.LDS";
        p.sistema->Salva(lds);
        TFrmCalcGaranzie f(*p.sistema);
        f.show();
        QVERIFY(C<QRadioButton>(f, "RBMemoria")->isChecked());
        QVERIFY(!C<QToolButton>(f, "SpeedErr0")->isEnabled());
        C<QCheckBox>(f, "CBErrori1")->setChecked(true);
        C<QCheckBox>(f, "CBErrori2")->setChecked(true);
        QVERIFY(!C<QCheckBox>(f, "CBCondizioni")->isEnabled());  // only without errors
        QVERIFY(!C<QPushButton>(f, "StampaBtn")->isEnabled());
        Calcola(f);
        const auto cli = p.Json({"garanzie", "--memoria", lds.string(), "--pronostico",
                                 "1 2 3 4 5 6 7 8 9 10", "--errori", "0,1,2"});
        QCOMPARE(f.ChiaveMostrata(), 8);
        QVERIFY(C<QToolButton>(f, "SpeedErr0")->isChecked());
        QCOMPARE(RigheGriglia(f), GrigliaCli(cli, 8));
        Clic(f, "SpeedErr1");
        QCOMPARE(RigheGriglia(f), GrigliaCli(cli, 7));
        Clic(f, "SpeedErr2");
        QCOMPARE(f.ChiaveMostrata(), 6);
        QCOMPARE(RigheGriglia(f), GrigliaCli(cli, 6));
        QCOMPARE(C<QProgressBar>(f, "Gauge")->value(), 100);

        // The table shown is printed, the grid's left rule at 60 mm.
        StampaSuImmagini stampa(100, QSizeF(210, 297));
        Clic(f, "StampaBtn");
        QCOMPARE(stampa.superficie->Documenti(), 1);
        QCOMPARE(stampa.Pagine().size(), 1U);
        QVERIFY(NeroA(stampa.Pagine().front(), 60, 20, 100));
    }

    void aComparisonFileOrTheConditionsGiveTheCommandLineTables() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(11);
        // The conditions: exactly four even numbers.
        auto& pd =
            static_cast<ludo::TPariDispari&>(p.d().Condizioni.Condizione(ludo::CodPariDispari));
        pd.Tabelle[0].Prima.Voci[4].Stato = ludo::Accettato;
        const fs::path lds = p.Cartella() / "SISTEMI" / "condizioni.LDS";
        p.sistema->Salva(lds);
        // Examined columns from a file; comparison columns from another.
        ScriviFile(p.Cartella() / "COLONNE" / "esaminate.Col",
                   ColonneLE(Sviluppo(SistemaDiProva::Primi(9))));
        ScriviFile(p.Cartella() / "COLONNE" / "confronto.Col",
                   ColonneLE(Sviluppo(SistemaDiProva::Primi(10))));

        TFrmCalcGaranzie f(*p.sistema);
        f.show();
        QVERIFY(!C<QRadioButton>(f, "RBMemoria")->isEnabled());  // no columns in memory
        QVERIFY(C<QRadioButton>(f, "RBFileEsaminare")->isChecked());
        QVERIFY(!C<QPushButton>(f, "CalcolaBtn")->isEnabled());  // no file named yet
        QTest::keyClicks(C<QLineEdit>(f, "EditFileEsaminare"), QStringLiteral("esaminate.Col"));
        C<QCheckBox>(f, "CBCondizioni")->setChecked(true);
        Calcola(f);
        auto cli = p.Json({"garanzie", "--colonne", "esaminate.Col", "--pronostico",
                           "1 2 3 4 5 6 7 8 9 10 11", "--condizioni", lds.string()});
        QCOMPARE(RigheGriglia(f), GrigliaCli(cli, 8));

        C<QRadioButton>(f, "RBFileConfronto")->setChecked(true);
        QVERIFY(!C<QCheckBox>(f, "CBErrori0")->isEnabled());
        QTest::keyClicks(C<QLineEdit>(f, "EditFileConfronto"), QStringLiteral("confronto.Col"));
        C<QCheckBox>(f, "CBCondizioni")->setChecked(false);
        C<QCheckBox>(f, "CBErrori1")->setChecked(true);  // ignored with a comparison file
        Calcola(f);
        cli = p.Json({"garanzie", "--colonne", "esaminate.Col", "--confronto", "confronto.Col"});
        QCOMPARE(RigheGriglia(f), GrigliaCli(cli, 8));
        QVERIFY(C<QToolButton>(f, "SpeedErr0")->isEnabled());
        QVERIFY(!C<QToolButton>(f, "SpeedErr1")->isEnabled());
        QVERIFY(!C<QToolButton>(f, "SpeedErr2")->isEnabled());

        // A file that cannot be read: the message, and the window goes on.
        C<QLineEdit>(f, "EditFileConfronto")->setText(QStringLiteral("manca.Col"));
        QCOMPARE(MessaggiDi([&] { Calcola(f); }), QStringList{"Impossibile caricare il file"});
        QCOMPARE(f.ChiaveMostrata(), 0);
        QVERIFY(C<QPushButton>(f, "ChiudiBtn")->isEnabled());
    }

    void aStoppedCalculationLeavesTheWindowUsable() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(32);
        p.d().Colonne = Sviluppo(SistemaDiProva::Primi(20));
        TFrmCalcGaranzie f(*p.sistema);
        f.show();
        C<QCheckBox>(f, "CBErrori2")->setChecked(true);
        Clic(f, "CalcolaBtn");
        QVERIFY(f.InCorso());
        QVERIFY(!C<QPushButton>(f, "ChiudiBtn")->isEnabled());
        Clic(f, "InterrompiBtn");
        QTRY_VERIFY_WITH_TIMEOUT(!f.InCorso(), 20000);
        QCOMPARE(TestoDi(f, "LabelStato"), QStringLiteral("Calcolo interrotto"));
        QCOMPARE(f.ChiaveMostrata(), 0);  // the stopped table holds raw counts
        QVERIFY(!C<QPushButton>(f, "StampaBtn")->isEnabled());
        QVERIFY(f.isVisible());

        // A smaller calculation afterwards runs to its end.
        p.d().Colonne = Sviluppo(SistemaDiProva::Primi(8));
        C<QCheckBox>(f, "CBErrori2")->setChecked(false);
        C<QRadioButton>(f, "RBFileConfronto")->setChecked(true);
        ScriviFile(p.Cartella() / "COLONNE" / "una.Col", ColonneLE({SistemaDiProva::Primi(8)}));
        QTest::keyClicks(C<QLineEdit>(f, "EditFileConfronto"), QStringLiteral("una.Col"));
        Calcola(f);
        QCOMPARE(RigheGriglia(f).front(), (QStringList{"   1", "   0", "   0", "100.000     "}));
        QCOMPARE(TestoDi(f, "LabelStato"), QStringLiteral("Calcolo terminato"));
    }
};

QTEST_MAIN(TestTFrmCalcGaranzie)
#include "TestTFrmCalcGaranzie.moc"
