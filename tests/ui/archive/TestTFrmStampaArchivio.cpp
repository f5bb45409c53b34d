#include <QtTest>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../printing/PagineDiProva.h"
#include "ArchivioDiProva.h"
#include "core/archive/RegoleIntervallo.h"
#include "core/printing/Tabulato.h"
#include "ui/archive/TFrmStampaArchivio.h"
#include "ui/printing/StampaSuFile.h"

namespace {

constexpr int Dpi = 100;

// Contests 1..50 of the seasons 2020/2021 and 2021/2022.
ludo::ArchivioConcorsi Archivio() {
    ludo::ArchivioConcorsi a;
    for (int anno : {2020, 2021}) {
        for (int n = 1; n <= 50; ++n)
            a.InserisciOrdinato(Concorso(anno, n, ludo::SerieA, {1, 2, 3, 4, 5, 6, 7, n % 24 + 9}));
    }
    return a;
}

}  // namespace

class TestTFrmStampaArchivio : public QObject {
    Q_OBJECT
  private slots:
    // A wrong range or a failed printer is said; then the 101 rows with the
    // heading: 63 on the first page, the rest on the second.
    void theRangeIsPrintedAsARuledTable() {
        const auto archivio = Archivio();
        StampaSuImmagini stampa(Dpi, QSizeF(210, 297));
        TFrmStampaArchivio f(archivio);
        f.show();
        QCOMPARE(Intervallo(f), (QList<int>{2021, 1, 2021, 50}));
        // Over two seasons a contest number is not corrected while edited.
        Casella(f, "SEAnnoDa").setValue(2021);
        Casella(f, "SEConcA").setValue(0);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList{QString::fromUtf8(ludo::MsgNumeroConcorsoNonValido)});
        QCOMPARE(stampa.superficie->Documenti(), 0);
        Casella(f, "SEConcA").setValue(50);
        stampa.superficie->guasto = true;
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList{QString::fromUtf8(ludo::MsgImpossibileStampareTabella)});
        QVERIFY(f.isVisible());
        stampa.superficie->guasto = false;
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(stampa.superficie->Documenti(), 1);
        QCOMPARE(stampa.Pagine().size(), 2u);
        for (const QImage& pagina : stampa.Pagine()) {
            // The table's left rule at 60 mm, from its top at 15 mm down.
            QVERIFY(NeroA(pagina, ludo::SinistraTabella, 30, Dpi));
            QVERIFY(!NeroA(pagina, ludo::SinistraTabella - 5, 30, Dpi));
        }
        // The title above the table, on the first page.
        QVERIFY(ScuriTra(stampa.Pagine().front(), 0, 14, Dpi) > 0);
    }

    void printingToAFileAsksForItAndSaysWhereItWent() {
        const auto archivio = Archivio();
        StampaSuPdf pdf;
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("Archivio.pdf"));
        TFrmStampaArchivio f(archivio);
        f.show();
        QCOMPARE(RichiesteDi(QString(), [&] { Clic(f, "OKBtn"); }).front().nome,
                 TFrmStampaArchivio::NomeFilePdf);
        QVERIFY(f.isVisible());
        QVERIFY(!QFile::exists(file));
        RispostaFile scelta(file);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList{QString::fromUtf8(MsgStampaSalvata) + QDir::toNativeSeparators(file)});
        QVERIFY(LeggiFile(file.toStdString()).startsWith("%PDF"));
    }

    // Within the archive as it is now.
    void aLaterOpeningTakesTheRangePrintedLast() {
        StoreDiProva store;
        auto archivio = Archivio();
        StampaSuImmagini stampa(Dpi, QSizeF(210, 297));
        {
            TFrmStampaArchivio f(archivio);
            f.show();
            Casella(f, "SEAnnoDa").setValue(2021);
            Casella(f, "SEConcDa").setValue(40);
            Casella(f, "SEConcA").setValue(45);
            Clic(f, "OKBtn");
        }
        // The season 2021/2022 is no longer in the archive.
        while (archivio[archivio.Conteggio() - 1].Anno == 2021)
            archivio.Elimina(archivio.Conteggio() - 1);
        TFrmStampaArchivio f(archivio);
        QCOMPARE(Intervallo(f), (QList<int>{2020, 40, 2020, 45}));
    }
};

QTEST_MAIN(TestTFrmStampaArchivio)
#include "TestTFrmStampaArchivio.moc"
