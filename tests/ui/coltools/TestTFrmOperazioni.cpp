#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <filesystem>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "StrumentiDiProva.h"
#include "core/columns/ListaColonne.h"
#include "ui/coltools/TFrmOperazioni.h"

namespace fs = std::filesystem;

namespace {

struct Caso {
    const char* radio;
    const char* cli;
};
constexpr Caso Casi[] = {
    {"RBOr", "or"}, {"RBAnd", "and"}, {"RBXor", "xor"}, {"RBN1", "n1"}, {"RBN2", "n2"}};

// The masks of a column file, sorted.
std::vector<quint32> Ordinate(const QByteArray& byte) {
    std::vector<quint32> maschere(static_cast<std::size_t>(byte.size() / 4));
    std::memcpy(maschere.data(), byte.constData(), maschere.size() * 4);
    std::sort(maschere.begin(), maschere.end());
    return maschere;
}

}  // namespace

class TestTFrmOperazioni : public QObject {
    Q_OBJECT
  private slots:
    void everyOperationGivesWhatTheCommandLineGives() {
        SistemaDiProva p;
        const fs::path colonne = p.Cartella() / "COLONNE";
        // The 9 columns of 1..9 and, in the second file, some of them again
        // (one twice) beside columns of other numbers.
        const auto nove = Sviluppo(0x1FF);
        std::vector<ludo::Colonna> primo(nove.begin(), nove.end());
        std::vector<ludo::Colonna> secondo = {primo[2], 0xFF0000U,   primo[5],
                                              primo[2], 0x7F000001U, 0x3FCU};
        ScriviFile(colonne / "primo.Col", ColonneLE(primo));
        ScriviFile(colonne / "secondo.Col", ColonneLE(secondo));
        TFrmOperazioni f(p.Cartella());
        f.show();
        for (const Caso& caso : Casi) {
            Clic(f, caso.radio);
            Digita(f, "EditFile1", QStringLiteral("primo.Col"));
            Digita(f, "EditFile2", QStringLiteral("secondo.Col"));
            const QString uscita =
                QStringLiteral("finestra_%1.Col").arg(QString::fromLatin1(caso.cli));
            Digita(f, "EditOutput", uscita);
            RispostaMessaggio risposta;
            Clic(f, "EseguiBtn");

            const std::string daCli = std::string("cli_") + caso.cli + ".Col";
            const auto cli =
                p.Json({"operazioni", caso.cli, "primo.Col", "secondo.Col", "--out", daCli});
            QCOMPARE(risposta.testi, QStringList{cli["messaggio"].toString()});
            QCOMPARE(fs::exists(colonne / uscita.toStdString()), fs::exists(colonne / daCli));
            QCOMPARE(LeggiFile(colonne / uscita.toStdString()), LeggiFile(colonne / daCli));
        }
    }

    // An existing output is replaced only when the user says so.
    void theShuffleKeepsEveryColumnAndReadsOnlyTheFirstBox() {
        SistemaDiProva p;
        const fs::path colonne = p.Cartella() / "COLONNE";
        const std::vector<ludo::Colonna> tutte = {0xFF, 0x1FE, 0x3FC, 0x7F8, 0xFF0, 0xFF};
        ScriviFile(colonne / "da.Col", ColonneLE(tutte));
        TFrmOperazioni f(p.Cartella());
        f.show();
        Clic(f, "RBDisordinatore");
        QCOMPARE(TestoDi(f, "LabelFile1"), QStringLiteral("File da disordinare"));
        QVERIFY(!C<QLineEdit>(f, "EditFile2")->isEnabled());
        Digita(f, "EditFile1", QStringLiteral("da.Col"));
        QCOMPARE(MessaggiDi([&] { Clic(f, "EseguiBtn"); }), QStringList{"Elaborazione Terminata."});
        QCOMPARE(Ordinate(LeggiFile(colonne / "FileOutput.col")), Ordinate(ColonneLE(tutte)));

        Clic(f, "RBN2");
        QCOMPARE(TestoDi(f, "LabelFile1"), QStringLiteral("File del ridotto"));
        QCOMPARE(TestoDi(f, "LabelFile2"), QStringLiteral("File delle colonne da coprire"));
        QVERIFY(C<QLineEdit>(f, "EditFile2")->isEnabled());

        const QByteArray mescolate = LeggiFile(colonne / "FileOutput.col");
        ScriviFile(colonne / "a.Col", ColonneLE({0xFF}));
        Clic(f, "RBOr");
        Digita(f, "EditFile1", QStringLiteral("a.Col"));
        Digita(f, "EditFile2", QStringLiteral("a.Col"));
        QCOMPARE(MessaggiDi([&] { Clic(f, "EseguiBtn"); }, QStringLiteral("No")),
                 QStringList{"Il file esiste già. Vuoi sovrascriverlo ? "});
        QCOMPARE(LeggiFile(colonne / "FileOutput.col"), mescolate);
        QCOMPARE(MessaggiDi([&] { Clic(f, "EseguiBtn"); }, QStringLiteral("Si")).last(),
                 QStringLiteral("Colonne Ottenute : 1"));
        QCOMPARE(LeggiFile(colonne / "FileOutput.col"), ColonneLE({0xFF}));

        // A file that cannot be read is said so and nothing is written.
        Digita(f, "EditFile2", QStringLiteral("manca.Col"));
        Digita(f, "EditOutput", QStringLiteral("nuovo.Col"));
        RispostaMessaggio errore;
        Clic(f, "EseguiBtn");
        QCOMPARE(errore.testi, QStringList{"Impossibile Effettuare le Operazioni Sui File"});
        QVERIFY(!fs::exists(colonne / "nuovo.Col"));
    }
};

QTEST_MAIN(TestTFrmOperazioni)
#include "TestTFrmOperazioni.moc"
