#pragma once
// JSON descriptions of conditions, tables and whole systems for the
// command-line results.

#include "cli/Json.h"
#include "core/conditions/TCondizione.h"
#include "core/conditions/TInsiemeLink.h"
#include "core/system/T_Sistema.h"

namespace ludo::cli {

void scriviCondizione(Json& j, const TCondizione& c);
void scriviMisura(Json& j, const TMisura& m);
void scriviIntervalli(Json& j, const TIntervalli& t);
void scriviNumeri(Json& j, Colonna maschera);
void scriviSistema(Json& j, const T_Sistema& s, bool conColonne);

}  // namespace ludo::cli
