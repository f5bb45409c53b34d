#pragma once
// printf-style text of one real number, as the tables and labels show
// figures ("%4.2f", "%.1f", …). The decimal separator is always ".".

#include <cstdio>
#include <string>

namespace ludo::io {

inline std::string FormatoReale(const char* formato, double valore) {
    char testo[64];
    std::snprintf(testo, sizeof testo, formato, valore);
    return testo;
}

}  // namespace ludo::io
