#include "core/conditions/TGruppo.h"

#include <cstdio>

#include "core/conditions/TCondizioniSistema.h"

namespace ludo {

std::vector<std::unique_ptr<TCondizione>> CopiaMembri(const std::vector<std::unique_ptr<TCondizione>>& membri) {
    std::vector<std::unique_ptr<TCondizione>> copie;
    copie.reserve(membri.size());
    for (const auto& m : membri) copie.push_back(m->Copia());
    return copie;
}

void ImpostaPercorsiMembri(std::vector<std::unique_ptr<TCondizione>>& membri, const std::string& percorso) {
    for (std::size_t i = 0; i < membri.size(); ++i) {
        membri[i]->ImpostaPercorso(percorso);
        char posizione[32];
        std::snprintf(posizione, sizeof posizione, " %3zu", i + 1);
        membri[i]->Percorso += posizione;
    }
}

void AdattaIntervalloMembri(std::vector<std::unique_ptr<TCondizione>>& membri) {
    for (auto& m : membri) m->AdattaIntervallo();
}

void AzzeraStatisticheMembri(std::vector<std::unique_ptr<TCondizione>>& membri) {
    for (auto& m : membri) m->AzzeraStatistiche();
}

void AnalizzaColonneMembri(std::vector<std::unique_ptr<TCondizione>>& membri, const ListaColonne& colonne) {
    for (auto& m : membri) m->AnalizzaColonne(colonne);
}

TGruppo::TGruppo(const TGruppo& altro)
    : TCondizione(altro), CodiceMembri(altro.CodiceMembri), Elenco(CopiaMembri(altro.Elenco)),
      Riservato(altro.Riservato) {}

void TGruppo::Assegna(const TCondizione& altra) {
    const auto& sorgente = dynamic_cast<const TGruppo&>(altra);
    if (&sorgente == this) return;
    AssegnaComuni(sorgente);
    CodiceMembri = sorgente.CodiceMembri;
    Elenco = CopiaMembri(sorgente.Elenco);
    Riservato = sorgente.Riservato;
}

TCondizione& TGruppo::NuovoMembro() {
    Elenco.push_back(CreaCondizione(CodiceMembri, Proprietario));
    return *Elenco.back();
}

void TGruppo::ImpostaPercorso(const std::string& percorsoPadre) {
    TCondizione::ImpostaPercorso(percorsoPadre);
    ImpostaPercorsiMembri(Elenco, Percorso);
}

void TGruppo::AggiornaStato() {
    // A member counts as switched on only while the group is.
    bool qualcuno = false;
    for (auto& m : Elenco) {
        const bool proprio = m->Attivato;
        m->Attivato = proprio && Attivato;
        m->AggiornaStato();
        qualcuno = qualcuno || m->Effettivo;
        m->Attivato = proprio;
    }
    Effettivo = Attivato && qualcuno && !IgnorataInArchivio();
}

void TGruppo::AdattaIntervallo() { AdattaIntervalloMembri(Elenco); }

void TGruppo::AzzeraStatistiche() { AzzeraStatisticheMembri(Elenco); }

void TGruppo::AnalizzaColonne(const ListaColonne& colonne) { AnalizzaColonneMembri(Elenco, colonne); }

bool TGruppo::Verifica(Colonna colonna) {
    const bool registra = Proprietario != nullptr && Proprietario->RegistraErrori;
    bool passa = true;
    for (auto& m : Elenco) {
        if (!m->Effettivo || !m->Attivato) continue;
        if (m->Verifica(colonna)) continue;
        passa = false;
        if (!registra) break;
        Proprietario->RegistraErrore(*m, 0);
    }
    return passa;
}

bool TGruppo::Carica(io::BinaryReader& in) {
    Elenco.clear();
    return in.read(Attivato) && LeggiMembri(in, Proprietario, Elenco, CodiceMembri);
}

bool TGruppo::SalvaDati(io::BinaryWriter& out) const { return out.write(Attivato) && SalvaMembri(out, Elenco); }

}  // namespace ludo
