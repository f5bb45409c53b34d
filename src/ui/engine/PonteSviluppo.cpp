#include "ui/engine/PonteSviluppo.h"

#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <mutex>

#include "ui/controls/TFrmMessage.h"

PonteSviluppo::PonteSviluppo(QObject* parent) : QObject(parent) {
    ChiediConferma = [](const QString& testo) {
        return TFrmMessage::Mostra(QStringLiteral("Informazione"), testo, TFrmMessage::Si | TFrmMessage::No) ==
               TFrmMessage::Si;
    };
    AvvisaErrore = [](const QString& testo) {
        TFrmMessage::Mostra(QStringLiteral("Informazione"), testo, TFrmMessage::OK);
    };
}

void PonteSviluppo::Riarma() {
    annullato_.store(false);
    ultimo_ = {};
}

bool PonteSviluppo::TempoDiAggiornare(bool finale) {
    const auto adesso = std::chrono::steady_clock::now();
    if (!finale && adesso - ultimo_ < std::chrono::milliseconds(IntervalloMs)) return false;
    ultimo_ = adesso;
    return true;
}

void PonteSviluppo::SulThreadDellaFinestra(const std::function<void()>& f) {
    if (QThread::currentThread() == thread()) {
        f();
        return;
    }
    // Waited for with the standard library rather than a blocking Qt
    // connection, so that what f wrote is seen here by every tool too.
    std::mutex m;
    std::condition_variable fatto;
    bool finito = false;
    QMetaObject::invokeMethod(
        this,
        [&] {
            f();
            const std::lock_guard<std::mutex> chiuso(m);
            finito = true;
            fatto.notify_one();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> attesa(m);
    fatto.wait(attesa, [&] { return finito; });
}

void PonteSviluppo::Stato(std::string_view testo) { emit StatoCambiato(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()))); }

void PonteSviluppo::AggiornaCond(std::int64_t totale, std::int64_t finali, bool finale, std::int64_t esaminate) {
    if (TempoDiAggiornare(finale)) emit Cond(totale, finali, finale, esaminate);
}

void PonteSviluppo::AggiornaCondRid(std::int64_t totale, std::int64_t accettate, bool finale, std::int64_t ridotte,
                                    std::int64_t esaminate) {
    if (TempoDiAggiornare(finale)) emit CondRid(totale, accettate, finale, ridotte, esaminate);
}

void PonteSviluppo::AggiornaRidOtt(std::int64_t totale, std::int64_t corrente, bool finale, std::int64_t esaminate) {
    if (TempoDiAggiornare(finale)) emit RidOtt(totale, corrente, finale, esaminate);
}

void PonteSviluppo::Inizializza() { emit Iniziato(); }

void PonteSviluppo::CalcoloTerminato(std::int64_t colonne) { emit Terminato(colonne); }

bool PonteSviluppo::Conferma(std::string_view domanda) {
    const QString testo = QString::fromUtf8(domanda.data(), static_cast<qsizetype>(domanda.size()));
    bool risposta = false;
    SulThreadDellaFinestra([&] { risposta = ChiediConferma(testo); });
    return risposta;
}

void PonteSviluppo::Errore(std::string_view messaggio) {
    const QString testo = QString::fromUtf8(messaggio.data(), static_cast<qsizetype>(messaggio.size()));
    SulThreadDellaFinestra([&] { AvvisaErrore(testo); });
}
