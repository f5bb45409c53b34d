#include "core/conditions/TCondizione.h"

#include "core/columns/ListaColonne.h"
#include "core/conditions/TCondizioneTabelle.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TPuntiTra.h"

namespace ludo {

void TCondizione::ImpostaPercorso(const std::string& percorsoPadre) { Percorso = percorsoPadre + "\\" + Nome; }

void TCondizione::AggiornaStato() {
    PerOgniMisura([this](TMisura& m) { m.AggiornaStato(Attivato); });
    PerOgniIntervallo([this](TIntervalli& i) { i.AggiornaStato(Attivato); });
    Effettivo = Attivato && QualcheTabellaInUso() && !IgnorataInArchivio();
}

bool TCondizione::IgnorataInArchivio() const {
    if (Proprietario == nullptr || !Proprietario->ModoArchivio || Proprietario->Ricerca == nullptr) return false;
    const ImpostazioniRicerca& r = *Proprietario->Ricerca;
    switch (Codice) {
        case CodColonnaFiltro:
        case CodGruppoColonneFiltro:
            return r.IgnoraColonneFiltro;
        case CodRipetizioni:
            return r.IgnoraRipetizioni;
        case CodPicchetto:
        case CodGruppoPicchetti:
            return r.IgnoraValori;
        default:
            return false;
    }
}

bool TCondizione::QualcheTabellaInUso() {
    bool inUso = false;
    PerOgniMisura([&](TMisura& m) { inUso = inUso || m.QualcunoInUso; });
    PerOgniIntervallo([&](TIntervalli& i) { inUso = inUso || i.InUso; });
    return inUso;
}

void TCondizione::AzzeraStatistiche() {
    Statistiche.resize(NumeroStatistiche());
    for (std::size_t i = 0; i < Statistiche.size(); ++i) {
        Statistiche[i].Tutti.Azzera(MassimoStatistica(i));
        Statistiche[i].Passati.Azzera(MassimoStatistica(i));
    }
}

void TCondizione::PreparaStatistiche() {
    if (Statistiche.size() != NumeroStatistiche()) AzzeraStatistiche();
}

void TCondizione::AnalizzaArchivio(const ElencoConcorsi& archivio, const IntervalloRicerca& intervallo) {
    if (NumeroStatistiche() == 0) return;
    PreparaStatistiche();
    for (std::size_t i = 0; i < Statistiche.size(); ++i) Statistiche[i].Tutti.Azzera(MassimoStatistica(i));
    auto aggiungi = [this](std::size_t tabella, Valori valori, bool) {
        Statistiche[tabella].Tutti.AggiungiConcorso(valori.v, valori.w, true);
    };
    for (std::size_t i = 0; i < archivio.size(); ++i) {
        if (ConcorsoSelezionato(intervallo, archivio[i])) CampioniConcorso(archivio, i, aggiungi);
    }
}

void TCondizione::CampioniConcorso(const ElencoConcorsi& archivio, std::size_t indice, RaccoltaValori raccolta) {
    Campioni(archivio[indice].Vincente, raccolta);
}

void TCondizione::AnalizzaColonne(const ListaColonne& colonne) {
    if (NumeroStatistiche() == 0) return;
    PreparaStatistiche();
    for (std::size_t i = 0; i < Statistiche.size(); ++i) Statistiche[i].Passati.Azzera(MassimoStatistica(i));
    // Columns have no order in time: delays mean nothing here.
    auto aggiungi = [this](std::size_t tabella, Valori valori, bool) {
        Statistiche[tabella].Passati.AggiungiConcorso(valori.v, valori.w, false);
    };
    for (Colonna colonna : colonne) Campioni(colonna, aggiungi);
}

void TCondizione::AccumulaColonna(Colonna colonna) {
    if (NumeroStatistiche() == 0) return;
    PreparaStatistiche();
    Campioni(colonna, [this](std::size_t tabella, Valori valori, bool accettato) {
        Statistiche[tabella].Tutti.AggiungiConcorso(valori.v, valori.w, false);
        if (accettato) Statistiche[tabella].Passati.AggiungiConcorso(valori.v, valori.w, false);
    });
}

bool TCondizione::Salva(io::BinaryWriter& out) const { return out.write(Codice) && SalvaDati(out); }

bool TCondizione::TestaMisura(const TMisura& misura, int v, int w) {
    GestoreRecuperi* recuperi = nullptr;
    if (Proprietario != nullptr) {
        recuperi = Proprietario->Link;
        TPuntiTra& puntiTra = Proprietario->PuntiTra();
        if (puntiTra.Effettivo) {
            if (misura.Prima.InUso) puntiTra.Aggiungi(misura.Prima.Campo, v);
            if (misura.Seconda.InUso) puntiTra.Aggiungi(misura.Seconda.Campo, w);
        }
    }
    return misura.Verifica(v, w, recuperi);
}

bool TCondizione::TestaIntervalli(const TIntervalli& intervalli, double x) {
    return intervalli.Verifica(x, Proprietario != nullptr ? Proprietario->Link : nullptr);
}

TCondizioneTabelle::TCondizioneTabelle(std::uint8_t codice, std::string nome, TCondizioniSistema* proprietario,
                                       std::initializer_list<FormaTabella> forme)
    : TCondizione(codice, std::move(nome), proprietario) {
    for (const auto& f : forme) Tabelle.emplace_back(f.massimo, f.haSeconda);
}

bool TCondizioneTabelle::Verifica(Colonna colonna) {
    const ValoriTabelle valori = Misura(colonna);
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        if (Tabelle[i].QualcunoInUso && !TestaMisura(Tabelle[i], valori[i].v, valori[i].w)) return false;
    }
    return true;
}

