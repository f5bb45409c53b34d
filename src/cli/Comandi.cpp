#include "Comandi.h"

#include <algorithm>
#include <ostream>

#include "system/Versione.h"

namespace ludo::cli {
namespace {

void stampaAiuto(std::ostream& out) {
    out << "Uso: ludomatic-cli [--cartella CARTELLA] COMANDO [ARGOMENTI]\n"
           "     ludomatic-cli --version | --help\n\n"
           "Opzioni:\n"
           "  --cartella CARTELLA  cartella del programma (predefinita: quella dell'installazione)\n"
           "  --version            stampa la versione\n"
           "  --help               stampa questo aiuto\n";
    if (comandi().empty()) return;
    out << "\nComandi:\n";
    for (const auto& c : comandi()) out << "  " << c.uso << "\n      " << c.descrizione << "\n";
}

}  // namespace

std::span<const Comando> comandi() {
    // Filled as the batch commands are built.
    static const std::vector<Comando> tabella;
    return tabella;
}

int esegui(std::span<const std::string> argomenti, const std::filesystem::path& cartellaPredefinita,
           std::ostream& out, std::ostream& err) {
    Contesto contesto{cartellaPredefinita, out, err};
    std::size_t i = 0;
    while (i < argomenti.size() && argomenti[i].starts_with("--")) {
        const auto& opzione = argomenti[i];
        if (opzione == "--version") {
            out << TestoVersione() << "\n";
            return 0;
        }
        if (opzione == "--help") {
            stampaAiuto(out);
            return 0;
        }
        if (opzione == "--cartella" && i + 1 < argomenti.size()) {
            contesto.cartella = argomenti[i + 1];
            i += 2;
            continue;
        }
        err << "Opzione non riconosciuta: " << opzione << "\n";
        return 1;
    }
    if (i == argomenti.size()) {
        stampaAiuto(err);
        return 1;
    }
    const auto& nome = argomenti[i];
    const auto comandiNoti = comandi();
    const auto trovato = std::find_if(comandiNoti.begin(), comandiNoti.end(),
                                      [&](const Comando& c) { return c.nome == nome; });
    if (trovato == comandiNoti.end()) {
        err << "Comando sconosciuto: " << nome << " (ludomatic-cli --help elenca i comandi)\n";
        return 1;
    }
    return trovato->esegui(contesto, argomenti.subspan(i + 1));
}

}  // namespace ludo::cli
