#include "core/conditions/TQuadro.h"

#include <algorithm>
#include <fstream>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/io/AtomicSave.h"
#include "core/io/Errore.h"
#include "core/io/ShortString.h"
#include "core/io/TextList.h"

namespace ludo {
namespace {

constexpr std::size_t kCapacitaNome = 255;

// Every filter column of the board, its nested boards and its groups.
void perOgniColonnaFiltro(std::vector<std::unique_ptr<TCondizione>>& membri,
                          const std::function<void(TColonnaFiltro&)>& f) {
    for (auto& m : membri) {
        if (m->Codice == CodColonnaFiltro) f(static_cast<TColonnaFiltro&>(*m));
        if (auto* interni = m->Membri()) perOgniColonnaFiltro(*interni, f);
    }
}

void deseleziona(std::vector<std::unique_ptr<TCondizione>>& membri) {
    for (auto& m : membri) {
        m->Selezionato = false;
        if (auto* interni = m->Membri()) deseleziona(*interni);
    }
}

std::ifstream apri(const std::filesystem::path& file, const char* messaggio) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Errore(messaggio);
    return in;
}

}  // namespace

TQuadro::TQuadro(TCondizioniSistema* proprietario) : TCondizione(CodQuadro, "Quadro", proprietario) {
    ApplicaRelazione(RelazioneAnd);
}

TQuadro::TQuadro(const TQuadro& altro)
    : TCondizione(altro), Elenco(CopiaMembri(altro.Elenco)), PrimoVisibile(altro.PrimoVisibile),
      Accettate(altro.Accettate), Commento(altro.Commento), Predefinito(altro.Predefinito),
      Relazione(altro.Relazione) {}

void TQuadro::Assegna(const TCondizione& altra) {
    const auto& sorgente = dynamic_cast<const TQuadro&>(altra);
    if (&sorgente == this) return;
    AssegnaComuni(sorgente);
    Elenco = CopiaMembri(sorgente.Elenco);
    PrimoVisibile = sorgente.PrimoVisibile;
    Accettate = sorgente.Accettate;
    Commento = sorgente.Commento;
    Predefinito = sorgente.Predefinito;
    Relazione = sorgente.Relazione;
}

void TQuadro::ImpostaPercorso(const std::string& percorsoPadre) {
    TCondizione::ImpostaPercorso(percorsoPadre);
    ImpostaPercorsiMembri(Elenco, Percorso);
}

void TQuadro::AggiornaStato() {
    for (auto& m : Elenco) m->AggiornaStato();
    Accettate.AggiornaStato(Attivato);
    Effettivo = Attivato && Accettate.QualcunoInUso;
}

void TQuadro::AdattaIntervallo() { AdattaIntervalloMembri(Elenco); }

void TQuadro::AzzeraStatistiche() {
    TCondizione::AzzeraStatistiche();
    AzzeraStatisticheMembri(Elenco);
}

void TQuadro::AnalizzaColonne(const ListaColonne& colonne) {
    TCondizione::AnalizzaColonne(colonne);
    AnalizzaColonneMembri(Elenco, colonne);
}

Valori TQuadro::Conta(Colonna colonna, bool registra) {
    int soddisfatte = 0;
    int corsa = 0;
    int corsaMassima = 0;
    for (std::size_t i = 0; i < Elenco.size(); ++i) {
        TCondizione& m = *Elenco[i];
        // A member that takes no part (switched off, no values) counts as satisfied.
        if (!m.Effettivo || m.Verifica(colonna)) {
            ++soddisfatte;
            corsaMassima = std::max(corsaMassima, ++corsa);
            continue;
        }
        corsa = 0;
        if (registra) Proprietario->RegistraErrore(m, static_cast<int>(i) + 1);
    }
    return {soddisfatte, corsaMassima};
}

void TQuadro::Campioni(Colonna colonna, RaccoltaValori raccolta) {
    if (Proprietario != nullptr && Proprietario->Link != nullptr) Proprietario->Link->AzzeraColonna();
    const Valori valori = Misura(colonna);
    raccolta(0, valori, Accettate.Accetta(valori.v, valori.w));
}

bool TQuadro::Verifica(Colonna colonna) {
    InVerifica = true;
    const bool registra = Proprietario != nullptr && Proprietario->RegistraErrori;
    const std::size_t erroriPrima = registra ? Proprietario->Errori.size() : 0;
    const Valori conta = Conta(colonna, registra);
    const bool passa = TestaMisura(Accettate, conta.v, conta.w);
    // Failures inside a board that passes are not failures of the column.
    if (passa && registra) Proprietario->Errori.resize(erroriPrima);
    InVerifica = false;
    return passa;
}

