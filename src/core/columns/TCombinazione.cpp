#include "core/columns/TCombinazione.h"

#include <algorithm>
#include <bit>

namespace ludo {

void TCombinazione::Create(int quanti) {
    Quanti = static_cast<std::int16_t>(std::clamp(quanti, 0, kCapienza));
}

void TCombinazione::Aggiungi(std::span<const std::uint8_t> numeri) {
    for (const std::uint8_t n : numeri) {
        if (Quanti < kCapienza && !Contiene(n)) Numeri[static_cast<std::size_t>(Quanti++)] = n;
    }
    Ordina();
}

void TCombinazione::Ordina() {
    auto set = Presenti();
    for (auto posto = set.begin(); posto != set.end(); ++posto) {
        auto minimo = posto;
        for (auto it = posto; it != set.end(); ++it) {
            if (*it <= *minimo) minimo = it;
        }
        std::iter_swap(posto, minimo);
    }
}

bool TCombinazione::Contiene(int numero) const {
    const auto set = Presenti();
    return std::ranges::find(set, numero) != set.end();
}

void TCombinazione::DaMaschera(Colonna maschera) {
    Quanti = 0;
    for (; maschera != 0; maschera &= maschera - 1) {
        Numeri[static_cast<std::size_t>(Quanti++)] =
            static_cast<std::int16_t>(std::countr_zero(maschera) + 1);
    }
}

Colonna TCombinazione::Maschera() const {
    Colonna maschera = 0;
    for (const std::int16_t n : Presenti()) {
        if (n >= 1 && n <= 32) maschera |= Colonna{1} << (n - 1);
    }
    return maschera;
}

bool TCombinazione::Scrivi(io::BinaryWriter& file) const {
    file.write(Quanti);
    for (const std::int16_t n : Numeri) file.write(n);
    return file.ok();
}

bool TCombinazione::Leggi(io::BinaryReader& file) {
    std::array<std::uint8_t, kByteRecord> record{};
    if (!file.readBytes(record)) return false;
    const auto campo = [&](std::size_t i) {
        return static_cast<std::int16_t>(record[2 * i] | (record[2 * i + 1] << 8));
    };
    for (std::size_t i = 0; i < Numeri.size(); ++i) Numeri[i] = campo(i + 1);
    Create(campo(0));
    return true;
}

}  // namespace ludo
