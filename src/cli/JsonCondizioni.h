#pragma once
// JSON descriptions of conditions, tables and whole systems for the
// command-line results.

#include "Json.h"
#include "conditions/TCondizione.h"
#include "conditions/TInsiemeLink.h"
#include "system/T_Sistema.h"

namespace ludo::cli {

void scriviCondizione(Json& j, const TCondizione& c);
void scriviMisura(Json& j, const TMisura& m);
void scriviIntervalli(Json& j, const TIntervalli& t);
void scriviNumeri(Json& j, Colonna maschera);
void scriviSistema(Json& j, const T_Sistema& s, bool conColonne);

}  // namespace ludo::cli
