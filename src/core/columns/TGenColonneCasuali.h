#pragma once
// Random columns drawn with a weight per number: uniform, from the coupon's
// "Picch." values or from the archive statistics, optionally only among the
// numbers of the forecast.

#include <array>
#include <cstdint>
#include <random>

#include "core/columns/Colonna.h"

namespace ludo {

inline constexpr char MsgPronosticoInsufficiente[] =
    "Per effettuare la generazione scegliendo le partite tra quelle inserire nel pronostico è "
    "necesario utilizzare un pronostico più ampio.";
inline constexpr char MsgPesiInsufficienti[] =
    "Impossibile generare la colonna: i numeri con un peso maggiore di zero sono meno di quelli "
    "richiesti.";

// The archive statistics over the contests of the current search interval.
struct FonteStatistiche {
    virtual ~FonteStatistiche() = default;
    // T: how many contests the interval holds.
    [[nodiscard]] virtual int ConcorsiSelezionati() const = 0;
    // F(n): how many of them have number n (1..32) in the winning column.
    [[nodiscard]] virtual int Frequenza(int numero) const = 0;
    // R(n): the contests since number n last appeared.
    [[nodiscard]] virtual int Ritardo(int numero) const = 0;
};

// Where the weights come from.
struct DatiPesi {
    std::array<double, 32> picchetti{};  // the coupon's "Picch." of numbers 1..32
    Colonna pronostico = 0;              // the system's forecast
    // Read only for statistical weights; without it there are no contests.
    const FonteStatistiche* statistiche = nullptr;
};

class TGenColonneCasuali {
public:
    // Weights are kept within 0..kPesoMassimo, so a hostile coupon or
    // archive value can neither make a weight negative nor overflow the
    // running totals.
    static constexpr int kPesoMassimo = 1'000'000;

    // The random source is seeded once, from the system's entropy or with
    // seme (for a repeatable sequence).
    TGenColonneCasuali();
    explicit TGenColonneCasuali(std::uint32_t seme) : generatore_(seme) {}

    // Cumulata[n] is the total weight of numbers 1..n (Cumulata[0] is 0), so
    // Cumulata[32] is the total weight.
    std::array<std::int32_t, 33> Cumulata{};

    // Computes the weights of numbers 1..32: 1 each when uniforme; otherwise
    // the truncated "Picch." value when daPicchetti; otherwise
    // F(n) / T x R(n) x 5 rounded to the nearest integer, an exact half to the
    // even one (0 without contests). With soloPronostico the numbers outside
    // the forecast weigh 0. Returns false (the caller shows
    // MsgPronosticoInsufficiente) when soloPronostico and daStatistiche are
    // both set and fewer than 10 forecast numbers have a positive
    // statistical weight; the totals are computed all the same.
    bool Imposta(bool uniforme, bool daPicchetti, bool daStatistiche, bool soloPronostico,
                 const DatiPesi& dati);

    // A column of quanti numbers, each drawn with probability proportional to
    // its weight until quanti different ones are set. Throws
    // Errore(MsgPesiInsufficienti) when fewer than quanti numbers have a
    // positive weight (the draw could never end).
    Colonna Genera(int quanti);

    [[nodiscard]] int Peso(int numero) const {
        return Cumulata[Indice(numero)] - Cumulata[Indice(numero) - 1];
    }

private:
    static std::size_t Indice(int numero) { return static_cast<std::size_t>(numero); }
    [[nodiscard]] int NumeriConPeso() const;

    std::mt19937 generatore_;
};

}  // namespace ludo
