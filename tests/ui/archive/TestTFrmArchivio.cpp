#include <QtTest>
#include <QtWidgets>
#include <filesystem>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "ArchivioDiProva.h"
#include "ui/archive/TFrmArchivio.h"
#include "ui/archive/TFrmConcorso.h"
#include "ui/controls/TGSpinEdit.h"

namespace fs = std::filesystem;

namespace {

const ludo::T_Concorso Primo = Concorso(2023, 1, ludo::SerieA, {1, 2, 3, 4, 5, 6, 7, 8});
const ludo::T_Concorso Secondo = Concorso(2023, 2, ludo::SerieB, {2, 4, 6, 8, 10, 12, 14, 16});
const ludo::T_Concorso Terzo = Concorso(2024, 1, ludo::SerieC, {9, 11, 13, 15, 17, 19, 21, 23});
const ludo::T_Concorso Nuovo = Concorso(2024, 2, ludo::SerieB, {1, 2, 3, 4, 20, 21, 30, 32});

// "Aggiungi" with the dialog answered: the type and the numbers of Nuovo
// on the proposed season and number.
void AggiungiNuovo(TFrmArchivio& f) {
    QuandoSiApre<TFrmConcorso>([](TFrmConcorso& d) {
        Clic(d, "RBSerieB");
        ClicNumeri(d, Nuovo.Vincente, "Pronostico1", "Pronostico2");
        Clic(d, "OKBtn");
    });
    Clic(f, "BAggiungi");
}

QString Mostrato(const TFrmArchivio& f) {
    return QStringList{TestoDi(f, "LabelTipo"), TestoDi(f, "LabelAnno1"), TestoDi(f, "LabelAnno2"),
                       TestoDi(f, "LabelNumero"), TestoDi(f, "LabelColonna")}
        .join(QLatin1Char('|'));
}

}  // namespace

class TestTFrmArchivio : public QObject {
    Q_OBJECT
  private slots:
    void insertAndDeleteAreWhatTheCliThenLists() {
        ArchivioDiProva p({Primo, Secondo, Terzo});
        TFrmArchivio f(*p.sistema);
        f.show();
        QCOMPARE(Mostrato(f), QStringLiteral("Serie C|2024|2025|1|9  11 13 15 17 19 21 23 "));
        QVERIFY(C<QLabel>(f, "LabelAvviso")->isVisible());
        QVERIFY(!C<QLabel>(f, "LabelModificato")->isVisible());

        AggiungiNuovo(f);
        QCOMPARE(f.Indice(), 3u);
        QCOMPARE(Mostrato(f), QStringLiteral("Serie B|2024|2025|2|1  2  3  4  20 21 30 32 "));
        QVERIFY(C<QLabel>(f, "LabelModificato")->isVisible());

        Clic(f, "BPrimo");
        {
            RispostaMessaggio no(QStringLiteral("No"));
            Clic(f, "BElimina");
            QCOMPARE(no.titoli, QStringList{"Conferma"});
            QCOMPARE(no.testi, QStringList{QString::fromUtf8(MsgEliminaConcorso)});
        }
        QCOMPARE(p.d().Archivio.Conteggio(), 4u);
        MessaggiDi([&] { Clic(f, "BElimina"); }, QStringLiteral("Si"));
        QCOMPARE(Mostrato(f), QStringLiteral("Serie B|2023|2024|2|2  4  6  8  10 12 14 16 "));

        p.d().Config.Ricerca.Intervallo = {ludo::SerieA, 2023, 2023, 2, 2};
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        // The search interval is the whole archive again, of its types as they were.
        QCOMPARE(p.d().Config.Ricerca.Intervallo,
                 (ludo::IntervalloRicerca{ludo::SerieA, 2023, 2024, 2, 2}));
        const std::string elenco = p.Cli({"archivio"});
        const std::string attesi = ElencatoDallaCli(Secondo) + "," + ElencatoDallaCli(Terzo) + "," +
                                   ElencatoDallaCli(Nuovo);
        QVERIFY2(elenco.find("{\"concorsi\":[" + attesi + "]") == 0, elenco.c_str());
        QVERIFY2(elenco.find("\"analisiValide\":true") != std::string::npos,
                 "the cached tables follow the edit");
        QCOMPARE(p.d().Archivio.Conteggio(), 3u);
    }

