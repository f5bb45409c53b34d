#pragma once
// "Punti Tra": thirty groups of running totals fed, column by column, by the
// tables assigned to each group, and tested last against their intervals.

#include <array>

#include "conditions/TCondizione.h"

namespace ludo {

class TPuntiTra : public Copiabile<TPuntiTra> {
public:
    static constexpr int NumeroGruppi = 30;

    explicit TPuntiTra(TCondizioniSistema* p) : Copiabile(CodPuntiTra, "Punti Tra", p) {}

    std::array<std::int32_t, NumeroGruppi + 1> Totale{};      // [1..30], per column
    std::array<TIntervalli, NumeroGruppi + 1> Gruppi{};       // [1..30]
    std::int32_t Ultimo = 0;  // highest group whose intervals are in use

    void AzzeraTotali() { Totale.fill(0); }
    void Aggiungi(int gruppo, int valore) {
        if (gruppo >= 1 && gruppo <= NumeroGruppi) Totale[static_cast<std::size_t>(gruppo)] += valore;
    }

    void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) override;
    void AggiornaStato() override;
    bool Verifica(Colonna colonna) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

}  // namespace ludo
