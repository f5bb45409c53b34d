#pragma once
// A search for a cover made of a given number of orbits: it starts from
// orbits taken at random and, at every step, takes an orbit covering a
// random uncovered one in place of the kept orbit whose swap leaves the
// fewest orbits uncovered. An orbit just dropped may not come back for a
// few steps (unless it would leave fewer uncovered than ever), which keeps
// the search from going round in circles. The covers counted on whole rows
// of bits make one step cost a few thousand word operations.

#include <cstdint>
#include <vector>

#include "core/engine/OrbiteColonne.h"
#include "core/engine/RicercaCopertura.h"

namespace ludo {

class RicercaTabuOrbite {
  public:
    // How many orbits two rows of bits have in common.
    using Conteggio = std::size_t (*)(const std::uint64_t*, const std::uint64_t*, std::size_t);

    // quante orbits of o, 1 <= quante < o.N().
    RicercaTabuOrbite(const OrbiteColonne& o, std::size_t quante, std::uint64_t seme);

    // One swap; nothing when every orbit is covered.
    void Passo();
    // Starts again from as many other orbits taken at random, keeping the
    // best orbits found so far.
    void Riparti(std::uint64_t seme);
    [[nodiscard]] bool Coperta() const { return scoperte_.empty(); }
    // The kept orbits that left the fewest uncovered so far, and how many.
    [[nodiscard]] const std::vector<std::size_t>& Migliori() const { return migliori_; }
    [[nodiscard]] std::size_t MinimoScoperte() const { return minimoScoperte_; }

  private:
    struct Scambio {
        std::size_t togli;  // place in tenute_
        std::size_t prendi;
    };
    [[nodiscard]] Scambio MigliorScambio();
    void Togli(std::size_t orbita);
    void Prendi(std::size_t orbita);
    void Ricorda();
    void Scegli(std::size_t quante);

    const OrbiteColonne& o_;
    Generatore caso_;
    Conteggio comuni_;
    std::vector<std::size_t> tenute_;
    std::vector<std::uint8_t> dentro_;
    std::vector<std::uint16_t> coperture_;
    std::vector<std::size_t> scoperte_;
    std::vector<std::int32_t> posScoperta_;
    std::vector<std::uint64_t> vietataFino_;  // the step until which it may not come back
    std::vector<std::uint64_t> bersagli_;     // tenute_.size() rows of o.Parole() words
    std::vector<std::size_t> migliori_;
    std::size_t minimoScoperte_;
    std::uint64_t passo_ = 0;
};

}  // namespace ludo
