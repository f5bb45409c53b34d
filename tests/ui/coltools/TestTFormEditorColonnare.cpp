#include <QtTest>
#include <QtWidgets>
#include <filesystem>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "StrumentiDiProva.h"
#include "ui/coltools/GrigliaEditorColonne.h"
#include "ui/coltools/TFormEditorColonnare.h"
#include "ui/coltools/TFormSalta.h"
#include "ui/printing/TFormStampaSchedine.h"

namespace fs = std::filesystem;

namespace {

GrigliaEditorColonne* Tabella(const TFormEditorColonnare& f) {
    return C<GrigliaEditorColonne>(f, "Tabella");
}

// Types the numbers of a column, Enter after each, from the current cell.
void Digita(const TFormEditorColonnare& f, const QStringList& numeri) {
    for (const QString& n : numeri) {
        QTest::keyClicks(Tabella(f), n);
        QTest::keyClick(Tabella(f), Qt::Key_Return);
    }
}

QString Cella(const TFormEditorColonnare& f, int riga, int colonna) {
    return Tabella(f)->model()->index(riga, colonna).data().toString();
}

QPoint Corrente(const TFormEditorColonnare& f) {
    const QModelIndex i = Tabella(f)->currentIndex();
    return {i.column(), i.row()};
}

const QStringList Otto = {"1", "2", "3", "4", "5", "6", "7", "8"};

QByteArray Colonna(std::initializer_list<int> numeri) { return ColonneLE({Numeri(numeri)}); }

}  // namespace

class TestTFormEditorColonnare : public QObject {
    Q_OBJECT
  private slots:
    void typingTakesDigitsAndBlanksTwoAtMost() {
        SistemaDiProva p;
        TFormEditorColonnare f(*p.sistema);
        f.show();
        QVERIFY(!f.Editor().Modificato);
        QTest::keyClicks(Tabella(f), "a1x2");
        QCOMPARE(Cella(f, 0, 0), QStringLiteral("12"));
        QVERIFY(f.Editor().Modificato);
        QTest::keyClicks(Tabella(f), "3");  // a third character is refused
        QCOMPARE(Cella(f, 0, 0), QStringLiteral("12"));
        QTest::keyClick(Tabella(f), Qt::Key_Backspace);
        QTest::keyClicks(Tabella(f), " ");
        QTest::keyClick(Tabella(f), Qt::Key_Return);
        QCOMPARE(Cella(f, 0, 0), QStringLiteral("1"));
        QCOMPARE(Corrente(f), QPoint(0, 1));
        // 40 is more than the coupon's 32: the cell is left empty.
        QTest::keyClicks(Tabella(f), "40");
        QTest::keyClick(Tabella(f), Qt::Key_Return);
        QCOMPARE(Cella(f, 1, 0), QString());
        QCOMPARE(f.Editor().Numero(0, 1), 0);

        // Enter at the last column in sight scrolls on.
        Tabella(f)->setCurrentIndex(Tabella(f)->model()->index(7, 15));
        QTest::keyClicks(Tabella(f), "5");
        QTest::keyClick(Tabella(f), Qt::Key_Return);
        QCOMPARE(C<QScrollBar>(f, "ScrollBar")->value(), 1);
        QCOMPARE(Corrente(f), QPoint(15, 0));
        QCOMPARE(Tabella(f)->model()->headerData(15, Qt::Horizontal).toString(),
                 QStringLiteral("17"));
        QCOMPARE(Cella(f, 7, 14), QStringLiteral("5"));
        QCOMPARE(f.Editor().Numero(15, 7), 5);
    }

    // A number typed twice: the message, the cell selected, nothing saved.
    void theCheckRefusesABadColumnAndSelectsTheCell() {
        SistemaDiProva p;
        TFormEditorColonnare f(*p.sistema);
        f.show();
        RispostaFile file(p.Cartella() / "COLONNE" / "mie.Col");
        Digita(f, Otto.mid(0, 7));
        QTest::keyClicks(Tabella(f), "3");
        Tabella(f)->setCurrentIndex(Tabella(f)->model()->index(0, 5));
        QCOMPARE(MessaggiDi([&] { Clic(f, "SalvaBtn"); }),
                 QStringList{"Il numero selezionato è stato inserito più di una volta"});
        QCOMPARE(Corrente(f), QPoint(0, 7));
        QVERIFY(file.richieste.isEmpty());
        QTest::keyClick(Tabella(f), Qt::Key_Backspace);
        QTest::keyClicks(Tabella(f), "8");
        Clic(f, "SalvaBtn");
        QCOMPARE(file.richieste.size(), 1);
        QCOMPARE(LeggiFile(p.Cartella() / "COLONNE" / "mie.Col"),
                 Colonna({1, 2, 3, 4, 5, 6, 7, 8}));
    }

