#include "core/engine/OrbiteColonne.h"

#include <algorithm>

namespace ludo {
namespace {

// Above these the orbits are not worth their memory: a development of
// more than about 20 free numbers.
constexpr std::size_t kMassimoOrbite = 16384;
constexpr std::size_t kMassimoVicine = std::size_t{32} << 20;

}  // namespace

OrbiteColonne::OrbiteColonne(const VicinatoColonne& v, int giro)
    : giro_(giro <= 0 || giro > v.Liberi() ? v.Liberi() : giro) {
    // An orbit has at most as many columns as there are free numbers.
    if (!v.Completo() || v.N() > kMassimoOrbite * static_cast<std::size_t>(v.Liberi())) return;
    Raggruppa(v, giro_);
    if (Collega(v)) return;
    orbita_.clear();
    dimensioni_.clear();
    rappresentante_.clear();
}

void OrbiteColonne::Raggruppa(const VicinatoColonne& v, int giro) {
    orbita_.assign(v.N(), -1);
    for (std::size_t i = 0; i < v.N(); ++i) {
        if (orbita_[i] >= 0) continue;
        const auto o = static_cast<std::int32_t>(dimensioni_.size());
        std::size_t quante = 0;
        for (auto j = static_cast<std::int32_t>(i);
             j >= 0 && orbita_[static_cast<std::size_t>(j)] < 0;
             j = v.Ruotata(static_cast<std::size_t>(j), giro)) {
            orbita_[static_cast<std::size_t>(j)] = o;
            ++quante;
        }
        dimensioni_.push_back(quante);
        rappresentante_.push_back(i);
    }
}

bool OrbiteColonne::Collega(const VicinatoColonne& v) {
    const std::size_t n = N();
    if (n > kMassimoOrbite || n * v.MassimoVicini() > kMassimoVicine) return false;
    adiacenza_.assign(n * Parole(), 0);
    inizio_.reserve(n + 1);
    std::vector<std::int32_t> coperte;
    for (std::size_t o = 0; o < n; ++o) {
        inizio_.push_back(vicine_.size());
        coperte.clear();
        v.PerOgniVicina(rappresentante_[o], [&](std::size_t f) { coperte.push_back(orbita_[f]); });
        std::sort(coperte.begin(), coperte.end());
        coperte.erase(std::unique(coperte.begin(), coperte.end()), coperte.end());
        for (std::int32_t b : coperte) {
            const auto ob = static_cast<std::size_t>(b);
            adiacenza_[o * Parole() + ob / 64] |= std::uint64_t{1} << (ob % 64);
        }
        vicine_.insert(vicine_.end(), coperte.begin(), coperte.end());
    }
    inizio_.push_back(vicine_.size());
    return true;
}

std::vector<std::size_t> OrbiteColonne::Colonne(std::size_t o) const {
    std::vector<std::size_t> colonne;
    for (std::size_t i = 0; i < orbita_.size(); ++i) {
        if (orbita_[i] == static_cast<std::int32_t>(o)) colonne.push_back(i);
    }
    return colonne;
}

}  // namespace ludo
