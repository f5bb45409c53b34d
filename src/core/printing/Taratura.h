#pragma once
// The arithmetic of the slip calibration dialog: the geometry edited in
// tenths of a millimetre, the arrow buttons, and the preview that draws the
// boxes on a picture of the slip at 2 pixels per millimetre.

#include <vector>

#include "core/printing/StampaSchedine.h"
#include "core/printing/TmmPrinter.h"
#include "core/system/ImpostazioniStampa.h"

namespace ludo {

inline constexpr char MsgCambioPredefinito[] =
    "Il tipo di stampa selezionato è diverso da quello predefinito. Utilizzare questo tipo di "
    "stampa come "
    "predefinito ?";
inline constexpr char FileImmagineSchedina[] = "sched.bmp";

// The preview scale and where the slip's corner lies on the picture.
inline constexpr double PixelPerMmAnteprima = 2;
inline constexpr double XAnteprima = 4;
inline constexpr double YAnteprima = 3;
// The rotated sample label stands this many pixels above its point.
inline constexpr double RialzoEtichettaAnteprima = 155;

// A value as its box shows it: tenths of a millimetre, rounded.
int DecimiDaMm(double mm);
// An entered whole number of tenths back to millimetres.
double MmDaDecimi(int decimi);

// One press of an arrow button: a tenth more or less (verso > 0 or < 0).
// A decrement of a value already at 0 is refused and returns false.
bool SpostaDiUnDecimo(double& valore, int verso);

// The boxes of all six columns, every number marked, on the preview
// picture: always laid out across the slip, in preview pixels.
std::vector<Rettangolo> QuadratiniAnteprima(const SlipGeometry& g);

// The top-left point of the sample label on the preview.
Pixel PuntoEtichettaAnteprima(const SlipGeometry& g);

}  // namespace ludo
