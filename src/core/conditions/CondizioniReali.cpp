#include "core/conditions/CondizioniReali.h"

#include <algorithm>

#include "core/conditions/TCondizioniSistema.h"

namespace ludo {

void TCondizioneIntervalli::Campioni(Colonna colonna, RaccoltaValori raccolta) {
    const double x = Misura(colonna);
    raccolta(0, {Intervalli.Indice(x), 0}, Intervalli.Accetta(x));
}

std::int32_t TCondizioneIntervalli::MassimoStatistica(std::size_t) const {
    return std::clamp<std::int32_t>(Intervalli.Numero, 0, TIntervalli::MassimoIntervalli);
}

double TPicchetto::Misura(Colonna colonna) const {
    static const std::array<double, 32> nessunValore{};
    const auto& valori = Proprietario != nullptr ? Proprietario->Picchetti : nessunValore;
    return MisuraPicchetto(colonna, Partite, valori, Tipo != 0);
}

bool TPicchetto::Carica(io::BinaryReader& in) {
    if (!in.read(Attivato) || !Intervalli.Carica(in) || !in.read(Tipo)) return false;
    for (auto& p : Partite) {
        if (!in.read(p)) return false;
    }
    return true;
}

bool TPicchetto::SalvaDati(io::BinaryWriter& out) const {
    out.write(Attivato);
    Intervalli.Salva(out);
    out.write(Tipo);
    for (bool p : Partite) out.write(p);
    return out.ok();
}

void TSomma::AggiornaStato() {
    TCondizione::AggiornaStato();
    Effettivo = Effettivo && Partite != 0;
}

bool TSomma::Carica(io::BinaryReader& in) {
    return in.read(Attivato) && in.read(Partite) && Intervalli.Carica(in);
}

bool TSomma::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Partite) && Intervalli.Salva(out);
}

}  // namespace ludo
