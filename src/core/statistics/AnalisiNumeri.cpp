#include "core/statistics/AnalisiNumeri.h"

#include <algorithm>
#include <bit>

#include "core/archive/ArchivioConcorsi.h"
#include "core/columns/ListaColonne.h"
#include "core/contests/T_FrequenzeRitardi.h"
#include "core/io/Formato.h"
#include "core/system/T_Sistema.h"

namespace ludo {
namespace {

// The winning columns of the contests the interval selects, oldest first.
std::vector<Colonna> VincentiSelezionate(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo) {
    std::vector<Colonna> vincenti;
    for (const auto& c : archivio.Concorsi()) {
        if (ConcorsoSelezionato(intervallo, c)) vincenti.push_back(c.Vincente);
    }
    return vincenti;
}

double Chiave(const TFisse& f, OrdineFisse ordine) {
    switch (ordine) {
        case OrdineFisse::Frequenza: return f.Frequenza;
        case OrdineFisse::Ritardo: return f.Ritardo;
        case OrdineFisse::IC: break;
    }
    return f.IC;
}

TFisse Valuta(Colonna numeri, const std::vector<Colonna>& vincenti) {
    TFisse f;
    f.Numeri = numeri;
    for (Colonna v : vincenti) {
        if ((v & numeri) == numeri) {
            ++f.Frequenza;
            f.Ritardo = 0;
        } else {
            ++f.Ritardo;
        }
    }
    if (f.Frequenza > 0) f.IC = f.Ritardo / (static_cast<double>(vincenti.size()) / f.Frequenza);
    return f;
}

// Calls visita with every set of quante numbers of 1..32 in lexicographic order.
template <typename F>
void Combinazioni(int quante, F&& visita, Colonna parziale = 0, int da = 0) {
    if (quante == 0) {
        visita(parziale);
        return;
    }
    for (int n = da; n <= 32 - quante; ++n) Combinazioni(quante - 1, visita, parziale | (Colonna{1} << n), n + 1);
}

}  // namespace

AnalisiGruppo AnalizzaGruppo(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo, Colonna gruppo) {
    T_FrequenzeRitardi tabella(8);
    const auto vincenti = VincentiSelezionate(archivio, intervallo);
    for (Colonna v : vincenti) tabella.AggiungiConcorso(NumeroNumeri(v & gruppo), 0, true);

    AnalisiGruppo analisi;
    analisi.Esaminati = static_cast<std::int32_t>(vincenti.size());
    for (int k = 0; k <= 8; ++k) {
        RigaGruppo& r = analisi.Righe[static_cast<std::size_t>(k)];
        r.Punteggio = k;
        r.Uscite = tabella.Frequenza(k);
        r.RitardoAttuale = tabella.Ritardo(k);
        r.RitardoMassimo = tabella.RitardoMax(k);
        r.Frequenza = r.Uscite == 0 ? "0" : io::FormatoReale("%.1f", static_cast<double>(analisi.Esaminati) / r.Uscite);
        r.IC = analisi.Esaminati == 0
                   ? "0"
                   : io::FormatoReale("%3.2f", static_cast<double>(r.Uscite) / analisi.Esaminati * r.RitardoAttuale);
        r.Evidenziata = r.IC[0] >= '1' && r.IC[0] <= '9';
    }
    return analisi;
}

std::vector<TFisse> CercaFisse(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo, int quante,
                               OrdineFisse ordine) {
    const auto vincenti = VincentiSelezionate(archivio, intervallo);
    std::vector<TFisse> lista;
    Combinazioni(quante, [&](Colonna numeri) {
        TFisse f = Valuta(numeri, vincenti);
        const double chiave = Chiave(f, ordine);
        // Before the first candidate whose key is not greater: binary search
        // on the descending list gives the same place as the linear scan.
        auto dove = std::partition_point(lista.begin(), lista.end(),
                                         [&](const TFisse& g) { return Chiave(g, ordine) > chiave; });
        lista.insert(dove, f);
    });
    return lista;
}

double StatisticheNumeri::IC(int numero) const {
    if (Esaminati == 0) return 0;
    const StatisticaNumero& n = Numeri.at(static_cast<std::size_t>(numero - 1));
    return static_cast<double>(n.Frequenza) / Esaminati * n.RitardoAttuale;
}

namespace {

// The season of the most recent contest the interval selects; none: -1.
int UltimaStagione(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo) {
    const auto& concorsi = archivio.Concorsi();
    for (auto c = concorsi.rbegin(); c != concorsi.rend(); ++c) {
        if (ConcorsoSelezionato(intervallo, *c)) return c->Anno;
    }
    return -1;
}

void Conta(StatisticaNumero& n, bool uscito, bool stagione) {
    if (uscito) {
        ++n.Frequenza;
        if (stagione) ++n.FrequenzaAnnuale;
        n.RitardoAttuale = 0;
        n.ConsecutiviMassimi = std::max(n.ConsecutiviMassimi, ++n.ConsecutiviAttuali);
    } else {
        n.RitardoMassimo = std::max(n.RitardoMassimo, ++n.RitardoAttuale);
        n.ConsecutiviAttuali = 0;
    }
}

}  // namespace

StatisticheNumeri CalcolaStatisticheNumeri(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo) {
    StatisticheNumeri s;
    const int stagione = UltimaStagione(archivio, intervallo);
    for (const auto& c : archivio.Concorsi()) {
        if (!ConcorsoSelezionato(intervallo, c)) continue;
        ++s.Esaminati;
        for (int n = 0; n < 32; ++n) {
            Conta(s.Numeri[static_cast<std::size_t>(n)], (c.Vincente >> n) & 1U, c.Anno == stagione);
        }
    }
    return s;
}

std::string TestoICNumero(const StatisticheNumeri& s, int numero) {
    return s.Esaminati == 0 ? std::string() : io::FormatoReale("%2.2f", s.IC(numero));
}

std::array<std::int64_t, 32> FrequenzaNumeriColonne(const ListaColonne& colonne) {
    std::array<std::int64_t, 32> conteggi{};
    for (Colonna c : colonne) {
        for (; c != 0; c &= c - 1) ++conteggi[static_cast<std::size_t>(std::countr_zero(c))];
    }
    return conteggi;
}

double PercentualeColonne(std::int64_t conteggio, std::size_t colonne) {
    return colonne == 0 ? 0.0 : static_cast<double>(conteggio) / static_cast<double>(colonne) * 100;
}

std::string TestoPercentualeColonne(std::int64_t conteggio, std::size_t colonne) {
    return io::FormatoReale("%3.2f", PercentualeColonne(conteggio, colonne));
}

Colonna PronosticoStatistico(const StatisticheNumeri& s, Colonna pronostico, int quante, bool azzera) {
    // Ascending IC, equal ICs in ascending number order; walked from the end.
    std::vector<int> ordine;
    for (int n = 1; n <= 32; ++n) {
        const double ic = s.IC(n);
        auto dove = std::find_if(ordine.begin(), ordine.end(), [&](int m) { return s.IC(m) > ic; });
        ordine.insert(dove, n);
    }
    if (azzera) pronostico = 0;
    int aggiunti = 0;
    for (auto n = ordine.rbegin(); n != ordine.rend() && aggiunti < quante; ++n) {
        const Colonna bit = Colonna{1} << (*n - 1);
        if (pronostico & bit) continue;
        pronostico |= bit;
        ++aggiunti;
    }
    return pronostico;
}

std::array<std::string, 5> CelleFisse(const TFisse& f, std::size_t posizione) {
    return {" " + std::to_string(posizione), TestoColonna(f.Numeri), std::to_string(f.Frequenza),
            std::to_string(f.Ritardo), f.Frequenza == 0 ? std::string("0.0") : io::FormatoReale("%3.2f", f.IC)};
}

bool ImpostaPronosticoStatistico(T_Sistema& sistema, int quante, bool azzera) {
    auto& d = *sistema.Dati;
    const StatisticheNumeri s = CalcolaStatisticheNumeri(d.Archivio, d.Config.Ricerca.Intervallo);
    return ImpostaPronostico(sistema, PronosticoStatistico(s, d.Pronostico, quante, azzera));
}

bool ImpostaPronostico(T_Sistema& sistema, Colonna pronostico) {
    auto& d = *sistema.Dati;
    if (pronostico == d.Pronostico) return false;
    d.Pronostico = pronostico;
    d.Fisse &= pronostico;
    sistema.Modificato = true;
    sistema.ColonneNonValide();
    return true;
}

}  // namespace ludo
