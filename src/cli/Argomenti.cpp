#include "cli/Argomenti.h"

#include <charconv>
#include <sstream>

#include "core/io/Errore.h"

namespace ludo::cli {

std::optional<std::string> opzione(std::span<const std::string> argomenti, std::string_view nome) {
    for (std::size_t i = 0; i + 1 < argomenti.size(); ++i) {
        if (argomenti[i] == nome) return argomenti[i + 1];
    }
    return std::nullopt;
}

const std::string& primoArgomento(std::span<const std::string> argomenti) {
    if (argomenti.empty() || argomenti[0].starts_with("--")) throw Errore("Manca il nome del file.");
    return argomenti[0];
}

std::string richiesta(std::span<const std::string> argomenti, std::string_view nome) {
    auto trovato = opzione(argomenti, nome);
    if (!trovato) throw Errore("Manca l'opzione " + std::string(nome) + ".");
    return std::move(*trovato);
}

bool haOpzione(std::span<const std::string> argomenti, std::string_view nome) {
    for (const auto& a : argomenti) {
        if (a == nome) return true;
    }
    return false;
}

int numero(const std::string& testo, int minimo, int massimo, std::string_view cosa) {
    int valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc{} || fine != testo.data() + testo.size() || valore < minimo || valore > massimo) {
        throw Errore("Valore non valido per " + std::string(cosa) + ": deve essere un numero da " +
                     std::to_string(minimo) + " a " + std::to_string(massimo) + ".");
    }
    return valore;
}

int intero(std::span<const std::string> argomenti, std::string_view nome, int minimo, int massimo) {
    return numero(richiesta(argomenti, nome), minimo, massimo, nome);
}

int intero(std::span<const std::string> argomenti, std::string_view nome, int minimo, int massimo, int predefinito) {
    const auto testo = opzione(argomenti, nome);
    return testo ? numero(*testo, minimo, massimo, nome) : predefinito;
}

Colonna leggiNumeri(const std::string& testo, const char* messaggio) {
    std::istringstream pezzi(testo);
    std::string pezzo;
    Colonna maschera = 0;
    while (pezzi >> pezzo) {
        int n = 0;
        const auto [fine, errore] = std::from_chars(pezzo.data(), pezzo.data() + pezzo.size(), n);
        if (errore != std::errc{} || fine != pezzo.data() + pezzo.size() || n < 1 || n > 32) throw Errore(messaggio);
        maschera |= Colonna{1} << (n - 1);
    }
    return maschera;
}

}  // namespace ludo::cli
