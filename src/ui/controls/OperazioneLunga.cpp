#include "ui/controls/OperazioneLunga.h"

#include <exception>

#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/TFrmProgresso.h"

bool EseguiInBackground(const OpzioniOperazione& opzioni, const std::function<void(ludo::Avanzamento&)>& lavoro) {
    AvanzamentoCondiviso avanzamento;
    TFrmProgresso finestra(opzioni.titolo, opzioni.testo, opzioni.conAnnulla, avanzamento, opzioni.parent);
    std::exception_ptr errore;
    LavoroInParallelo filo;
    // Finito is delivered through the event loop, so it arrives inside
    // exec() even when the operation is over before the window is shown.
    QObject::connect(&filo, &LavoroInParallelo::Finito, &finestra, &TFrmProgresso::Termina);
    filo.Avvia([&] {
        try {
            lavoro(avanzamento);
        } catch (...) {
            errore = std::current_exception();
        }
    });
    finestra.exec();
    filo.Attendi();
    if (errore) std::rethrow_exception(errore);
    return avanzamento.annullato();
}
