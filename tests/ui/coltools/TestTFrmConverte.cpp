#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/stat.h>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "StrumentiDiProva.h"
#include "core/coltools/Conversione.h"
#include "ui/coltools/TFrmConverte.h"
#include "ui/controls/TFrmProgresso.h"
#include "ui/controls/TGListaCartelle.h"

namespace fs = std::filesystem;

namespace {

// Columns of 8 numbers up to 30, as every format holds them.
QByteArray Colonne(int primo) {
    std::vector<ludo::Colonna> colonne;
    for (int i = 0; i < 7; ++i) colonne.push_back(ludo::Colonna{0xFF} << (primo + 3 * i));
    return ColonneLE(colonne);
}

}  // namespace

class TestTFrmConverte : public QObject {
    Q_OBJECT
  private slots:
    // The folder lists open in COLONNE and follow their choosers.
    void everyFormatGivesTheFilesOfTheCommandLine() {
        SistemaDiProva p;
        const fs::path colonne = p.Cartella() / "COLONNE";
        ScriviFile(colonne / "a.b.Col", Colonne(0));
        ScriviFile(colonne / "due.col", Colonne(2));
        ScriviFile(colonne / "testo.Txt", "1 2 3 4 5 6 7 8");
        TFrmConverte f(p.Cartella());
        f.show();
        const QString cartella = QString::fromStdString(colonne.string());
        QCOMPARE(C<TGListaCartelle>(f, "CartelleS")->Cartella(), cartella);
        QCOMPARE(C<TGListaCartelle>(f, "CartelleD")->Cartella(), cartella);
        auto* files = C<QListWidget>(f, "ListaFiles");
        QCOMPARE(VociDi(*files), (QStringList{"a.b.Col", "due.col"}));
        QVERIFY(!C<QPushButton>(f, "ConvertiBtn")->isEnabled());
        QVERIFY(TestoDi(f, "Creati").isEmpty());

        for (int formato = 0; formato < ludo::NumeroFormati; ++formato) {
            if (formato == static_cast<int>(ludo::FormatoColonne::Col)) continue;
            const fs::path finestra = p.Cartella() / ("finestra" + std::to_string(formato));
            const fs::path riga = p.Cartella() / ("cli" + std::to_string(formato));
            fs::create_directories(finestra);
            fs::create_directories(riga);
            C<QComboBox>(f, "ComboD")->setCurrentIndex(formato);
            RichiesteDi(finestra, [&] { Clic(f, "SfogliaDBtn"); });
            Clic(f, "SelezionaTuttiBtn");
            QCOMPARE(MessaggiDi([&] { Clic(f, "ConvertiBtn"); }),
                     QStringList{"Conversione terminata con successo."});

            const auto cli = p.Json({"converti", "--da", "3", "--a", std::to_string(formato),
                                     "a.b.Col", "due.col", "--destinazione", riga.string()});
            QCOMPARE(TestoDi(f, "Creati"), QString::number(cli["files_creati"].toInt()));
            int confrontati = 0;
            for (const auto& file : fs::directory_iterator(riga)) {
                QCOMPARE(LeggiFile(finestra / file.path().filename()), LeggiFile(file.path()));
                ++confrontati;
            }
            QCOMPARE(confrontati, formato == static_cast<int>(ludo::FormatoColonne::Bgp) ? 4 : 2);
        }
        // The source list follows the source format, in any letter case.
        C<QComboBox>(f, "ComboS")->setCurrentIndex(static_cast<int>(ludo::FormatoColonne::Txt));
        QCOMPARE(VociDi(*files), QStringList{"testo.Txt"});
        Clic(f, "AzzeraSelezioneBtn");
        QVERIFY(!C<QPushButton>(f, "ConvertiBtn")->isEnabled());
        const QString destinazione = C<TGListaCartelle>(f, "CartelleD")->Cartella();
        RichiesteDi(p.Cartella() / "Matrici", [&] { Clic(f, "SfogliaSBtn"); });
        QCOMPARE(C<QLineEdit>(f, "EditCartellaS")->text(),
                 QString::fromStdString((p.Cartella() / "Matrici").string()));
        QCOMPARE(C<TGListaCartelle>(f, "CartelleD")->Cartella(), destinazione);
    }

