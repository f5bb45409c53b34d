#include "core/engine/TestiSviluppo.h"

#include <bit>
#include <cmath>

#include "core/columns/Colonna.h"

namespace ludo {

std::string TitoloAutoriduzione(const DefDest& d) {
    if (d.RiduzioneMigliorata) return "Riduzione Migliorata a Garanzia del " + std::to_string(d.Garanzia);
    if (d.RiduzioneOttimizzata) return "Riduzione Ottimizzata a Garanzia del " + std::to_string(d.Garanzia);
    if (d.DistanzaMinima) return "Riduzione a Distanza Minima " + std::to_string(d.DistMin);
    return "Autoriduzione a Garanzia del " + std::to_string(d.Garanzia);
}

std::string TestoColonneConFisse(const T_Sistema& sistema, FormatoNumeri formato) {
    const auto& dati = *sistema.Dati;
    const int numeri = std::popcount(dati.Pronostico);
    const int fisse = std::popcount(dati.Fisse);
    if (fisse == 0 || numeri < 8 || !dati.Sorgente.SorgentePronostico || !dati.Destinazione.UsaCondizionamenti) {
        return {};
    }
    const auto conFisse = std::llround(Binomiale(numeri - fisse, 8 - fisse));
    return "di cui " + TestoIntero(conFisse, formato) + " con le fisse";
}

int PercentualeTroncata(std::int64_t fatto, std::int64_t totale) {
    if (totale <= 0 || fatto <= 0) return 0;
    return static_cast<int>(std::min<std::int64_t>(100, fatto * 100 / totale));
}

std::string TestoFattore(std::int64_t prima, std::int64_t dopo, FormatoNumeri formato) {
    if (dopo < 1) return {};
    const auto centesimi = std::llround(static_cast<double>(prima) * 100.0 / static_cast<double>(dopo));
    const auto resto = centesimi % 100;
    return TestoIntero(centesimi / 100, formato) + formato.decimali + static_cast<char>('0' + resto / 10) +
           static_cast<char>('0' + resto % 10);
}

std::string TestoVariazione(std::int64_t colonne, std::int64_t precedenti) {
    if (precedenti <= 0) return {};
    const auto percento =
        std::llround(static_cast<double>(colonne - precedenti) * 100.0 / static_cast<double>(precedenti));
    if (percento == 0) return {};
    return (percento > 0 ? "+" : "") + std::to_string(percento) + "%";
}

}  // namespace ludo
