#include "conditions/CondizioniReali.h"

#include "conditions/Misure.h"
#include "conditions/TCondizioniSistema.h"

namespace ludo {

bool TPicchetto::Verifica(Colonna colonna) {
    static const std::array<double, 32> nessunValore{};
    const auto& valori = Proprietario != nullptr ? Proprietario->Picchetti : nessunValore;
    return TestaIntervalli(Intervalli, MisuraPicchetto(colonna, Partite, valori, Tipo != 0));
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

bool TSomma::Verifica(Colonna colonna) { return TestaIntervalli(Intervalli, MisuraSomma(colonna, Partite)); }

bool TSomma::Carica(io::BinaryReader& in) {
    return in.read(Attivato) && in.read(Partite) && Intervalli.Carica(in);
}

bool TSomma::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Partite) && Intervalli.Salva(out);
}

}  // namespace ludo
