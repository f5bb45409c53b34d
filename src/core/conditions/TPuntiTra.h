#pragma once
// "Punti Tra": thirty groups of running totals fed, column by column, by the
// tables assigned to each group, and tested last against their intervals.

#include <array>
#include <string>
#include <vector>

#include "core/conditions/TCondizione.h"

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

    using Totali = std::array<std::int32_t, NumeroGruppi + 1>;

    // The totals of the column ([1..30]): what the tables in use of every
    // effective condition of the system (group and board members included)
    // add to their groups, as a test of the column adds them when no
    // condition fails. None without a system.
    [[nodiscard]] Totali Misura(Colonna colonna) const;

    // The conditions of the system (members included) with a table
    // assigned to the group, by their path (their name before it is set).
    [[nodiscard]] std::vector<std::string> CondizioniNelGruppo(int gruppo) const;

    void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) override;
    void AggiornaStato() override;
    // Tests the totals the other conditions fed while the column was tested.
    bool Verifica(Colonna colonna) override;
    // One table per group: the row of the group's total in its intervals.
    void Campioni(Colonna colonna, RaccoltaValori raccolta) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    [[nodiscard]] std::size_t NumeroStatistiche() const override { return NumeroGruppi; }
    [[nodiscard]] std::int32_t MassimoStatistica(std::size_t tabella) const override;
    bool SalvaDati(io::BinaryWriter& out) const override;
};

}  // namespace ludo
