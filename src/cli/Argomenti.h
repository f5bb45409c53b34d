#pragma once
// Reading the arguments of the commands: each command declares what it
// accepts, and one reader refuses the rest before the command runs.

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/columns/Colonna.h"
#include "core/io/Errore.h"

namespace ludo::cli {

// The options of a command (or of one of its sub-commands) and how many
// other arguments (file names, numbers) it takes at most.
struct Opzioni {
    static constexpr std::size_t Molti = std::numeric_limits<std::size_t>::max();
    std::vector<std::string_view> conValore = {};  // each followed by its value
    std::vector<std::string_view> semplici = {};   // standing alone
    std::size_t posizionali = 0;
};

// What a command accepts after its name: its own options, or a sub-command
// named first with the options of that sub-command.
struct Sintassi {
    Opzioni opzioni = {};
    std::vector<std::pair<std::string_view, Opzioni>> sottocomandi = {};
};

// A mistake in the arguments themselves; the command line adds the usage.
class ErroreArgomenti : public Errore {
public:
    using Errore::Errore;
};

class Argomenti {
public:
    // Reads argomenti against sintassi. ErroreArgomenti names the first
    // option the command does not know, an option given twice or without
    // its value, an argument too many or an unknown sub-command.
    Argomenti(std::span<const std::string> argomenti, const Sintassi& sintassi);

    // The sub-command named first; empty when the command has none or none was given.
    [[nodiscard]] std::string_view sottocomando() const { return sottocomando_; }
    // The arguments that are neither options nor their values, in order.
    [[nodiscard]] const std::vector<std::string>& posizionali() const { return posizionali_; }
    // The first of them; ErroreArgomenti(messaggio) when there is none.
    [[nodiscard]] const std::string& primo(const char* messaggio = "Manca il nome del file.") const;

    // The value of option nome, if given.
    [[nodiscard]] std::optional<std::string> opzione(std::string_view nome) const;
    // The value of an option that must be given; ErroreArgomenti otherwise.
    [[nodiscard]] std::string richiesta(std::string_view nome) const;
    // True when the option nome was given.
    [[nodiscard]] bool ha(std::string_view nome) const;
    // The whole number minimo..massimo after option nome: required, or
    // predefinito when absent.
    [[nodiscard]] int intero(std::string_view nome, int minimo, int massimo) const;
    [[nodiscard]] int intero(std::string_view nome, int minimo, int massimo, int predefinito) const;

private:
    // The options given, with their values (empty for simple options).
    std::vector<std::pair<std::string, std::string>> date_;
    std::vector<std::string> posizionali_;
    std::string_view sottocomando_;
    const Opzioni* opzioni_ = nullptr;
};

// A whole number minimo..massimo; Errore naming `cosa` otherwise.
int numero(const std::string& testo, int minimo, int massimo, std::string_view cosa);

// Numbers 1..32 separated by blanks; Errore(messaggio) for anything else.
Colonna leggiNumeri(const std::string& testo, const char* messaggio);

inline constexpr const char* MsgNumeriNonValidi = "La colonna deve contenere numeri da 1 a 32 separati da spazi.";

}  // namespace ludo::cli
