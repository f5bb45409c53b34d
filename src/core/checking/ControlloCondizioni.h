#pragma once
// The test of one column (typically the winning column) against the system,
// as the development decides it, with the conditions it breaks.

#include <string>
#include <vector>

#include "core/conditions/TCondizioniSistema.h"
#include "core/system/T_Sistema.h"

namespace ludo {

struct ControlloColonna {
    // The development would keep the column: inside the forecast with every
    // fixed number, every condition passed and the link set's verdict.
    bool Passa = true;
    // First an entry without a condition ("Pronostico") when the column is
    // not inside the forecast or misses a fixed number, then every condition
    // that fails, as the condition set records them. The fixed numbers are
    // reported only through "Pronostico", so that the conditions are still
    // all tested.
    std::vector<TErrore> Errori;
    // A column whose conditions all passed can still be refused by the
    // verdict, which records no error: the link whose admitted errors
    // refused it ('A'..'Z'), or the admitted errors over all links.
    char LinkRifiutata = 0;
    bool TotaleRifiutato = false;
};

ControlloColonna ControllaCondizioni(T_Sistema& sistema, Colonna colonna);

// The name a violation is listed under.
std::string NomeErrore(const TErrore& errore);

// The limit of the link set that refused the column ("Errori Ammessi Nella
// Link A", "Errori Ammessi In Totale"); empty when the verdict let it through.
std::string RifiutoLink(const ControlloColonna& controllo);

// The lines of "Condizioni Sbagliate": one per error, then the refusing
// limit of the link set, so that a column the development drops never shows
// an empty list.
std::vector<std::string> RigheCondizioniSbagliate(const ControlloColonna& controllo);

}  // namespace ludo
