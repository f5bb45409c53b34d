#include "core/checking/PesiRicevitoria.h"

#include <algorithm>

namespace ludo {

StatisticheGenerazione::StatisticheGenerazione(const DatiSistema& dati)
    : statistiche_(CalcolaStatisticheNumeri(dati.Archivio, dati.Config.Ricerca.Intervallo)) {}

int StatisticheGenerazione::Frequenza(int numero) const {
    return statistiche_.Numeri.at(static_cast<std::size_t>(numero - 1)).Frequenza;
}

int StatisticheGenerazione::Ritardo(int numero) const {
    return statistiche_.Numeri.at(static_cast<std::size_t>(numero - 1)).RitardoAttuale;
}

bool HaPicchetti(const DatiSistema& dati) {
    return std::any_of(dati.Picchetti.begin(), dati.Picchetti.end(), [](double p) { return p > 0; });
}

DatiPesi PesiDelSistema(const DatiSistema& dati, const FonteStatistiche& fonte) {
    return {dati.Picchetti, dati.Pronostico, &fonte};
}

}  // namespace ludo
