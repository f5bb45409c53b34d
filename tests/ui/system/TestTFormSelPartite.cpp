#include <QtTest>
#include <QtWidgets>
#include <sstream>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "core/system/SelezioneSquadre.h"
#include "ui/system/TFormSelPartite.h"

namespace {

ludo::ListaSquadre Lista(const std::string& righe) {
    ludo::ListaSquadre lista;
    std::istringstream in(righe);
    lista.Leggi(in);
    return lista;
}

ludo::ListeSquadre Liste() {
    ludo::ListeSquadre liste;
    liste[ludo::Serie::A] = Lista("Inter\nJuventus\nMilan\nRoma\nNapoliCalcioSocietaSportiva\n");
    liste[ludo::Serie::B] = Lista("Bari\nBari\nPalermo\n");
    return liste;
}

QTableWidget* Griglia(const TFormSelPartite& f) { return C<QTableWidget>(f, "GridSquadre"); }

bool Evidenziata(const TFormSelPartite& f, int riga, int colonna) {
    return Griglia(f)->item(riga, colonna)->font().bold();
}

int CentroSchermo() { return QGuiApplication::primaryScreen()->geometry().center().x(); }

}  // namespace

class TestTFormSelPartite : public QObject {
    Q_OBJECT
private slots:
    // It opens on the first empty cell, the list in two columns with the
    // coupon's teams highlighted.
    void opensOnTheFirstEmptyCellWithTheCouponTeamsHighlighted() {
        SistemaDiProva prova;
        for (int c = 0; c < 5; ++c) ludo::SquadraDellaCella(prova.d().Coupon, c) = "Squadra";
        ludo::SquadraDellaCella(prova.d().Coupon, 7) = "  juventus ";
        TFormSelPartite f(*prova.sistema, Liste());
        QSignalSpy cursore(&f, &TFormSelPartite::CursoreCambiato);
        f.show();
        QCOMPARE(cursore.last().at(0).toInt(), 5);
        QCOMPARE(TestoDi(f, "LabelCella"), QStringLiteral("Partita 3 - Ospite"));
        QVERIFY(C<QPushButton>(f, "BtnA")->isChecked());
        QCOMPARE(Griglia(f)->rowCount(), 10);
        QCOMPARE(RigaDi(*Griglia(f), 0), (QStringList{"Inter", "Juventus"}));
        QCOMPARE(RigaDi(*Griglia(f), 1), (QStringList{"Milan", "NapoliCalcioSocietaSportiva"}));
        QCOMPARE(RigaDi(*Griglia(f), 2), (QStringList{"Roma", ""}));
        QVERIFY(Evidenziata(f, 0, 1));
        QVERIFY(!Evidenziata(f, 0, 0));

        // A name twice in its list is shown twice; a coupon change highlights it.
        Clic(f, "BtnB");
        QCOMPARE(RigaDi(*Griglia(f), 0), (QStringList{"Bari", "Bari"}));
        ludo::SquadraDellaCella(prova.d().Coupon, 0) = "Bari";
        f.AggiornaForm();
        QVERIFY(Evidenziata(f, 0, 0) && Evidenziata(f, 0, 1));
    }

    void aClickWritesTheTeamTruncatedAndMovesOnButNotPastTheLastCell() {
        SistemaDiProva prova;
        TFormSelPartite f(*prova.sistema, Liste());
        QSignalSpy scritta(&f, &TFormSelPartite::SquadraScritta);
        Mostra(f);
        ClicCella(*Griglia(f), 1, 1);
        QCOMPARE(ludo::SquadraDellaCella(prova.d().Coupon, 0), std::string("NapoliCalcioSocietaS"));
        QCOMPARE(scritta.count(), 1);
        QCOMPARE(scritta.last().at(0).toInt(), 0);
        QCOMPARE(f.Cursore(), 1);

        // An empty cell of the grid writes nothing.
        ClicCella(*Griglia(f), 5, 1);
        QCOMPARE(scritta.count(), 1);
        QCOMPARE(f.Cursore(), 1);

        // The window stands beside the half of the coupon being filled.
        f.ImpostaCursore(31);
        QCOMPARE(f.frameGeometry().x(), CentroSchermo() + 40);
        f.ImpostaCursore(32);
        QCOMPARE(f.frameGeometry().x() + f.frameGeometry().width(), CentroSchermo() - 40);

        f.ImpostaCursore(ludo::CelleSchedina - 1);
        ClicCella(*Griglia(f), 0, 0);
        QCOMPARE(ludo::SquadraDellaCella(prova.d().Coupon, 63), std::string("Inter"));
        QVERIFY(Evidenziata(f, 0, 0));
        QCOMPARE(f.Cursore(), 63);
        QCOMPARE(TestoDi(f, "LabelCella"), QStringLiteral("Partita 32 - Ospite"));
    }

    void theArrowsMoveTheCursorWithinTheCoupon() {
        SistemaDiProva prova;
        TFormSelPartite f(*prova.sistema, Liste());
        f.show();
        // Each arrow moves as the coupon's cells run; their edges are the core's.
        for (const auto& [freccia, cursore] :
             {std::pair{"BtnGiu", 2}, {"BtnDestra", 3}, {"BtnSu", 1}, {"BtnSinistra", 0}}) {
            Clic(f, freccia);
            QCOMPARE(f.Cursore(), cursore);
        }
    }
};

QTEST_MAIN(TestTFormSelPartite)
#include "TestTFormSelPartite.moc"
