#include "conditions/CondizioniNumeriche.h"

#include <algorithm>

#include "conditions/Misure.h"

namespace ludo {

bool TPariDispari::Verifica(Colonna colonna) {
    for (int i = 0; i < 2; ++i) {
        const TMisura& t = Tabelle[static_cast<std::size_t>(i)];
        if (!t.QualcunoInUso) continue;
        const Valori valori = MisuraParita(colonna, t.Da, t.A, i == 0);
        if (!TestaMisura(t, valori.v, valori.w)) return false;
    }
    return true;
}

void TFormuleDerivate::AggiornaStato() {
    const int ultima = std::clamp<int>(UltimaFormula, 0, 8);
    const bool qualcuna = std::any_of(Formule.begin(), Formule.begin() + ultima + 1, [](bool f) { return f; });
    Effettivo = Attivato && qualcuna;
}

bool TFormuleDerivate::Verifica(Colonna colonna) {
    return Formule[static_cast<std::size_t>(FormulaDerivata(colonna))];
}

bool TFormuleDerivate::Carica(io::BinaryReader& in) {
    if (!in.read(Attivato)) return false;
    for (auto& f : Formule) {
        if (!in.read(f)) return false;
    }
    return true;
}

bool TFormuleDerivate::SalvaDati(io::BinaryWriter& out) const {
    out.write(Attivato);
    for (bool f : Formule) out.write(f);
    return out.ok();
}

bool TDistanzeGlobali::Verifica(Colonna colonna) {
    const Distanze d = MisuraDistanzeGlobali(colonna);
    return TestaMisura(Tabelle[0], d.minima, 0) && TestaMisura(Tabelle[1], d.massima, 0) &&
           TestaMisura(Tabelle[2], d.totale, 0);
}

bool TBaricentri::Verifica(Colonna colonna) {
    const Baricentri b = MisuraBaricentri(colonna);
    return TestaMisura(Tabelle[0], b.tutti, 0) && TestaMisura(Tabelle[1], b.pari, 0) &&
           TestaMisura(Tabelle[2], b.dispari, 0);
}

TPosizioni::TPosizioni(TCondizioniSistema* p)
    : Copiabile(CodPosizioni, "Posizioni", p,
                {{32, false}, {32, false}, {32, false}, {32, false}, {32, false}, {32, false}, {32, false}, {32, false}}) {}

bool TPosizioni::Verifica(Colonna colonna) {
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        if (!Tabelle[i].QualcunoInUso) continue;
        if (!TestaMisura(Tabelle[i], NumeroInPosizione(colonna, static_cast<int>(i) + 1), 0)) return false;
    }
    return true;
}

bool TPosizioni::Carica(io::BinaryReader& in) { return CaricaTabelle(in) && in.read(Attivato) && in.read(Ordine); }

bool TPosizioni::SalvaDati(io::BinaryWriter& out) const {
    return SalvaTabelle(out) && out.write(Attivato) && out.write(Ordine);
}

bool TConsecutivitaNumerica::Verifica(Colonna colonna) {
    const TMisura& t = Tabelle[0];
    return TestaMisura(t, MisuraConsecutivitaNumerica(colonna, t.Da, t.A), 0);
}

bool TNumeroSequenze::Verifica(Colonna colonna) {
    const auto contatori = MisuraNumeroSequenze(colonna);
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        if (!Tabelle[i].QualcunoInUso) continue;
        if (!TestaMisura(Tabelle[i], contatori[i + 1], 0)) return false;
    }
    return true;
}

bool TNumeroSequenze::Carica(io::BinaryReader& in) { return CaricaTabelle(in) && in.read(Attivato) && in.read(Ordine); }

bool TNumeroSequenze::SalvaDati(io::BinaryWriter& out) const {
    return SalvaTabelle(out) && out.write(Attivato) && out.write(Ordine);
}

bool TDistanzaSpecifica::Verifica(Colonna colonna) {
    return TestaMisura(Tabelle[0], MisuraDistanzaSpecifica(colonna, Posizione1, Posizione2), 0);
}

bool TDistanzaSpecifica::Carica(io::BinaryReader& in) {
    return in.read(Attivato) && in.read(Posizione1) && in.read(Posizione2) && CaricaTabelle(in);
}

bool TDistanzaSpecifica::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Posizione1) && out.write(Posizione2) && SalvaTabelle(out);
}

bool TResti::Verifica(Colonna colonna) { return TestaMisura(Tabelle[0], MisuraResti(colonna, Divisore), 0); }

bool TResti::Carica(io::BinaryReader& in) { return in.read(Attivato) && in.read(Divisore) && CaricaTabelle(in); }

bool TResti::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Divisore) && SalvaTabelle(out);
}

void TConsecutivita::ImpostaPercorso(const std::string& percorsoPadre) {
    Percorso = percorsoPadre + "\\ Segno " + Nome + (Parita != 0 ? " Pari" : " Dispari");
}

void TConsecutivita::AggiornaStato() {
    TCondizioneTabelle::AggiornaStato();
    // Both the accepted counts and the accepted runs are needed.
    Effettivo = Effettivo && Tabelle[0].QualcunoInUso && Tabelle[1].QualcunoInUso;
}

bool TConsecutivita::Verifica(Colonna colonna) {
    const TMisura& ammessa = Tabelle[1];
    const Valori valori = MisuraParita(colonna, ammessa.Da, ammessa.A, Parita != 0);
    // Only columns whose count of that parity is accepted outright are judged.
    if (Tabelle[0].Prima.Voce(valori.v).Stato != Accettato) return true;
    return TestaMisura(ammessa, valori.w, 0);
}

bool TConsecutivita::Carica(io::BinaryReader& in) { return in.read(Attivato) && in.read(Parita) && CaricaTabelle(in); }

bool TConsecutivita::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Parita) && SalvaTabelle(out);
}

bool TColonnaFiltro::Verifica(Colonna colonna) {
    const TMisura& punti = Tabelle[0];
    const Valori valori = MisuraColonnaFiltro(colonna, Numeri, FlagPosizione != 0, punti.Seconda.InUso);
    return TestaMisura(punti, valori.v, valori.w);
}

bool TColonnaFiltro::Carica(io::BinaryReader& in) {
    return in.read(FlagPosizione) && CaricaTabelle(in) && in.read(Numeri) && in.read(Attivato);
}

bool TColonnaFiltro::SalvaDati(io::BinaryWriter& out) const {
    return out.write(FlagPosizione) && SalvaTabelle(out) && out.write(Numeri) && out.write(Attivato);
}

}  // namespace ludo
