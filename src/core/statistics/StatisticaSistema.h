#pragma once
// How the current system would have done over the archived contests: in how
// many of them its conditions let the winning column through (first
// category) or at least one 7-point column (second category), the mean
// cycle between wins and the delays measured against it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/contests/T_FrequenzeRitardi.h"
#include "core/io/Avanzamento.h"

namespace ludo {

class T_Sistema;

struct RisultatoCategoria {
    T_FrequenzeRitardi Tabella{1};  // value 1: the system won in the contest
    double CicloMedio = 0;
    std::int32_t RitardoMinimo = 0;
    std::int32_t RitardoMassimo = 0;
    double RitardoMedio = 0;
    std::int32_t RitardoCm = 0;
    std::int32_t UltimaVincita = 0;

    [[nodiscard]] std::int32_t Vincite() const { return Tabella.Frequenza(1); }
    [[nodiscard]] std::int32_t SettimaneDiAssenza() const { return Tabella.Ritardo(1); }
};

struct StatisticaSistema {
    std::array<RisultatoCategoria, 2> Categorie;
    int CategorieCercate = 1;       // 2 when the second category was searched too
    std::int32_t Esaminati = 0;     // contests the search interval selected
    std::int32_t ConcorsiArchivio = 0;
    bool Interrotta = false;        // stopped by the user: the figures are incomplete
};

inline constexpr const char* MsgAnalisiInCorso = "Analisi Dell'Archivio in Corso..";

// Runs the search with the system's archive and search settings. Progress
// goes out in percent of the archive, reported when it moved by more than 2;
// the cancel is polled after every contest. The system's conditions are
// left prepared for a development again.
StatisticaSistema AnalisiStatistica(T_Sistema& sistema, Avanzamento& avanzamento = NessunAvanzamento());

// From the wins recorded by position among the examined contests (1-based,
// ascending): the cycle and the delays measured against it.
void CalcolaCicli(RisultatoCategoria& categoria, std::int32_t esaminati, const std::vector<std::int32_t>& vincite);

// "Concorsi Esaminati : 20 Su 25".
std::string TestoConcorsiEsaminati(const StatisticaSistema& s);
// Share of the examined contests the category won, 0..100 (0 when none was examined).
double PercentualeVinte(const StatisticaSistema& s, int categoria);
// Share of the forecast's whole development the conditions filtered out.
double PercentualeFiltrate(int numeriPronostico, std::int64_t colonneTenute);
// The same for the system, only once it has been developed and kept columns.
std::optional<double> FiltrateDelSistema(const T_Sistema& sistema);
// "Fattore Di Convenienza": filtered share over the share of contests not won,
// two decimals, or "Infinito" when every contest was won.
std::string TestoFattoreConvenienza(double filtrate, double vinte);
// Width 4, two decimals, as the cycle and the mean delay are shown.
std::string TestoQuattroDueDecimali(double valore);

}  // namespace ludo
