#pragma once
// Which conditions of the system a column (typically the winning column)
// breaks, and whether it leaves the forecast.

#include <vector>

#include "core/conditions/TCondizioniSistema.h"
#include "core/system/T_Sistema.h"

namespace ludo {

// Every violation of the column: first an entry without a condition
// ("Pronostico") when the column is not inside the forecast or misses a
// fixed number, then every condition that fails, as the condition set
// records them. The fixed numbers are reported only through "Pronostico",
// so that the conditions are still all tested.
std::vector<TErrore> ControllaCondizioni(T_Sistema& sistema, Colonna colonna);

// The name a violation is listed under.
std::string NomeErrore(const TErrore& errore);

}  // namespace ludo
