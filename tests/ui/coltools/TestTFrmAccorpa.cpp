#include <QtTest>
#include <QtWidgets>
#include <filesystem>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "StrumentiDiProva.h"
#include "core/columns/FileColonne.h"
#include "ui/coltools/TFrmAccorpa.h"

namespace fs = std::filesystem;

namespace {

// Runs the window to its end, as the user waits for it.
void Attendi(TFrmAccorpa& f) {
    f.show();
    QTRY_VERIFY(!f.InCorso() && C<QPushButton>(f, "ChiudiBtn")->isEnabled());
}

}  // namespace

class TestTFrmAccorpa : public QObject {
    Q_OBJECT
  private slots:
    void theSystemGetsTheColumnsTheCommandLineGives() {
        SistemaDiProva p;
        // All the columns of 1..10 and of 11..19, with one loose column.
        ludo::ListaColonne colonne = Sviluppo(SistemaDiProva::Primi(10));
        ludo::Espandi(colonne, SistemaDiProva::Primi(19) & ~SistemaDiProva::Primi(10), false);
        colonne.Aggiungi(Numeri({20, 21, 22, 23, 24, 25, 26, 27}));
        p.d().Colonne = colonne;
        p.d().Pronostico = SistemaDiProva::Primi(27);
        const fs::path file = p.Cartella() / "COLONNE" / "sistema.Col";
        QVERIFY(ludo::ScriviFile(colonne, file));

        TFrmAccorpa f(*p.sistema);
        Attendi(f);
        const auto cli =
            p.Json({"accorpa", "sistema.Col", "--partite", "27", "--out", "accorpate.Col"});
        QCOMPARE(ColonneLE(p.d().Colonne), LeggiFile(p.Cartella() / "COLONNE" / "accorpate.Col"));
        QCOMPARE(p.d().Colonne.Conteggio(), 3U);
        QVERIFY(p.sistema->Modificato);
        QCOMPARE(TestoDi(f, "LabelStato"), QStringLiteral("Accorpamento terminato"));
        QCOMPARE(TestoDi(f, "LabelIndice"), cli["indice"].toString());
        QCOMPARE(TestoDi(f, "LabelSchedine"), QString::number(cli["schedine"].toInt()));
        QCOMPARE(C<QProgressBar>(f, "Gauge")->value(), 100);
        QVERIFY(!C<QPushButton>(f, "AnnullaBtn")->isEnabled());
        Clic(f, "ChiudiBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
    }

    void aSystemWithNothingToGroupIsLeftAsItWas() {
        SistemaDiProva p;
        const ludo::ListaColonne colonne = Sviluppo(SistemaDiProva::Primi(9));
        const std::vector<ludo::Colonna> prima(std::next(colonne.begin()),
                                               colonne.end());  // one missing
        p.d().Colonne = Lista(prima);
        p.d().Pronostico = SistemaDiProva::Primi(9);
        TFrmAccorpa f(*p.sistema);
        Attendi(f);
        QCOMPARE(std::vector<ludo::Colonna>(p.d().Colonne.begin(), p.d().Colonne.end()), prima);
        QVERIFY(!p.sistema->Modificato);
    }

    // A long run (every fifth column of 20 numbers, walked pass after pass)
    // stopped at once: the window closes and the system keeps its columns.
    void annullaLeavesTheSystemAsItWas() {
        SistemaDiProva p;
        std::vector<ludo::Colonna> prima;
        std::size_t i = 0;
        for (const auto c : Sviluppo(SistemaDiProva::Primi(20))) {
            if (i++ % 5 == 0) prima.push_back(c);
        }
        p.d().Colonne = Lista(prima);
        p.d().Pronostico = SistemaDiProva::Primi(20);
        TFrmAccorpa f(*p.sistema);
        f.show();
        Clic(f, "AnnullaBtn");
        QTRY_VERIFY(!f.isVisible());
        QCOMPARE(f.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(std::vector<ludo::Colonna>(p.d().Colonne.begin(), p.d().Colonne.end()), prima);
        QVERIFY(!p.sistema->Modificato);
    }
};

QTEST_MAIN(TestTFrmAccorpa)
#include "TestTFrmAccorpa.moc"
