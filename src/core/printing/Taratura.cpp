#include "core/printing/Taratura.h"

#include <cmath>

namespace ludo {

int DecimiDaMm(double mm) { return static_cast<int>(std::lround(mm * 10)); }

double MmDaDecimi(int decimi) { return decimi / 10.0; }

bool SpostaDiUnDecimo(double& valore, int verso) {
    if (verso < 0 && valore <= 0) return false;
    // Kept on the tenths grid so that repeated presses do not drift.
    valore = MmDaDecimi(DecimiDaMm(valore) + (verso < 0 ? -1 : 1));
    return true;
}

std::vector<Rettangolo> QuadratiniAnteprima(const SlipGeometry& g) {
    std::vector<Rettangolo> aree;
    for (int n = 0; n < SlipPrintSettings::MaxColonnePerSchedina; ++n) {
        for (const Quadratino& q : QuadratiniColonna(~Colonna{0}, n, g, StampaOrizzontale)) {
            aree.push_back({XAnteprima + q.area.x1 * PixelPerMmAnteprima,
                            YAnteprima + q.area.y1 * PixelPerMmAnteprima,
                            XAnteprima + q.area.x2 * PixelPerMmAnteprima,
                            YAnteprima + q.area.y2 * PixelPerMmAnteprima});
        }
    }
    return aree;
}

Pixel PuntoEtichettaAnteprima(const SlipGeometry& g) {
    return {static_cast<int>(std::lround(XAnteprima + g.ScrittaX * PixelPerMmAnteprima)),
            static_cast<int>(std::lround(YAnteprima + g.ScrittaY * PixelPerMmAnteprima -
                                         RialzoEtichettaAnteprima))};
}

}  // namespace ludo
