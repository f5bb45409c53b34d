#pragma once
// A condition whose measures are tested in a fixed list of TMisura tables.
// Its record, unless the type says otherwise, is Attivato then each table.

#include <initializer_list>
#include <utility>
#include <vector>

#include "conditions/TCondizione.h"

namespace ludo {

// Massimo and HaSeconda of one table at creation.
struct FormaTabella {
    std::int16_t massimo;
    bool haSeconda;
};

class TCondizioneTabelle : public TCondizione {
public:
    TCondizioneTabelle(std::uint8_t codice, std::string nome, TCondizioniSistema* proprietario,
                       std::initializer_list<FormaTabella> forme);

    std::vector<TMisura> Tabelle;

    void PerOgniMisura(const std::function<void(TMisura&)>& f) override {
        for (auto& t : Tabelle) f(t);
    }
    bool Carica(io::BinaryReader& in) override { return in.read(Attivato) && CaricaTabelle(in); }

protected:
    bool SalvaDati(io::BinaryWriter& out) const override { return out.write(Attivato) && SalvaTabelle(out); }
    bool SalvaTabelle(io::BinaryWriter& out) const;
    bool CaricaTabelle(io::BinaryReader& in);
    // Da..A of every table.
    void ImpostaIntervallo(std::int16_t da, std::int16_t a);
};

}  // namespace ludo
