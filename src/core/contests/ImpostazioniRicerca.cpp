#include "core/contests/ImpostazioniRicerca.h"

namespace ludo {

bool ImpostazioniRicerca::Salva(io::BinaryWriter& out) const {
    out.write(Intervallo.Tipi);
    out.write(Intervallo.AnnoDa);
    out.write(Intervallo.AnnoA);
    out.write(Intervallo.ConcDa);
    out.write(Intervallo.ConcA);
    out.write(IgnoraColonneFiltro);
    out.write(IgnoraRipetizioni);
    out.write(IgnoraValori);
    out.write(PrimaCategoria);
    return out.write(PrimaSecondaCategoria);
}

bool ImpostazioniRicerca::Carica(io::BinaryReader& in) {
    in.read(Intervallo.Tipi);
    in.read(Intervallo.AnnoDa);
    in.read(Intervallo.AnnoA);
    in.read(Intervallo.ConcDa);
    in.read(Intervallo.ConcA);
    in.read(IgnoraColonneFiltro);
    in.read(IgnoraRipetizioni);
    in.read(IgnoraValori);
    in.read(PrimaCategoria);
    return in.read(PrimaSecondaCategoria);
}

bool ConcorsoSelezionato(const IntervalloRicerca& intervallo, const T_Concorso& c) {
    if ((intervallo.Tipi & c.TipoConcorso) == 0) return false;
    if (c.Anno < intervallo.AnnoDa || c.Anno > intervallo.AnnoA) return false;
    if (c.Anno == intervallo.AnnoDa && c.NumConcorso < intervallo.ConcDa) return false;
    if (c.Anno == intervallo.AnnoA && c.NumConcorso > intervallo.ConcA) return false;
    return true;
}

}  // namespace ludo