void TCondizioneTabelle::Campioni(Colonna colonna, RaccoltaValori raccolta) { Consegna(Misura(colonna), raccolta); }

void TCondizioneTabelle::Consegna(const ValoriTabelle& valori, RaccoltaValori raccolta) const {
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        raccolta(i, valori[i], Tabelle[i].Accetta(valori[i].v, valori[i].w));
    }
}

bool TCondizioneTabelle::SalvaTabelle(io::BinaryWriter& out) const {
    for (const auto& t : Tabelle) {
        if (!t.Salva(out)) return false;
    }
    return true;
}

bool TCondizioneTabelle::CaricaTabelle(io::BinaryReader& in) {
    for (auto& t : Tabelle) {
        if (!t.Carica(in)) return false;
    }
    return true;
}

void TCondizioneTabelle::ImpostaIntervallo(std::int16_t da, std::int16_t a) {
    for (auto& t : Tabelle) {
        t.Da = da;
        t.A = a;
    }
}

std::unique_ptr<TCondizione> LeggiCondizione(io::BinaryReader& in, TCondizioniSistema* proprietario, bool& fine) {
    fine = false;
    std::uint8_t codice = 0;
    if (!in.read(codice)) return nullptr;
    if (codice == FineMembri) {
        fine = true;
        return nullptr;
    }
    auto condizione = CreaCondizione(codice, proprietario);
    if (condizione == nullptr || !condizione->Carica(in)) return nullptr;
    return condizione;
}

namespace {
// Boards can hold boards: a damaged file must not nest them without end.
constexpr int kMassimaProfondita = 64;
thread_local int profondita = 0;

struct Annidamento {
    Annidamento() { ++profondita; }
    ~Annidamento() { --profondita; }
    Annidamento(const Annidamento&) = delete;
    Annidamento& operator=(const Annidamento&) = delete;
};
}  // namespace

bool LeggiMembri(io::BinaryReader& in, TCondizioniSistema* proprietario,
                 std::vector<std::unique_ptr<TCondizione>>& membri, std::uint8_t soloCodice) {
    const Annidamento livello;
    if (profondita > kMassimaProfondita) return false;
    for (;;) {
        bool fine = false;
        auto membro = LeggiCondizione(in, proprietario, fine);
        if (fine) return true;
        if (membro == nullptr || (soloCodice != 0 && membro->Codice != soloCodice)) return false;
        membri.push_back(std::move(membro));
    }
}

bool SalvaMembri(io::BinaryWriter& out, const std::vector<std::unique_ptr<TCondizione>>& membri) {
    for (const auto& m : membri) {
        if (!m->Salva(out)) return false;
    }
    return out.write(FineMembri);
}

}  // namespace ludo
