#pragma once
// The local search of the improved reduction, over any graph where a point
// covers its neighbours: the columns themselves (VicinatoColonne) or their
// orbits (OrbiteColonne). A Grafo gives N(), PerOgniVicina(i, f), a Chiave
// per point with Copre(a, b) and ForseInsieme(a, b), and the Dimensione of a
// point in columns.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace ludo {

// SplitMix64: a small generator whose sequence is the same everywhere.
class Generatore {
public:
    explicit Generatore(std::uint64_t seme) : stato_(seme) {}
    std::size_t Sotto(std::size_t n) {
        stato_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = stato_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::size_t>((z ^ (z >> 31)) % n);
    }

private:
    std::uint64_t stato_;
};

// The kept points with what dropping each would lose and when it was taken,
// side by side so the search for the least useful reads them in a row.
class InsiemeTenute {
public:
    explicit InsiemeTenute(std::size_t n) : posizione_(n, -1) {}

    [[nodiscard]] const std::vector<std::size_t>& Punti() const { return punti_; }
    [[nodiscard]] bool Contiene(std::size_t c) const { return posizione_[c] >= 0; }
    std::int64_t& Perdita(std::size_t c) { return perdita_[static_cast<std::size_t>(posizione_[c])]; }

    void Aggiungi(std::size_t c, std::uint64_t ora) {
        posizione_[c] = static_cast<std::int32_t>(punti_.size());
        punti_.push_back(c);
        perdita_.push_back(0);
        presa_.push_back(ora);
    }

    void Togli(std::size_t c) {
        const auto pos = static_cast<std::size_t>(posizione_[c]);
        punti_[pos] = punti_.back();
        perdita_[pos] = perdita_.back();
        presa_[pos] = presa_.back();
        posizione_[punti_[pos]] = static_cast<std::int32_t>(pos);
        punti_.pop_back();
        perdita_.pop_back();
        presa_.pop_back();
        posizione_[c] = -1;
    }

    // The one of least loss, taken earliest among equals, skipping escluso
    // when another is there. Two plain passes, the least loss and then the
    // earliest with it, so the scan has no branch to mispredict.
    [[nodiscard]] std::size_t MenoUtile(std::size_t escluso) const {
        const std::size_t n = punti_.size();
        const std::size_t saltata = n > 1 && escluso < posizione_.size() && Contiene(escluso)
                                        ? static_cast<std::size_t>(posizione_[escluso])
                                        : n;
        std::int64_t minima = std::numeric_limits<std::int64_t>::max();
        for (std::size_t i = 0; i < n; ++i) {
            minima = std::min(minima, i == saltata ? std::numeric_limits<std::int64_t>::max() : perdita_[i]);
        }
        std::size_t scelta = n;
        std::uint64_t prima = std::numeric_limits<std::uint64_t>::max();
        for (std::size_t i = 0; i < n; ++i) {
            const bool candidata = perdita_[i] == minima && i != saltata && presa_[i] < prima;
            scelta = candidata ? i : scelta;
            prima = candidata ? presa_[i] : prima;
        }
        return punti_[scelta];
    }

private:
    std::vector<std::size_t> punti_;
    std::vector<std::int64_t> perdita_;
    std::vector<std::uint64_t> presa_;
    std::vector<std::int32_t> posizione_;
};

// The state of the search: the kept points, how many kept points cover
// each point, and the weight of each point, which grows by one at every
// swap while it stays uncovered. Keeping a point gains the weight of the
// uncovered points it covers; dropping a kept one loses the weight of the
// points it alone covers. The losses are kept up to date at every swap; a
// gain is counted when it is wanted, over the few uncovered points.
template <typename Grafo>
class RicercaCopertura {
public:
    RicercaCopertura(const Grafo& g, const std::vector<std::size_t>& iniziale, std::uint64_t seme)
        : g_(g),
          caso_(seme),
          coperture_(g.N(), 0),
          somma_(g.N(), 0),
          peso_(g.N(), 1),
          dal_(g.N(), 0),
          tempo_(g.N(), 0),
          posScoperta_(g.N(), -1),
          tenute_(g.N()) {
        for (std::size_t c : iniziale) {
            tenute_.Aggiungi(c, 0);
            g_.PerOgniVicina(c, [&](std::size_t f) {
                ++coperture_[f];
                somma_[f] += static_cast<std::uint32_t>(c);
            });
        }
        for (std::size_t f = 0; f < g_.N(); ++f) {
            if (coperture_[f] == 1) tenute_.Perdita(somma_[f]) += peso_[f];
            if (coperture_[f] == 0) Scopri(f);
        }
    }

