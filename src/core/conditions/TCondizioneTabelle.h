#pragma once
// A condition whose measures are tested in a fixed list of TMisura tables.
// Its record, unless the type says otherwise, is Attivato then each table.

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/conditions/TCondizione.h"

namespace ludo {

// Massimo and HaSeconda of one table at creation.
struct FormaTabella {
    std::int16_t massimo;
    bool haSeconda;
};

// The value pair of each table, in table order (at most eight tables).
using ValoriTabelle = std::array<Valori, 8>;

class TCondizioneTabelle : public TCondizione {
public:
    TCondizioneTabelle(std::uint8_t codice, std::string nome, TCondizioniSistema* proprietario,
                       std::initializer_list<FormaTabella> forme);

    std::vector<TMisura> Tabelle;

    // The type's measure: the values of every table for the column, each
    // over its table's range. The test and the statistics both use it.
    [[nodiscard]] virtual ValoriTabelle Misura(Colonna colonna) const = 0;

    // Each table in use, in order, tests its values; the first failure fails.
    bool Verifica(Colonna colonna) override;
    // Every table takes its values, accepted when its test would pass.
    void Campioni(Colonna colonna, RaccoltaValori raccolta) override;

    void PerOgniMisura(const std::function<void(TMisura&)>& f) override {
        for (auto& t : Tabelle) f(t);
    }
    bool Carica(io::BinaryReader& in) override { return in.read(Attivato) && CaricaTabelle(in); }

protected:
    [[nodiscard]] std::size_t NumeroStatistiche() const override { return Tabelle.size(); }
    [[nodiscard]] std::int32_t MassimoStatistica(std::size_t tabella) const override {
        return Tabelle[tabella].Massimo;
    }

    bool SalvaDati(io::BinaryWriter& out) const override { return out.write(Attivato) && SalvaTabelle(out); }
    bool SalvaTabelle(io::BinaryWriter& out) const;
    bool CaricaTabelle(io::BinaryReader& in);
    // Da..A of every table.
    void ImpostaIntervallo(std::int16_t da, std::int16_t a);
    // Hands each table its values, accepted when its test would pass.
    void Consegna(const ValoriTabelle& valori, RaccoltaValori raccolta) const;
};

}  // namespace ludo
