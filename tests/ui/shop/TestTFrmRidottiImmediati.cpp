// "Ridotti Immediati": the library list, the customer's numbers, the print
// that records the play, and the ".Rid" choice files.
#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../printing/PagineDiProva.h"
#include "RicevitoriaDiProva.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/TGCasSelector.h"
#include "ui/controls/TGEditNum.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/shop/TFrmRidottiImmediati.h"

namespace {

int Riga(const TFrmRidottiImmediati& f, const std::string& nome) {
    const auto& m = f.Matrici();
    for (std::size_t i = 0; i < m.size(); ++i)
        if (m[i].nome == nome) return static_cast<int>(i);
    qFatal("missing matrix %s", nome.c_str());
}

// Types the numbers into the selector's boxes, in order.
void Scrivi(const TFrmRidottiImmediati& f, std::initializer_list<int> numeri) {
    auto casella = C<TGCasSelector>(f, "Selettore")->Caselle().begin();
    for (int n : numeri) {
        (*casella)->clear();
        QTest::keyClicks(*casella++, QString::number(n));
    }
}

}  // namespace

class TestTFrmRidottiImmediati : public QObject {
    Q_OBJECT
  private slots:
    void theListShowsTheLibraryAndAMatrixAsksForItsNumbers() {
        RicevitoriaDiProva p;
        std::ofstream(p.Cartella() / "Matrici" / "Sbagliato.col") << "abcd";
        TFrmRidottiImmediati f(*p.sistema);
        f.show();
        auto* lista = C<QTableWidget>(f, "ListaSistemi");
        QCOMPARE(lista->rowCount(), static_cast<int>(f.Matrici().size()));
        QCOMPARE(lista->horizontalHeaderItem(4)->text(), QStringLiteral("   Costo £"));
        const int venti = Riga(f, "20F0B1.col");
        QCOMPARE(lista->item(venti, 0)->text(), QStringLiteral("20"));
        QCOMPARE(lista->item(venti, 2)->text(), QStringLiteral("1 Sei"));
        const int colonne = lista->item(venti, 3)->text().toInt();
        QCOMPARE(lista->item(venti, 4)->text(),
                 QString::fromStdString(
                     ludo::TestoImporto(colonne * 800.0, false, FormatoNumeriLocale())));

        f.SelezionaMatrice(venti);
        QCOMPARE(TestoDi(f, "LabelInserire"), QStringLiteral("Inserire 20 Numeri"));
        QCOMPARE(C<TGCasSelector>(f, "Selettore")->TotaleNumeri(), 20);
        f.SelezionaMatrice(Riga(f, "10F1B1.col"));
        QCOMPARE(TestoDi(f, "LabelInserire"), QStringLiteral("Inserire 1 Fissa e altri 9 Numeri"));
        f.SelezionaMatrice(Riga(f, "10F2R1.col"));
        QCOMPARE(TestoDi(f, "LabelInserire"), QStringLiteral("Inserire 2 Fisse e altri 8 Numeri"));
        QVERIFY(C<QPlainTextEdit>(f, "Memo")->toPlainText().contains(QStringLiteral("10 numeri")));

        const int sbagliato = Riga(f, "Sbagliato.col");
        QCOMPARE(lista->item(sbagliato, 3)->text(), QStringLiteral("NV"));
        f.SelezionaMatrice(sbagliato);
        QCOMPARE(C<QPlainTextEdit>(f, "Memo")->toPlainText(),
                 QStringLiteral("Il file Sbagliato.col\nnon è stato importato\ncorrettamente."));
        QVERIFY(!C<QPushButton>(f, "StampaRidottoBtn")->isEnabled());
    }

