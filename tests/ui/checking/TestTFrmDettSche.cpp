// The dictation window driven as a user drives it: play, pause and stop,
// the slip range, the pause between numbers and after each slip, the
// recording that cannot be loaded, and the two entries of the main menu.
// The timer's ticks are fired by the test instead of waited for.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "../system/PrincipaleDiProva.h"
#include "core/columns/FileColonne.h"
#include "ui/checking/LettoreVoce.h"
#include "ui/checking/TFrmDettSche.h"
#include "ui/controls/TGVisColonne.h"

namespace {

// Columns of 8 numbers, column i starting at number i + 1.
ludo::ListaColonne Colonne(int quante) {
    ludo::ListaColonne lista;
    for (int i = 0; i < quante; ++i) lista.Aggiungi(0xFFu << (i % 24));
    return lista;
}

struct Finestra {
    explicit Finestra(int colonne, const std::filesystem::path& voce = LUDO_FILE_VOCALE)
        : f(Colonne(colonne), voce) {
        f.show();
    }
    void Tick(int volte = 1) {
        for (int i = 0; i < volte; ++i) {
            QVERIFY(f.TimerAttivo());
            QMetaObject::invokeMethod(f.findChild<QTimer*>(), "timeout");
        }
    }
    [[nodiscard]] TGVisColonne& Vista() const { return *C<TGVisColonne>(f, "VisSchedina"); }
    [[nodiscard]] QSpinBox& Spin(const char* nome) const { return *C<QSpinBox>(f, nome); }
    TFrmDettSche f;
};

}  // namespace

class TestTFrmDettSche : public QObject {
    Q_OBJECT
  private slots:
    // Opened on the first slip with the whole range; the pause between
    // numbers changes the running timer.
    void readsSevenColumnsAndStopsAfterTheSecondSlip() {
        Finestra w(7);
        QCOMPARE(w.Spin("SpinMin").value(), 1);
        QCOMPARE(w.Spin("SpinMax").value(), 2);
        QCOMPARE(w.Spin("SpinMax").maximum(), 2);
        QCOMPARE(w.Vista().Numero(), 1);
        QCOMPARE(w.Vista().Colonne().size(), 6);
        QVERIFY(!w.f.TimerAttivo());
        QVERIFY(w.f.Lettore().Aperto());
        Clic(w.f, "CheckPausaSchedina");
        Clic(w.f, "PlayBtn");
        QCOMPARE(w.f.Intervallo(), 1500);
        QSpinBox& pausa = w.Spin("SpinPausa");
        pausa.setFocus();
        QTest::keyClick(&pausa, Qt::Key_Up);
        QCOMPARE(w.f.Intervallo(), 1600);  // the ticks below see the timer still running
        w.Tick(11);
        QCOMPARE(w.f.Lettore().UltimoNumero(), 4);
        QCOMPARE(w.Vista().CellaEvidenziata(), QPoint(2, 3));
        w.Tick(48 - 11);
        QCOMPARE(w.Vista().Numero(), 2);
        QCOMPARE(w.Vista().Colonne(), QList<ludo::Colonna>{0xFFu << 6});
        QCOMPARE(w.Vista().CellaEvidenziata(), QPoint(0, 0));
        w.Tick(8);
        QCOMPARE(w.f.Lettore().UltimoNumero(), 14);
        QVERIFY(!w.f.TimerAttivo());
    }

    void waitsAfterEachSlipUntilPlayAndTheStopButtonEndsTheReading() {
        Finestra w(13);
        Clic(w.f, "PlayBtn");
        w.Tick(48);
        QVERIFY(!w.f.TimerAttivo());
        QVERIFY(C<QPushButton>(w.f, "PausaBtn")->isChecked());
        QCOMPARE(w.Vista().Numero(), 2);
        Clic(w.f, "PlayBtn");
        QVERIFY(!C<QPushButton>(w.f, "PausaBtn")->isChecked());
        w.Tick();
        QCOMPARE(w.Vista().CellaEvidenziata(), QPoint(1, 1));
        QCOMPARE(w.f.Lettore().UltimoNumero(), 7);
        Clic(w.f, "StopBtn");
        QVERIFY(!w.f.TimerAttivo());
        Clic(w.f, "PlayBtn");
        QCOMPARE(w.Vista().Numero(), 1);
        w.Tick();
        QCOMPARE(w.f.Lettore().UltimoNumero(), 1);
    }

    void theRangeKeepsItsFirstSlipNotAboveItsLast() {
        Finestra w(30);
        QSpinBox& min = w.Spin("SpinMin");
        QSpinBox& max = w.Spin("SpinMax");
        max.setValue(3);
        min.setValue(4);
        QCOMPARE(min.value(), 3);
        QCOMPARE(w.Vista().Numero(), 3);
        max.setValue(2);
        QCOMPARE(max.value(), 3);
    }

    void aMissingRecordingIsSaidAndTheSlipsAreStillShown() {
        QTemporaryDir cartella;
        RispostaMessaggio risposta;
        Finestra w(7, ludo::PercorsoFileVocale(cartella.path().toStdString()));
        QTRY_COMPARE(risposta.testi, QStringList{"Impossibile Caricare il File Vocale"});
        QVERIFY(w.f.isVisible());
        Clic(w.f, "PlayBtn");
        w.Tick();
        QCOMPARE(w.Vista().CellaEvidenziata(), QPoint(1, 1));
        Clic(w.f, "OkBtn");
        QVERIFY(!w.f.isVisible());
        QVERIFY(!w.f.TimerAttivo());
    }

    void theMainMenuReadsTheSystemOrAColumnFile() {
        SistemaDiProva prova;
        const auto principale = FinestraPrincipale(*prova.sistema);
        QAction* memoria = principale->Comando(QStringLiteral("DettaturaMemoria"));
        principale->AggiornaAbilitazioni();
        QVERIFY(!memoria->isEnabled());
        prova.d().Colonne = Colonne(7);
        principale->AggiornaAbilitazioni();
        QVERIFY(memoria->isEnabled());

        const auto file = prova.Cartella() / "COLONNE" / "dettatura.Col";
        QVERIFY(ludo::ScriviFile(Colonne(13), file));
        for (QAction* comando : {memoria, principale->Comando(QStringLiteral("DettaturaFile"))}) {
            RispostaFile scelta(QString::fromStdString(file.string()));
            RispostaMessaggio senzaVoce;
            int schedine = 0;
            // Closed once the missing recording has been said.
            QuandoSiApre<TFrmDettSche>([&](TFrmDettSche& f) {
                schedine = f.Dettatura().NumeroSchedine();
                QTRY_VERIFY(!senzaVoce.testi.isEmpty());
                f.accept();
            });
            comando->trigger();
            QCOMPARE(schedine, comando == memoria ? 2 : 3);
            QCOMPARE(senzaVoce.testi, QStringList{"Impossibile Caricare il File Vocale"});
        }
        prova.sistema->Modificato = false;
    }
};

QTEST_MAIN(TestTFrmDettSche)
#include "TestTFrmDettSche.moc"
