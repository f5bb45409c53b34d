#include <QtTest>
#include <QtWidgets>
#include <filesystem>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "ui/system/TFormEditSQ.h"
#include "ui/system/TFormListaSQ.h"

namespace fs = std::filesystem;

namespace {

QStringList Mostrati(const TFormListaSQ& f) { return VociDi(*C<QListWidget>(f, "ListBox")); }

QString Titolo(const TFormListaSQ& f) { return TestoDi(f, "LabelSerie"); }

void Seleziona(const TFormListaSQ& f, const QString& nome) {
    auto* lista = C<QListWidget>(f, "ListBox");
    lista->setCurrentItem(lista->findItems(nome, Qt::MatchExactly).value(0));
}

// Types a name into the name window as soon as it opens and presses "OK".
void RispondiNome(const QString& nome) {
    QuandoSiApre<TFormEditSQ>([nome](TFormEditSQ& edit) {
        C<QLineEdit>(edit, "EditNome")->setText(nome);
        Clic(edit, "OKBtn");
    });
}

// A program folder with the four lists.
class CartellaListe {
  public:
    CartellaListe() {
        ScriviFile(Cartella() / "SquadrA.Txt", "Inter\r\nJuventus\r\nMilan\r\n");
        ScriviFile(Cartella() / "SquadrB.Txt", "Bari\r\nBari\r\nPalermo\r\n");
        ScriviFile(Cartella() / "SquadrC1.Txt", "Arezzo\r\n");
        ScriviFile(Cartella() / "SquadrC2.Txt", "Gubbio\r\n");
    }
    [[nodiscard]] fs::path Cartella() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_;
};

}  // namespace

class TestTFormListaSQ : public QObject {
    Q_OBJECT
  private slots:
    void theSeriesButtonsShowTheirListAndOkWritesTheEdits() {
        CartellaListe c;
        TFormListaSQ f(c.Cartella());
        f.show();
        QCOMPARE(Mostrati(f), (QStringList{"Inter", "Juventus", "Milan"}));
        QCOMPARE(Titolo(f), QStringLiteral("Serie A: 3 squadre"));
        Clic(f, "BtnB");
        QCOMPARE(Mostrati(f),
                 (QStringList{"Bari", "Bari", "Palermo"}));  // a name twice shows twice
        Clic(f, "BtnC2");
        QCOMPARE(Mostrati(f), QStringList{"Gubbio"});
        // The window says which list is open, and how long it is.
        QCOMPARE(Titolo(f), QStringLiteral("Serie C2: 1 squadra"));
        Seleziona(f, QStringLiteral("Gubbio"));
        Clic(f, "BtnCancella");
        QCOMPARE(Titolo(f), QStringLiteral("Serie C2: 0 squadre"));

        // Edits go in order, and OK writes the files.
        Clic(f, "BtnA");
        RispondiNome(QStringLiteral("  Lazio "));
        Clic(f, "BtnAggiungi");
        QCOMPARE(Mostrati(f), (QStringList{"Inter", "Juventus", "Lazio", "Milan"}));

        Seleziona(f, QStringLiteral("Inter"));
        RispondiNome(QStringLiteral("Roma"));
        Clic(f, "BtnModifica");
        QCOMPARE(Mostrati(f), (QStringList{"Juventus", "Lazio", "Milan", "Roma"}));

        Seleziona(f, QStringLiteral("Milan"));
        Clic(f, "BtnCancella");
        QCOMPARE(Mostrati(f), (QStringList{"Juventus", "Lazio", "Roma"}));

        Clic(f, "BtnC1");
        RispondiNome(QStringLiteral("Ancona"));
        Clic(f, "BtnAggiungi");

        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(LeggiFile(c.Cartella() / "SquadrA.Txt"),
                 QByteArray("Juventus\r\nLazio\r\nRoma\r\n"));
        QCOMPARE(LeggiFile(c.Cartella() / "SquadrC1.Txt"), QByteArray("Ancona\r\nArezzo\r\n"));
        QCOMPARE(LeggiFile(c.Cartella() / "SquadrC2.Txt"), QByteArray());
    }

    // A name window given up changes nothing, nor does a blank name, which
    // the window refuses; "Annulla" reads the files again.
    void givingUpChangesNothing() {
        CartellaListe c;
        TFormListaSQ f(c.Cartella());
        f.show();
        Seleziona(f, QStringLiteral("Juventus"));
        QString proposto;
        QStringList rifiuto;
        bool rimasta = false;
        QuandoSiApre<TFormEditSQ>([&](TFormEditSQ& edit) {
            auto* nome = C<QLineEdit>(edit, "EditNome");
            proposto = nome->text();
            nome->setText(QStringLiteral(" \t "));
            rifiuto = MessaggiDi([&] { Clic(edit, "OKBtn"); });
            rimasta = edit.isVisible() && edit.focusWidget() == nome;
            Clic(edit, "AnnullaBtn");
        });
        Clic(f, "BtnModifica");
        QCOMPARE(proposto, QStringLiteral("Juventus"));
        QCOMPARE(rifiuto, QStringList{"Il Nome della Squadra non è Valido !"});
        QVERIFY2(rimasta, "the name window waits, with the name box focused");
        QCOMPARE(Mostrati(f), (QStringList{"Inter", "Juventus", "Milan"}));

        Seleziona(f, QStringLiteral("Inter"));
        Clic(f, "BtnCancella");
        Clic(f, "AnnullaBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(f.Liste()[ludo::Serie::A].Nomi(),
                 (std::vector<std::string>{"Inter", "Juventus", "Milan"}));
        QCOMPARE(LeggiFile(c.Cartella() / "SquadrA.Txt"),
                 QByteArray("Inter\r\nJuventus\r\nMilan\r\n"));
    }

    void eachListFailsOnItsOwn() {
        CartellaListe c;
        fs::remove(c.Cartella() / "SquadrB.Txt");
        // A folder in place of a list: it can be neither read nor replaced.
        fs::remove(c.Cartella() / "SquadrC1.Txt");
        fs::create_directory(c.Cartella() / "SquadrC1.Txt");
        std::unique_ptr<TFormListaSQ> f;
        QCOMPARE(MessaggiDi([&] { f = std::make_unique<TFormListaSQ>(c.Cartella()); }),
                 (QStringList{"Impossibile Caricare la Lista delle Squadre di Serie B",
                              "Impossibile Caricare la Lista delle Squadre di Serie C1"}));
        f->show();
        Clic(*f, "BtnB");
        QVERIFY(Mostrati(*f).isEmpty());
        RispondiNome(QStringLiteral("Bari"));
        Clic(*f, "BtnAggiungi");

        QCOMPARE(MessaggiDi([&] { Clic(*f, "OKBtn"); }),
                 QStringList{"Impossibile Salvare la Lista delle Squadre di Serie C1"});
        QCOMPARE(LeggiFile(c.Cartella() / "SquadrB.Txt"), QByteArray("Bari\r\n"));
    }
};

QTEST_MAIN(TestTFormListaSQ)
#include "TestTFormListaSQ.moc"
