#pragma once
// The condition types whose measure is a real number tested in intervals.

#include <array>

#include "conditions/TCondizione.h"

namespace ludo {

// 36: sum or product of the coupon's "Picch." values of the column's numbers.
class TPicchetto : public Copiabile<TPicchetto> {
public:
    explicit TPicchetto(TCondizioniSistema* p) : Copiabile(CodPicchetto, "Picchetto", p) {}
    TIntervalli Intervalli;
    std::array<bool, 32> Partite{};
    std::uint8_t Tipo = 1;  // 1 sum, 0 product

    void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) override { f(Intervalli); }
    bool Verifica(Colonna colonna) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// 40: the sum of the column's numbers among the chosen matches.
class TSomma : public Copiabile<TSomma> {
public:
    explicit TSomma(TCondizioniSistema* p) : Copiabile(CodSomma, "Somma", p) {}
    TIntervalli Intervalli;
    Colonna Partite = 0;

    void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) override { f(Intervalli); }
    void AggiornaStato() override;
    bool Verifica(Colonna colonna) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

}  // namespace ludo
