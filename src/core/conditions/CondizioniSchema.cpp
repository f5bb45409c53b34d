#include "core/conditions/CondizioniSchema.h"

#include "core/conditions/TCondizioniSistema.h"

namespace ludo {

ValoriTabelle TInterruzioni::Misura(Colonna colonna) const {
    // Each table has its own range; usually they share one, measured once.
    const TMisura& globali = Tabelle[0];
    const Interruzioni comune = MisuraInterruzioni(colonna, globali.Da, globali.A, Schema());
    auto sulRange = [&](const TMisura& t) {
        return (t.Da == globali.Da && t.A == globali.A) ? comune : MisuraInterruzioni(colonna, t.Da, t.A, Schema());
    };
    return {comune.globali, Valori{sulRange(Tabelle[1]).segniPari, 0}, Valori{sulRange(Tabelle[2]).segniDispari, 0}};
}

ValoriTabelle TSimmetrie::Misura(Colonna colonna) const {
    const Simmetrie comune = MisuraSimmetrie(colonna, Tabelle[0].A, Schema());
    auto finoA = [&](const TMisura& t) {
        return t.A == Tabelle[0].A ? comune : MisuraSimmetrie(colonna, t.A, Schema());
    };
    const Simmetrie totali = finoA(Tabelle[2]);
    return {comune.dirette, finoA(Tabelle[1]).inverse, Valori{totali.dirette.v + totali.inverse.v, 0}};
}

TVortice::TVortice(TCondizioniSistema* p)
    : Copiabile(CodVortice, "Vortice", p, {{8, false}, {8, false}, {8, false}, {8, false}}) {
    Tabelle[0].A = 8;
    Tabelle[2].A = 8;
}

ValoriTabelle TVortice::Misura(Colonna colonna) const {
    const Vortice diretto = MisuraVortice(colonna, Tabelle[0].Da, Tabelle[0].A, false);
    const Vortice inverso = MisuraVortice(colonna, Tabelle[2].Da, Tabelle[2].A, true);
    return {Valori{diretto.posizione, 0}, Valori{diretto.bracci, 0}, Valori{inverso.posizione, 0},
            Valori{inverso.bracci, 0}};
}

ValoriTabelle TRipetizioni::Misura(Colonna colonna) const {
    const ElencoConcorsi* archivio = Proprietario != nullptr ? Proprietario->Archivio : nullptr;
    const std::size_t concorsi = archivio != nullptr ? archivio->size() : 0;
    // A missing contest counts as a column with no numbers.
    const Colonna ultimo = concorsi >= 1 ? (*archivio)[concorsi - 1].Vincente : 0;
    const Colonna penultimo = concorsi >= 2 ? (*archivio)[concorsi - 2].Vincente : 0;
    return MisuraContro(colonna, ultimo, penultimo);
}

ValoriTabelle TRipetizioni::MisuraContro(Colonna colonna, Colonna ultimo, Colonna penultimo) const {
    return {MisuraRipetizioni(colonna, ultimo, Tabelle[0].Da, Tabelle[0].A, Schema()),
            MisuraRipetizioni(colonna, penultimo, Tabelle[1].Da, Tabelle[1].A, Schema())};
}

void TRipetizioni::CampioniConcorso(const ElencoConcorsi& archivio, std::size_t indice, RaccoltaValori raccolta) {
    if (indice < 2) return;
    Consegna(MisuraContro(archivio[indice].Vincente, archivio[indice - 1].Vincente, archivio[indice - 2].Vincente),
             raccolta);
}

TSequela::TSequela(TCondizioniSistema* p) : Copiabile(CodSequela, "Sequele", p, {{7, true}}) { Tabelle[0].A = 8; }

ValoriTabelle TSequela::Misura(Colonna colonna) const {
    return {MisuraSequela(colonna, Tabelle[0].Da, Tabelle[0].A, Parametri)};
}

bool TSequela::Carica(io::BinaryReader& in) {
    return in.read(Attivato) && CaricaTabelle(in) && in.readBytes(Parametri.sequela) &&
           in.read(Parametri.lunghezza) && in.read(Parametri.passoTrovata) && in.read(Parametri.passoNonTrovata) &&
           in.read(Parametri.tipo);
}

bool TSequela::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && SalvaTabelle(out) && out.writeBytes(Parametri.sequela) &&
           out.write(Parametri.lunghezza) && out.write(Parametri.passoTrovata) &&
           out.write(Parametri.passoNonTrovata) && out.write(Parametri.tipo);
}

}  // namespace ludo
