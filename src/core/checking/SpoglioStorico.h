#pragma once
// The historical check: one column list against the winning column of
// every contest the search interval selects. Per score, the wins, the
// contests that had it and its delays; per contest, the count of columns
// at each score; per column, the scores it reached, for saving the columns
// that won.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/checking/Spoglio.h"
#include "core/io/Avanzamento.h"

namespace ludo {

inline constexpr char MsgAnalisiColonnare[] = "Analisi Colonnare in corso...";
inline constexpr char MsgSelezionarePunteggio[] = "E' necessario selezionare almeno un punteggio.";
inline constexpr char MsgFileEsistente[] = "Il file esiste già. Vuoi sovrascriverlo ? ";
inline constexpr char MsgImpossibileSalvareColonne[] = "Impossibile salvare le colonne";

struct StatisticaPunteggio {
    std::int32_t Vincite = 0;   // (column, contest) pairs at this score
    std::int32_t Concorsi = 0;  // contests with at least one column at it
    std::int32_t RitardoAttuale = 0;
    std::int32_t RitardoMassimo = 0;
};

struct RigaConcorso {
    T_Concorso Concorso;
    Punteggi Punti{};
};

struct EsitoSpoglioStorico {
    std::array<StatisticaPunteggio, 9> Punteggio{};
    std::int32_t Concorsi = 0;
    std::vector<RigaConcorso> Dettaglio;
    // Per column of the list, bit k set when it scored k in some contest.
    std::vector<std::uint16_t> PuntiColonna;
    bool Interrotto = false;  // the user stopped it: nothing is shown
};

// The columns are taken as they stand, without expansion. The cancel is
// polled once per contest.
EsitoSpoglioStorico SpoglioStorico(const ListaColonne& lista, const ArchivioConcorsi& archivio,
                                   const IntervalloRicerca& intervallo,
                                   Avanzamento& avanzamento = NessunAvanzamento());

// The general table, one row per score 0..8: score, wins, frequency,
// current delay, maximum delay, IC.
std::vector<std::array<std::string, 6>> RigheGenerali(const EsitoSpoglioStorico& esito);
// A row whose IC is 1 or more is highlighted.
bool RigaEvidenziata(const std::array<std::string, 6>& riga);
// The detail rows: contest, season, type, then the counts for 8 down to 0.
std::vector<std::array<std::string, 12>> RigheDettaglio(const EsitoSpoglioStorico& esito);
// "Risultati del confronto con le N colonne dell'archivio".
std::string TestoRisultatiConfronto(const EsitoSpoglioStorico& esito);

extern const std::array<std::string, 6> IntestazioniGenerali;
extern const std::array<std::string, 12> IntestazioniDettaglio;
// Both tables as the spreadsheet export lays them out: row by row, cell j
// of a row in sheet column j + 1; empty rows are empty vectors.
std::vector<std::vector<std::string>> TabellaEsportazione(const EsitoSpoglioStorico& esito);

// The sheet the export writes: the cells above, each sheet column as wide
// as its longest text (in characters, with a margin), and the rows of the
// general table that the window highlights.
struct FoglioEsportazione {
    std::vector<std::vector<std::string>> Righe;
    std::vector<double> Larghezze;
    std::vector<bool> Evidenziata;  // one per row of Righe
};
FoglioEsportazione FoglioSpoglioStorico(const EsitoSpoglioStorico& esito);

// The columns of the list, in list order, that reached one of the scores
// (bit k of punteggi for score k) in some contest.
ListaColonne ColonneConPunti(const ListaColonne& lista, const EsitoSpoglioStorico& esito,
                             std::uint16_t punteggi);
// Writes them as a column file, atomically. Throws
// Errore(MsgSelezionarePunteggio) when no score is chosen and
// Errore(MsgImpossibileSalvareColonne) when the file cannot be written.
void SalvaColonneConPunti(const ListaColonne& lista, const EsitoSpoglioStorico& esito,
                          std::uint16_t punteggi, const std::filesystem::path& percorso);

}  // namespace ludo