    void theUnsavedQuestionComesExactlyAfterAChange() {
        SistemaDiProva p;
        const fs::path mie = p.Cartella() / "COLONNE" / "mie.Col";
        TFormEditorColonnare f(*p.sistema);
        f.show();
        Digita(f, Otto);
        for (const char* risposta : {"Annulla", "No"}) {
            RispostaMessaggio domanda{QString::fromLatin1(risposta)};
            Clic(f, "UscitaBtn");
            QCOMPARE(domanda.testi,
                     QStringList{"Le colonne non sono state salvate. Vuoi salvarle ? "});
            QCOMPARE(f.isVisible(), QByteArray(risposta) == "Annulla");
        }
        QVERIFY(!fs::exists(mie));

        // A new list asks for its name once; then "Salva Colonne" writes at once.
        f.show();
        RispostaFile file(mie);
        Clic(f, "SalvaBtn");
        QCOMPARE(file.richieste.size(), 1);
        QCOMPARE(file.richieste.front().nome, QStringLiteral("Personali.col"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Editor Colonnare - mie.Col"));
        Digita(f, {"9", "10", "11", "12", "13", "14", "15", "16"});
        Clic(f, "SalvaBtn");
        QCOMPARE(file.richieste.size(), 1);
        QCOMPARE(LeggiFile(mie),
                 Colonna({1, 2, 3, 4, 5, 6, 7, 8}) + Colonna({9, 10, 11, 12, 13, 14, 15, 16}));
        // Sorting what is sorted changes nothing; nothing is asked on leaving.
        Clic(f, "OrdinaBtn");
        QVERIFY(MessaggiDi([&] { Clic(f, "UscitaBtn"); }).isEmpty());
        QVERIFY(!f.isVisible());
    }

    void sortingInsertingDeletingAndJumping() {
        SistemaDiProva p;
        const fs::path colonne = p.Cartella() / "COLONNE";
        ScriviFile(colonne / "due.Col",
                   Colonna({3, 4, 5, 6, 7, 8, 9, 10}) + Colonna({8, 7, 6, 5, 4, 3, 2, 1}));
        ScriviFile(colonne / "altre.Col", Colonna({21, 22, 23, 24, 25, 26, 27, 28}) +
                                              Colonna({11, 12, 13, 14, 15, 16, 17, 18}));
        TFormEditorColonnare f(*p.sistema);
        f.show();
        RichiesteDi(colonne / "due.Col", [&] { Clic(f, "CaricaBtn"); });
        QCOMPARE(f.windowTitle(), QStringLiteral("Editor Colonnare - due.Col"));
        QVERIFY(!f.Editor().Modificato);
        Clic(f, "OrdinaBtn");
        QCOMPARE(Cella(f, 0, 0), QStringLiteral("1"));
        QVERIFY(f.Editor().Modificato);

        // The file's columns go in before the current column, the last one first.
        Tabella(f)->setCurrentIndex(Tabella(f)->model()->index(0, 1));
        RichiesteDi(colonne / "altre.Col", [&] { Clic(f, "InserisciFileBtn"); });
        QCOMPARE(f.Editor().Conteggio(), 4U);
        QCOMPARE(Cella(f, 0, 1), QStringLiteral("11"));
        Tabella(f)->setCurrentIndex(Tabella(f)->model()->index(0, 2));
        Clic(f, "CancellaColonnaBtn");
        Clic(f, "InserisciColonnaBtn");
        QCOMPARE(f.Editor().Conteggio(), 4U);
        QCOMPARE(Cella(f, 0, 2), QString());
        QCOMPARE(Cella(f, 0, 3), QStringLiteral("3"));

        // The jump compacts first: three columns remain.
        QuandoSiApre<TFormSalta>([](TFormSalta& salta) {
            QCOMPARE(salta.findChild<QSpinBox*>(QStringLiteral("SpinColonna"))->maximum(), 3);
            salta.findChild<QSpinBox*>(QStringLiteral("SpinColonna"))->setValue(3);
            salta.accept();
        });
        Clic(f, "SaltaBtn");
        QCOMPARE(f.Editor().Conteggio(), 3U);
        QCOMPARE(Corrente(f), QPoint(2, 0));
        Clic(f, "PrimaBtn");
        QCOMPARE(Corrente(f), QPoint(0, 0));
    }

    // The slips get the typed columns, not the system's, and show only the cost.
    void printingTakesTheTypedColumns() {
        SistemaDiProva p;
        TFormEditorColonnare f(*p.sistema);
        f.show();
        Digita(f, Otto);
        Clic(f, "InserisciColonnaBtn");  // an empty column is not printed
        Tabella(f)->setCurrentIndex(Tabella(f)->model()->index(0, 2));
        Digita(f, {"9", "10", "11", "12", "13", "14", "15", "16"});
        std::vector<ludo::Colonna> stampate;
        bool soloCosto = false;
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& stampa) {
            const auto& colonne = stampa.Lavoro().Colonne;
            stampate.assign(colonne.begin(), colonne.end());
            soloCosto = stampa.Lavoro().SoloCosto;
            stampa.reject();
        });
        Clic(f, "StampaBtn");
        QCOMPARE(stampate, (std::vector<ludo::Colonna>{0xFFU, 0xFF00U}));
        QVERIFY(soloCosto);
        QCOMPARE(p.d().Colonne.Conteggio(), 0U);
    }

    void aMillionColumnsAreShownEditedAndSaved() {
        SistemaDiProva p;
        const fs::path grande = p.Cartella() / "COLONNE" / "grande.Col";
        constexpr int Quante = 1'000'000;
        QByteArray byte;
        byte.reserve(4 * Quante);
        for (int i = 0; i < Quante; ++i) byte += ColonneLE({0xFFU << (i % 24)});
        ScriviFile(grande, byte);
        TFormEditorColonnare f(*p.sistema);
        f.show();
        f.Carica(QString::fromStdString(grande.string()));
        QVERIFY(C<QScrollBar>(f, "ScrollBar")->maximum() >= Quante);
        Clic(f, "UltimaBtn");
        QCOMPARE(Tabella(f)->model()->headerData(Corrente(f).x(), Qt::Horizontal).toString(),
                 QStringLiteral("1000000"));
        QTest::keyClick(Tabella(f), Qt::Key_Right);
        Digita(f, Otto);
        RispostaMessaggio nessuna;
        Clic(f, "SalvaBtn");  // a loaded file is saved in place
        QVERIFY(nessuna.testi.isEmpty());
        QCOMPARE(LeggiFile(grande), byte + ColonneLE({0xFF}));
    }
};

QTEST_MAIN(TestTFormEditorColonnare)
#include "TestTFormEditorColonnare.moc"
