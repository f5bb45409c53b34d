#include "core/engine/TestiGaranzie.h"

#include <cmath>
#include <cstdio>

namespace ludo {

std::string StatoGaranzie(int errori) {
    switch (errori) {
        case 1:
            return "Calcolo Percentuali con un errore sul pronostico";
        case 2:
            return "Calcolo Percentuali con due errori sul pronostico";
        default:
            return "Calcolo Percentuali senza errori sul pronostico";
    }
}

std::string TitoloStampaGaranzie(int chiave) {
    switch (chiave) {
        case 7:
            return "Stampa delle garanzie del sistema con un errore sul pronostico";
        case 6:
            return "Stampa delle garanzie del sistema con due errori sul pronostico";
        default:
            return "Stampa delle garanzie del sistema";
    }
}

std::string TestoPercentuale(double percento) {
    // Halves round away from zero, as a decimal pattern does (1/64 is 1.563 %).
    const auto millesimi = static_cast<long long>(std::llround(percento * 1000.0));
    const long long assoluti = millesimi < 0 ? -millesimi : millesimi;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%03lld.%03lld", millesimi < 0 ? "-" : "", assoluti / 1000,
                  assoluti % 1000);
    std::string testo(buf);
    const auto punto = testo.find('.');
    for (std::size_t i = 0; punto != std::string::npos && i + 1 < punto && testo[i] == '0'; ++i)
        testo[i] = ' ';
    return testo;
}

std::vector<RigaGaranzie> RigheGaranzie(const TabellaVincite& tabella) {
    std::vector<RigaGaranzie> righe;
    const auto subtotale = [&righe](double percento) {
        righe.push_back({"-------", "-------", "-------", "Tot. " + TestoPercentuale(percento)});
    };
    double gruppo = 0;
    double totale = 0;
    for (std::size_t i = 0; i < tabella.size(); ++i) {
        const auto& v = tabella[i];
        if (i > 0 && (v.Punti8 != tabella[i - 1].Punti8 || v.Punti7 != tabella[i - 1].Punti7)) {
            subtotale(gruppo);
            gruppo = 0;
        }
        const double percento = v.Frequenza * 100;
        righe.push_back({"   " + std::to_string(v.Punti8), "   " + std::to_string(v.Punti7),
                         "   " + std::to_string(v.Punti6), TestoPercentuale(percento) + "     "});
        gruppo += percento;
        totale += percento;
    }
    if (!tabella.empty()) subtotale(gruppo);
    righe.push_back({});
    righe.push_back({"", "", "", "Tot. " + TestoPercentuale(totale)});
    return righe;
}

int LarghezzaPercentualeGaranzie(std::size_t righe) {
    return righe > RigheMinimeGaranzie ? 102 : 117;
}

}  // namespace ludo
