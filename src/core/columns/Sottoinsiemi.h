#pragma once
// Subsets of a set of numbers, ranked in the combinatorial number system,
// and a table with one value per k-subset: the index that lets the
// reductions and the guarantee calculation find, for a column, every kept
// column sharing k numbers with it without scanning the list.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/columns/Colonna.h"

namespace ludo {
namespace detail {

// C(n, k) for n ≤ 32, k ≤ 8.
struct Binomiali {
    std::array<std::array<std::int64_t, 9>, 33> c{};
    Binomiali() {
        for (int n = 0; n <= 32; ++n) {
            c[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k <= 8 && k <= n; ++k) {
                c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                    (k <= n - 1 ? c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)]
                                : 0);
            }
        }
    }
    [[nodiscard]] std::int64_t operator()(int n, int k) const {
        return (n < 0 || k < 0 || k > 8 || k > n)
                   ? 0
                   : c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
};
inline const Binomiali kC;

// The rank of a set of numbers (bit indices ascending) among the sets of its
// size: below C(n, k) when every bit is among the lowest n.
inline std::int64_t rango(Colonna maschera) {
    std::int64_t r = 0;
    int i = 1;
    for (Colonna resto = maschera; resto != 0; resto &= resto - 1, ++i)
        r += kC(std::countr_zero(resto), i);
    return r;
}

// Calls f with every k-subset of the numbers of colonna (any size).
template <typename F>
void sottoinsiemi(Colonna colonna, int k, F&& f) {
    std::array<Colonna, 32> bit{};
    int n = 0;
    for (Colonna resto = colonna; resto != 0; resto &= resto - 1)
        bit[static_cast<std::size_t>(n++)] = resto & (~resto + 1);
    if (k > n || k < 0) return;
    std::array<int, 9> idx{};
    for (int i = 0; i < k; ++i) idx[static_cast<std::size_t>(i)] = i;
    for (;;) {
        Colonna s = 0;
        for (int i = 0; i < k; ++i)
            s |= bit[static_cast<std::size_t>(idx[static_cast<std::size_t>(i)])];
        f(s);
        int i = k - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) return;
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// The k-subsets of the 8 positions of a column, as position lists, and the
// weight C(number, i + 1) of each number at place i of a subset: the rank of
// a subset of an 8-number column is then a sum of k table entries.
struct SottoinsiemiDiOtto {
    std::array<std::vector<std::array<std::uint8_t, 8>>, 9> posizioni;
    std::array<std::array<std::int32_t, 32>, 8> peso{};
    SottoinsiemiDiOtto() {
        for (int k = 0; k <= 8; ++k) {
            sottoinsiemi(0xFFu, k, [&](Colonna s) {
                std::array<std::uint8_t, 8> p{};
                int i = 0;
                for (Colonna r = s; r != 0; r &= r - 1)
                    p[static_cast<std::size_t>(i++)] =
                        static_cast<std::uint8_t>(std::countr_zero(r));
                posizioni[static_cast<std::size_t>(k)].push_back(p);
            });
        }
        for (int i = 0; i < 8; ++i) {
            for (int n = 0; n < 32; ++n)
                peso[static_cast<std::size_t>(i)][static_cast<std::size_t>(n)] =
                    static_cast<std::int32_t>(kC(n, i + 1));
        }
    }
};
inline const SottoinsiemiDiOtto kOtto;

}  // namespace detail

// Per k-number subset of the numbers 1..numeri (ranked in the combinatorial
// number system): a value kept for the columns holding that subset. A
// smaller range of numbers makes a smaller table; the masks given must then
// hold only numbers of that range.
class IndiceSottoinsiemi {
  public:
    explicit IndiceSottoinsiemi(int k, int numeri = 32) : k_(std::clamp(k, 0, 8)) {
        Valori.assign(static_cast<std::size_t>(detail::kC(std::clamp(numeri, 0, 32), k_)), 0);
    }
    [[nodiscard]] int K() const { return k_; }
    // Calls f(rank) for every k-subset of the numbers of colonna.
    template <typename F>
    void PerOgni(Colonna colonna, F&& f) const {
        if (NumeroNumeri(colonna) != 8) {
            detail::sottoinsiemi(colonna, k_,
                                 [&](Colonna s) { f(static_cast<std::size_t>(detail::rango(s))); });
            return;
        }
        std::array<int, 8> numeri{};
        int i = 0;
        for (Colonna r = colonna; r != 0; r &= r - 1)
            numeri[static_cast<std::size_t>(i++)] = std::countr_zero(r);
        for (const auto& p : detail::kOtto.posizioni[static_cast<std::size_t>(k_)]) {
            std::int32_t r = 0;
            for (int j = 0; j < k_; ++j) {
                r += detail::kOtto.peso[static_cast<std::size_t>(j)][static_cast<std::size_t>(
                    numeri[p[static_cast<std::size_t>(j)]])];
            }
            f(static_cast<std::size_t>(r));
        }
    }
    std::vector<std::int32_t> Valori;

  private:
    int k_;
};

}  // namespace ludo
