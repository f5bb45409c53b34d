#include "ui/controls/OperazioneLunga.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/TFrmProgresso.h"

bool EseguiInBackground(const OpzioniOperazione& opzioni, const std::function<void(ludo::Avanzamento&)>& lavoro) {
    AvanzamentoCondiviso avanzamento;
    TFrmProgresso finestra(opzioni.titolo, opzioni.testo, opzioni.conAnnulla, avanzamento, opzioni.parent);
    std::exception_ptr errore;
    QFutureWatcher<void> osservatore;
    // finished is delivered through the event loop, so it arrives inside
    // exec() even when the operation is over before the window is shown.
    QObject::connect(&osservatore, &QFutureWatcher<void>::finished, &finestra, &TFrmProgresso::Termina);
    osservatore.setFuture(QtConcurrent::run([&] {
        try {
            lavoro(avanzamento);
        } catch (...) {
            errore = std::current_exception();
        }
    }));
    finestra.exec();
    osservatore.waitForFinished();
    if (errore) std::rethrow_exception(errore);
    return avanzamento.annullato();
}
