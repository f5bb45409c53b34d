#include "core/statistics/StatisticaSistema.h"

#include <cmath>

#include "core/archive/ArchivioConcorsi.h"
#include "core/io/Formato.h"
#include "core/system/T_Sistema.h"

namespace ludo {
namespace {

// The condition set as the archive search tests it: statistics cleared,
// the ignore flags of the search settings applied, no fixed-number test and
// no error recording.
void PreparaPerArchivio(DatiSistema& d) {
    auto& c = d.Condizioni;
    c.ModoArchivio = true;
    c.AzzeraStatistiche();
    c.AggiornaStato();
    c.Prepara();
    c.RegistraErrori = false;
    c.ConFisse = false;
    d.Link.PreparaLink(c);
    d.Link.AggiornaStatoLink();
    d.Link.AzzeraStatisticheLink();
}

// At least one column sharing 7 numbers with the winning one passes: each
// winning number in turn is replaced by each of the 22 lowest numbers that
// did not win.
bool VinceSecondaCategoria(TCondizioniSistema& condizioni, Colonna vincente) {
    std::vector<Colonna> fuori;
    for (int n = 0; n < 32 && fuori.size() < 22; ++n) {
        if ((vincente & (Colonna{1} << n)) == 0) fuori.push_back(Colonna{1} << n);
    }
    for (int n = 0; n < 32; ++n) {
        const Colonna dentro = Colonna{1} << n;
        if ((vincente & dentro) == 0) continue;
        for (Colonna altro : fuori) {
            if (condizioni.Verifica((vincente & ~dentro) | altro)) return true;
        }
    }
    return false;
}

void Conta(RisultatoCategoria& categoria, std::vector<std::int32_t>& vincite, bool vinto, std::int32_t esaminati) {
    categoria.Tabella.AggiungiConcorso(vinto ? 1 : 0, 0, true);
    if (vinto) vincite.push_back(esaminati);
}

}  // namespace

void CalcolaCicli(RisultatoCategoria& c, std::int32_t esaminati, const std::vector<std::int32_t>& vincite) {
    const std::int32_t ritardo = c.Tabella.Ritardo(1);
    const std::int32_t frequenza = c.Tabella.Frequenza(1);
    c.UltimaVincita = esaminati - ritardo;
    c.CicloMedio = frequenza == 0 ? 0.0 : static_cast<double>(c.UltimaVincita) / frequenza;
    const auto ciclo = static_cast<std::int32_t>(std::trunc(c.CicloMedio));
    c.RitardoCm = std::max(0, ritardo - ciclo);

    c.RitardoMinimo = 0;
    c.RitardoMassimo = 0;
    c.RitardoMedio = 0;
    std::int32_t precedente = 0;
    std::int64_t somma = 0;
    int positivi = 0;
    for (std::int32_t p : vincite) {
        const std::int32_t eccesso = p - precedente - ciclo;
        precedente = p;
        if (eccesso <= 0) continue;
        c.RitardoMinimo = positivi == 0 ? eccesso : std::min(c.RitardoMinimo, eccesso);
        c.RitardoMassimo = std::max(c.RitardoMassimo, eccesso);
        somma += eccesso;
        ++positivi;
    }
    if (positivi > 0) c.RitardoMedio = static_cast<double>(somma) / positivi;
}

StatisticaSistema AnalisiStatistica(T_Sistema& sistema, Avanzamento& avanzamento) {
    auto& d = *sistema.Dati;
    const ImpostazioniRicerca& ricerca = d.Config.Ricerca;
    StatisticaSistema s;
    s.CategorieCercate = ricerca.PrimaSecondaCategoria ? 2 : 1;
    s.ConcorsiArchivio = static_cast<std::int32_t>(d.Archivio.Conteggio());
    for (auto& c : s.Categorie) c.Tabella.Azzera(1);
    avanzamento.Fase(MsgAnalisiInCorso);
    avanzamento.Progresso(0, 100);

    PreparaPerArchivio(d);
    std::array<std::vector<std::int32_t>, 2> vincite;
    std::int64_t mostrato = 0;
    for (std::size_t i = 0; i < d.Archivio.Conteggio(); ++i) {
        const T_Concorso& concorso = d.Archivio[i];
        if (!ConcorsoSelezionato(ricerca.Intervallo, concorso)) continue;
        ++s.Esaminati;
        const std::int64_t percento = 100 * static_cast<std::int64_t>(i) / s.ConcorsiArchivio;
        if (percento > mostrato + 2) avanzamento.Progresso(mostrato = percento, 100);

        const bool prima = d.Condizioni.Verifica(concorso.Vincente);
        Conta(s.Categorie[0], vincite[0], prima, s.Esaminati);
        if (!prima && s.CategorieCercate == 2) {
            Conta(s.Categorie[1], vincite[1], VinceSecondaCategoria(d.Condizioni, concorso.Vincente), s.Esaminati);
        }
        if (avanzamento.annullato()) {
            s.Interrotta = true;
            break;
        }
    }
    if (!s.Interrotta) {
        for (int k = 0; k < s.CategorieCercate; ++k) CalcolaCicli(s.Categorie[k], s.Esaminati, vincite[k]);
        avanzamento.Fase(TestoConcorsiEsaminati(s));
        avanzamento.Progresso(100, 100);
    }
    d.Condizioni.ModoArchivio = false;
    sistema.PreparaCondizioni();
    return s;
}

std::string TestoConcorsiEsaminati(const StatisticaSistema& s) {
    return "Concorsi Esaminati : " + std::to_string(s.Esaminati) + " Su " + std::to_string(s.ConcorsiArchivio);
}

double PercentualeVinte(const StatisticaSistema& s, int categoria) {
    if (s.Esaminati == 0) return 0;
    return 100.0 * s.Categorie.at(static_cast<std::size_t>(categoria)).Vincite() / s.Esaminati;
}

double PercentualeFiltrate(int numeriPronostico, std::int64_t colonneTenute) {
    const double tutte = Binomiale(numeriPronostico, 8);
    if (tutte <= 0) return 0;
    return (tutte - static_cast<double>(colonneTenute)) / tutte * 100.0;
}

std::optional<double> FiltrateDelSistema(const T_Sistema& sistema) {
    const auto& d = *sistema.Dati;
    if (!d.Sviluppato || d.Colonne.Vuota()) return std::nullopt;
    return PercentualeFiltrate(NumeroNumeri(d.Pronostico), static_cast<std::int64_t>(d.Colonne.Conteggio()));
}

std::string TestoFattoreConvenienza(double filtrate, double vinte) {
    const double perse = 100.0 - vinte;
    if (perse == 0) return "Infinito";
    return io::FormatoReale("%.2f", filtrate / perse);
}

std::string TestoQuattroDueDecimali(double valore) { return io::FormatoReale("%4.2f", valore); }

}  // namespace ludo