bool TQuadro::SempreSoddisfatta() const {
    for (const auto& m : Elenco) {
        if (m->Effettivo) return false;
    }
    const int membri = static_cast<int>(Elenco.size());
    // Without a recovery manager a value in recovery is refused here, so such
    // a board keeps being tested.
    return Accettate.Verifica(membri, membri, nullptr);
}

TCondizione* TQuadro::Inserisci(std::uint8_t codice) {
    if (Elenco.size() >= MassimoMembri) return nullptr;
    auto nuova = CreaCondizione(codice, Proprietario);
    if (nuova == nullptr) return nullptr;
    Elenco.push_back(std::move(nuova));
    if (Predefinito) ApplicaRelazione(Relazione);
    return Elenco.back().get();
}

void TQuadro::ApplicaRelazione(std::uint8_t relazione) {
    Relazione = relazione;
    Accettate.Azzera();
    Accettate.Da = 1;
    Accettate.A = 32;
    const int n = static_cast<int>(Elenco.size());
    auto accetta = [this](int da, int a) {
        for (int v = std::max(da, 0); v <= a && v < TabellaMisura::NumeroVoci; ++v) {
            Accettate.Prima.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
        }
    };
    switch (relazione) {
        case RelazioneAnd: accetta(n, n); break;
        case RelazioneOr: accetta(1, n); break;
        case RelazioneXor: accetta(1, 1); break;
        default: accetta(0, 0); break;
    }
}

void TQuadro::Incolla(const std::vector<std::unique_ptr<TCondizione>>& condizioni, std::size_t posizione) {
    if (Elenco.size() + condizioni.size() >= MassimoMembri + 1) throw Errore(MsgSpazioInsufficiente);
    DeselezionaTutto();
    auto dove = Elenco.begin() + static_cast<std::ptrdiff_t>(std::min(posizione, Elenco.size()));
    for (const auto& c : condizioni) dove = Elenco.insert(dove, c->Copia()) + 1;
    if (Predefinito) ApplicaRelazione(Relazione);
}

std::vector<std::unique_ptr<TCondizione>> TQuadro::CopiaSelezionati(bool taglia) {
    std::vector<std::unique_ptr<TCondizione>> copie;
    for (const auto& m : Elenco) {
        if (m->Selezionato) copie.push_back(m->Copia());
    }
    if (taglia) EliminaSelezionati();
    return copie;
}

std::size_t TQuadro::InserisciColonneFiltro(const std::vector<Colonna>& colonne, const TMisura& punti,
                                           bool flagPosizione) {
    std::size_t inserite = 0;
    for (const Colonna numeri : colonne) {
        if (Elenco.size() >= MassimoMembri) break;
        auto filtro = std::make_unique<TColonnaFiltro>(Proprietario);
        filtro->Numeri = numeri;
        filtro->FlagPosizione = flagPosizione ? 1 : 0;
        filtro->Tabelle[0] = punti;
        Elenco.push_back(std::move(filtro));
        ++inserite;
    }
    if (Predefinito) ApplicaRelazione(Relazione);
    return inserite;
}

void TQuadro::EliminaSelezionati() {
    std::erase_if(Elenco, [](const std::unique_ptr<TCondizione>& m) { return m->Selezionato; });
    const auto massimoPrimo = std::max<std::int32_t>(0, static_cast<std::int32_t>(Elenco.size()) - 7);
    PrimoVisibile = std::min(PrimoVisibile, massimoPrimo);
    if (Predefinito) ApplicaRelazione(Relazione);
}

TQuadro* TQuadro::Contenitore(const TCondizione& membro) {
    for (auto& m : Elenco) {
        if (m.get() == &membro) return this;
        if (m->Codice != CodQuadro) continue;
        if (TQuadro* trovato = static_cast<TQuadro&>(*m).Contenitore(membro)) return trovato;
    }
    return nullptr;
}

void TQuadro::DeselezionaTutto() {
    Selezionato = false;
    deseleziona(Elenco);
}

