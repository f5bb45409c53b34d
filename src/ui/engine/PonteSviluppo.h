#pragma once
// The development reports to its window from a worker thread: this bridge
// turns every engine call into a signal delivered on the user-interface
// thread, in order. Progress that is not final is passed on at most every
// IntervalloMs, so a run of millions of columns does not flood the event
// queue; final figures, states, errors and questions always go through.
// A question (and an error, which the user must read before the run goes
// on) waits for the user-interface thread to answer.

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>

#include "core/engine/Sviluppo.h"

class PonteSviluppo : public QObject, public ludo::InterfacciaSviluppo {
    Q_OBJECT
public:
    static constexpr int IntervalloMs = 40;

    explicit PonteSviluppo(QObject* parent = nullptr);

    // Who answers the questions and shows the errors (on the user-interface
    // thread); by default the program's message box.
    std::function<bool(const QString&)> ChiediConferma;
    std::function<void(const QString&)> AvvisaErrore;

    // Asks the run to stop, as its cancel button does.
    void Annulla() { annullato_.store(true); }
    // Before a new run.
    void Riarma();
    [[nodiscard]] bool annullato() const override { return annullato_.load(); }

    void Stato(std::string_view testo) override;
    void AggiornaCond(std::int64_t totale, std::int64_t finali, bool finale, std::int64_t esaminate) override;
    void AggiornaCondRid(std::int64_t totale, std::int64_t accettate, bool finale, std::int64_t ridotte,
                         std::int64_t esaminate) override;
    void AggiornaRidOtt(std::int64_t totale, std::int64_t corrente, bool finale, std::int64_t esaminate) override;
    void Inizializza() override;
    void CalcoloTerminato(std::int64_t colonne) override;
    bool Conferma(std::string_view domanda) override;
    void Errore(std::string_view messaggio) override;

signals:
    void StatoCambiato(const QString& testo);
    void Cond(qint64 totale, qint64 finali, bool finale, qint64 esaminate);
    void CondRid(qint64 totale, qint64 accettate, bool finale, qint64 ridotte, qint64 esaminate);
    void RidOtt(qint64 totale, qint64 corrente, bool finale, qint64 esaminate);
    void Iniziato();
    void Terminato(qint64 colonne);

private:
    // True when a progress call that is not final may go through now.
    bool TempoDiAggiornare(bool finale);
    // Runs f on the user-interface thread and waits for it.
    void SulThreadDellaFinestra(const std::function<void()>& f);

    std::atomic<bool> annullato_{false};
    std::chrono::steady_clock::time_point ultimo_{};
};
