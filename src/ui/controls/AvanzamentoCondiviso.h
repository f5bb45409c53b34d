#pragma once
// The progress sink a worker thread writes and the user-interface thread
// reads: counters and the cancel flag are atomics, the phase text is
// guarded by a mutex and numbered so that the reader sees when it changed.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/io/Avanzamento.h"

class AvanzamentoCondiviso final : public ludo::Avanzamento {
public:
    void Progresso(std::int64_t fatto, std::int64_t totale) override;
    void Fase(std::string_view testo) override;
    [[nodiscard]] bool annullato() const override { return annullato_.load(std::memory_order_relaxed); }

    void Annulla() { annullato_.store(true, std::memory_order_relaxed); }

    // Percentage done 0..100, or -1 while the total is unknown.
    [[nodiscard]] int Percentuale() const;
    // The phase text; versione is bumped at every change.
    [[nodiscard]] std::string TestoFase(unsigned& versione) const;
    [[nodiscard]] unsigned VersioneFase() const { return versioneFase_.load(std::memory_order_acquire); }

private:
    std::atomic<std::int64_t> fatto_{0};
    std::atomic<std::int64_t> totale_{0};
    std::atomic<bool> annullato_{false};
    mutable std::mutex mutex_;
    std::string fase_;
    std::atomic<unsigned> versioneFase_{0};
};
