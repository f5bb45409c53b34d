#pragma once
// An include that does not say its layer: the layer check must refuse this tree.
#include "controls/TFrmMessage.h"
