#pragma once
// Runs a long core operation (one that takes an Avanzamento&) on a worker
// thread behind a modal progress window. The event loop keeps running
// while it works, so the window is repainted and "Annulla" sets the cancel
// flag the operation polls. The call returns on the user-interface thread
// when the operation has ended, with its result; an exception thrown by
// the operation is thrown again here.

#include <QString>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

#include "core/io/Avanzamento.h"

class QWidget;

struct OpzioniOperazione {
    QString titolo;          // the window's caption
    QString testo;           // the line above the phase and the gauge
    bool conAnnulla = true;  // whether the user may stop the operation
    QWidget* parent = nullptr;
};

// The worker-thread run behind the window; true when "Annulla" was pressed.
bool EseguiInBackground(const OpzioniOperazione& opzioni, const std::function<void(ludo::Avanzamento&)>& lavoro);

template <class F>
auto EseguiOperazioneLunga(const OpzioniOperazione& opzioni, F&& operazione) {
    using Risultato = std::invoke_result_t<F&, ludo::Avanzamento&>;
    if constexpr (std::is_void_v<Risultato>) {
        EseguiInBackground(opzioni, [&](ludo::Avanzamento& avanzamento) { operazione(avanzamento); });
    } else {
        std::optional<Risultato> risultato;
        EseguiInBackground(opzioni, [&](ludo::Avanzamento& avanzamento) { risultato.emplace(operazione(avanzamento)); });
        return std::move(*risultato);
    }
}
