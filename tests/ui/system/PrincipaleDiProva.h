#pragma once
// The main window of the program, shown, over a system of a test.

#include <memory>

#include "../controls/RispostaMessaggio.h"
#include "ui/system/TFormPrincipa.h"

// The main window over sistema, shown; the messages it gives while it opens
// (a scratch program folder has no archive yet) are answered, and kept in
// messaggi when asked for.
inline std::unique_ptr<TFormPrincipa> FinestraPrincipale(ludo::T_Sistema& sistema,
                                                         QStringList* messaggi = nullptr) {
    std::unique_ptr<TFormPrincipa> finestra;
    const QStringList testi =
        MessaggiDi([&] { finestra = std::make_unique<TFormPrincipa>(sistema); });
    if (messaggi != nullptr) *messaggi = testi;
    finestra->show();
    return finestra;
}
