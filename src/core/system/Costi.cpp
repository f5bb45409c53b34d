#include "core/system/Costi.h"

#include <cmath>
#include <cstdlib>

#include "core/columns/Colonna.h"

namespace ludo {
namespace {

// The digits of a non-negative whole number with a separator every three.
std::string Raggruppa(std::uint64_t valore, char separatore) {
    std::string cifre = std::to_string(valore);
    std::string testo;
    const std::size_t n = cifre.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) testo += separatore;
        testo += cifre[i];
    }
    return testo;
}

}  // namespace

double PrezzoColonna(const Configurazione& config) { return config.Euro ? config.PrezzoEuro : config.PrezzoLire; }

const char* SimboloValuta(const Configurazione& config) { return config.Euro ? "€" : "£"; }

double PrezzoColonnaDi(int numeri, const Configurazione& config) {
    return Binomiale(numeri, 8) * PrezzoColonna(config);
}

std::string TestoIntero(std::int64_t valore, FormatoNumeri formato) {
    const std::string testo = Raggruppa(static_cast<std::uint64_t>(std::llabs(valore)), formato.migliaia);
    return valore < 0 ? "-" + testo : testo;
}

std::string TestoImporto(double importo, bool euro, FormatoNumeri formato) {
    if (!std::isfinite(importo)) importo = 0;
    const bool negativo = importo < 0;
    const double assoluto = std::fabs(importo);
    std::string testo;
    if (euro) {
        const auto centesimi = static_cast<std::uint64_t>(std::llround(assoluto * 100));
        const auto resto = centesimi % 100;
        testo = Raggruppa(centesimi / 100, formato.migliaia) + formato.decimali + static_cast<char>('0' + resto / 10) +
                static_cast<char>('0' + resto % 10);
    } else {
        testo = Raggruppa(static_cast<std::uint64_t>(std::llround(assoluto)), formato.migliaia);
    }
    return negativo && testo.find_first_not_of("0.,") != std::string::npos ? "-" + testo : testo;
}

std::string TestoValuta(double importo, bool euro, FormatoNumeri formato) {
    return std::string(euro ? "€" : "£") + " " + TestoImporto(importo, euro, formato);
}

std::string TestoValuta(double importo, const Configurazione& config, FormatoNumeri formato) {
    return TestoValuta(importo, config.Euro, formato);
}

std::string TestoCosto(std::int64_t colonne, int numeri, const Configurazione& config, int partecipanti,
                       FormatoNumeri formato) {
    const double costo = static_cast<double>(colonne) * PrezzoColonnaDi(numeri, config);
    if (partecipanti >= 2) {
        return TestoImporto(costo / partecipanti, config.Euro, formato) + " 1/" + std::to_string(partecipanti);
    }
    return TestoImporto(costo, config.Euro, formato);
}

std::string TestoColonneConCosto(std::int64_t colonne, int numeri, const Configurazione& config, int partecipanti,
                                 FormatoNumeri formato) {
    return TestoIntero(colonne, formato) + " (" + SimboloValuta(config) + " " +
           TestoCosto(colonne, numeri, config, partecipanti, formato) + ")";
}

}  // namespace ludo
