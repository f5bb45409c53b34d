#pragma once
// Reading the options of the commands.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/columns/Colonna.h"

namespace ludo::cli {

// The value after the option `nome`, if the option is there.
std::optional<std::string> opzione(std::span<const std::string> argomenti, std::string_view nome);

// The value of an option that must be there; Errore when it is missing.
std::string richiesta(std::span<const std::string> argomenti, std::string_view nome);

// True when the flag `nome` stands among the arguments.
bool haOpzione(std::span<const std::string> argomenti, std::string_view nome);

// A whole number minimo..massimo; Errore naming `cosa` otherwise.
int numero(const std::string& testo, int minimo, int massimo, std::string_view cosa);

// The whole number after option `nome`: required, or predefinito when absent.
int intero(std::span<const std::string> argomenti, std::string_view nome, int minimo, int massimo);
int intero(std::span<const std::string> argomenti, std::string_view nome, int minimo, int massimo, int predefinito);

// The file named first, before any option; Errore when there is none.
const std::string& primoArgomento(std::span<const std::string> argomenti);

// Numbers 1..32 separated by blanks; Errore(messaggio) for anything else.
Colonna leggiNumeri(const std::string& testo, const char* messaggio);

inline constexpr const char* MsgNumeriNonValidi = "La colonna deve contenere numeri da 1 a 32 separati da spazi.";

}  // namespace ludo::cli
