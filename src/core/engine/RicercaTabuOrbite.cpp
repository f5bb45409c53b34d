#include "core/engine/RicercaTabuOrbite.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace ludo {
namespace {

// A dropped orbit stays out for this many steps and a random few more.
constexpr std::uint64_t kDivieto = 10;
constexpr std::size_t kDivietoCaso = 10;

template <typename F>
void PerOgniBit(const std::uint64_t* parole, std::size_t quante, F&& f) {
    for (std::size_t w = 0; w < quante; ++w) {
        for (std::uint64_t m = parole[w]; m != 0; m &= m - 1)
            f(w * 64 + static_cast<std::size_t>(std::countr_zero(m)));
    }
}

// The orbits two rows have in common. The search spends most of its time
// here, so it is built twice: for processors with a popcount instruction,
// chosen when there is one, and for any other.
inline std::size_t Comuni(const std::uint64_t* a, const std::uint64_t* b, std::size_t parole) {
    std::size_t n = 0;
    for (std::size_t w = 0; w < parole; ++w)
        n += static_cast<std::size_t>(std::popcount(a[w] & b[w]));
    return n;
}

#if defined(__GNUC__) && defined(__x86_64__)
[[gnu::target("popcnt")]] std::size_t ComuniConIstruzione(const std::uint64_t* a,
                                                          const std::uint64_t* b,
                                                          std::size_t parole) {
    return Comuni(a, b, parole);
}
#endif

RicercaTabuOrbite::Conteggio ContaComuni() {
#if defined(__GNUC__) && defined(__x86_64__)
    if (__builtin_cpu_supports("popcnt")) return ComuniConIstruzione;
#endif
    return Comuni;
}

}  // namespace

RicercaTabuOrbite::RicercaTabuOrbite(const OrbiteColonne& o, std::size_t quante, std::uint64_t seme)
    : o_(o),
      caso_(seme),
      comuni_(ContaComuni()),
      dentro_(o.N(), 0),
      coperture_(o.N(), 0),
      posScoperta_(o.N(), -1),
      vietataFino_(o.N(), 0),
      minimoScoperte_(std::numeric_limits<std::size_t>::max()) {
    for (std::size_t b = 0; b < o_.N(); ++b) {
        posScoperta_[b] = static_cast<std::int32_t>(scoperte_.size());
        scoperte_.push_back(b);
    }
    Scegli(quante);
    Ricorda();
}

void RicercaTabuOrbite::Riparti(std::uint64_t seme) {
    const std::size_t quante = tenute_.size();
    while (!tenute_.empty()) {
        const std::size_t a = tenute_.back();
        tenute_.pop_back();
        Togli(a);
    }
    caso_ = Generatore(seme);
    std::fill(vietataFino_.begin(), vietataFino_.end(), 0);
    Scegli(quante);
    if (scoperte_.size() < minimoScoperte_) Ricorda();
}

void RicercaTabuOrbite::Scegli(std::size_t quante) {
    while (tenute_.size() < quante) {
        const std::size_t a = caso_.Sotto(o_.N());
        if (dentro_[a] == 0) Prendi(a);
    }
}

void RicercaTabuOrbite::Passo() {
    if (Coperta()) return;
    const Scambio s = MigliorScambio();
    ++passo_;
    if (s.prendi == std::numeric_limits<std::size_t>::max()) return;
    const std::size_t tolta = tenute_[s.togli];
    tenute_[s.togli] = tenute_.back();
    tenute_.pop_back();
    Togli(tolta);
    Prendi(s.prendi);
    vietataFino_[tolta] = passo_ + kDivieto + caso_.Sotto(kDivietoCaso);
    if (scoperte_.size() < minimoScoperte_) Ricorda();
}

// Among the orbits covering a random uncovered one, and the kept ones, the
// pair leaving the fewest uncovered, one at random among equals. A kept
// orbit's target is what is uncovered once it is dropped: the uncovered
// orbits and those only it covers; the orbit taken covers part of it.
RicercaTabuOrbite::Scambio RicercaTabuOrbite::MigliorScambio() {
    const std::size_t parole = o_.Parole();
    bersagli_.assign(tenute_.size() * parole, 0);
    std::vector<std::size_t> soloSue(tenute_.size());
    for (std::size_t t = 0; t < tenute_.size(); ++t) {
        std::uint64_t* riga = bersagli_.data() + t * parole;
        PerOgniBit(o_.Riga(tenute_[t]), parole, [&](std::size_t b) {
            if (coperture_[b] == 1) {
                riga[b / 64] |= std::uint64_t{1} << (b % 64);
                ++soloSue[t];
            }
        });
        for (std::size_t b : scoperte_) riga[b / 64] |= std::uint64_t{1} << (b % 64);
    }
    Scambio scelto{0, std::numeric_limits<std::size_t>::max()};
    std::size_t minimo = std::numeric_limits<std::size_t>::max();
    std::size_t pari = 0;
    o_.PerOgniVicina(scoperte_[caso_.Sotto(scoperte_.size())], [&](std::size_t c) {
        if (dentro_[c] != 0) return;
        const std::uint64_t* riga = o_.Riga(c);
        for (std::size_t t = 0; t < tenute_.size(); ++t) {
            const std::size_t prese = comuni_(riga, bersagli_.data() + t * parole, parole);
            const std::size_t restano = scoperte_.size() + soloSue[t] - prese;
            if (vietataFino_[c] > passo_ && restano >= minimoScoperte_) continue;
            if (restano < minimo) {
                minimo = restano;
                pari = 0;
            }
            if (restano == minimo && caso_.Sotto(++pari) == 0) scelto = {t, c};
        }
    });
    return scelto;
}

void RicercaTabuOrbite::Togli(std::size_t a) {
    dentro_[a] = 0;
    PerOgniBit(o_.Riga(a), o_.Parole(), [&](std::size_t b) {
        if (--coperture_[b] > 0) return;
        posScoperta_[b] = static_cast<std::int32_t>(scoperte_.size());
        scoperte_.push_back(b);
    });
}

void RicercaTabuOrbite::Prendi(std::size_t a) {
    dentro_[a] = 1;
    tenute_.push_back(a);
    PerOgniBit(o_.Riga(a), o_.Parole(), [&](std::size_t b) {
        if (coperture_[b]++ > 0) return;
        const auto pos = static_cast<std::size_t>(posScoperta_[b]);
        scoperte_[pos] = scoperte_.back();
        posScoperta_[scoperte_[pos]] = static_cast<std::int32_t>(pos);
        scoperte_.pop_back();
        posScoperta_[b] = -1;
    });
}

void RicercaTabuOrbite::Ricorda() {
    migliori_ = tenute_;
    minimoScoperte_ = scoperte_.size();
}

}  // namespace ludo
