#pragma once
// The separators of the user's locale for the amounts and counts the core
// formats, and a count grouped in thousands.

#include <QString>
#include <cstdint>

#include "core/system/Costi.h"

ludo::FormatoNumeri FormatoNumeriLocale();
QString TestoNumero(std::int64_t valore);
