#include "conditions/CondizioniSchema.h"

#include "conditions/TCondizioniSistema.h"

namespace ludo {

bool TInterruzioni::Verifica(Colonna colonna) {
    const TMisura& globali = Tabelle[0];
    const TMisura& pari = Tabelle[1];
    const TMisura& dispari = Tabelle[2];
    if (globali.QualcunoInUso) {
        const Valori v = MisuraInterruzioni(colonna, globali.Da, globali.A, Schema()).globali;
        if (!TestaMisura(globali, v.v, v.w)) return false;
    }
    if (pari.QualcunoInUso &&
        !TestaMisura(pari, MisuraInterruzioni(colonna, pari.Da, pari.A, Schema()).segniPari, 0)) {
        return false;
    }
    return !dispari.QualcunoInUso ||
           TestaMisura(dispari, MisuraInterruzioni(colonna, dispari.Da, dispari.A, Schema()).segniDispari, 0);
}

bool TSimmetrie::Verifica(Colonna colonna) {
    const TMisura& dirette = Tabelle[0];
    const TMisura& inverse = Tabelle[1];
    const TMisura& totali = Tabelle[2];
    if (dirette.QualcunoInUso) {
        const Valori v = MisuraSimmetrie(colonna, dirette.A, Schema()).dirette;
        if (!TestaMisura(dirette, v.v, v.w)) return false;
    }
    if (inverse.QualcunoInUso) {
        const Valori v = MisuraSimmetrie(colonna, inverse.A, Schema()).inverse;
        if (!TestaMisura(inverse, v.v, v.w)) return false;
    }
    if (!totali.QualcunoInUso) return true;
    const Simmetrie s = MisuraSimmetrie(colonna, totali.A, Schema());
    return TestaMisura(totali, s.dirette.v + s.inverse.v, 0);
}

TVortice::TVortice(TCondizioniSistema* p)
    : Copiabile(CodVortice, "Vortice", p, {{8, false}, {8, false}, {8, false}, {8, false}}) {
    Tabelle[0].A = 8;
    Tabelle[2].A = 8;
}

bool TVortice::Verifica(Colonna colonna) {
    // Tables 1-2: position and arms of the direct vortex; 3-4: of the inverse one.
    for (std::size_t inizio : {0U, 2U}) {
        const TMisura& posizione = Tabelle[inizio];
        const TMisura& bracci = Tabelle[inizio + 1];
        if (!posizione.QualcunoInUso && !bracci.QualcunoInUso) continue;
        const Vortice v = MisuraVortice(colonna, posizione.Da, posizione.A, inizio == 2);
        if (!TestaMisura(posizione, v.posizione, 0) || !TestaMisura(bracci, v.bracci, 0)) return false;
    }
    return true;
}

bool TRipetizioni::Verifica(Colonna colonna) {
    const ArchivioConcorsi* archivio = Proprietario != nullptr ? Proprietario->Archivio : nullptr;
    const std::size_t concorsi = archivio != nullptr ? archivio->Conteggio() : 0;
    for (std::size_t i = 0; i < 2; ++i) {
        const TMisura& t = Tabelle[i];
        if (!t.QualcunoInUso) continue;
        // Table 1 against the last contest, table 2 against the one before it.
        const Colonna precedente = concorsi > i ? (*archivio)[concorsi - 1 - i].Vincente : 0;
        const Valori v = MisuraRipetizioni(colonna, precedente, t.Da, t.A, Schema());
        if (!TestaMisura(t, v.v, v.w)) return false;
    }
    return true;
}

TSequela::TSequela(TCondizioniSistema* p) : Copiabile(CodSequela, "Sequele", p, {{7, true}}) { Tabelle[0].A = 8; }

bool TSequela::Verifica(Colonna colonna) {
    const TMisura& presenze = Tabelle[0];
    const Valori v = MisuraSequela(colonna, presenze.Da, presenze.A, Parametri);
    return TestaMisura(presenze, v.v, v.w);
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
