#pragma once
// One column in an object, so that columns can be kept in a list of objects
// and shuffled.

#include "core/columns/Colonna.h"

namespace ludo {

class TListCol {
public:
    Colonna Maschera = 0;
};

}  // namespace ludo
