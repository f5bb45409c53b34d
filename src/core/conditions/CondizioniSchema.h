#pragma once
// The condition types that look at the shape of a column: interruptions,
// symmetries, repetitions (on the numbers or on the parity pattern), the
// vortex and the sequences of signs.

#include "core/conditions/Misure.h"
#include "core/conditions/TCondizioneTabelle.h"

namespace ludo {

// Types whose tables run over numbers 1..32 (Modo 0) or positions 1..8 (Modo 1).
class TCondizioneModo : public TCondizioneTabelle {
public:
    using TCondizioneTabelle::TCondizioneTabelle;
    void AdattaIntervallo() override { ImpostaIntervallo(1, Modo == 1 ? 8 : 32); }
    [[nodiscard]] bool Schema() const { return Modo == 1; }
};

// 2: gaps between the numbers (or changes of sign).
class TInterruzioni : public Copiabile<TInterruzioni, TCondizioneModo> {
public:
    explicit TInterruzioni(TCondizioniSistema* p)
        : Copiabile(CodInterruzioni, "Interruzioni", p, {{7, true}, {7, false}, {7, false}}) {}
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override { return in.read(Modo) && in.read(Attivato) && CaricaTabelle(in); }

protected:
    bool SalvaDati(io::BinaryWriter& out) const override {
        return out.write(Modo) && out.write(Attivato) && SalvaTabelle(out);
    }
};

// 4: symmetric pairs of numbers (or of signs).
class TSimmetrie : public Copiabile<TSimmetrie, TCondizioneModo> {
public:
    explicit TSimmetrie(TCondizioniSistema* p)
        : Copiabile(CodSimmetrie, "Simmetrie", p, {{4, true}, {4, true}, {8, false}}) {}
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override { return in.read(Attivato) && in.read(Modo) && CaricaTabelle(in); }

protected:
    bool SalvaDati(io::BinaryWriter& out) const override {
        return out.write(Attivato) && out.write(Modo) && SalvaTabelle(out);
    }
};

// 6: the vortex walk over the parity pattern, direct and inverse.
class TVortice : public Copiabile<TVortice, TCondizioneTabelle> {
public:
    explicit TVortice(TCondizioniSistema* p);
    // Position and arms of the direct vortex (range of table 1), then of the
    // inverse one (range of table 3).
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
};

// 7: numbers (or signs) repeated from the last two contests of the archive.
class TRipetizioni : public Copiabile<TRipetizioni, TCondizioneModo> {
public:
    explicit TRipetizioni(TCondizioniSistema* p)
        : Copiabile(CodRipetizioni, "Ripetizioni", p, {{8, true}, {8, true}}) {}
    // Against the last and the second-last contest of the system's archive.
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    // Table 1 against ultimo, table 2 against penultimo.
    [[nodiscard]] ValoriTabelle MisuraContro(Colonna colonna, Colonna ultimo, Colonna penultimo) const;
    bool Carica(io::BinaryReader& in) override { return in.read(Modo) && in.read(Attivato) && CaricaTabelle(in); }

protected:
    // An archived contest is measured against the two contests before it;
    // the first two have none and give nothing.
    void CampioniConcorso(const ElencoConcorsi& archivio, std::size_t indice, RaccoltaValori raccolta) override;
    bool SalvaDati(io::BinaryWriter& out) const override {
        return out.write(Modo) && out.write(Attivato) && SalvaTabelle(out);
    }
};

// 34: windows of signs matching a pattern.
class TSequela : public Copiabile<TSequela, TCondizioneTabelle> {
public:
    explicit TSequela(TCondizioniSistema* p);
    ParametriSequela Parametri;
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

}  // namespace ludo
