#include "conditions/TPuntiTra.h"

namespace ludo {
namespace {

// The highest group holding intervals (0 if none).
std::int32_t ultimoNonVuoto(const std::array<TIntervalli, TPuntiTra::NumeroGruppi + 1>& gruppi) {
    for (int g = TPuntiTra::NumeroGruppi; g >= 1; --g) {
        if (gruppi[static_cast<std::size_t>(g)].Numero > 0) return g;
    }
    return 0;
}

}  // namespace

void TPuntiTra::PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) {
    for (int g = 1; g <= NumeroGruppi; ++g) f(Gruppi[static_cast<std::size_t>(g)]);
}

void TPuntiTra::AggiornaStato() {
    TCondizione::AggiornaStato();
    Ultimo = 0;
    for (int g = 1; g <= NumeroGruppi; ++g) {
        if (Gruppi[static_cast<std::size_t>(g)].InUso) Ultimo = g;
    }
    Effettivo = Attivato && Ultimo > 0;
}

bool TPuntiTra::Verifica(Colonna) {
    for (int g = 1; g <= Ultimo && g <= NumeroGruppi; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (!TestaIntervalli(Gruppi[i], static_cast<double>(Totale[i]))) return false;
    }
    return true;
}

bool TPuntiTra::Carica(io::BinaryReader& in) {
    std::int32_t ultimo = 0;
    if (!in.read(Attivato) || !in.read(ultimo) || ultimo < 0 || ultimo > NumeroGruppi) return false;
    for (auto& gruppo : Gruppi) gruppo = TIntervalli{};
    for (int g = 1; g <= ultimo; ++g) {
        if (!Gruppi[static_cast<std::size_t>(g)].Carica(in)) return false;
    }
    Ultimo = ultimo;
    return true;
}

bool TPuntiTra::SalvaDati(io::BinaryWriter& out) const {
    const std::int32_t ultimo = ultimoNonVuoto(Gruppi);
    out.write(Attivato);
    out.write(ultimo);
    for (int g = 1; g <= ultimo; ++g) Gruppi[static_cast<std::size_t>(g)].Salva(out);
    return out.ok();
}

}  // namespace ludo
