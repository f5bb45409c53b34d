#pragma once
// The system: the one document the user edits — coupon, forecast, fixed
// matches, conditions, development settings, comment, participants and,
// after a development, the column list — and its file (.LDS).

#include <array>
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/columns/ListaColonne.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TInsiemeLink.h"
#include "core/system/Configurazione.h"
#include "core/system/RisultatoSviluppo.h"
#include "core/system/Schedina.h"
#include "core/system/TabelleGaranzie.h"
#include "core/system/Versione.h"

namespace ludo {

inline constexpr const char* MsgCaricareSistema = "Impossibile Caricare il Sistema";
inline constexpr const char* MsgSalvareSistema = "Impossibile Salvare il Sistema";
inline constexpr const char* MsgCancellareSistema = "Impossibile Cancellare Il Sistema";

inline constexpr std::uint16_t SecondiMiglioratiPredefiniti = 60;
inline constexpr std::uint16_t PassoSecondiMigliorati = 10;
inline constexpr std::uint16_t MassimoSecondiMigliorati = 2540;

// Where the development takes its columns from.
struct DefSorg {
    bool SorgentePronostico = true;  // develop the forecast; false: filter a column file
    std::string FileSorgente;
    bool operator==(const DefSorg&) const = default;
};

// Where the developed columns go and how they are reduced.
struct DefDest {
    bool RicalcoloAutomatico = false;
    bool CalcoloReale = true;
    bool UsaCondizionamenti = true;
    bool SviluppoRidotto = false;
    bool DestinazioneMemoria = true;
    bool DistanzaMinima = false;
    bool RiduzioneOttimizzata = false;  // reduce after the development
    std::uint8_t Garanzia = 6;  // 6 or 7
    std::uint8_t DistMin = 5;   // 2..10
    std::uint8_t VinciteMultiple = 1;  // 1..10
    std::string FileDestinazione;
    // The optimised reduction's cover then shrunk by a search of at most
    // SecondiMigliorata seconds (RiduzioneOttimizzata is set as well).
    bool RiduzioneMigliorata = false;
    std::uint16_t SecondiMigliorata = SecondiMiglioratiPredefiniti;
    // The search's seed; not saved, a loaded system searches from 1.
    std::uint64_t SemeMigliorata = 1;
    bool operator==(const DefDest&) const = default;
};

// The byte of RiduzioneOttimizzata in the system file holds the reduction
// after the development: 0 none, 1 the optimised one, 2..255 the improved
// one with a search of (byte - 1) × 10 seconds. A reader that knows only the
// optimised reduction takes any byte but 0 for it.
std::uint8_t ByteRiduzioneFinale(const DefDest& d);
void LeggiByteRiduzioneFinale(std::uint8_t byte, DefDest& d);
// The seconds the byte can hold: the nearest multiple of 10 in 10..2540.
std::uint16_t SecondiMiglioratiMemorizzabili(int secondi);

struct DatiSistema {
    ListaColonne Colonne;
    TCondizioniSistema Condizioni;
    ArchivioConcorsi Archivio;
    TInsiemeLink Link;
    Schedina Coupon;  // Concorso and Squadre
    Colonna Pronostico = 0;
    Colonna Fisse = 0;
    std::array<double, 32> Picchetti{};
    Configurazione Config;  // the values kept in Ludomatic.cfg
    bool Sviluppato = false;
    std::int32_t ColonneSviluppate = 0;
    DefSorg Sorgente;
    DefDest Destinazione;
};

class T_Sistema {
public:
    // A new untitled system of the program folder, with the configuration
    // read from Ludomatic.cfg.
    explicit T_Sistema(const std::filesystem::path& cartella);
    // A copy of every field, the columns included, whose conditions read
    // the copy's own archive, settings and links: a development runs on one
    // on another thread while this system stays with the user.
    T_Sistema(const T_Sistema& altro);
    T_Sistema& operator=(const T_Sistema&) = delete;

    std::unique_ptr<DatiSistema> Dati;
    std::filesystem::path NomeFile;
    bool Modificato = false;
    bool SenzaNome = true;
    bool SpecificaNomi = true;
    std::int32_t NumeroPartecipanti = 1;
    std::vector<std::string> NomiPartecipanti;
    std::vector<std::string> Commento;
    std::int32_t ColonnePrecedenti = 0;
    std::int32_t VersioneLetta = VersioneFile;
    // The tables of the last guarantee calculation, kept for the rest of the run.
    TabelleGaranzie Garanzie;

    [[nodiscard]] const std::filesystem::path& Cartella() const { return cartella_; }
    // The untitled name "SENZANOME.LDS" in the systems folder.
    [[nodiscard]] std::filesystem::path NomeSenzaNomePredefinito() const;
    // Save must ask for a name: never named and still called as the untitled file.
    [[nodiscard]] bool DeveChiedereNome() const;

    // Back to a blank system (the column source and the configuration stay).
    void Nuovo();
    // Reads a system file; Errore(MsgCaricareSistema) when it cannot be
    // opened (nothing changes then). A file that ends early loads what it holds.
    void Carica(const std::filesystem::path& file);
    // Writes the system file atomically and makes it the system's name;
    // Errore(MsgSalvareSistema) on failure (the file and the flags stay as they were).
    void Salva(const std::filesystem::path& file);
    // Deletes a system file; Errore(MsgCancellareSistema) when it cannot be
    // opened or deleted.
    static void Cancella(const std::filesystem::path& file);

    // The file layout itself, for streams.
    bool Scrivi(std::ostream& out) const;
    void Leggi(std::istream& in);

    // Takes what a development of this system (or of a copy of it) left:
    // the columns, the counts and the recoveries' refusal statistics.
    void AdottaSviluppo(RisultatoSviluppo risultato);

    // Any change of the forecast or of the development settings makes the
    // columns stale.
    void ColonneNonValide();
    // What the conditions read of the system: fixed matches, forecast,
    // "Picch." values.
    void DatiPerLeCondizioni();
    // Before a development: the conditions get those data, then everything
    // is prepared in order.
    void PreparaCondizioni();

private:
    // Fields 1 to 14 of the file.
    bool ScriviCampi(io::BinaryWriter& out) const;
    void CollegaCondizioni();
    std::filesystem::path cartella_;
};

DefSorg DefSorgPredefinito(const std::filesystem::path& cartella);
DefDest DefDestPredefinito(const std::filesystem::path& cartella);

}  // namespace ludo
