#include <QtTest>
#include <QtWidgets>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/io/Errore.h"
#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/TFrmProgresso.h"

namespace {

using namespace std::chrono_literals;

// Waits on the worker thread until cond holds, for at most ten seconds so
// that a broken runner fails the test instead of hanging it.
template <class Cond>
bool Aspetta(Cond cond) {
    const auto limite = std::chrono::steady_clock::now() + 10s;
    while (!cond()) {
        if (std::chrono::steady_clock::now() > limite) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// Runs azione on the progress window each time the event loop turns.
class Osservatore : public QObject {
public:
    explicit Osservatore(std::function<void(TFrmProgresso&)> azione) : azione_(std::move(azione)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* finestra = qobject_cast<TFrmProgresso*>(QApplication::activeModalWidget())) azione_(*finestra);
        });
        timer_.start(5);
    }

private:
    std::function<void(TFrmProgresso&)> azione_;
    QTimer timer_;
};

}  // namespace

class TestOperazioneLunga : public QObject {
    Q_OBJECT
private slots:
    // The work runs on a worker thread (on this one the window could never
    // show the progress) and its result comes back here.
    void progressReachesTheWindowWhileTheWorkGoesOn() {
        std::atomic<bool> visto{false};
        QString titolo;
        QString testo;
        Osservatore osservatore([&](TFrmProgresso& finestra) {
            titolo = finestra.windowTitle();
            testo = finestra.findChild<QLabel*>(QStringLiteral("Testo"))->text();
            const bool gauge = finestra.findChild<QProgressBar*>(QStringLiteral("Gauge"))->value() == 75;
            const bool fase = finestra.findChild<QLabel*>(QStringLiteral("Fase"))->text() == QStringLiteral("Passo 3 di 4");
            if (gauge && fase) visto = true;
        });
        const bool finito = EseguiOperazioneLunga(
            {QStringLiteral("Aggiornamento DataBase"), QStringLiteral("Analisi Dell'Archivio in Corso..")},
            [&](ludo::Avanzamento& avanzamento) {
                avanzamento.Fase("Passo 3 di 4");
                avanzamento.Progresso(3, 4);
                return Aspetta([&] { return visto.load(); });
            });
        QVERIFY(finito);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(titolo, QStringLiteral("Aggiornamento DataBase"));
        QCOMPARE(testo, QStringLiteral("Analisi Dell'Archivio in Corso.."));
    }

    void annullaStopsTheOperation() {
        Osservatore osservatore([](TFrmProgresso& finestra) {
            auto* annulla = finestra.findChild<QPushButton*>(QStringLiteral("Annulla"));
            if (annulla->isEnabled()) QTest::mouseClick(annulla, Qt::LeftButton);
        });
        bool interrotta = false;
        const bool annullata = EseguiInBackground(
            {QStringLiteral("Analisi Colonnare in corso..."), QString()},
            [&](ludo::Avanzamento& avanzamento) { interrotta = Aspetta([&] { return avanzamento.annullato(); }); });
        QVERIFY(interrotta);
        QVERIFY(annullata);
    }

    void withoutAnnullaTheUserCannotStopIt() {
        std::atomic<int> giri{0};
        Osservatore osservatore([&](TFrmProgresso& finestra) {
            QVERIFY(finestra.findChild<QPushButton*>(QStringLiteral("Annulla"))->isHidden());
            QTest::keyClick(&finestra, Qt::Key_Escape);
            finestra.close();
            ++giri;
        });
        bool annullata = true;
        const bool esito = EseguiInBackground({QStringLiteral("Accorpamento In Corso.."), QString(), false},
                                              [&](ludo::Avanzamento& avanzamento) {
                                                  Aspetta([&] { return giri.load() >= 3; });
                                                  annullata = avanzamento.annullato();
                                              });
        QVERIFY(giri.load() >= 3);
        QVERIFY(!annullata);
        QVERIFY(!esito);
    }

    void anErrorOfTheOperationIsThrownOnTheInterfaceThread() {
        try {
            EseguiOperazioneLunga({QStringLiteral("Sviluppo"), QString()}, [](ludo::Avanzamento&) -> int {
                throw ludo::Errore("Impossibile Completare lo Sviluppo.");
            });
            QFAIL("no error");
        } catch (const ludo::Errore& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Impossibile Completare lo Sviluppo."));
        }
    }
};

QTEST_MAIN(TestOperazioneLunga)
#include "TestOperazioneLunga.moc"
