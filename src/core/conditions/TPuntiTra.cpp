#include "core/conditions/TPuntiTra.h"

#include <algorithm>

#include "core/conditions/TCondizioniSistema.h"

namespace ludo {
namespace {

void aggiungi(TPuntiTra::Totali& totali, const TabellaMisura& tabella, int valore) {
    if (tabella.InUso && tabella.Campo >= 1 && tabella.Campo <= TPuntiTra::NumeroGruppi) {
        totali[static_cast<std::size_t>(tabella.Campo)] += valore;
    }
}

// What one effective condition, and each of its effective members, feeds.
void alimenta(TCondizione& c, Colonna colonna, TPuntiTra::Totali& totali) {
    if (auto* membri = c.Membri()) {
        for (auto& m : *membri) {
            if (m->Effettivo && m->Attivato) alimenta(*m, colonna, totali);
        }
    }
    std::array<const TMisura*, 8> tabelle{};
    std::size_t numero = 0;
    c.PerOgniMisura([&](TMisura& m) {
        if (numero < tabelle.size()) tabelle[numero++] = &m;
    });
    if (numero == 0) return;
    c.Campioni(colonna, [&](std::size_t i, Valori valori, bool) {
        if (i >= numero) return;
        aggiungi(totali, tabelle[i]->Prima, valori.v);
        aggiungi(totali, tabelle[i]->Seconda, valori.w);
    });
}

// The highest group holding intervals (0 if none).
std::int32_t ultimoNonVuoto(const std::array<TIntervalli, TPuntiTra::NumeroGruppi + 1>& gruppi) {
    for (int g = TPuntiTra::NumeroGruppi; g >= 1; --g) {
        if (gruppi[static_cast<std::size_t>(g)].Numero > 0) return g;
    }
    return 0;
}

void elencaNelGruppo(TCondizione& c, int gruppo, std::vector<std::string>& nomi) {
    bool nelGruppo = false;
    c.PerOgniMisura([&](TMisura& m) { nelGruppo = nelGruppo || m.Prima.Campo == gruppo || m.Seconda.Campo == gruppo; });
    if (nelGruppo) nomi.push_back(c.Percorso.empty() ? c.Nome : c.Percorso);
    if (auto* membri = c.Membri()) {
        for (auto& m : *membri) elencaNelGruppo(*m, gruppo, nomi);
    }
}

}  // namespace

std::vector<std::string> TPuntiTra::CondizioniNelGruppo(int gruppo) const {
    std::vector<std::string> nomi;
    if (Proprietario == nullptr || gruppo < 1) return nomi;
    for (int n = 1; n <= TCondizioniSistema::NumeroCondizioni; ++n) {
        TCondizione& c = Proprietario->Condizione(n);
        if (&c != this && c.Codice != CodPuntiTra) elencaNelGruppo(c, gruppo, nomi);
    }
    return nomi;
}

void TPuntiTra::PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) {
    for (int g = 1; g <= NumeroGruppi; ++g) f(Gruppi[static_cast<std::size_t>(g)]);
}

void TPuntiTra::AggiornaStato() {
    TCondizione::AggiornaStato();
    Ultimo = 0;
    for (int g = 1; g <= NumeroGruppi; ++g) {
        if (Gruppi[static_cast<std::size_t>(g)].InUso) Ultimo = g;
    }
    Effettivo = Attivato && Ultimo > 0;
}

bool TPuntiTra::Verifica(Colonna) {
    for (int g = 1; g <= Ultimo && g <= NumeroGruppi; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (!TestaIntervalli(Gruppi[i], static_cast<double>(Totale[i]))) return false;
    }
    return true;
}

TPuntiTra::Totali TPuntiTra::Misura(Colonna colonna) const {
    Totali totali{};
    if (Proprietario == nullptr) return totali;
    for (int n = 1; n <= TCondizioniSistema::NumeroCondizioni; ++n) {
        TCondizione& c = Proprietario->Condizione(n);
        if (&c != this && c.Effettivo && c.Attivato) alimenta(c, colonna, totali);
    }
    return totali;
}

void TPuntiTra::Campioni(Colonna colonna, RaccoltaValori raccolta) {
    const Totali totali = Misura(colonna);
    for (std::size_t g = 1; g <= NumeroGruppi; ++g) {
        const double x = totali[g];
        raccolta(g - 1, {Gruppi[g].Indice(x), 0}, Gruppi[g].Accetta(x));
    }
}

std::int32_t TPuntiTra::MassimoStatistica(std::size_t tabella) const {
    return std::clamp<std::int32_t>(Gruppi[tabella + 1].Numero, 0, TIntervalli::MassimoIntervalli);
}

bool TPuntiTra::Carica(io::BinaryReader& in) {
    std::int32_t ultimo = 0;
    if (!in.read(Attivato) || !in.read(ultimo) || ultimo < 0 || ultimo > NumeroGruppi) return false;
    for (auto& gruppo : Gruppi) gruppo = TIntervalli{};
    for (int g = 1; g <= ultimo; ++g) {
        if (!Gruppi[static_cast<std::size_t>(g)].Carica(in)) return false;
    }
    Ultimo = ultimo;
    return true;
}

bool TPuntiTra::SalvaDati(io::BinaryWriter& out) const {
    const std::int32_t ultimo = ultimoNonVuoto(Gruppi);
    out.write(Attivato);
    out.write(ultimo);
    for (int g = 1; g <= ultimo; ++g) Gruppi[static_cast<std::size_t>(g)].Salva(out);
    return out.ok();
}

}  // namespace ludo
