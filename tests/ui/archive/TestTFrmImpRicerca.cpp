#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <functional>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "ArchivioDiProva.h"
#include "core/archive/RegoleIntervallo.h"
#include "ui/archive/TFrmImpRicerca.h"

namespace {

// Seasons 2022/2023 and 2024/2025 of Serie A, 2023/2024 of Serie B, three
// contests each but the last.
ArchivioDiProva Archivio() {
    const std::initializer_list<int> otto = {1, 2, 3, 4, 5, 6, 7, 8};
    return ArchivioDiProva(
        {Concorso(2022, 1, ludo::SerieA, otto), Concorso(2022, 2, ludo::SerieA, otto),
         Concorso(2022, 3, ludo::SerieA, otto), Concorso(2023, 1, ludo::SerieB, otto),
         Concorso(2023, 2, ludo::SerieB, otto), Concorso(2023, 3, ludo::SerieB, otto),
         Concorso(2024, 1, ludo::SerieA, otto), Concorso(2024, 2, ludo::SerieA, otto)});
}

// Typed, then left with Tab, as a user enters a value.
void Scrivi(const QWidget& f, const char* nome, const QString& testo) {
    Digita(&Casella(f, nome), testo);
    QTest::keyClick(&Casella(f, nome), Qt::Key_Tab);
}

}  // namespace

class TestTFrmImpRicerca : public QObject {
    Q_OBJECT
  private slots:
    void theWindowShowsTheSettings() {
        auto p = Archivio();
        auto& r = p.d().Config.Ricerca;
        r.Intervallo = {ludo::SerieB | ludo::Altri, 2022, 2023, 2, 3};
        r.PrimaSecondaCategoria = true;
        r.IgnoraRipetizioni = false;
        TFrmImpRicerca f(p.d().Config, p.d().Archivio, p.Cartella());
        f.show();
        QCOMPARE(Intervallo(f), (QList<int>{2022, 2, 2023, 3}));
        QCOMPARE(TestoDi(f, "LabelPrimoAnnoDa"), QStringLiteral("2022"));
        QVERIFY(!C<QCheckBox>(f, "CBSerieA")->isChecked() &&
                C<QCheckBox>(f, "CBSerieB")->isChecked());
        QVERIFY(!C<QCheckBox>(f, "CBSerieC")->isChecked() &&
                C<QCheckBox>(f, "CBAltri")->isChecked());
        QVERIFY(C<QRadioButton>(f, "RBSeconda")->isChecked());
        QVERIFY(!C<QCheckBox>(f, "CBRipetizioni")->isChecked() &&
                C<QCheckBox>(f, "CBValori")->isChecked());
    }

    void eachInconsistentIntervalIsRefusedWithItsMessage() {
        struct Caso {
            const char* messaggio;
            std::function<void(TFrmImpRicerca&)> modifica;
        };
        const Caso casi[] = {
            {ludo::MsgNessunTipoDiConcorso,
             [](TFrmImpRicerca& f) {
                 for (const char* tipo : {"CBSerieA", "CBSerieB", "CBSerieC", "CBAltri"})
                     Clic(f, tipo);
             }},
            {ludo::MsgNumeroConcorsoNonValido,
             [](TFrmImpRicerca& f) { Scrivi(f, "SEConcA", QStringLiteral("150")); }},
        };
        for (const Caso& caso : casi) {
            auto p = Archivio();
            const ludo::ImpostazioniRicerca prima = p.d().Config.Ricerca;
            TFrmImpRicerca f(p.d().Config, p.d().Archivio, p.Cartella());
            f.show();
            QVERIFY(QTest::qWaitForWindowActive(&f));
            caso.modifica(f);
            QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                     QStringList{QString::fromUtf8(caso.messaggio)});
            QVERIFY(f.isVisible());
            QVERIFY(p.d().Config.Ricerca == prima);
            QVERIFY(!std::filesystem::exists(p.Cartella() / "Ludomatic.cfg"));
        }
    }

    // Seasons stay within the archive and in order; on equal seasons the
    // contest numbers are put in order by moving the box not changed.
    void theBoxesKeepTheRangeInLineWhileEdited() {
        auto p = Archivio();
        TFrmImpRicerca f(p.d().Config, p.d().Archivio, p.Cartella());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(Intervallo(f), (QList<int>{2022, 1, 2024, 2}));
        Scrivi(f, "SEAnnoA", QStringLiteral("2024"));
        Scrivi(f, "SEAnnoDa", QStringLiteral("2025"));
        QCOMPARE(Intervallo(f), (QList<int>{2023, 1, 2023, 2}));
        QCOMPARE(TestoDi(f, "LabelPrimoAnnoDa"), QStringLiteral("2023"));
        Scrivi(f, "SEConcDa", QStringLiteral("3"));
        QCOMPARE(Intervallo(f), (QList<int>{2023, 2, 2023, 2}));
        Scrivi(f, "SEAnnoA", QStringLiteral("2099"));
        QCOMPARE(Intervallo(f), (QList<int>{2023, 2, 2024, 2}));
        Casella(f, "SEAnnoA").stepUp();
        // The arrows keep within the archive.
        QCOMPARE(Intervallo(f), (QList<int>{2023, 2, 2024, 2}));
    }

    void aConsistentIntervalIsStoredAndCountedByTheCli() {
        auto p = Archivio();
        const auto sistema = p.Cartella() / "SISTEMI" / "Prova.LDS";
        p.sistema->Salva(sistema);
        TFrmImpRicerca f(p.d().Config, p.d().Archivio, p.Cartella());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        Clic(f, "CBSerieB");
        Scrivi(f, "SEConcDa", QStringLiteral("2"));
        Scrivi(f, "SEAnnoA", QStringLiteral("2024"));
        Clic(f, "RBSeconda");
        Clic(f, "CBValori");
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        const ludo::ImpostazioniRicerca& r = p.d().Config.Ricerca;
        QCOMPARE(r.Intervallo, (ludo::IntervalloRicerca{ludo::SerieA | ludo::SerieC | ludo::Altri,
                                                        2022, 2023, 2, 2}));
        QVERIFY(!r.PrimaCategoria && r.PrimaSecondaCategoria);
        QVERIFY(r.IgnoraColonneFiltro && r.IgnoraRipetizioni && !r.IgnoraValori);
        // Contests 2 and 3 of 2022/2023: those of 2023/2024 are of Serie B.
        const std::string statistica = p.Cli({"statistica", sistema.string()});
        QVERIFY2(statistica.find("\"esaminati\":2,\"concorsi\":8") != std::string::npos,
                 statistica.c_str());
    }
};

QTEST_MAIN(TestTFrmImpRicerca)
#include "TestTFrmImpRicerca.moc"
