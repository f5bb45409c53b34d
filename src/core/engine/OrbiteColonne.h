#pragma once
// The columns of a complete development grouped into orbits: moving each of
// the first `giro` free numbers to the next one (the last of them to the
// first) maps the development onto itself, and an orbit is a column with all
// its turns. A cover made of whole orbits is a small problem (one orbit
// stands for up to giro columns) whose best covers are often much smaller
// than a greedy cover of the columns.

#include <cstdint>
#include <vector>

#include "core/engine/VicinatoColonne.h"

namespace ludo {

class OrbiteColonne {
  public:
    // Empty (N() == 0) when v is not complete or its orbits would not fit
    // the memory bound. giro 0 turns every free number.
    explicit OrbiteColonne(const VicinatoColonne& v, int giro = 0);

    [[nodiscard]] std::size_t N() const { return dimensioni_.size(); }
    // How many free numbers turn: an orbit has at most so many columns.
    [[nodiscard]] int Giro() const { return giro_; }
    // The orbit of column i of v.
    [[nodiscard]] std::size_t Orbita(std::size_t colonna) const {
        return static_cast<std::size_t>(orbita_[colonna]);
    }
    // The columns of v in orbit o.
    [[nodiscard]] std::vector<std::size_t> Colonne(std::size_t o) const;

    // What the search asks of its graph (see VicinatoColonne): orbit a covers
    // orbit b when some column of a covers some column of b, and then the
    // turns of a cover every column of b.
    using Chiave = std::size_t;
    [[nodiscard]] static Chiave ChiaveDi(std::size_t o) { return o; }
    [[nodiscard]] static bool ForseInsieme(Chiave, Chiave) { return true; }
    [[nodiscard]] bool Copre(Chiave a, Chiave b) const {
        return ((Riga(a)[b / 64] >> (b % 64)) & 1U) != 0;
    }
    // The orbits orbit a covers as Parole() words of bits, bit b of word
    // b / 64 for orbit b. Covering is mutual: a covers b when b covers a.
    [[nodiscard]] const std::uint64_t* Riga(std::size_t a) const {
        return adiacenza_.data() + a * Parole();
    }
    [[nodiscard]] std::size_t Parole() const { return (N() + 63) / 64; }
    [[nodiscard]] std::size_t Dimensione(std::size_t o) const { return dimensioni_[o]; }

    template <typename F>
    void PerOgniVicina(std::size_t o, F&& f) const {
        for (std::size_t j = inizio_[o]; j < inizio_[o + 1]; ++j)
            f(static_cast<std::size_t>(vicine_[j]));
    }

  private:
    void Raggruppa(const VicinatoColonne& v, int giro);
    bool Collega(const VicinatoColonne& v);

    int giro_ = 0;
    std::vector<std::int32_t> orbita_;     // per column of v
    std::vector<std::size_t> dimensioni_;  // per orbit
    std::vector<std::size_t> rappresentante_;
    std::vector<std::int32_t> vicine_;  // the orbits each orbit covers, in a row
    std::vector<std::size_t> inizio_;
    std::vector<std::uint64_t> adiacenza_;  // N() rows of Parole() words
};

}  // namespace ludo
