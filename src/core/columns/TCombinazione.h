#pragma once
// A set of up to 100 numbers kept sorted ascending without repeats, as the
// windows that edit arbitrary number sets (ready-made systems, automatic
// systems, number selectors) keep it.

#include <array>
#include <cstdint>
#include <span>

#include "core/columns/Colonna.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

class TCombinazione {
public:
    static constexpr int kCapienza = 100;
    static constexpr std::size_t kByteRecord = 2 + 2 * kCapienza;

    // Positions 1..Quanti hold the set; Numeri[p - 1] is position p (see
    // Numero). The places past Quanti keep whatever they held.
    std::array<std::int16_t, kCapienza> Numeri{};
    std::int16_t Quanti = 0;

    // The number at position 1..100.
    std::int16_t& Numero(int posizione) { return Numeri[Indice(posizione)]; }
    [[nodiscard]] std::int16_t Numero(int posizione) const { return Numeri[Indice(posizione)]; }

    // Sets the count and leaves the numbers as they are; a count outside
    // 0..100 is brought inside, so no operation looks past the 100 places.
    void Create(int quanti);
    void Assegna(const TCombinazione& altra) { *this = altra; }
    // Appends each value not yet present, in order (values that find the set
    // full are dropped), then sorts.
    void Aggiungi(std::span<const std::uint8_t> numeri);
    // Selection sort over positions 1..Quanti: each position receives the
    // smallest value from there on (the last one found among equals).
    void Ordina();
    [[nodiscard]] bool Contiene(int numero) const;
    // Empties the set and adds the numbers of the mask in ascending order.
    void DaMaschera(Colonna maschera);
    // The mask of the numbers held; numbers outside 1..32 have no bit and are
    // left out.
    [[nodiscard]] Colonna Maschera() const;

    // The 202-byte record: the count (2 bytes), then all 100 numbers
    // (2 bytes each), little-endian, whatever the count.
    bool Scrivi(io::BinaryWriter& file) const;
    // Reads the whole record or, on a short read, changes nothing and fails.
    // A count outside 0..100 in the file is brought inside as by Create, so a
    // damaged record cannot send later operations past the 100 places while
    // the fields that follow it are still read in step.
    bool Leggi(io::BinaryReader& file);

private:
    static std::size_t Indice(int posizione) { return static_cast<std::size_t>(posizione - 1); }
    [[nodiscard]] std::span<std::int16_t> Presenti() {
        return std::span(Numeri).first(static_cast<std::size_t>(Quanti));
    }
    [[nodiscard]] std::span<const std::int16_t> Presenti() const {
        return std::span(Numeri).first(static_cast<std::size_t>(Quanti));
    }
};

}  // namespace ludo
