#include <QtTest>
#include <QtWidgets>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "PagineDiProva.h"
#include "core/printing/Tabulato.h"
#include "ui/controls/Guida.h"
#include "ui/controls/TFrmGuida.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/TFormStampaSchedine.h"

namespace {

void Riempi(ludo::LavoroStampaSchedine& l, int colonne) {
    for (int i = 0; i < colonne; ++i) l.Colonne.Aggiungi(SistemaDiProva::Primi(8));
}

// A print dialog on a job of 8-number columns, shown, printing on pictures.
struct Dialogo {
    explicit Dialogo(int colonne) : f(*s.sistema) {
        Riempi(f.Lavoro(), colonne);
        f.ImpostaTutto();
        f.show();
    }
    SistemaDiProva s;
    StampaSuImmagini stampa;
    TFormStampaSchedine f;
};

}  // namespace

class TestTFormStampaSchedine : public QObject {
    Q_OBJECT
  private slots:
    void openingFollowsTheStoredSettingsAndTheJob() {
        SistemaDiProva s;
        s.d().Config.ImpStampa.ColonnePerSchedina = 4;
        s.d().Config.ImpStampa.Orizzontale = false;
        TFormStampaSchedine f(*s.sistema);
        Riempi(f.Lavoro(), 13);
        f.ImpostaTutto();
        QCOMPARE(C<QSpinBox>(f, "SEColonne")->value(), 4);
        QCOMPARE(C<QSpinBox>(f, "SEUltima")->value(), 4);
        QCOMPARE(C<QSpinBox>(f, "SEUltima")->maximum(), 4);
        QVERIFY(C<QRadioButton>(f, "RBVerticale")->isChecked());
        QVERIFY(!C<QSpinBox>(f, "SEPrima")->isEnabled());
        QVERIFY(C<QCheckBox>(f, "CBCedolina")->isHidden());
        QVERIFY(!C<QPushButton>(f, "BImpostazioni")->isEnabled());

        // More columns a slip: fewer slips and the range follows.
        C<QSpinBox>(f, "SEColonne")->setValue(6);
        QCOMPARE(C<QSpinBox>(f, "SEUltima")->value(), 3);
        // The listing has no orientation, pause or receipt.
        C<QRadioButton>(f, "RBTabulato")->setChecked(true);
        QVERIFY(!C<QRadioButton>(f, "RBOrizzontale")->isEnabled());
        QVERIFY(!C<QCheckBox>(f, "CBPausa")->isEnabled());
        QVERIFY(C<QPushButton>(f, "BImpostazioni")->isEnabled());
        C<QRadioButton>(f, "RBDa")->setChecked(true);
        QVERIFY(C<QSpinBox>(f, "SEPrima")->isEnabled());

        // Test and cost-only jobs lock their columns.
        TFormStampaSchedine prova(*s.sistema);
        prova.Lavoro() = ludo::LavoroProva(ludo::StampaOrizzontale);
        prova.ImpostaTutto();
        QCOMPARE(C<QSpinBox>(prova, "SEColonne")->value(), 6);
        TFormStampaSchedine costo(*s.sistema);
        costo.Lavoro().SoloCosto = true;
        costo.Lavoro().NomeEsterno = true;
        costo.ImpostaTutto();
        QVERIFY(!C<QSpinBox>(costo, "SEColonne")->isEnabled());
        QVERIFY(!C<QCheckBox>(costo, "CBCedolina")->isHidden());
    }

    // A wrong range prints nothing; with the pause the user is asked to go
    // on between the slips of the range.
    void aWrongRangeIsRefusedAndThePauseAsksBetweenSlips() {
        Dialogo d(30);
        auto& [s, stampa, f] = d;
        C<QRadioButton>(f, "RBDa")->setChecked(true);
        C<QSpinBox>(f, "SEPrima")->setValue(4);
        C<QSpinBox>(f, "SEUltima")->setValue(2);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList{QString::fromUtf8(ludo::MsgSchedineErrate)});
        QVERIFY(stampa.Pagine().empty());
        QVERIFY(f.isVisible());

