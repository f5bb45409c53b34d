#include "core/engine/VicinatoColonne.h"

#include <algorithm>
#include <bit>

#include "core/columns/Sottoinsiemi.h"

namespace ludo {
namespace {

// Above this the neighbours are computed afresh at every visit.
constexpr std::size_t kMemoriaElenchi = std::size_t{256} << 20;

}  // namespace

VicinatoColonne::VicinatoColonne(std::vector<Colonna> colonne, int raggio)
    : colonne_(std::move(colonne)), raggio_(std::clamp(raggio, 0, 2)) {
    Colonna universo = 0;
    Colonna comuni = colonne_.empty() ? 0 : ~Colonna{0};
    for (Colonna c : colonne_) {
        universo |= c;
        comuni &= c;
    }
    const Colonna libere = universo & ~comuni;
    posizione_.fill(-1);
    int m = 0;
    for (Colonna r = libere; r != 0; r &= r - 1) {
        posizione_[static_cast<std::size_t>(std::countr_zero(r))] = static_cast<std::int8_t>(m++);
    }
    liberi_ = m;
    const int k = colonne_.empty() ? 0 : NumeroNumeri(colonne_.front() & libere);

    indice_.assign(static_cast<std::size_t>(detail::kC(m, k)), -1);
    compatte_.reserve(colonne_.size());
    for (std::size_t i = 0; i < colonne_.size(); ++i) {
        compatte_.push_back(Compatta(colonne_[i]));
        // A column of another size would have a rank among other sets.
        if (std::popcount(compatte_.back()) == k) {
            indice_[static_cast<std::size_t>(Rango(compatte_.back()))] =
                static_cast<std::int32_t>(i);
        }
    }
    massimoVicini_ = 1;
    for (int d = 1; d <= raggio_; ++d) {
        massimoVicini_ += static_cast<std::size_t>(detail::kC(k, d) * detail::kC(m - k, d));
    }
    Elenca();
}

void VicinatoColonne::Elenca() {
    if (colonne_.size() * massimoVicini_ * sizeof(std::int32_t) > kMemoriaElenchi) return;
    elenco_.reserve(colonne_.size() * massimoVicini_);
    std::vector<std::size_t> inizio;
    inizio.reserve(colonne_.size() + 1);
    for (std::size_t i = 0; i < colonne_.size(); ++i) {
        inizio.push_back(elenco_.size());
        PerOgniVicina(i, [&](std::size_t j) { elenco_.push_back(static_cast<std::int32_t>(j)); });
    }
    inizio.push_back(elenco_.size());
    inizio_ = std::move(inizio);
}

std::int32_t VicinatoColonne::Indice(Colonna c) const {
    const std::uint32_t x = Compatta(c);
    if (std::popcount(x) != std::popcount(compatte_.empty() ? 0U : compatte_.front())) return -1;
    const std::int32_t j = indice_[static_cast<std::size_t>(Rango(x))];
    return j >= 0 && colonne_[static_cast<std::size_t>(j)] == c ? j : -1;
}

bool VicinatoColonne::Completo() const {
    return !colonne_.empty() && indice_.size() == colonne_.size();
}

std::int32_t VicinatoColonne::Ruotata(std::size_t i, int giro) const {
    const int g = giro <= 0 || giro > liberi_ ? liberi_ : giro;
    const std::uint32_t x = compatte_[i];
    const std::uint32_t girano = g >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << g) - 1;
    const std::uint32_t dentro = x & girano;
    const std::uint32_t ruotata =
        g == 0 ? x : (x & ~girano) | (((dentro << 1) | (dentro >> (g - 1))) & girano);
    return indice_[static_cast<std::size_t>(Rango(ruotata))];
}

std::uint32_t VicinatoColonne::Compatta(Colonna c) const {
    std::uint32_t x = 0;
    for (Colonna r = c; r != 0; r &= r - 1) {
        const int p = posizione_[static_cast<std::size_t>(std::countr_zero(r))];
        if (p >= 0) x |= std::uint32_t{1} << p;
    }
    return x;
}

std::int32_t VicinatoColonne::Rango(std::uint32_t compatta) {
    return static_cast<std::int32_t>(detail::rango(compatta));
}

VicinatoColonne::Posizioni VicinatoColonne::PosizioniDi(std::uint32_t compatta) const {
    Posizioni p;
    int sotto = 0;
    for (int q = 0; q < liberi_; ++q) {
        p.sotto[static_cast<std::size_t>(q)] = static_cast<std::int8_t>(sotto);
        if (((compatta >> q) & 1U) != 0) {
            p.dentro[static_cast<std::size_t>(p.k++)] = static_cast<std::int8_t>(q);
            ++sotto;
        } else {
            p.fuori[static_cast<std::size_t>(p.esterne++)] = static_cast<std::int8_t>(q);
        }
    }
    return p;
}

void VicinatoColonne::Somme(const Posizioni& p, int r1, int r2, std::array<std::int32_t, 9>& p1,
                            std::array<std::int32_t, 9>& p2, std::array<std::int32_t, 9>* p3) {
    p1[0] = p2[0] = 0;
    if (p3 != nullptr) (*p3)[0] = 0;
    int j = 0;
    for (int r = 0; r < p.k; ++r) {
        if (r == r1 || r == r2) continue;
        const int b = p.dentro[static_cast<std::size_t>(r)];
        const auto u = static_cast<std::size_t>(j);
        p1[u + 1] = p1[u] + Binomiale(b, j + 1);
        p2[u + 1] = p2[u] + Binomiale(b, j + 2);
        if (p3 != nullptr) (*p3)[u + 1] = (*p3)[u] + Binomiale(b, j + 3);
        ++j;
    }
}

}  // namespace ludo
