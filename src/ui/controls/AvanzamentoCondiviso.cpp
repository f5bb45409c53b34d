#include "ui/controls/AvanzamentoCondiviso.h"

#include <algorithm>

void AvanzamentoCondiviso::Progresso(std::int64_t fatto, std::int64_t totale) {
    totale_.store(totale, std::memory_order_relaxed);
    fatto_.store(fatto, std::memory_order_relaxed);
}

void AvanzamentoCondiviso::Fase(std::string_view testo) {
    const std::lock_guard blocco(mutex_);
    fase_.assign(testo);
    versioneFase_.fetch_add(1, std::memory_order_release);
}

int AvanzamentoCondiviso::Percentuale() const {
    const std::int64_t totale = totale_.load(std::memory_order_relaxed);
    const std::int64_t fatto = fatto_.load(std::memory_order_relaxed);
    if (totale <= 0) return fatto > 0 ? -1 : 0;
    return static_cast<int>(std::clamp(static_cast<double>(fatto) * 100.0 / static_cast<double>(totale), 0.0, 100.0));
}

std::string AvanzamentoCondiviso::TestoFase(unsigned& versione) const {
    const std::lock_guard blocco(mutex_);
    versione = versioneFase_.load(std::memory_order_relaxed);
    return fase_;
}