    // A file that cannot be converted stops the batch.
    void anExistingFileIsReplacedOnlyWhenTheUserSaysSo() {
        SistemaDiProva p;
        const fs::path colonne = p.Cartella() / "COLONNE";
        ScriviFile(colonne / "a.Col", Colonne(0));
        ScriviFile(colonne / "b.Col", Colonne(1));
        ScriviFile(colonne / "a.Txt", QByteArray("vecchio"));
        TFrmConverte f(p.Cartella());
        f.show();
        Clic(f, "SelezionaTuttiBtn");
        C<QComboBox>(f, "ComboD")->setCurrentIndex(static_cast<int>(ludo::FormatoColonne::Col));
        QCOMPARE(MessaggiDi([&] { Clic(f, "ConvertiBtn"); }),
                 QStringList{QStringLiteral(
                     "Impossibile convertire il file a.Col. Elaborazione terminata")});
        QCOMPARE(TestoDi(f, "Creati"), QStringLiteral("0"));
        QCOMPARE(LeggiFile(colonne / "a.Col"), Colonne(0));
        C<QComboBox>(f, "ComboD")->setCurrentIndex(static_cast<int>(ludo::FormatoColonne::Txt));
        {
            QCOMPARE(MessaggiDi([&] { Clic(f, "ConvertiBtn"); }, QStringLiteral("No")),
                     QStringList{"Il file a.Txt esiste già. Vuoi sovrascriverlo ? "});
            QCOMPARE(LeggiFile(colonne / "a.Txt"), QByteArray("vecchio"));
            QVERIFY(!fs::exists(colonne / "b.Txt"));
        }
        ScriviFile(colonne / "b.Txt", QByteArray("vecchio"));
        QCOMPARE(MessaggiDi([&] { Clic(f, "ConvertiBtn"); }, QStringLiteral("Si")),
                 (QStringList{"I file a.Txt, b.Txt esistono già. Vuoi sovrascriverli ? ",
                              "Conversione terminata con successo."}));
        QCOMPARE(TestoDi(f, "Creati"), QStringLiteral("2"));
        QVERIFY(LeggiFile(colonne / "a.Txt").startsWith("1  2  3  4  5  6  7  8  \r\n"));
        QVERIFY(LeggiFile(colonne / "b.Txt").startsWith("2  3  4  5  6  7  8  9  \r\n"));
    }

    // The second source is a pipe, so the batch waits on it once the first
    // file is done: "Annulla" is pressed before its first line comes, and
    // the run stops after that column.
    void cancellingKeepsTheFilesDoneAndLeavesNoHalfWrittenFile() {
        SistemaDiProva p;
        const fs::path colonne = p.Cartella() / "COLONNE";
        const fs::path uscita = p.Cartella() / "uscita";
        fs::create_directory(uscita);
        const QByteArray riga("1  2  3  4  5  6  7  8  ");
        ScriviFile(colonne / "a.Txt", riga);
        ScriviFile(colonne / "lungo.Txt", riga);
        TFrmConverte f(p.Cartella());
        f.show();
        C<QComboBox>(f, "ComboS")->setCurrentIndex(static_cast<int>(ludo::FormatoColonne::Txt));
        C<QComboBox>(f, "ComboD")->setCurrentIndex(static_cast<int>(ludo::FormatoColonne::Col));
        RichiesteDi(uscita, [&] { Clic(f, "SfogliaDBtn"); });
        Clic(f, "SelezionaTuttiBtn");
        fs::remove(colonne / "lungo.Txt");
        QCOMPARE(mkfifo((colonne / "lungo.Txt").c_str(), 0600), 0);

        std::thread scrittore;
        QString creatiPrima;
        QuandoSiApre<TFrmProgresso>([&](TFrmProgresso& progresso) {
            // The first file is counted as soon as it is done.
            if (QTest::qWaitFor([&] { return TestoDi(f, "Creati") == QStringLiteral("1"); }))
                creatiPrima = TestoDi(f, "Creati");
            QTest::mouseClick(progresso.findChild<QPushButton*>(QStringLiteral("Annulla")),
                              Qt::LeftButton);
            scrittore = std::thread([pipe = colonne / "lungo.Txt"] {
                std::ofstream(pipe) << "1 2 3 4 5 6 7 8\r\n9 10 11 12 13 14 15 16\r\n";
            });
        });
        RispostaMessaggio risposta;
        Clic(f, "ConvertiBtn");
        scrittore.join();
        QCOMPARE(creatiPrima, QStringLiteral("1"));
        QCOMPARE(risposta.testi, QStringList{"Conversione Interrotta."});
        QCOMPARE(TestoDi(f, "Creati"), QStringLiteral("1"));
        QCOMPARE(LeggiFile(uscita / "a.Col"), ColonneLE({0xFF}));
        QCOMPARE(std::distance(fs::directory_iterator(uscita), fs::directory_iterator()), 1);
    }
};

QTEST_MAIN(TestTFrmConverte)
#include "TestTFrmConverte.moc"
