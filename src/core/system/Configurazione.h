#pragma once
// The configuration values of the system and their file, Ludomatic.cfg in
// the program folder: prices and currency, background picture, saving
// options, the betting-shop lines, the archive search settings and the
// printing settings.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/contests/ImpostazioniRicerca.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/system/ImpostazioniStampa.h"

namespace ludo {

inline constexpr std::string_view NomeFileConfigurazione = "Ludomatic.cfg";
inline constexpr double PrezzoLirePredefinito = 800;
// 800 lire at 1936.27 lire per euro.
inline constexpr double PrezzoEuroPredefinito = 0.41316551927159;
inline constexpr std::size_t CapacitaFileSfondo = 255;
inline constexpr std::size_t CapacitaRigaRicevitoria = 60;

struct Configurazione {
    double PrezzoLire = PrezzoLirePredefinito;  // price of one column
    double PrezzoEuro = PrezzoEuroPredefinito;
    bool Euro = false;  // costs in euro, otherwise in lire
    // Absolute path of the main window's background picture. The file holds
    // it as Windows-1252 in 255 bytes: longer paths, or characters outside
    // the code page, do not survive a save.
    std::string FileSfondo;
    bool SalvaColonne = true;      // the system file carries the column list
    bool RicaricaSchedina = true;  // last coupon reloaded at start, saved at exit
    // Holder, address, town, telephone: printed on the slips.
    std::array<std::string, 4> DatiRicevitoria;
    ImpostazioniRicerca Ricerca;
    SlipPrintSettings ImpStampa;
    TImpTabulato ImpTabulato;

    bool operator==(const Configurazione&) const = default;
};

// The default background: "\SFONDI\irtex67b.Bmp" in the program folder.
std::string SfondoPredefinito(const std::filesystem::path& cartella);

// The values of a newly created system, with the default background.
Configurazione ConfigurazioneIniziale(const std::filesystem::path& cartella);

// The file, field by field in this order: PrezzoLire, PrezzoEuro (doubles),
// Euro, FileSfondo (short string of 255), SalvaColonne, RicaricaSchedina,
// the four betting-shop lines (short strings of 60), the search settings,
// the slip settings, the listing settings.
bool ScriviConfigurazione(io::BinaryWriter& out, const Configurazione& config);

// Reads straight into config and stops at the first short read, so the
// fields after the end of a short file keep their values. A price that is
// not a finite number (a damaged file) takes its default. Returns true when
// every field was read.
bool LeggiConfigurazione(io::BinaryReader& in, Configurazione& config);

// Reads Ludomatic.cfg of the program folder. Never fails: when the file
// cannot be opened or read, the prices, the background and the slip
// settings return to their defaults and the other fields keep their values
// (which, at start-up, are the defaults too).
void CaricaConfigurazione(Configurazione& config, const std::filesystem::path& cartella);

// Rewrites Ludomatic.cfg of the program folder; the old file survives a
// failure, which raises Errore("Impossibile Salvare la Configurazione").
void SalvaConfigurazione(const Configurazione& config, const std::filesystem::path& cartella);

}  // namespace ludo
