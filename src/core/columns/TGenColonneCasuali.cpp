#include "core/columns/TGenColonneCasuali.h"

#include <algorithm>

#include "core/io/Errore.h"

namespace ludo {
namespace {

constexpr int kMinimoNelPronostico = 10;

int pesoDaPicchetto(double picchetto) {
    if (!(picchetto > 0)) return 0;  // NaN as well
    if (picchetto >= TGenColonneCasuali::kPesoMassimo) return TGenColonneCasuali::kPesoMassimo;
    return static_cast<int>(picchetto);  // truncation
}

// F / T x R x 5 is 5 F R / T: computed on integers so that an exact half is
// seen as one and goes to the even integer.
int pesoStatistico(const FonteStatistiche* statistiche, int numero) {
    if (statistiche == nullptr) return 0;
    const std::int64_t t = statistiche->ConcorsiSelezionati();
    if (t <= 0) return 0;
    const std::int64_t f = std::clamp<std::int64_t>(statistiche->Frequenza(numero), 0, t);
    const std::int64_t r =
        std::clamp<std::int64_t>(statistiche->Ritardo(numero), 0, TGenColonneCasuali::kPesoMassimo);
    const std::int64_t prodotto = 5 * f * r;
    std::int64_t peso = prodotto / t;
    const std::int64_t doppioResto = 2 * (prodotto % t);
    if (doppioResto > t || (doppioResto == t && peso % 2 == 1)) ++peso;
    return static_cast<int>(std::min<std::int64_t>(peso, TGenColonneCasuali::kPesoMassimo));
}

bool nelPronostico(Colonna pronostico, int numero) {
    return (pronostico >> (numero - 1) & 1U) != 0;
}

}  // namespace

TGenColonneCasuali::TGenColonneCasuali() : generatore_(std::random_device{}()) {}

bool TGenColonneCasuali::Imposta(bool uniforme, bool daPicchetti, bool daStatistiche,
                                 bool soloPronostico, const DatiPesi& dati) {
    int conPesoStatistico = 0;
    for (int n = 1; n <= 32; ++n) {
        const int statistico = daStatistiche ? pesoStatistico(dati.statistiche, n) : 0;
        int peso = statistico;
        if (uniforme) {
            peso = 1;
        } else if (daPicchetti) {
            peso = pesoDaPicchetto(dati.picchetti[Indice(n) - 1]);
        }
        if (soloPronostico && !nelPronostico(dati.pronostico, n)) {
            peso = 0;
        } else if (statistico > 0) {
            ++conPesoStatistico;
        }
        Cumulata[Indice(n)] = Cumulata[Indice(n) - 1] + peso;
    }
    return !(soloPronostico && daStatistiche && conPesoStatistico < kMinimoNelPronostico);
}

int TGenColonneCasuali::NumeriConPeso() const {
    int quanti = 0;
    for (int n = 1; n <= 32; ++n) quanti += Peso(n) > 0 ? 1 : 0;
    return quanti;
}

Colonna TGenColonneCasuali::Genera(int quanti) {
    if (quanti <= 0) return 0;
    if (NumeriConPeso() < quanti) throw Errore(MsgPesiInsufficienti);
    std::uniform_int_distribution<std::int32_t> estrazione(0, Cumulata[32] - 1);
    Colonna maschera = 0;
    while (NumeroNumeri(maschera) < quanti) {
        const std::int32_t r = estrazione(generatore_);
        // The number n with Cumulata[n - 1] <= r < Cumulata[n].
        const auto n = std::upper_bound(Cumulata.begin() + 1, Cumulata.end(), r) - Cumulata.begin();
        maschera |= Colonna{1} << (n - 1);
    }
    return maschera;
}

}  // namespace ludo
