#pragma once
// The weights the betting-shop windows draw their random numbers with: the
// coupon's "Picch." values, the forecast, and the statistics of the numbers
// over the contests of the search interval.

#include "core/columns/TGenColonneCasuali.h"
#include "core/statistics/AnalisiNumeri.h"
#include "core/system/T_Sistema.h"

namespace ludo {

class StatisticheGenerazione : public FonteStatistiche {
public:
    explicit StatisticheGenerazione(const DatiSistema& dati);
    [[nodiscard]] int ConcorsiSelezionati() const override { return statistiche_.Esaminati; }
    [[nodiscard]] int Frequenza(int numero) const override;
    [[nodiscard]] int Ritardo(int numero) const override;

private:
    StatisticheNumeri statistiche_;
};

// The coupon holds "Picch." values to draw with (some above 0).
bool HaPicchetti(const DatiSistema& dati);

// The weights of the system; the statistics are read from fonte, which must
// outlive the generator's set-up.
DatiPesi PesiDelSistema(const DatiSistema& dati, const FonteStatistiche& fonte);

}  // namespace ludo