    // The edits stay in the window, to save again or give up; the files
    // stay as they were.
    void aFailedSaveSaysSoAndWritesNothing() {
        ArchivioDiProva p({Primo, Secondo, Terzo});
        const fs::path file = p.CartellaArchivi() / ludo::NomeFileArchivio;
        const QByteArray prima = LeggiFile(file);
        fs::remove(p.CartellaArchivi() / ludo::NomeFileAnalisi);
        fs::create_directories(p.CartellaArchivi() / ludo::NomeFileAnalisi / "occupato");
        const ludo::IntervalloRicerca scelto{ludo::SerieB, 2023, 2023, 1, 2};
        p.d().Config.Ricerca.Intervallo = scelto;
        TFrmArchivio f(*p.sistema);
        f.show();
        {
            RispostaMessaggio si(QStringLiteral("Si"));
            Clic(f, "BElimina");
            Clic(f, "OKBtn");
            QCOMPARE(si.testi.last(), QString::fromUtf8(ludo::MsgImpossibileSalvareModifiche));
        }
        QVERIFY(f.isVisible());
        QVERIFY(f.Modificato());
        QCOMPARE(LeggiFile(file), prima);
        QCOMPARE(p.d().Config.Ricerca.Intervallo, scelto);
        Clic(f, "AnnullaBtn");
        QCOMPARE(p.d().Archivio.Conteggio(), 3u);
    }

    // "Annulla" gives the edits up.
    void navigationModifyAndAnnulla() {
        ArchivioDiProva p({Primo, Secondo, Terzo});
        const QByteArray prima = LeggiFile(p.CartellaArchivi() / ludo::NomeFileArchivio);
        TFrmArchivio f(*p.sistema);
        f.show();
        QVERIFY(!C<QPushButton>(f, "BSuccessivo")->isEnabled());
        QVERIFY(!C<QPushButton>(f, "BUltimo")->isEnabled());
        Clic(f, "BPrecedente");
        Clic(f, "BPrecedente");
        QCOMPARE(f.Indice(), 0u);
        QCOMPARE(TestoDi(f, "LabelPosizione"), QStringLiteral("Concorso 1 di 3"));
        QVERIFY(!C<QPushButton>(f, "BPrecedente")->isEnabled());
        Clic(f, "BUltimo");
        QCOMPARE(f.Indice(), 2u);

        // The first contest moved onto the key of the last one stands after it.
        Clic(f, "BPrimo");
        QuandoSiApre<TFrmConcorso>([](TFrmConcorso& d) {
            C<TGSpinEdit>(d, "SEAnno")->setValue(2025);
            Clic(d, "OKBtn");
        });
        Clic(f, "BModifica");
        QCOMPARE(f.Indice(), 2u);
        QCOMPARE(p.d().Archivio[2], Concorso(2024, 1, ludo::SerieA, {1, 2, 3, 4, 5, 6, 7, 8}));
        // A dialog given up changes nothing.
        QuandoSiApre<TFrmConcorso>([](TFrmConcorso& d) { Clic(d, "AnnullaBtn"); });
        Clic(f, "BAggiungi");
        QCOMPARE(p.d().Archivio.Conteggio(), 3u);
        QCOMPARE(f.Indice(), 2u);
        Clic(f, "AnnullaBtn");
        QCOMPARE(p.d().Archivio.Concorsi(), (std::vector<ludo::T_Concorso>{Primo, Secondo, Terzo}));
        QCOMPARE(LeggiFile(p.CartellaArchivi() / ludo::NomeFileArchivio), prima);
    }
};

QTEST_MAIN(TestTFrmArchivio)
#include "TestTFrmArchivio.moc"
