#pragma once
// Reading the options of the commands.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/Colonna.h"

namespace ludo::cli {

// The value after the option `nome`, if the option is there.
std::optional<std::string> opzione(std::span<const std::string> argomenti, std::string_view nome);

// The file named first, before any option; Errore when there is none.
const std::string& primoArgomento(std::span<const std::string> argomenti);

// Numbers 1..32 separated by blanks; Errore(messaggio) for anything else.
Colonna leggiNumeri(const std::string& testo, const char* messaggio);

inline constexpr const char* MsgNumeriNonValidi = "La colonna deve contenere numeri da 1 a 32 separati da spazi.";

}  // namespace ludo::cli
