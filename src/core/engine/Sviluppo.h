#pragma once
// The development of a system: every 8-number column of the forecast (or
// every column of a source column file) tested against the conditions,
// kept in the column list or written to a column file, optionally reduced.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/io/Avanzamento.h"
#include "core/system/RisultatoSviluppo.h"

namespace ludo {

class T_Sistema;

inline constexpr const char* MsgCaricareFileCombinazioni = "Impossibile Caricare il File di Combinazioni";
inline constexpr const char* MsgSalvareFileCombinazioni = "Impossibile Salvare il file di Combinazioni";
inline constexpr const char* DomandaRiduzioneLenta =
    "La riduzione ottimizzata è estremamente lenta ed andrebbe  utilizzata solo per piccoli sistemi. Continuare ? ";

// What the development window (or the recalculation window) is told, and
// the one question it may have to ask. Every call has a default that does
// nothing, so a caller overrides what it shows.
class InterfacciaSviluppo : public Avanzamento {
public:
    virtual void Stato(std::string_view testo) { static_cast<void>(testo); }
    virtual void AggiornaCond(std::int64_t totale, std::int64_t finali, bool finale, std::int64_t esaminate) {
        static_cast<void>(totale), static_cast<void>(finali), static_cast<void>(finale), static_cast<void>(esaminate);
    }
    virtual void AggiornaCondRid(std::int64_t totale, std::int64_t accettate, bool finale, std::int64_t ridotte,
                                 std::int64_t esaminate) {
        static_cast<void>(totale), static_cast<void>(accettate), static_cast<void>(finale);
        static_cast<void>(ridotte), static_cast<void>(esaminate);
    }
    virtual void AggiornaRidOtt(std::int64_t totale, std::int64_t corrente, bool finale, std::int64_t esaminate) {
        static_cast<void>(totale), static_cast<void>(corrente), static_cast<void>(finale), static_cast<void>(esaminate);
    }
    // The recalculation window.
    virtual void Inizializza() {}
    virtual void CalcoloTerminato(std::int64_t colonne) { static_cast<void>(colonne); }
    // "Si" / "No" to the question; the default answers "No".
    virtual bool Conferma(std::string_view domanda) {
        static_cast<void>(domanda);
        return false;
    }
    // An error the window shows in a message box; the run goes on as the
    // failure allows.
    virtual void Errore(std::string_view messaggio) { static_cast<void>(messaggio); }
};

// A development run for the development window or for the automatic
// recalculation, which is told when the count is final and shows no state
// line.
enum class ModoSviluppo { Sviluppo, Ricalcolo };

// The counts of a run and what it leaves to the system.
struct EsitoSviluppo {
    std::int64_t Totale = 0;
    std::int64_t Esaminate = 0;
    std::int64_t Accettate = 0;
    std::int64_t Finali = 0;  // kept columns (in the list or in the destination file)
    std::int64_t ColonneSviluppate = 0;
    double Secondi = 0;
    bool Annullato = false;
    // The enumeration of the forecast itself was stopped (the list is then empty).
    bool EnumerazioneInterrotta = false;
    RisultatoSviluppo Risultato;
};

// Runs a development with the system's own settings. The system's
// conditions and links are prepared and do the tests (so a run on another
// thread takes a copy of the system); the columns and counts are returned,
// for the system to take with AdottaSviluppo. A destination column file is
// replaced only by a run that completes.
EsitoSviluppo Sviluppa(T_Sistema& sistema, InterfacciaSviluppo& finestra,
                       ModoSviluppo modo = ModoSviluppo::Sviluppo);
// Estimates the number of columns that pass by testing a sample of them;
// the result keeps no column.
EsitoSviluppo CalcoloStimato(T_Sistema& sistema, InterfacciaSviluppo& finestra);
// The automatic recalculation after an edit: real or estimated as set.
EsitoSviluppo RicalcoloAutomatico(T_Sistema& sistema, InterfacciaSviluppo& finestra);

// Where a column file named in the development settings stands: a name
// without folder is taken in the program folder's COLONNE.
std::filesystem::path PercorsoFileColonne(const T_Sistema& sistema, const std::string& nome);

// The sampling step of the estimated calculation for N columns.
int PassoCampione(double colonne);
// "hh:mm:ss" of a number of seconds.
std::string TestoTempo(double secondi);

}  // namespace ludo