    [[nodiscard]] bool Coperta() const { return scoperte_.empty(); }
    [[nodiscard]] const std::vector<std::size_t>& Tenute() const { return tenute_.Punti(); }

    // Drops the kept point whose loss is the least.
    void TogliMeno() { Togli(tenute_.MenoUtile(std::numeric_limits<std::size_t>::max())); }

    // One swap: drops the least useful kept point (not the one just taken),
    // then takes, among the points covering a random uncovered point, the
    // one gaining most; the uncovered points then weigh one more.
    void Scambia() {
        Togli(tenute_.MenoUtile(ultimaPresa_));
        const std::size_t c = PiuUtile(scoperte_[caso_.Sotto(scoperte_.size())]);
        Prendi(c);
        ultimaPresa_ = c;
        ++ora_;
    }

private:
    // Among the points covering e, the one gaining most, the one changed
    // longest ago among equals. Only the uncovered points that a point
    // covering e could cover are counted.
    [[nodiscard]] std::size_t PiuUtile(std::size_t e) {
        const auto ce = g_.ChiaveDi(e);
        vicine_.clear();
        for (std::size_t i = 0; i < scoperte_.size(); ++i) {
            const auto f = g_.ChiaveDi(scoperte_[i]);
            if (g_.ForseInsieme(ce, f)) vicine_.push_back({f, PesoScoperta(i)});
        }
        std::size_t scelta = e;
        std::int64_t migliore = -1;
        g_.PerOgniVicina(e, [&](std::size_t c) {
            const auto cc = g_.ChiaveDi(c);
            std::int64_t guadagno = 0;
            for (const auto& [f, peso] : vicine_) guadagno += g_.Copre(cc, f) ? peso : 0;
            if (guadagno > migliore || (guadagno == migliore && tempo_[c] < tempo_[scelta])) {
                migliore = guadagno;
                scelta = c;
            }
        });
        return scelta;
    }

    [[nodiscard]] std::int64_t PesoScoperta(std::size_t i) const {
        const std::size_t f = scoperte_[i];
        return peso_[f] + static_cast<std::int64_t>(ora_) - dal_[f];
    }

    void Prendi(std::size_t c) {
        tenute_.Aggiungi(c, ora_);
        tempo_[c] = ora_;
        std::int64_t& perdita = tenute_.Perdita(c);
        g_.PerOgniVicina(c, [&](std::size_t f) {
            if (coperture_[f] == 0) {
                Copri(f);
                perdita += peso_[f];
            } else if (coperture_[f] == 1) {
                tenute_.Perdita(somma_[f]) -= peso_[f];
            }
            ++coperture_[f];
            somma_[f] += static_cast<std::uint32_t>(c);
        });
    }

    void Togli(std::size_t c) {
        tenute_.Togli(c);
        tempo_[c] = ora_;
        g_.PerOgniVicina(c, [&](std::size_t f) {
            --coperture_[f];
            somma_[f] -= static_cast<std::uint32_t>(c);
            if (coperture_[f] == 0)
                Scopri(f);
            else if (coperture_[f] == 1)
                tenute_.Perdita(somma_[f]) += peso_[f];
        });
    }

    void Scopri(std::size_t f) {
        posScoperta_[f] = static_cast<std::int32_t>(scoperte_.size());
        scoperte_.push_back(f);
        dal_[f] = static_cast<std::int64_t>(ora_);
    }

    // f is covered again: its weight keeps what it gained while uncovered.
    void Copri(std::size_t f) {
        const auto pos = static_cast<std::size_t>(posScoperta_[f]);
        scoperte_[pos] = scoperte_.back();
        posScoperta_[scoperte_[pos]] = static_cast<std::int32_t>(pos);
        scoperte_.pop_back();
        posScoperta_[f] = -1;
        peso_[f] += static_cast<std::int64_t>(ora_) - dal_[f];
    }

    struct Scoperta {
        typename Grafo::Chiave chiave;
        std::int64_t peso;
    };

    const Grafo& g_;
    Generatore caso_;
    std::vector<std::uint16_t> coperture_;
    std::vector<std::uint32_t> somma_;  // sum of the kept points covering it: the one, when one does
    std::vector<std::int64_t> peso_;    // of a covered point; an uncovered one's grows, see PesoScoperta
    std::vector<std::int64_t> dal_;     // the swap since which it is uncovered
    std::vector<std::uint64_t> tempo_;  // the swap that last took or dropped it
    std::vector<std::int32_t> posScoperta_;
    std::vector<std::size_t> scoperte_;
    std::vector<Scoperta> vicine_;
    InsiemeTenute tenute_;
    std::uint64_t ora_ = 0;
    std::size_t ultimaPresa_ = std::numeric_limits<std::size_t>::max();
};

}  // namespace ludo
