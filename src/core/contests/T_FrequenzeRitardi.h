#pragma once
// Frequency and delay, per value of a measure, over the winning columns of
// the counted contests. Each measure yields two values per column (points
// and consecutiveness), so the table keeps two parallel lists.

#include <cstdint>
#include <vector>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

struct TElemRFRM {
    std::int32_t Frequenza = 0;
    std::int32_t Ritardo = 0;     // contests since the value last occurred
    std::int32_t RitardoMax = 0;  // the longest such gap seen
    bool operator==(const TElemRFRM&) const = default;
};

class T_FrequenzeRitardi {
public:
    // Values above this are refused when reading: a damaged file must not
    // make us allocate without bound (no measure comes near it).
    static constexpr std::int32_t MassimoValoreAmmesso = 100000;

    T_FrequenzeRitardi() { Azzera(0); }
    explicit T_FrequenzeRitardi(std::int32_t maxValore) { Azzera(maxValore); }

    // Both lists get n+1 zero entries; no contest counted.
    void Azzera(std::int32_t n);

    // Counts one contest whose points value is a and consecutiveness value b,
    // growing both lists when a value is new. Delays move only with
    // aggiornaRitardi.
    void AggiungiConcorso(std::int32_t a, std::int32_t b, bool aggiornaRitardi);

    // The getters read the points list when LeggiPunti is set, else the
    // consecutiveness list. Indices outside 0..MaxValore read as 0.
    [[nodiscard]] std::int32_t Frequenza(std::int32_t i) const { return Elemento(i).Frequenza; }
    [[nodiscard]] std::int32_t Ritardo(std::int32_t i) const { return Elemento(i).Ritardo; }
    [[nodiscard]] std::int32_t RitardoMax(std::int32_t i) const { return Elemento(i).RitardoMax; }
    void ImpostaLeggiPunti(bool punti) { LeggiPunti = punti; }

    [[nodiscard]] std::int32_t MaxValore() const { return maxValore_; }
    [[nodiscard]] std::int32_t NumConcorsi() const { return numConcorsi_; }
    [[nodiscard]] const std::vector<TElemRFRM>& ListaPunti() const { return punti_; }
    [[nodiscard]] const std::vector<TElemRFRM>& ListaCons() const { return cons_; }

    std::uint8_t Riservato = 0;
    bool LeggiPunti = true;

    // MaxValore, NumConcorsi, Riservato, then per value the points entry and
    // the consecutiveness entry (12 bytes each).
    bool Scrivi(io::BinaryWriter& out) const;
    // All or nothing: on a short read or an impossible MaxValore the table
    // is left as it was.
    bool Leggi(io::BinaryReader& in);

    bool operator==(const T_FrequenzeRitardi& o) const {
        return maxValore_ == o.maxValore_ && numConcorsi_ == o.numConcorsi_ && Riservato == o.Riservato &&
               punti_ == o.punti_ && cons_ == o.cons_;
    }

private:
    [[nodiscard]] const TElemRFRM& Elemento(std::int32_t i) const;
    static void AggiornaRitardi(std::vector<TElemRFRM>& lista, std::int32_t colpito);

    std::vector<TElemRFRM> punti_;
    std::vector<TElemRFRM> cons_;
    std::int32_t maxValore_ = 0;
    std::int32_t numConcorsi_ = 0;
};

}  // namespace ludo
