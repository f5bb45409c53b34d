#pragma once
// The accepted-value tables of the conditions: TMisura for an integer
// measure (one entry per value, with an optional second table for the
// measure's companion value) and TIntervalli for a real-valued measure.

#include <array>
#include <cstdint>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

// The state of one value.
enum StatoValore : std::uint8_t {
    Rifiutato = 0,
    Accettato = 1,
    InRecupero = 2,  // accepted only while the link admits one more recovery
};

// Who decides on values in recovery: the system's link set. It is reset
// before each column, asked for every value in recovery, and gives the
// final verdict once every condition passed.
class GestoreRecuperi {
public:
    virtual ~GestoreRecuperi() = default;
    virtual void AzzeraColonna() = 0;
    virtual bool AmmettiRecupero(char link, int livello) = 0;
    virtual bool Verdetto() = 0;
    // True when a column can take no error and the verdict on none is "pass":
    // the per-column calls may then be left out. Kept by the implementation
    // whenever its links or limits are rebuilt.
    [[nodiscard]] bool Trasparente() const { return trasparente_; }

protected:
    bool trasparente_ = false;
};

struct VoceMisura {
    std::uint8_t Stato = Rifiutato;
    std::uint8_t Livello = 0;  // recovery level 1..255, meaningful with InRecupero
    bool operator==(const VoceMisura&) const = default;
};

struct TabellaMisura {
    static constexpr int NumeroVoci = 1001;  // values 0..1000

    bool InUso = false;  // derived: some value not refused and the owner switched on
    char Link = 'A';
    std::int16_t Campo = 0;  // the "Punti Tra" group fed with the value; 0 none
    std::array<VoceMisura, NumeroVoci> Voci{};

    // The entry of value v; values outside the table are refused.
    [[nodiscard]] VoceMisura Voce(int v) const {
        return (v >= 0 && v < NumeroVoci) ? Voci[static_cast<std::size_t>(v)] : VoceMisura{};
    }
    // Some value 0..massimo is not refused.
    [[nodiscard]] bool HaValori(int massimo) const;
    // The value test on one table in use.
    [[nodiscard]] bool Ammette(int v, GestoreRecuperi* recuperi) const;

    bool operator==(const TabellaMisura&) const = default;
};

class TMisura {
public:
    TMisura() = default;
    TMisura(std::int16_t massimo, bool haSeconda) : HaSeconda(haSeconda), Massimo(massimo) {}

    bool HaSeconda = false;
    std::int16_t Da = 1;  // range of numbers (or positions) the measure runs over
    std::int16_t A = 32;
    TabellaMisura Prima;
    TabellaMisura Seconda;
    bool QualcunoInUso = false;  // derived
    std::int16_t Massimo = 0;    // the largest value the measure can take

    // InUso of each table and QualcunoInUso, for an owner switched on or off.
    void AggiornaStato(bool attivato);
    // The test of value v and companion w: tables not in use accept.
    [[nodiscard]] bool Verifica(int v, int w, GestoreRecuperi* recuperi) const;
    // The same test for the statistics of passed values: a value in
    // recovery counts as accepted and no link set is asked.
    [[nodiscard]] bool Accetta(int v, int w) const;
    // Both tables back to refusing everything, link 'A', no "Punti Tra" group.
    void Azzera();

    // Each table's first 2·(Massimo+1)+10 bytes (InUso, Link, Campo, values
    // 0..Massimo+3), then Da and A. The length is fixed by Massimo.
    bool Salva(io::BinaryWriter& out) const;
    bool Carica(io::BinaryReader& in);

    bool operator==(const TMisura&) const = default;
};

struct Intervallo {
    double Min = 0;
    double Max = 0;
    std::int16_t Stato = Accettato;
    std::int16_t Livello = 0;
    bool operator==(const Intervallo&) const = default;
};

class TIntervalli {
public:
    static constexpr int MassimoIntervalli = 43;

    char Link = 'A';
    std::int16_t Riservato = 0;  // stored nowhere, zero at creation
    bool InUso = false;          // derived
    std::array<Intervallo, MassimoIntervalli> Intervalli{};
    std::int16_t Numero = 0;  // intervals in use, 0..43

    void AggiornaStato(bool attivato) { InUso = attivato && Numero > 0; }
    // Not in use: accepts. Otherwise the first interval holding x decides.
    [[nodiscard]] bool Verifica(double x, GestoreRecuperi* recuperi) const;
    // The statistics row of x: the index 0..Numero-1 of the first interval
    // holding it, Numero ("Altri") when none does.
    [[nodiscard]] int Indice(double x) const;
    // Verifica without a link set: an interval in recovery accepts.
    [[nodiscard]] bool Accetta(double x) const;

    // The 43 intervals (Min, Max as 6-byte reals, Stato, Livello), Numero, Link.
    bool Salva(io::BinaryWriter& out) const;
    bool Carica(io::BinaryReader& in);

    bool operator==(const TIntervalli&) const = default;
};

}  // namespace ludo
