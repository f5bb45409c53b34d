#include "core/conditions/CondizioniNumeriche.h"

#include <algorithm>

#include "core/conditions/Misure.h"

namespace ludo {

ValoriTabelle TPariDispari::Misura(Colonna colonna) const {
    return {MisuraParita(colonna, Tabelle[0].Da, Tabelle[0].A, true),
            MisuraParita(colonna, Tabelle[1].Da, Tabelle[1].A, false)};
}

std::string TestoFormulaDerivata(int k) { return std::to_string(k) + "-" + std::to_string(8 - k); }

void TFormuleDerivate::AggiornaStato() {
    const int ultima = std::clamp<int>(UltimaFormula, 0, 8);
    const bool qualcuna = std::any_of(Formule.begin(), Formule.begin() + ultima + 1, [](bool f) { return f; });
    Effettivo = Attivato && qualcuna;
}

bool TFormuleDerivate::Verifica(Colonna colonna) { return Formule[static_cast<std::size_t>(Misura(colonna))]; }

void TFormuleDerivate::Campioni(Colonna colonna, RaccoltaValori raccolta) {
    const int k = Misura(colonna);
    // A condition that takes no part lets every column through.
    raccolta(0, {k, 0}, !Effettivo || Formule[static_cast<std::size_t>(k)]);
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

ValoriTabelle TDistanzeGlobali::Misura(Colonna colonna) const {
    const Distanze d = MisuraDistanzeGlobali(colonna);
    return {Valori{d.minima, 0}, Valori{d.massima, 0}, Valori{d.totale, 0}};
}

ValoriTabelle TBaricentri::Misura(Colonna colonna) const {
    const Baricentri b = MisuraBaricentri(colonna);
    return {Valori{b.tutti, 0}, Valori{b.pari, 0}, Valori{b.dispari, 0}};
}

TPosizioni::TPosizioni(TCondizioniSistema* p)
    : Copiabile(CodPosizioni, "Posizioni", p,
                {{32, false}, {32, false}, {32, false}, {32, false}, {32, false}, {32, false}, {32, false}, {32, false}}) {}

ValoriTabelle TPosizioni::Misura(Colonna colonna) const {
    const auto numeri = MisuraPosizioni(colonna);
    ValoriTabelle valori{};
    for (std::size_t i = 0; i < numeri.size(); ++i) valori[i].v = numeri[i];
    return valori;
}

bool TPosizioni::Carica(io::BinaryReader& in) { return CaricaTabelle(in) && in.read(Attivato) && in.read(Ordine); }

bool TPosizioni::SalvaDati(io::BinaryWriter& out) const {
    return SalvaTabelle(out) && out.write(Attivato) && out.write(Ordine);
}

ValoriTabelle TConsecutivitaNumerica::Misura(Colonna colonna) const {
    return {Valori{MisuraConsecutivitaNumerica(colonna, Tabelle[0].Da, Tabelle[0].A), 0}};
}

ValoriTabelle TNumeroSequenze::Misura(Colonna colonna) const {
    const auto contatori = MisuraNumeroSequenze(colonna);
    return {Valori{contatori[1], 0}, Valori{contatori[2], 0}, Valori{contatori[3], 0}, Valori{contatori[4], 0}};
}

bool TNumeroSequenze::Carica(io::BinaryReader& in) { return CaricaTabelle(in) && in.read(Attivato) && in.read(Ordine); }

bool TNumeroSequenze::SalvaDati(io::BinaryWriter& out) const {
    return SalvaTabelle(out) && out.write(Attivato) && out.write(Ordine);
}

ValoriTabelle TDistanzaSpecifica::Misura(Colonna colonna) const {
    return {Valori{MisuraDistanzaSpecifica(colonna, Posizione1, Posizione2), 0}};
}

bool TDistanzaSpecifica::Carica(io::BinaryReader& in) {
    return in.read(Attivato) && in.read(Posizione1) && in.read(Posizione2) && CaricaTabelle(in);
}

bool TDistanzaSpecifica::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Posizione1) && out.write(Posizione2) && SalvaTabelle(out);
}

int PrimaPosizioneOrdinata(int prima, int seconda) { return prima >= seconda ? seconda - 1 : prima; }

int SecondaPosizioneOrdinata(int prima, int seconda) { return seconda <= prima ? prima + 1 : seconda; }

ValoriTabelle TResti::Misura(Colonna colonna) const { return {Valori{MisuraResti(colonna, Divisore), 0}}; }

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

ValoriTabelle TConsecutivita::Misura(Colonna colonna) const {
    const Valori valori = MisuraParita(colonna, Tabelle[1].Da, Tabelle[1].A, Parita != 0);
    return {Valori{valori.v, 0}, Valori{valori.w, 0}};
}

bool TConsecutivita::Giudicata(int conteggio) const {
    // Only columns whose count of that parity is accepted outright are
    // judged; values in recovery do not count here.
    return Tabelle[0].Prima.Voce(conteggio).Stato == Accettato;
}

bool TConsecutivita::Verifica(Colonna colonna) {
    const ValoriTabelle valori = Misura(colonna);
    return !Giudicata(valori[0].v) || TestaMisura(Tabelle[1], valori[1].v, 0);
}

void TConsecutivita::Campioni(Colonna colonna, RaccoltaValori raccolta) {
    const ValoriTabelle valori = Misura(colonna);
    if (Giudicata(valori[0].v)) raccolta(1, valori[1], Tabelle[1].Accetta(valori[1].v, 0));
}

bool TConsecutivita::Carica(io::BinaryReader& in) { return in.read(Attivato) && in.read(Parita) && CaricaTabelle(in); }

bool TConsecutivita::SalvaDati(io::BinaryWriter& out) const {
    return out.write(Attivato) && out.write(Parita) && SalvaTabelle(out);
}

ValoriTabelle TColonnaFiltro::Misura(Colonna colonna) const {
    // Without the position flag the run is measured only when it is tested.
    return {MisuraColonnaFiltro(colonna, Numeri, FlagPosizione != 0, Tabelle[0].Seconda.InUso)};
}

bool TColonnaFiltro::Carica(io::BinaryReader& in) {
    return in.read(FlagPosizione) && CaricaTabelle(in) && in.read(Numeri) && in.read(Attivato);
}

bool TColonnaFiltro::SalvaDati(io::BinaryWriter& out) const {
    return out.write(FlagPosizione) && SalvaTabelle(out) && out.write(Numeri) && out.write(Attivato);
}

}  // namespace ludo
