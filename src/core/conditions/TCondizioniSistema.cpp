#include "core/conditions/TCondizioniSistema.h"

#include "core/conditions/TPuntiTra.h"

namespace ludo {

// Group types whose own failure is never recorded, only their members'.
static bool gruppoNonRegistrato(std::uint8_t codice) {
    return codice == CodGruppoConsecutivita || codice == CodGruppoSequele || codice == CodGruppoPicchetti ||
           codice == CodGruppoDistanze;
}

TCondizioniSistema::TCondizioniSistema() {
    Errori.reserve(64);
    Azzera();
}

namespace {

void assegnaProprietario(TCondizione& c, TCondizioniSistema* proprietario) {
    c.Proprietario = proprietario;
    if (auto* membri = c.Membri()) {
        for (auto& m : *membri) assegnaProprietario(*m, proprietario);
    }
}

}  // namespace

TCondizioniSistema::TCondizioniSistema(const TCondizioniSistema& altro)
    : Fisse(altro.Fisse), Picchetti(altro.Picchetti), ModoArchivio(altro.ModoArchivio) {
    Errori.reserve(64);
    for (int n = 1; n <= NumeroCondizioni; ++n) {
        const auto slot = static_cast<std::size_t>(n);
        condizioni_[slot] = altro.condizioni_[slot]->Copia();
        assegnaProprietario(*condizioni_[slot], this);
    }
    CollegaPuntiTra();
    Prepara();
}

void TCondizioniSistema::Azzera() {
    for (int n = 1; n <= NumeroCondizioni; ++n) {
        condizioni_[static_cast<std::size_t>(n)] = CreaCondizione(static_cast<std::uint8_t>(n), this);
    }
    CollegaPuntiTra();
    Prepara();
}

void TCondizioniSistema::Sostituisci(std::unique_ptr<TCondizione> condizione) {
    const auto slot = static_cast<std::size_t>(condizione->Codice);
    condizioni_.at(slot) = std::move(condizione);
    CollegaPuntiTra();
}

void TCondizioniSistema::CollegaPuntiTra() { puntiTra_ = &static_cast<TPuntiTra&>(Condizione(CodPuntiTra)); }

void TCondizioniSistema::Prepara() {
    numeroAttive_ = 0;
    numeroDaProvare_ = 0;
    // "Punti Tra" totals are fed by every table test, so with it in use no
    // test may be left out.
    const bool conPuntiTra = PuntiTra().Effettivo;
    for (int n = 1; n <= NumeroCondizioni; ++n) {
        TCondizione& c = Condizione(n);
        if (!c.Effettivo || !c.Attivato) continue;
        attive_[static_cast<std::size_t>(numeroAttive_++)] = &c;
        if (conPuntiTra || !c.SempreSoddisfatta()) daProvare_[static_cast<std::size_t>(numeroDaProvare_++)] = &c;
    }
    ConFisse = Fisse != 0;
}

void TCondizioniSistema::AzzeraStatistiche() {
    for (int n = 1; n <= NumeroCondizioni; ++n) Condizione(n).AzzeraStatistiche();
}

void TCondizioniSistema::AggiornaStato() {
    for (int n = 1; n <= NumeroCondizioni; ++n) {
        Condizione(n).AdattaIntervallo();
        Condizione(n).AggiornaStato();
    }
}

void TCondizioniSistema::ImpostaPercorsi() {
    for (int n = 1; n <= NumeroCondizioni; ++n) Condizione(n).ImpostaPercorso("");
}

void TCondizioniSistema::RegistraErrore(TCondizione& condizione, int posizione) {
    if (RegistraErrori) Errori.push_back({&condizione, posizione});
}

bool TCondizioniSistema::Verifica(Colonna colonna) {
    if (ConFisse && (colonna & Fisse) != Fisse) return false;
    const bool conLink = Link != nullptr && !Link->Trasparente();
    if (conLink) Link->AzzeraColonna();
    TPuntiTra& puntiTra = PuntiTra();
    if (puntiTra.Effettivo) puntiTra.AzzeraTotali();
    bool passa = true;
    for (int i = 0; i < numeroDaProvare_; ++i) {
        TCondizione& c = *daProvare_[static_cast<std::size_t>(i)];
        if (c.Verifica(colonna)) continue;
        passa = false;
        if (!RegistraErrori) return false;
        if (!gruppoNonRegistrato(c.Codice)) RegistraErrore(c, 0);
    }
    if (!passa) return false;
    return !conLink || Link->Verdetto();
}

bool TCondizioniSistema::SempreVera() {
    return !ConFisse && numeroDaProvare_ == 0 && !PuntiTra().Effettivo && (Link == nullptr || Link->Trasparente());
}

bool TCondizioniSistema::Salva(io::BinaryWriter& out) const {
    for (int n = 1; n <= NumeroCondizioni; ++n) {
        if (!Condizione(n).Salva(out)) return false;
    }
    return true;
}

bool TCondizioniSistema::Carica(io::BinaryReader& in) {
    for (int n = 1; n <= NumeroCondizioni; ++n) {
        std::uint8_t codice = 0;  // stands before each record; the slot decides the type
        if (!in.read(codice) || !Condizione(n).Carica(in)) return false;
    }
    return true;
}

}  // namespace ludo