        C<QSpinBox>(f, "SEPrima")->setValue(2);
        C<QSpinBox>(f, "SEUltima")->setValue(4);
        C<QCheckBox>(f, "CBPausa")->setChecked(true);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList(2, QString::fromUtf8(ludo::MsgPausa)));
        QCOMPARE(stampa.superficie->Documenti(), 3);
        QCOMPARE(stampa.Pagine().size(), std::size_t{3});
    }

    // The choices are stored and saved by a print that succeeds, and only by one.
    void printingStoresTheChoicesAndAFailedPrintLeavesThemAsTheyWere() {
        Dialogo d(10);
        auto& [s, stampa, f] = d;
        C<QRadioButton>(f, "RBVerticale")->setChecked(true);
        C<QSpinBox>(f, "SEColonne")->setValue(5);
        Clic(f, "OKBtn");
        QCOMPARE(stampa.Pagine().size(), std::size_t{2});
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(s.d().Config.ImpStampa.ColonnePerSchedina, 5);
        QVERIFY(!s.d().Config.ImpStampa.Orizzontale);
        ludo::Configurazione riletta;
        ludo::CaricaConfigurazione(riletta, s.Cartella());
        QCOMPARE(riletta.ImpStampa.ColonnePerSchedina, 5);
        QVERIFY(!riletta.ImpStampa.Orizzontale);

        f.show();
        stampa.superficie->guasto = true;
        C<QSpinBox>(f, "SEColonne")->setValue(2);
        RispostaMessaggio risposta;
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi,
                 QStringList{QString::fromUtf8(ludo::MsgImpossibileStampareSchedine)});
        QCOMPARE(s.d().Config.ImpStampa.ColonnePerSchedina, 5);
        ludo::Configurazione dopo;
        ludo::CaricaConfigurazione(dopo, s.Cartella());
        QCOMPARE(dopo.ImpStampa.ColonnePerSchedina, 5);
        QVERIFY(f.isVisible());

        C<QRadioButton>(f, "RBTabulato")->setChecked(true);
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi.last(), QString::fromUtf8(ludo::MsgImpossibileStampareTabulato));

        // No printer can be reached at all.
        SuperficieSostitutiva = []() -> SuperficieStampa* {
            throw std::runtime_error("nessuna stampante");
        };
        Clic(f, "OKBtn");
        QCOMPARE(risposta.testi.last(), QString::fromUtf8(ludo::MsgImpossibileStampareLavoro));
        QCOMPARE(s.d().Config.ImpStampa.ColonnePerSchedina, 5);
    }

    void aiutoShowsThePrintingPageOfTheGuide() {
        Dialogo d(1);
        ImpostaCartellaGuida(std::filesystem::path(LUDO_GUIDA_DIR).parent_path());
        Clic(d.f, "HelpBtn");
        auto* guida = d.f.findChild<TFrmGuida*>();
        QVERIFY(guida != nullptr && guida->isVisible());
        QCOMPARE(guida->PaginaMostrata(), QStringLiteral("stampa"));
        auto* testo = guida->findChild<QTextBrowser*>();
        QVERIFY(testo->document()->toPlainText().contains(QStringLiteral("Colonne per Schedina")));
        QVERIFY(guida->Cerca(QStringLiteral("stampa su file")));
        QVERIFY(!guida->Cerca(QStringLiteral("parola che non c'è")));
        QCOMPARE(guida->Esito(), TFrmGuida::MsgNonTrovato);
    }

    // Printing to a PDF file asks for the file, proposing the system's
    // name, never replaces a file without asking and tells where it went.
    void printingToAFileNeverReplacesAFileSilently() {
        SistemaDiProva s;
        s.sistema->NomeFile = s.Cartella() / "SISTEMI" / "Dodici.LDS";
        StampaSuPdf pdf;
        TFormStampaSchedine f(*s.sistema);
        Riempi(f.Lavoro(), 18);
        f.ImpostaTutto();
        f.show();
        C<QCheckBox>(f, "CBPausa")->setChecked(true);
        const auto file = s.Cartella() / "Dodici.pdf";
        ScriviFile(file, "vecchio");
        RispostaFile scelta(file);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }, QStringLiteral("No")),
                 QStringList{QString::fromUtf8(MsgSovrascrivere)});
        QCOMPARE(LeggiFile(file), QByteArray("vecchio"));
        QVERIFY2(f.isVisible(), "nothing printed: the dialog stays");
        QCOMPARE(scelta.richieste.front().nome, QStringLiteral("Dodici.pdf"));
        QCOMPARE(scelta.richieste.front().filtro, QStringLiteral("Documento PDF (*.pdf)"));
        // No pause between slips of a file: one document, one slip a page.
        QCOMPARE(
            MessaggiDi([&] { Clic(f, "OKBtn"); }, QStringLiteral("Si")),
            (QStringList{QString::fromUtf8(MsgSovrascrivere),
                         QString::fromUtf8(MsgStampaSalvata) +
                             QDir::toNativeSeparators(QString::fromStdString(file.string()))}));
        const QByteArray scritto = LeggiFile(file);
        QVERIFY(scritto.startsWith("%PDF"));
        QCOMPARE(scritto.count("/Type /Page\n") + scritto.count("/Type /Page\r"), 3);
        QVERIFY(!f.isVisible());

        // Giving the file up prints nothing and keeps the dialog.
        f.show();
        RispostaFile nessuno{QString()};
        Clic(f, "OKBtn");
        QVERIFY(f.isVisible());
        QCOMPARE(LeggiFile(file), scritto);
    }
};

QTEST_MAIN(TestTFormStampaSchedine)
#include "TestTFormStampaSchedine.moc"
