#pragma once
// Prices and costs as the program shows them: the price of one column in the
// chosen currency, the price of a column of k numbers, and the amount texts
// with "£" and no decimals or "€" and two decimals, grouped in thousands,
// with the share of each participant when the cost is split.

#include <cstdint>
#include <string>

#include "core/system/Configurazione.h"

namespace ludo {

// The separators of the user's locale (the Italian ones by default).
struct FormatoNumeri {
    char migliaia = '.';
    char decimali = ',';
};

// The price of one 8-number column: PrezzoEuro in euro, else PrezzoLire.
double PrezzoColonna(const Configurazione& config);
// "€" or "£".
const char* SimboloValuta(const Configurazione& config);
// The price of a column of `numeri` numbers: C(numeri, 8) column prices.
double PrezzoColonnaDi(int numeri, const Configurazione& config);

// An amount grouped in thousands, with two decimals in euro and none in lire
// (rounded to the nearest unit shown).
std::string TestoImporto(double importo, bool euro, FormatoNumeri formato = {});

// An amount with its currency: "£ 36.000", "€ 2,48". Every label, receipt
// and window shows amounts through it.
std::string TestoValuta(double importo, bool euro, FormatoNumeri formato = {});
std::string TestoValuta(double importo, const Configurazione& config, FormatoNumeri formato = {});

// The cost of `colonne` columns of `numeri` numbers each, as the counts show
// it: the amount, or with two or more participants the share of one followed
// by " 1/" and the number of participants.
std::string TestoCosto(std::int64_t colonne, int numeri, const Configurazione& config, int partecipanti,
                       FormatoNumeri formato = {});

// A count with its cost: "45 (£ 36.000)", "12.870 (£ 10.296.000)".
std::string TestoColonneConCosto(std::int64_t colonne, int numeri, const Configurazione& config, int partecipanti,
                                 FormatoNumeri formato = {});

// A whole number grouped in thousands: "10.518.300".
std::string TestoIntero(std::int64_t valore, FormatoNumeri formato = {});

}  // namespace ludo
