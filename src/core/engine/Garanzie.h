#pragma once
// The guarantee calculation: for every possible result (a set of winning
// matches) how many of the examined columns score 8, 7 and 6 points, the
// results grouped by that tally, and the share of the results giving each
// tally. The results are the 8-, 7- or 6-number subsets of the forecast (no
// error, one or two winning matches outside the forecast) or the columns of
// a comparison column file.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/columns/ListaColonne.h"
#include "core/columns/Sottoinsiemi.h"
#include "core/io/Avanzamento.h"
#include "core/system/TabelleGaranzie.h"

namespace ludo {

class T_Sistema;

inline constexpr const char* MsgCaricareFile = "Impossibile caricare il file";

// The points of the examined columns against one result.
struct Punteggio {
    std::int32_t Punti6 = 0;
    std::int32_t Punti7 = 0;
    std::int32_t Punti8 = 0;
    bool operator==(const Punteggio&) const = default;
};

// The examined columns, indexed by their 6-, 7- and 8-number subsets within
// the numbers a result can hold, so that the tally of one result costs a few
// dozen look-ups whatever the number of columns.
class ContaPunti {
  public:
    // universo: every number any result will hold (the forecast, or all the
    // numbers of the comparison columns). Stops early, leaving nothing
    // counted, when annulla asks.
    ContaPunti(const ListaColonne& esaminate, Colonna universo,
               const Avanzamento& annulla = NessunAvanzamento());
    // How many examined columns share 8, 7 and 6 numbers with the result
    // (which must lie within the universe).
    [[nodiscard]] Punteggio Conta(Colonna risultato) const;

  private:
    [[nodiscard]] Colonna Compatta(Colonna c) const;
    const ListaColonne& esaminate_;  // scanned whole for results of more than 8 numbers
    std::array<std::array<Colonna, 256>, 4> byte_{};  // universe numbers → consecutive low bits
    std::vector<IndiceSottoinsiemi> indici_;          // columns holding each 6-, 7-, 8-subset
    std::vector<Colonna> larghe_;                     // columns with more than 8 universe numbers
};

// Adds one result's tally to a table kept in order; a result no column
// scores 6 on leaves the table as it is.
void RegistraPunteggio(TabellaVincite& tabella, const Punteggio& p);

// Whether a result takes part: the system's conditions, or none.
using FiltroRisultati = std::function<bool(Colonna)>;

// Fills the table of key 8 − errori with every (8 − errori)-number subset
// of the forecast as a result, in the order the development enumerates
// them, and makes the weights fractions of the results counted. Returns
// false when cancelled: the table then keeps its raw counts.
bool GaranziePronostico(TabelleGaranzie& tabelle, const ListaColonne& esaminate, Colonna pronostico,
                        int errori, const FiltroRisultati& filtro, Avanzamento& avanzamento);

// Fills the table of key 8 with every comparison column, in order, as a result.
bool GaranzieConfronto(TabelleGaranzie& tabelle, const ListaColonne& esaminate,
                       const ListaColonne& risultati, const FiltroRisultati& filtro,
                       Avanzamento& avanzamento);

// What the calculation window asks for.
struct ImpostazioniGaranzie {
    bool ColonneInMemoria = true;  // the system's column list; false: FileEsaminate, expanded
    std::string FileEsaminate;
    bool ConfrontoPronostico = true;  // the forecast's subsets; false: the columns of FileConfronto
    std::string FileConfronto;
    // Only the results passing the system's conditions; taken into account
    // only when no error on the forecast is asked for.
    bool ApplicaCondizioni = false;
    std::array<bool, 3> Errori{true, false, false};  // no error, one, two (forecast only)
};

struct EsitoGaranzie {
    bool Annullato = false;
    int PrimaChiave = 0;  // the table to show first: 8, 7 or 6; 0 when none was computed
    std::array<bool, 3> Calcolate{};  // keys 8, 7, 6
};

// The whole calculation on the system: its tables (Garanzie) are emptied and
// refilled. A file name without folder is taken in the COLONNE folder. An
// unreadable file raises Errore(MsgCaricareFile).
EsitoGaranzie CalcolaGaranzie(T_Sistema& sistema, const ImpostazioniGaranzie& impostazioni,
                              Avanzamento& avanzamento);

}  // namespace ludo
