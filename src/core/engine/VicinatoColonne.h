#pragma once
// A set of columns seen as a graph: two columns are neighbours when they
// share all their numbers but at most `raggio` (8 - g for a guarantee of g
// points). The neighbours of a column are found without any search: each
// one's rank in the combinatorial number system is a sum of a few table
// entries, and a table indexed by rank gives its place in the set.

#include <array>
#include <cstdint>
#include <vector>

#include "core/columns/Colonna.h"

namespace ludo {

// The bits of a mask, without the library call that std::popcount becomes
// in a build for any x86-64.
constexpr int ContaBit(std::uint32_t x) {
    x = x - ((x >> 1) & 0x55555555U);
    x = (x & 0x33333333U) + ((x >> 2) & 0x33333333U);
    x = (x + (x >> 4)) & 0x0F0F0F0FU;
    return static_cast<int>((x * 0x01010101U) >> 24);
}

class VicinatoColonne {
  public:
    // colonne: distinct masks with the same count of numbers; raggio 1 or 2.
    // The numbers every column holds (the fixed numbers of a development)
    // are left out of the work, so a column is the set of its other numbers.
    VicinatoColonne(std::vector<Colonna> colonne, int raggio);

    [[nodiscard]] std::size_t N() const { return colonne_.size(); }
    [[nodiscard]] Colonna Col(std::size_t i) const { return colonne_[i]; }
    [[nodiscard]] int Raggio() const { return raggio_; }
    // How many numbers some columns hold and others not.
    [[nodiscard]] int Liberi() const { return liberi_; }
    // The place of column c in the set, or -1.
    [[nodiscard]] std::int32_t Indice(Colonna c) const;
    // The most neighbours (itself included) any column can have.
    [[nodiscard]] std::size_t MassimoVicini() const { return massimoVicini_; }
    // The set holds every column of its free numbers (a development of a
    // forecast, its fixed numbers aside, with no condition).
    [[nodiscard]] bool Completo() const;
    // The column whose first `giro` free numbers are those of column i each
    // moved to the next, the giro-th to the first, the others staying (all
    // of them turn when giro is 0); -1 when not in the set.
    [[nodiscard]] std::int32_t Ruotata(std::size_t i, int giro = 0) const;

    // What the search over columns asks of its graph: a key per column and
    // whether the column of one key covers that of another.
    using Chiave = Colonna;
    [[nodiscard]] Chiave ChiaveDi(std::size_t i) const { return colonne_[i]; }
    [[nodiscard]] bool Copre(Chiave a, Chiave b) const { return ContaBit(a ^ b) <= 2 * raggio_; }
    // Some column could cover both: they are within twice the radius.
    [[nodiscard]] bool ForseInsieme(Chiave a, Chiave b) const {
        return ContaBit(a ^ b) <= 4 * raggio_;
    }
    [[nodiscard]] static std::size_t Dimensione(std::size_t) { return 1; }

    // Calls f(j) for every column j of the set within the radius of column
    // i, i itself included, each once, in a fixed order: i, then the columns
    // one number away (the number left out and the one taken in each
    // ascending), then those two numbers away.
    template <typename F>
    void PerOgniVicina(std::size_t i, F&& f) const {
        Finche(i, [&](std::size_t j) {
            f(j);
            return true;
        });
    }

    // The same visit, stopped as soon as f returns false; false then.
    template <typename F>
    bool Finche(std::size_t i, F&& f) const {
        if (!inizio_.empty()) {
            for (std::size_t j = inizio_[i]; j < inizio_[i + 1]; ++j) {
                if (!f(static_cast<std::size_t>(elenco_[j]))) return false;
            }
            return true;
        }
        const Posizioni p = PosizioniDi(compatte_[i]);
        return f(i) && (raggio_ < 1 || VicineA1(p, f)) && (raggio_ < 2 || VicineA2(p, f));
    }

  private:
    // Lists every column's neighbours once, when they fit in kMemoriaElenchi.
    void Elenca();
    // A column as positions among the free numbers: its own ascending, the
    // others ascending, and for each position how many of its own lie below.
    struct Posizioni {
        std::array<std::int8_t, 32> dentro{};
        std::array<std::int8_t, 32> fuori{};
        std::array<std::int8_t, 33> sotto{};
        int k = 0;
        int esterne = 0;
    };

