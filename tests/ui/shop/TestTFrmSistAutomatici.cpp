// "Sistemi Automatici": batches of integral and reduced systems, each
// printed with its receipt and recorded, reduced systems keeping the
// guarantee of their matrix.
#include <QtTest>
#include <QtWidgets>
#include <fstream>
#include <numeric>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../printing/PagineDiProva.h"
#include "RicevitoriaDiProva.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/shop/TFrmSistAutomatici.h"

class TestTFrmSistAutomatici : public QObject {
    Q_OBJECT
  private slots:
    void reducedSystemsOfAFixedKindKeepTheirGuarantee() {
        RicevitoriaDiProva p;
        StampaSuImmagini stampa(60);
        TFrmSistAutomatici f(*p.sistema);
        f.show();
        C<QSpinBox>(f, "SESistemi")->setValue(2);
        C<QSpinBox>(f, "SENumeri")->setValue(12);
        C<QSpinBox>(f, "SEFisse")->setValue(1);
        Clic(f, "RBGaranzia7");
        QCOMPARE(StampaConInvio(f, "SESistemi"), 1);
        const auto archivio = p.Archivio();
        QCOMPARE(archivio.Sistemi.size(), std::size_t{2});
        for (const auto& s : archivio.Sistemi) {
            QCOMPARE(s.Numeri, 12);
            // The numbers played are in some column, the fixed one in every column.
            const ludo::Colonna numeri = std::accumulate(s.Colonne.begin(), s.Colonne.end(),
                                                         ludo::Colonna{0}, std::bit_or<>());
            const ludo::Colonna fissa = std::accumulate(s.Colonne.begin(), s.Colonne.end(),
                                                        ~ludo::Colonna{0}, std::bit_and<>());
            QCOMPARE(ludo::NumeroNumeri(numeri), 12);
            QCOMPARE(ludo::NumeroNumeri(fissa), 1);
            QVERIFY(PuntiGarantiti(s.Colonne, numeri, fissa) >= 7);
        }
        // Each system: its receipt, then its slips of six columns.
        std::size_t pagine = 0;
        for (const auto& s : archivio.Sistemi) pagine += 1 + (s.Colonne.Conteggio() + 5) / 6;
        QCOMPARE(stampa.Pagine().size(), pagine);
    }

    // A print that fails records nothing; one that prints records each
    // system with its cost.
    void integralSystemsAreRecordedWithTheirCostOncePrinted() {
        RicevitoriaDiProva p;
        TFrmSistAutomatici f(*p.sistema);
        f.show();
        C<QTabWidget>(f, "Pagine")->setCurrentIndex(1);
        C<QSpinBox>(f, "SESistemi")->setValue(3);
        C<QSpinBox>(f, "SEIntNumeri")->setValue(10);
        SuperficieSostitutiva = []() -> SuperficieStampa* {
            throw std::runtime_error("nessuna stampante");
        };
        QCOMPARE(MessaggiDi([&] { StampaConInvio(f, "SESistemi"); }).size(), 1);
        QVERIFY(p.Archivio().Integrali.empty());

        StampaSuImmagini stampa(60);
        QCOMPARE(TestoDi(f, "LabelCostoInt"),
                 QStringLiteral(" ") + QString::fromStdString(
                                           ludo::TestoValuta(36000, false, FormatoNumeriLocale())));
        StampaConInvio(f, "SESistemi");
        const auto archivio = p.Archivio();
        QCOMPARE(archivio.Integrali.size(), std::size_t{3});
        for (const auto& g : archivio.Integrali) QCOMPARE(ludo::NumeroNumeri(g.Maschera), 10);
        QCOMPARE(stampa.Pagine().size(), std::size_t{6});  // a receipt and a slip each
        p.VerificaGiocate({"\"integrali\":3", "\"costo\":108000"});
    }

    void aRandomCostTakesTheLibrarysCandidatesOrSaysThereIsNone() {
        RicevitoriaDiProva p;
        StampaSuImmagini stampa(60);
        TFrmSistAutomatici f(*p.sistema);
        f.show();
        Clic(f, "RBRidCasuale");
        C<QSpinBox>(f, "SESistemi")->setValue(2);
        // The library has nothing between 8 800 and 10 400 lire.
        C<QSpinBox>(f, "SECostoMin")->setValue(8800);
        C<QSpinBox>(f, "SECostoMax")->setValue(10400);
        QCOMPARE(MessaggiDi([&] { Clic(f, "StampaBtn"); }),
                 QStringList{QString::fromUtf8(ludo::MsgNessunSistemaDelCosto)});
        C<QSpinBox>(f, "SECostoMin")->setValue(800);
        C<QSpinBox>(f, "SECostoMax")->setValue(30400);
        RispostaMessaggio nessuno;
        StampaConInvio(f, "SESistemi");
        QVERIFY2(nessuno.testi.isEmpty(), qPrintable(nessuno.testi.join(QLatin1Char('|'))));
        const auto archivio = p.Archivio();
        QCOMPARE(archivio.Sistemi.size(), std::size_t{2});
        for (const auto& s : archivio.Sistemi) QVERIFY(s.Colonne.Conteggio() * 800 <= 30400);
    }

    // The customer has the slips: an archive that cannot be written is said.
    void aRecordThatCannotBeSavedIsReported() {
        RicevitoriaDiProva p;
        std::filesystem::remove_all(p.Cartella() / "ArchivioGiocate");
        std::ofstream(p.Cartella() / "ArchivioGiocate") << "un file";
        StampaSuImmagini stampa(60);
        TFrmSistAutomatici f(*p.sistema);
        f.show();
        C<QTabWidget>(f, "Pagine")->setCurrentIndex(1);
        C<QSpinBox>(f, "SESistemi")->setValue(1);
        RispostaMessaggio risposta;
        StampaConInvio(f, "SESistemi");
        QCOMPARE(stampa.Pagine().size(), std::size_t{2});
        QCOMPARE(risposta.testi, QStringList{QString::fromUtf8(ludo::MsgErroreScritturaGiocate)});
    }
};

QTEST_MAIN(TestTFrmSistAutomatici)
#include "TestTFrmSistAutomatici.moc"
