#pragma once
// Two statistics of numbers over the contests of the search interval: how
// many numbers of a chosen group each winning column hit, and the single
// numbers, pairs and triples most worth fixing.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/columns/Colonna.h"
#include "core/contests/ImpostazioniRicerca.h"

namespace ludo {

class ArchivioConcorsi;
class ListaColonne;
class T_Sistema;

// The record of one number over the selected contests.
struct StatisticaNumero {
    std::int32_t Frequenza = 0;
    std::int32_t FrequenzaAnnuale = 0;  // within the season of the most recent selected contest
    std::int32_t RitardoAttuale = 0;
    std::int32_t RitardoMassimo = 0;
    std::int32_t ConsecutiviAttuali = 0;
    std::int32_t ConsecutiviMassimi = 0;
};

struct StatisticheNumeri {
    std::int32_t Esaminati = 0;
    std::array<StatisticaNumero, 32> Numeri;  // number n at n - 1

    // frequency / examined × current delay; 0 when nothing was examined.
    [[nodiscard]] double IC(int numero) const;
};

StatisticheNumeri CalcolaStatisticheNumeri(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo);
// The IC cell of the historical table: "%2.2f", empty when nothing was examined.
std::string TestoICNumero(const StatisticheNumeri& s, int numero);

// How many columns of the list hold each number (number n at n - 1).
std::array<std::int64_t, 32> FrequenzaNumeriColonne(const ListaColonne& colonne);
// The "%" cell: count over the columns × 100, "%3.2f"; "0.00" for an empty list.
// The share of the columns, 0 for an empty list.
double PercentualeColonne(std::int64_t conteggio, std::size_t colonne);
std::string TestoPercentualeColonne(std::int64_t conteggio, std::size_t colonne);

// The forecast with up to quante more numbers, those of highest IC first
// (among equal ICs the higher number first); numbers already selected are
// skipped and do not count. With azzera the forecast starts empty.
Colonna PronosticoStatistico(const StatisticheNumeri& s, Colonna pronostico, int quante, bool azzera);

// The statistical forecast written into the system, from the statistics of
// its archive over its search interval: fixed numbers left outside the new
// forecast go, and a changed forecast leaves the system modified and its
// columns no longer valid. True when the forecast changed.
bool ImpostaPronosticoStatistico(T_Sistema& sistema, int quante, bool azzera);
// A forecast chosen from the statistics (a group of numbers) written into
// the system as above. True when the forecast changed.
bool ImpostaPronostico(T_Sistema& sistema, Colonna pronostico);

// One row of the group table: the contests whose winning column held
// exactly Punteggio numbers of the group.
struct RigaGruppo {
    int Punteggio = 0;
    std::int32_t Uscite = 0;
    std::string Frequenza;  // examined contests per occurrence, "0.0"; "0" when it never occurred
    std::int32_t RitardoAttuale = 0;
    std::int32_t RitardoMassimo = 0;
    std::string IC;         // frequency / examined × current delay, "%3.2f"; "0" when nothing was examined
    bool Evidenziata = false;  // IC of 1 or more
};

struct AnalisiGruppo {
    std::int32_t Esaminati = 0;
    std::array<RigaGruppo, 9> Righe;
};

AnalisiGruppo AnalizzaGruppo(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo, Colonna gruppo);

enum class OrdineFisse { IC, Frequenza, Ritardo };

// A candidate combination of 1, 2 or 3 numbers.
struct TFisse {
    Colonna Numeri = 0;
    std::int32_t Frequenza = 0;
    std::int32_t Ritardo = 0;
    double IC = 0;  // delay / (examined / frequency); 0 when it never occurred
};

// Every combination of quante numbers (lexicographic order), ranked by the
// key from highest; among equal keys the later combination comes first.
std::vector<TFisse> CercaFisse(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo, int quante,
                               OrdineFisse ordine);

// The cells of one ranking row: rank with a leading blank, the numbers as
// the winning column is written, frequency, delay, and IC ("%3.2f", or
// "0.0" when the combination never occurred).
std::array<std::string, 5> CelleFisse(const TFisse& fisse, std::size_t posizione);

}  // namespace ludo
