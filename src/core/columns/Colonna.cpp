#include "core/columns/Colonna.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace ludo {
namespace {

// A natural number in 32-bit limbs, least significant first: just enough
// arithmetic to follow n over k exactly past 64 bits.
class BigNatural {
public:
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t v = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(v);
            carry = v >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    // The caller knows that divisor divides the number.
    void divideExactly(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (auto it = limbs_.rbegin(); it != limbs_.rend(); ++it) {
            const std::uint64_t v = (remainder << 32) | *it;
            *it = static_cast<std::uint32_t>(v / divisor);
            remainder = v % divisor;
        }
        while (limbs_.size() > 1 && limbs_.back() == 0) limbs_.pop_back();
    }

    [[nodiscard]] int bitLength() const {
        return static_cast<int>(limbs_.size() - 1) * 32 + std::bit_width(limbs_.back());
    }

    // Rounded to the nearest double, ties to even: the top 64 bits carry the
    // 53 that stay plus the rounding bits, and any lower bit set is folded
    // into the lowest of them so that a tie is never seen where there is none.
    [[nodiscard]] double toDouble() const {
        const int shift = std::max(0, bitLength() - 64);
        std::uint64_t top = 0;
        for (int i = 0; i < 64; ++i) top |= std::uint64_t{bit(shift + i)} << i;
        for (int i = 0; i < shift && (top & 1) == 0; ++i) top |= bit(i);
        return std::ldexp(static_cast<double>(top), shift);
    }

private:
    [[nodiscard]] std::uint32_t bit(int index) const {
        const auto limb = static_cast<std::size_t>(index / 32);
        return limb < limbs_.size() ? (limbs_[limb] >> (index % 32)) & 1U : 0U;
    }

    std::vector<std::uint32_t> limbs_{1};
};

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

int NumeroNumeri(Colonna maschera) { return std::popcount(maschera); }

int NumeriComuni(Colonna a, Colonna b) { return std::popcount(a & b); }

bool EVuota(Colonna maschera) { return maschera == 0; }

int NumeroK(int k, Colonna maschera) {
    if (k < 1 || k > NumeroNumeri(maschera)) return 32;
    for (int i = 1; i < k; ++i) maschera &= maschera - 1;  // drops the smallest number
    return std::countr_zero(maschera) + 1;
}

double Binomiale(int n, int k) {
    if (n < 0 || k < 0 || k > n) return 0;
    k = std::min(k, n - k);
    // After step i the value is C(n - k + i, i): exact at every step, and
    // growing, so once it passes the double range the result is infinite.
    BigNatural valore;
    for (int i = 1; i <= k; ++i) {
        valore.multiply(static_cast<std::uint32_t>(n - k + i));
        valore.divideExactly(static_cast<std::uint32_t>(i));
        if (valore.bitLength() > std::numeric_limits<double>::max_exponent + 1) {
            return std::numeric_limits<double>::infinity();
        }
    }
    return valore.toDouble();
}

std::uint64_t ColonneIntegrali(Colonna maschera) {
    return static_cast<std::uint64_t>(Binomiale(NumeroNumeri(maschera), 8));
}

std::string TestoColonna(Colonna maschera) {
    std::string testo;
    for (; maschera != 0; maschera &= maschera - 1) {
        const int numero = std::countr_zero(maschera) + 1;
        testo += std::to_string(numero);
        testo += numero < 10 ? "  " : " ";
    }
    return testo;
}

ColonnaLetta LeggiColonna(std::string_view testo) {
    Colonna maschera = 0;
    while (!testo.empty()) {
        const auto fine = testo.find(' ');
        const auto pezzo = trimmed(testo.substr(0, fine));
        testo = fine == std::string_view::npos ? std::string_view{} : testo.substr(fine + 1);
        if (fine == 0) continue;  // one more blank of a run
        const char* const finePezzo = pezzo.data() + pezzo.size();
        int numero = 0;
        const auto [resto, errore] = std::from_chars(pezzo.data(), finePezzo, numero);
        const bool intero = !pezzo.empty() && errore == std::errc{} && resto == finePezzo;
        if (!intero) return {};
        maschera |= Colonna{1} << ((static_cast<unsigned>(numero) - 1U) % 32U);
    }
    return {true, maschera};
}

}  // namespace ludo
