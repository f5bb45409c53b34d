#include "core/checking/RiepilogoGiocate.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include <algorithm>

namespace ludo {
namespace {

constexpr std::size_t LarghezzaValore = 14;

std::string Conteggio(std::size_t n) { return AllineaADestra(std::to_string(n), LarghezzaValore); }

}  // namespace

std::string AllineaADestra(const std::string& testo, std::size_t larghezza) {
    // Widths count characters, and "£" or "€" take more than one byte.
    std::size_t caratteri = 0;
    for (const char c : testo) caratteri += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    return caratteri >= larghezza ? testo : std::string(larghezza - caratteri, ' ') + testo;
}

std::array<RigaRiepilogo, 4> RiepilogoGiocate(const TArchivioGiocate& archivio, const Configurazione& config,
                                              FormatoNumeri formato) {
    return {{{"  Schedine Normali", Conteggio(archivio.Schedine.size())},
             {"  Sistemi Integrali", Conteggio(archivio.Integrali.size())},
             {"  Sistemi Ridotti", Conteggio(archivio.Sistemi.size())},
             {"  Volume di Gioco",
              AllineaADestra(TestoValuta(archivio.Costo(PrezzoColonna(config)), config, formato), LarghezzaValore)}}};
}

std::vector<RigaSistemaGiocato> SistemiGiocati(const TArchivioGiocate& archivio) {
    std::vector<RigaSistemaGiocato> righe;
    righe.reserve(archivio.Sistemi.size());
    for (const auto& s : archivio.Sistemi) {
        righe.push_back({AllineaADestra(std::to_string(s.Numeri), 5),
                         AllineaADestra(std::to_string(s.Colonne.Conteggio()), 7), TestoData(s.Data),
                         TestoOra(s.Ora)});
    }
    return righe;
}

std::string TestoData(double giorni) {
    using namespace std::chrono;
    // A hostile file may hold any double: keep it within the years 1..9999.
    if (!std::isfinite(giorni)) giorni = 0;
    const double limitato = std::clamp(giorni, -693593.0, 2958465.0);
    const sys_days giorno = sys_days(1899y / December / 30) + days(static_cast<int>(std::floor(limitato)));
    const year_month_day ymd(giorno);
    char testo[32];
    std::snprintf(testo, sizeof testo, "%02u/%02u/%04d", static_cast<unsigned>(ymd.day()),
                  static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return testo;
}

std::string TestoOra(double frazione) {
    if (!std::isfinite(frazione)) frazione = 0;
    const double parte = frazione - std::floor(frazione);
    // A whisker before midnight stays on its own day.
    const auto secondi = static_cast<unsigned>(std::clamp(std::lround(parte * 86400), 0L, 86399L));
    char testo[32];
    std::snprintf(testo, sizeof testo, "%02u:%02u:%02u", secondi / 3600, secondi / 60 % 60, secondi % 60);
    return testo;
}

}  // namespace ludo
