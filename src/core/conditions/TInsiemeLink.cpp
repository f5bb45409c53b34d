#include "core/conditions/TInsiemeLink.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "core/conditions/TCondizione.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/io/Errore.h"

namespace ludo {
namespace {

// What one table holds in recovery: whether any entry is, and their levels
// (levels outside 0..255 cannot be marked, the entry still counts).
struct InRecuperoNellaTabella {
    bool presente = false;
    std::bitset<TLink::MassimoLivello + 1> livelli;

    void aggiungi(int livello) {
        presente = true;
        if (livello >= 0 && livello <= TLink::MassimoLivello) livelli.set(static_cast<std::size_t>(livello));
    }
};

// The measure's meaningful values 0..Massimo.
InRecuperoNellaTabella inRecupero(const TabellaMisura& tabella, std::int16_t massimo) {
    InRecuperoNellaTabella r;
    const int ultimo = std::min<int>(massimo, TabellaMisura::NumeroVoci - 1);
    for (int v = 0; v <= ultimo; ++v) {
        const VoceMisura voce = tabella.Voci[static_cast<std::size_t>(v)];
        if (voce.Stato == InRecupero) r.aggiungi(voce.Livello);
    }
    return r;
}

// Only the first Numero intervals are in use.
InRecuperoNellaTabella inRecupero(const TIntervalli& tabella) {
    InRecuperoNellaTabella r;
    const int numero = std::clamp<int>(tabella.Numero, 0, TIntervalli::MassimoIntervalli);
    for (int i = 0; i < numero; ++i) {
        const Intervallo& intervallo = tabella.Intervalli[static_cast<std::size_t>(i)];
        if (intervallo.Stato == InRecupero) r.aggiungi(intervallo.Livello);
    }
    return r;
}

void aggiungiMembro(TLink* link, TCondizione& condizione, const InRecuperoNellaTabella& r) {
    if (link == nullptr || !r.presente) return;
    link->Elementi.push_back({condizione.Percorso, &condizione});
    for (int l = 0; l <= TLink::MassimoLivello; ++l) {
        if (r.livelli.test(static_cast<std::size_t>(l))) link->SegnaLivello(l);
    }
}

// Some value from massimo+1 up to ultimo is not refused.
bool voceOltre(const TabellaMisura& tabella, int massimo, int ultimo) {
    for (int v = std::max(massimo + 1, 0); v <= ultimo; ++v) {
        if (tabella.Voci[static_cast<std::size_t>(v)].Stato != Rifiutato) return true;
    }
    return false;
}

// The 27 admitted-error tables in record order: 'A'..'Z', then the total.
template <typename Insieme>
auto tabelleErrori(Insieme& insieme) {
    std::array<decltype(&insieme.ErroriAmmessiInTotale), TInsiemeLink::NumeroLink + 1> tabelle{};
    for (std::size_t i = 0; i < insieme.Link.size(); ++i) tabelle[i] = &insieme.Link[i].ErroriAmmessiNellaLink;
    tabelle.back() = &insieme.ErroriAmmessiInTotale;
    return tabelle;
}

}  // namespace

void TLink::SvuotaElementi() {
    Elementi.clear();
    LivelloUsato.fill(false);
    MassimoErrori = 0;
}

void TLink::SegnaLivello(int livello) {
    auto& segnato = LivelloUsato[static_cast<std::size_t>(livello)];
    if (segnato) return;
    segnato = true;
    MassimoErrori += livello;
}

bool TLink::AmmettiRecupero(int livello) {
    auto& uso = Uso[static_cast<std::size_t>(livello)];
    ++uso;
    ++Errori;
    ++Controlli;
    if (uso <= livello) return true;
    RifiutiLivello.AggiungiConcorso(livello, 0, false);
    return false;
}

bool TLink::VerificaErrori(GestoreRecuperi* recuperi) {
    if (ErroriAmmessiNellaLink.Verifica(Errori, 0, recuperi)) return true;
    RifiutiErrori.AggiungiConcorso(Errori, 0, false);
    return false;
}

void TLink::AzzeraColonna() {
    Uso.fill(0);
    Errori = 0;
}

void TLink::AzzeraStatistiche() {
    RifiutiLivello.Azzera(ValoriStatistiche);
    RifiutiErrori.Azzera(std::max(ValoriStatistiche, MassimoErrori));
    Controlli = 0;
}

TLink* TInsiemeLink::Lettera(char lettera) {
    if (lettera < 'A' || lettera > 'Z') return nullptr;
    return &Link[static_cast<std::size_t>(lettera - 'A')];
}

const TLink* TInsiemeLink::Lettera(char lettera) const { return const_cast<TInsiemeLink*>(this)->Lettera(lettera); }

void TInsiemeLink::PreparaLink(TCondizioniSistema& condizioni) {
    for (auto& link : Link) link.SvuotaElementi();
    for (int n = 1; n <= TCondizioniSistema::NumeroCondizioni; ++n) RaccogliLink(condizioni.Condizione(n));
    LinkUsate.clear();
    MassimoTotale = 0;
    for (char lettera = 'A'; lettera <= 'Z'; ++lettera) {
        const TLink& link = *Lettera(lettera);
        if (link.Elementi.empty()) continue;
        LinkUsate += lettera;
        MassimoTotale += link.MassimoErrori;
    }
    AggiornaTrasparenza();
}

// With no link in use every column has 0 errors, so the verdict is the test
// of 0 against the total's limits (a value in recovery there is not decided
// here: the full verdict then runs).
void TInsiemeLink::AggiornaTrasparenza() {
    trasparente_ = LinkUsate.empty() && ErroriAmmessiInTotale.Verifica(0, 0, nullptr);
}

// Collecting all letters in one walk gives each link its members in the same
// order as asking the conditions letter by letter.
void TInsiemeLink::RaccogliLink(TCondizione& condizione) {
    condizione.PerOgniMisura([&](TMisura& m) {
        aggiungiMembro(Lettera(m.Prima.Link), condizione, inRecupero(m.Prima, m.Massimo));
        // A measure without a second table never tests it.
        if (m.HaSeconda) aggiungiMembro(Lettera(m.Seconda.Link), condizione, inRecupero(m.Seconda, m.Massimo));
    });
    condizione.PerOgniIntervallo(
        [&](TIntervalli& t) { aggiungiMembro(Lettera(t.Link), condizione, inRecupero(t)); });
    if (auto* membri = condizione.Membri()) {
        for (auto& membro : *membri) {
            if (membro) RaccogliLink(*membro);
        }
    }
}

bool TInsiemeLink::AggiornaStatoLink() {
    Attivo = false;
    for (TMisura* m : tabelleErrori(*this)) {
        m->AggiornaStato(true);
        Attivo = Attivo || m->QualcunoInUso;
    }
    AggiornaTrasparenza();
    return Attivo;
}

void TInsiemeLink::AzzeraStatisticheLink() {
    for (const char lettera : LinkUsate) Lettera(lettera)->AzzeraStatistiche();
    RifiutiTotale.Azzera(std::max(TLink::ValoriStatistiche, MassimoTotale));
    Modificato = false;
}

StatisticheRecuperi TInsiemeLink::Statistiche() const {
    StatisticheRecuperi s;
    for (std::size_t i = 0; i < Link.size(); ++i) {
        s.Link[i] = {Link[i].RifiutiLivello, Link[i].RifiutiErrori, Link[i].Controlli};
    }
    s.RifiutiTotale = RifiutiTotale;
    return s;
}

void TInsiemeLink::AdottaStatistiche(StatisticheRecuperi statistiche) {
    for (std::size_t i = 0; i < Link.size(); ++i) {
        Link[i].RifiutiLivello = std::move(statistiche.Link[i].RifiutiLivello);
        Link[i].RifiutiErrori = std::move(statistiche.Link[i].RifiutiErrori);
        Link[i].Controlli = statistiche.Link[i].Controlli;
    }
    RifiutiTotale = std::move(statistiche.RifiutiTotale);
    Modificato = false;
}

void TInsiemeLink::AzzeraColonna() {
    for (const char lettera : LinkUsate) Lettera(lettera)->AzzeraColonna();
}

// Levels beyond one byte cannot be stored; such a recovery is refused
// without counting.
bool TInsiemeLink::AmmettiRecupero(char lettera, int livello) {
    TLink* link = Lettera(lettera);
    if (link == nullptr || livello < 0 || livello > TLink::MassimoLivello) return false;
    return link->AmmettiRecupero(livello);
}

// The admitted-error tables go through the ordinary value test, so a value
// in recovery there asks this same set for a recovery. After the first
// refusal the remaining links are not tested, but their errors still add to
// the column's total.
bool TInsiemeLink::Verdetto() {
    ErroriColonna = 0;
    bool passato = true;
    for (const char lettera : LinkUsate) {
        TLink& link = *Lettera(lettera);
        if (passato) passato = link.VerificaErrori(this);
        ErroriColonna += link.Errori;
    }
    if (!passato) return false;
    if (ErroriAmmessiInTotale.Verifica(ErroriColonna, 0, this)) return true;
    RifiutiTotale.AggiungiConcorso(ErroriColonna, 0, false);
    return false;
}

bool TInsiemeLink::Salva(io::BinaryWriter& out) const {
    for (const TMisura* m : tabelleErrori(*this)) {
        if (!m->Salva(out)) return false;
    }
    return true;
}

bool TInsiemeLink::Carica(io::BinaryReader& in) {
    trasparente_ = false;  // until the next preparation looks at the new limits
    for (TMisura* m : tabelleErrori(*this)) {
        if (!m->Carica(in)) return false;
    }
    return true;
}

void TInsiemeLink::CopiaLimiti(const TInsiemeLink& da) {
    trasparente_ = false;
    const auto sorgenti = tabelleErrori(da);
    const auto destinazioni = tabelleErrori(*this);
    for (std::size_t i = 0; i < sorgenti.size(); ++i) *destinazioni[i] = *sorgenti[i];
    Modificato = da.Modificato;
}

bool TInsiemeLink::StessiLimiti(const TInsiemeLink& altro) const {
    const auto nostre = tabelleErrori(*this);
    const auto altre = tabelleErrori(altro);
    return std::equal(nostre.begin(), nostre.end(), altre.begin(),
                      [](const TMisura* a, const TMisura* b) { return *a == *b; });
}

void TInsiemeLink::MemorizzaLimiti(char lettera, const TMisura& nellaLink, const TMisura& inTotale) {
    TLink& link = Link.at(static_cast<std::size_t>(lettera - 'A'));
    if (!NessunValoreOltre(nellaLink, link.MassimoErrori)) throw Errore(MsgErroriNellaLinkTroppoAlti);
    if (!NessunValoreOltre(inTotale, MassimoTotale)) throw Errore(MsgErroriTotaliTroppoAlti);
    trasparente_ = false;
    link.ErroriAmmessiNellaLink = nellaLink;
    ErroriAmmessiInTotale = inTotale;
    Modificato = true;
}

bool NessunValoreOltre(const TMisura& punti, int massimo) {
    const int ultimo = std::min<int>(punti.Massimo, TabellaMisura::NumeroVoci - 1);
    if (voceOltre(punti.Prima, massimo, ultimo)) return false;
    return !(punti.HaSeconda && voceOltre(punti.Seconda, massimo, ultimo));
}

}  // namespace ludo
