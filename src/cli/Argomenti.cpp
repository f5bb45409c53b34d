#include "cli/Argomenti.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

namespace ludo::cli {
namespace {

bool tra(const std::vector<std::string_view>& nomi, std::string_view nome) {
    return std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
}

// The sub-command named first, its options and where its arguments start.
const Opzioni& opzioniDelComando(std::span<const std::string>& argomenti, const Sintassi& sintassi,
                                 std::string_view& sottocomando) {
    if (sintassi.sottocomandi.empty() || argomenti.empty() || argomenti[0].starts_with("--"))
        return sintassi.opzioni;
    for (const auto& [nome, opzioni] : sintassi.sottocomandi) {
        if (argomenti[0] == nome) {
            sottocomando = nome;
            argomenti = argomenti.subspan(1);
            return opzioni;
        }
    }
    std::string elenco;
    for (const auto& s : sintassi.sottocomandi) elenco += (elenco.empty() ? "" : ", ") + std::string(s.first);
    throw ErroreArgomenti("Sottocomando sconosciuto: " + argomenti[0] + " (" + elenco + ").");
}

}  // namespace

Argomenti::Argomenti(std::span<const std::string> argomenti, const Sintassi& sintassi)
    : opzioni_(&opzioniDelComando(argomenti, sintassi, sottocomando_)) {
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (!a.starts_with("--")) {
            if (posizionali_.size() == opzioni_->posizionali) throw ErroreArgomenti("Argomento non previsto: " + a);
            posizionali_.push_back(a);
            continue;
        }
        const bool conValore = tra(opzioni_->conValore, a);
        if (!conValore && !tra(opzioni_->semplici, a)) throw ErroreArgomenti("Opzione non riconosciuta: " + a);
        if (ha(a)) throw ErroreArgomenti("Opzione ripetuta: " + a);
        std::string valore;
        if (conValore) {
            if (i + 1 == argomenti.size() || argomenti[i + 1].starts_with("--"))
                throw ErroreArgomenti("Manca il valore dell'opzione " + a + ".");
            valore = argomenti[++i];
        }
        date_.emplace_back(a, std::move(valore));
    }
}

const std::string& Argomenti::primo(const char* messaggio) const {
    if (posizionali_.empty()) throw ErroreArgomenti(messaggio);
    return posizionali_.front();
}

std::optional<std::string> Argomenti::opzione(std::string_view nome) const {
    // Asking for an option the command does not declare is a mistake of the
    // command table, not of the user.
    if (!tra(opzioni_->conValore, nome)) throw std::logic_error("opzione non dichiarata: " + std::string(nome));
    for (const auto& [data, valore] : date_) {
        if (data == nome) return valore;
    }
    return std::nullopt;
}

std::string Argomenti::richiesta(std::string_view nome) const {
    auto trovato = opzione(nome);
    if (!trovato) throw ErroreArgomenti("Manca l'opzione " + std::string(nome) + ".");
    return std::move(*trovato);
}

bool Argomenti::ha(std::string_view nome) const {
    if (!tra(opzioni_->conValore, nome) && !tra(opzioni_->semplici, nome))
        throw std::logic_error("opzione non dichiarata: " + std::string(nome));
    return std::any_of(date_.begin(), date_.end(), [&](const auto& d) { return d.first == nome; });
}

int Argomenti::intero(std::string_view nome, int minimo, int massimo) const {
    return numero(richiesta(nome), minimo, massimo, nome);
}

int Argomenti::intero(std::string_view nome, int minimo, int massimo, int predefinito) const {
    const auto testo = opzione(nome);
    return testo ? numero(*testo, minimo, massimo, nome) : predefinito;
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
