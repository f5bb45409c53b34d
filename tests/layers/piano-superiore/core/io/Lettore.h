#pragma once
// A file of the bottom floor that reaches up to the system: the layer check
// must refuse this tree.
#include "core/system/T_Sistema.h"
