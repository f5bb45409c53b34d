#pragma once
// The condition types whose measure is a real number tested in intervals.

#include <array>

#include "core/conditions/TCondizione.h"

namespace ludo {

// A condition testing one real measure in its interval table. Its one
// statistics table has a row per interval and a last row ("Altri") for
// values outside every interval.
class TCondizioneIntervalli : public TCondizione {
public:
    using TCondizione::TCondizione;
    TIntervalli Intervalli;

    // The type's measure of the column.
    [[nodiscard]] virtual double Misura(Colonna colonna) const = 0;

    void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) override { f(Intervalli); }
    bool Verifica(Colonna colonna) override { return TestaIntervalli(Intervalli, Misura(colonna)); }
    void Campioni(Colonna colonna, RaccoltaValori raccolta) override;

protected:
    [[nodiscard]] std::size_t NumeroStatistiche() const override { return 1; }
    [[nodiscard]] std::int32_t MassimoStatistica(std::size_t) const override;
};

// 36: sum or product of the coupon's "Picch." values of the column's numbers.
class TPicchetto : public Copiabile<TPicchetto, TCondizioneIntervalli> {
public:
    explicit TPicchetto(TCondizioniSistema* p) : Copiabile(CodPicchetto, "Picchetto", p) {}
    std::array<bool, 32> Partite{};
    std::uint8_t Tipo = 1;  // 1 sum, 0 product

    // Over the match values kept by the system (all 0 without one).
    [[nodiscard]] double Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// 40: the sum of the column's numbers among the chosen matches.
class TSomma : public Copiabile<TSomma, TCondizioneIntervalli> {
public:
    explicit TSomma(TCondizioniSistema* p) : Copiabile(CodSomma, "Somma", p) {}
    Colonna Partite = 0;

    [[nodiscard]] double Misura(Colonna colonna) const override { return MisuraSomma(colonna, Partite); }
    void AggiornaStato() override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

}  // namespace ludo
