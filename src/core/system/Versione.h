#pragma once

#include <string>
#include <string_view>

namespace ludo {

// Heads every system file; its text form is shown in the caption and by
// "ludomatic-cli --version".
inline constexpr int VersioneFile = 400;
inline constexpr std::string_view NomeProgramma = "Ludomatic";
inline constexpr std::string_view NomeSenzaNome = "SENZANOME.LDS";

// The version written with two decimals (400 -> "4.00"), dropping the fourth
// character when the text holds "00": "4.0".
std::string TestoVersione(int versione = VersioneFile);

// The file name of a stored path without folder and extension; both "\" and
// "/" separate folders.
std::string NomeSenzaEstensione(std::string_view percorso);

// " Ludomatic 4.0 - SENZANOME" for the system file nomeFile.
std::string TitoloPrincipale(std::string_view nomeFile);

}  // namespace ludo
