#pragma once
// The columns of a complete development grouped into orbits: moving every
// free number to the next one (the last to the first) maps the development
// onto itself, and an orbit is a column with all its turns. A cover made of
// whole orbits is a small problem (one orbit stands for up to as many
// columns as there are free numbers) whose best covers are often much
// smaller than a greedy cover of the columns.

#include <cstdint>
#include <vector>

#include "core/engine/VicinatoColonne.h"

namespace ludo {

class OrbiteColonne {
public:
    // Empty (N() == 0) when v is not complete or its orbits would not fit
    // the memory bound.
    explicit OrbiteColonne(const VicinatoColonne& v);

    [[nodiscard]] std::size_t N() const { return dimensioni_.size(); }
    // The orbit of column i of v.
    [[nodiscard]] std::size_t Orbita(std::size_t colonna) const { return static_cast<std::size_t>(orbita_[colonna]); }
    // The columns of v in orbit o.
    [[nodiscard]] std::vector<std::size_t> Colonne(std::size_t o) const;

    // What the search asks of its graph (see VicinatoColonne): orbit a covers
    // orbit b when some column of a covers some column of b, and then the
    // turns of a cover every column of b.
    using Chiave = std::size_t;
    [[nodiscard]] static Chiave ChiaveDi(std::size_t o) { return o; }
    [[nodiscard]] bool Copre(Chiave a, Chiave b) const {
        const std::size_t bit = a * N() + b;
        return ((adiacenza_[bit / 64] >> (bit % 64)) & 1U) != 0;
    }
    [[nodiscard]] static bool ForseInsieme(Chiave, Chiave) { return true; }
    [[nodiscard]] std::size_t Dimensione(std::size_t o) const { return dimensioni_[o]; }

    template <typename F>
    void PerOgniVicina(std::size_t o, F&& f) const {
        for (std::size_t j = inizio_[o]; j < inizio_[o + 1]; ++j) f(static_cast<std::size_t>(vicine_[j]));
    }

private:
    void Raggruppa(const VicinatoColonne& v);
    bool Collega(const VicinatoColonne& v);

    std::vector<std::int32_t> orbita_;     // per column of v
    std::vector<std::size_t> dimensioni_;  // per orbit
    std::vector<std::size_t> rappresentante_;
    std::vector<std::int32_t> vicine_;  // the orbits each orbit covers, in a row
    std::vector<std::size_t> inizio_;
    std::vector<std::uint64_t> adiacenza_;  // N() x N() bits
};

}  // namespace ludo
