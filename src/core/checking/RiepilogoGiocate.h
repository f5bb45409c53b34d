#pragma once
// What the summary of a contest's plays shows and prints: the general table
// (how many plays of each kind and the "Volume di Gioco") and the list of
// the reduced systems played, with their date and time.

#include <array>
#include <string>
#include <vector>

#include "core/checking/ArchivioGiocate.h"
#include "core/system/Configurazione.h"
#include "core/system/Costi.h"

namespace ludo {

struct RigaRiepilogo {
    std::string tipo;    // "  Schedine Normali"
    std::string valore;  // right-aligned in 14 characters
};

// "  Schedine Normali", "  Sistemi Integrali", "  Sistemi Ridotti" with their
// counts and "  Volume di Gioco" with the currency and the total cost.
std::array<RigaRiepilogo, 4> RiepilogoGiocate(const TArchivioGiocate& archivio, const Configurazione& config,
                                              FormatoNumeri formato = {});

struct RigaSistemaGiocato {
    std::string numeri;   // 5 wide
    std::string colonne;  // 7 wide
    std::string data;     // "07/12/2026"
    std::string ora;      // "21:05:09"
};

std::vector<RigaSistemaGiocato> SistemiGiocati(const TArchivioGiocate& archivio);

// A stored date (days since 30 December 1899) as dd/mm/yyyy and a fraction
// of a day as hh:mm:ss (rounded to the second).
std::string TestoData(double giorni);
std::string TestoOra(double frazione);

// The text right-aligned in larghezza characters (longer texts stay whole).
std::string AllineaADestra(const std::string& testo, std::size_t larghezza);

}  // namespace ludo