void TQuadro::Adatta(Colonna partiteSelezionate) {
    const auto prototipo = std::find_if(Elenco.begin(), Elenco.end(),
                                        [](const auto& m) { return m->Codice == CodColonnaFiltro; });
    if (prototipo == Elenco.end()) throw Errore(MsgPrototipoMancante);
    const Colonna numeriPrototipo = static_cast<TColonnaFiltro&>(**prototipo).Numeri;
    const int quanti = NumeroNumeri(numeriPrototipo);
    if (NumeroNumeri(partiteSelezionate) != quanti) throw Errore(MsgPartiteNonCoincidono);
    // The k-th number of the prototype goes to the k-th selected match;
    // numbers outside the prototype have nowhere to go and are dropped.
    std::array<int, 33> mappa{};
    for (int k = 1; k <= quanti; ++k) {
        mappa[static_cast<std::size_t>(NumeroK(k, numeriPrototipo))] = NumeroK(k, partiteSelezionate);
    }
    Elenco.erase(prototipo);
    perOgniColonnaFiltro(Elenco, [&](TColonnaFiltro& filtro) {
        Colonna nuova = 0;
        for (int n = 1; n <= 32; ++n) {
            const int dest = mappa[static_cast<std::size_t>(n)];
            if ((filtro.Numeri >> (n - 1) & 1U) != 0 && dest != 0) nuova |= Colonna{1} << (dest - 1);
        }
        filtro.Numeri = nuova;
    });
    if (Predefinito) ApplicaRelazione(Relazione);
}

bool TQuadro::SalvaDati(io::BinaryWriter& out) const {
    io::writeShortString(out, Nome, kCapacitaNome);
    out.write(Attivato);
    out.write(Predefinito);
    out.write(Relazione);
    Accettate.Salva(out);
    io::writeTextList(out, Commento);
    return out.ok() && SalvaMembri(out, Elenco);
}

bool TQuadro::Carica(io::BinaryReader& in) {
    Elenco.clear();
    if (!io::readShortString(in, kCapacitaNome, Nome) || !in.read(Attivato) || !in.read(Predefinito) ||
        !in.read(Relazione) || !Accettate.Carica(in) || !io::readTextList(in, Commento)) {
        return false;
    }
    return LeggiMembri(in, Proprietario, Elenco) && Elenco.size() <= MassimoMembri;
}

void TQuadro::SalvaQuadro(const std::filesystem::path& file) const {
    const bool scritto = io::saveAtomically(file, [this](std::ostream& out) {
        io::BinaryWriter w(out);
        return Salva(w);
    });
    if (!scritto) throw Errore(MsgSalvareQuadro);
}

void TQuadro::CaricaQuadro(const std::filesystem::path& file) {
    auto in = apri(file, MsgCaricareQuadro);
    io::BinaryReader r(in);
    std::uint8_t codice = 0;
    TQuadro letto(Proprietario);
    if (!r.read(codice) || codice != CodQuadro || !letto.Carica(r)) throw Errore(MsgCaricareQuadro);
    Nome = std::move(letto.Nome);
    Attivato = letto.Attivato;
    Predefinito = letto.Predefinito;
    Relazione = letto.Relazione;
    Accettate = letto.Accettate;
    Commento = std::move(letto.Commento);
    Elenco = std::move(letto.Elenco);
    PrimoVisibile = 0;
}

void TQuadro::SalvaCondizioni(const std::filesystem::path& file) const {
    const bool scritto = io::saveAtomically(file, [this](std::ostream& out) {
        io::BinaryWriter w(out);
        for (const auto& m : Elenco) {
            if (m->Selezionato && !m->Salva(w)) return false;
        }
        return w.ok();
    });
    if (!scritto) throw Errore(MsgSalvareCondizioni);
}

void TQuadro::CaricaCondizioni(const std::filesystem::path& file, std::size_t posizione) {
    auto in = apri(file, MsgCaricareCondizioni);
    io::BinaryReader r(in);
    std::vector<std::unique_ptr<TCondizione>> lette;
    while (!r.atEnd()) {
        bool fine = false;
        auto c = LeggiCondizione(r, Proprietario, fine);
        if (c == nullptr) throw Errore(MsgCaricareCondizioni);
        lette.push_back(std::move(c));
    }
    if (Elenco.size() + lette.size() > MassimoMembri) throw Errore(MsgCaricareCondizioni);
    auto dove = Elenco.begin() + static_cast<std::ptrdiff_t>(std::min(posizione, Elenco.size()));
    for (auto& c : lette) dove = Elenco.insert(dove, std::move(c)) + 1;
    if (Predefinito) ApplicaRelazione(Relazione);
}

}  // namespace ludo