    // A print given up or of part of the slips, or an incomplete choice,
    // records nothing. Enter prints; the receipt describes the play (the
    // matrix and the customer's numbers), and the play recorded is the one
    // ludomatic-cli reads back.
    void printingRecordsThePlayWithItsReceipt() {
        RicevitoriaDiProva p;
        StampaSuImmagini stampa;
        TFrmRidottiImmediati f(*p.sistema);
        f.show();
        f.SelezionaMatrice(Riga(f, "12F1R1.col"));
        const auto numeri = {7, 1, 3, 5, 9, 11, 13, 15, 20, 22, 24, 30};
        Scrivi(f, numeri);
        QuandoSiApre<TFormStampaSchedine>([](TFormStampaSchedine& s) { Clic(s, "CancelBtn"); });
        Clic(f, "StampaRidottoBtn");
        QuandoSiApre<TFormStampaSchedine>([](TFormStampaSchedine& s) {
            Clic(s, "RBDa");
            C<QSpinBox>(s, "SEUltima")->setValue(1);
            Clic(s, "OKBtn");
        });
        Clic(f, "StampaRidottoBtn");
        const auto parziali = stampa.Pagine().size();
        QVERIFY(parziali > 0);
        QVERIFY(p.Archivio().Sistemi.empty());
        C<TGCasSelector>(f, "Selettore")->Caselle().last()->clear();
        QCOMPARE(MessaggiDi([&] { Clic(f, "StampaRidottoBtn"); }),
                 QStringList{"Non sono stati inseriti tutti i numeri."});
        QVERIFY(p.Archivio().Sistemi.empty());

        Scrivi(f, numeri);
        QTest::keyClicks(C<QLineEdit>(f, "EditNome"), QStringLiteral("Rossi"));
        ludo::LavoroStampaSchedine lavoro;
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& s) {
            lavoro = s.Lavoro();
            Clic(s, "OKBtn");
        });
        QTest::keyClick(C<QLineEdit>(f, "EditNome"), Qt::Key_Return);

        const auto& righe = lavoro.RigheCedolina;
        const auto colonne = lavoro.Colonne.Conteggio();
        QCOMPARE(righe[3], "£ " +
                               ludo::TestoImporto(colonne * 800.0, false, FormatoNumeriLocale()) +
                               " Conc.Nº 12");
        QCOMPARE(righe[4], std::string("Nome : Rossi"));
        QCOMPARE(lavoro.ColonneCedolina[0], Numeri({7}));
        QCOMPARE(lavoro.ColonneCedolina[1], Numeri(numeri) & ~Numeri({7}));
        QVERIFY(stampa.Pagine().size() > parziali);

        const auto archivio = p.Archivio();
        QCOMPARE(archivio.Sistemi.size(), std::size_t{1});
        QVERIFY(std::equal(lavoro.Colonne.begin(), lavoro.Colonne.end(),
                           archivio.Sistemi[0].Colonne.begin(), archivio.Sistemi[0].Colonne.end()));
        p.VerificaGiocate({"\"numeri\":12,\"colonne\":" + std::to_string(colonne),
                           "\"costo\":" + std::to_string(colonne * 800)});
    }

    void aChoiceSavedLoadsBackAndADamagedFileChangesNothing() {
        RicevitoriaDiProva p;
        TFrmRidottiImmediati f(*p.sistema);
        f.show();
        const int riga = Riga(f, "10F1B1.col");
        f.SelezionaMatrice(riga);
        Scrivi(f, {30, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        QTest::keyClicks(C<QLineEdit>(f, "EditNome"), QStringLiteral("Bianchi"));
        const auto rid = p.Cartella() / "Ridotti" / "cliente.Rid";
        RichiesteDi(rid, [&] { Clic(f, "SalvaRidottoBtn"); });
        Clic(f, "AzzeraBtn");
        f.SelezionaMatrice(0);
        RichiesteDi(rid, [&] { Clic(f, "CaricaRidottoBtn"); });
        QCOMPARE(C<QTableWidget>(f, "ListaSistemi")->currentRow(), riga);
        QCOMPARE(C<TGCasSelector>(f, "Selettore")->Caselle().first()->Numero(), 30);
        QCOMPARE(C<QLineEdit>(f, "EditNome")->text(), QStringLiteral("Bianchi"));

        // Cut short: the message, and the window as it was.
        const QByteArray byte = LeggiFile(rid);
        ScriviFile(rid, byte.left(300));
        const auto prima = C<TGCasSelector>(f, "Selettore")->Numeri();
        RispostaFile risposta(rid);
        QCOMPARE(MessaggiDi([&] { Clic(f, "CaricaRidottoBtn"); }),
                 QStringList{"Errore Durante il Caricamento del File"});
        QCOMPARE(C<QTableWidget>(f, "ListaSistemi")->currentRow(), riga);
        QCOMPARE(C<TGCasSelector>(f, "Selettore")->Numeri(), prima);

        // A matrix that is not in the library: the message and the first one.
        ScriviFile(rid, QByteArray(byte).replace("10F1B1", "99F9B1"));
        QCOMPARE(MessaggiDi([&] { Clic(f, "CaricaRidottoBtn"); }),
                 QStringList{"Errore nel file del ridotto"});
        QCOMPARE(C<QTableWidget>(f, "ListaSistemi")->currentRow(), 0);
    }

    void adaptInMemoryAndSaveTheColumns() {
        RicevitoriaDiProva p;
        TFrmRidottiImmediati f(*p.sistema);
        f.show();
        f.SelezionaMatrice(Riga(f, "09F0B1.col"));
        Scrivi(f, {2, 4, 6, 8, 10, 12, 14, 16, 18});
        Clic(f, "AdattaBtn");
        QVERIFY(p.sistema->Modificato);
        QVERIFY(PuntiGarantiti(p.d().Colonne, Numeri({2, 4, 6, 8, 10, 12, 14, 16, 18}), 0) >= 6);
        const auto col = p.Cartella() / "COLONNE" / "ridotto.Col";
        RichiesteDi(col, [&] { Clic(f, "SalvaColonneBtn"); });
        QCOMPARE(static_cast<std::size_t>(std::filesystem::file_size(col)),
                 4 * p.d().Colonne.Conteggio());
    }
};

QTEST_MAIN(TestTFrmRidottiImmediati)
#include "TestTFrmRidottiImmediati.moc"