    [[nodiscard]] Posizioni PosizioniDi(std::uint32_t compatta) const;
    [[nodiscard]] std::uint32_t Compatta(Colonna c) const;
    [[nodiscard]] static std::int32_t Rango(std::uint32_t compatta);
    // C(n, k) for n < 33, k < 9: the ranks of 8 numbers out of 32 fit 32 bits.
    static std::int32_t Binomiale(int n, int k) {
        return kBinomiali[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
    static constexpr auto kBinomiali = [] {
        std::array<std::array<std::int32_t, 9>, 33> c{};
        for (std::size_t n = 0; n < 33; ++n) {
            c[n][0] = 1;
            for (std::size_t k = 1; k < 9 && k <= n; ++k)
                c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
        }
        return c;
    }();

    template <typename F>
    bool Visita(std::int32_t rango, F& f) const {
        const std::int32_t j = indice_[static_cast<std::size_t>(rango)];
        return j < 0 || f(static_cast<std::size_t>(j));
    }

    // One own position r swapped for an outside one q: with the other k - 1
    // positions b, the rank is P1[a] + C(q, a + 1) + P2[k-1] - P2[a], where
    // a counts the b below q and Pt[a] sums C(b_j, j + t) over j < a.
    template <typename F>
    bool VicineA1(const Posizioni& p, F& f) const {
        std::array<std::int32_t, 9> p1{}, p2{};
        for (int r = 0; r < p.k; ++r) {
            Somme(p, r, -1, p1, p2, nullptr);
            const int s = p.k - 1;
            for (int e = 0; e < p.esterne; ++e) {
                const int q = p.fuori[static_cast<std::size_t>(e)];
                const int a = p.sotto[static_cast<std::size_t>(q)] -
                              (p.dentro[static_cast<std::size_t>(r)] < q ? 1 : 0);
                const std::int32_t rango = p1[static_cast<std::size_t>(a)] + Binomiale(q, a + 1) +
                                           p2[static_cast<std::size_t>(s)] -
                                           p2[static_cast<std::size_t>(a)];
                if (!Visita(rango, f)) return false;
            }
        }
        return true;
    }

    // Two own positions swapped for two outside ones q1 < q2: the rank splits
    // into a part of q1 and a part of q2, each computed once per pair removed.
    template <typename F>
    bool VicineA2(const Posizioni& p, F& f) const {
        std::array<std::int32_t, 9> p1{}, p2{}, p3{};
        std::array<std::int32_t, 32> t1{}, t2{};
        for (int r1 = 0; r1 < p.k; ++r1) {
            for (int r2 = r1 + 1; r2 < p.k; ++r2) {
                Somme(p, r1, r2, p1, p2, &p3);
                const int s = p.k - 2;
                const int d1 = p.dentro[static_cast<std::size_t>(r1)];
                const int d2 = p.dentro[static_cast<std::size_t>(r2)];
                for (int e = 0; e < p.esterne; ++e) {
                    const int q = p.fuori[static_cast<std::size_t>(e)];
                    const auto a = static_cast<std::size_t>(p.sotto[static_cast<std::size_t>(q)] -
                                                            (d1 < q ? 1 : 0) - (d2 < q ? 1 : 0));
                    const auto ai = static_cast<int>(a);
                    t1[static_cast<std::size_t>(e)] = p1[a] - p2[a] + Binomiale(q, ai + 1);
                    t2[static_cast<std::size_t>(e)] =
                        p2[a] + Binomiale(q, ai + 2) - p3[a] + p3[static_cast<std::size_t>(s)];
                }
                for (int e1 = 0; e1 < p.esterne; ++e1) {
                    for (int e2 = e1 + 1; e2 < p.esterne; ++e2) {
                        if (!Visita(
                                t1[static_cast<std::size_t>(e1)] + t2[static_cast<std::size_t>(e2)],
                                f))
                            return false;
                    }
                }
            }
        }
        return true;
    }

    // The prefix sums Pt[a] of the own positions without r1 (and r2).
    static void Somme(const Posizioni& p, int r1, int r2, std::array<std::int32_t, 9>& p1,
                      std::array<std::int32_t, 9>& p2, std::array<std::int32_t, 9>* p3);

    std::vector<Colonna> colonne_;
    std::vector<std::uint32_t> compatte_;      // the free numbers of each column, as positions
    std::vector<std::int32_t> indice_;         // rank -> column, -1 when not in the set
    std::array<std::int8_t, 32> posizione_{};  // number bit -> position among the free numbers
    // The neighbours of column i are elenco_[inizio_[i] .. inizio_[i + 1]).
    std::vector<std::int32_t> elenco_;
    std::vector<std::size_t> inizio_;
    int liberi_ = 0;  // how many numbers some columns hold and others not
    int raggio_ = 1;
    std::size_t massimoVicini_ = 1;
};

}  // namespace ludo
