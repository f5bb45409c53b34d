#include "core/conditions/AnalisiRecuperi.h"

#include <cstdio>
#include <numeric>

namespace ludo {
namespace {

std::array<std::int32_t, AnalisiRecuperi::NumeroValori> conteggi(const T_FrequenzeRitardi& t, int primo) {
    std::array<std::int32_t, AnalisiRecuperi::NumeroValori> c{};
    for (int v = primo; v < AnalisiRecuperi::NumeroValori; ++v) c[static_cast<std::size_t>(v)] = t.Frequenza(v);
    return c;
}

std::int64_t somma(const std::array<std::int32_t, AnalisiRecuperi::NumeroValori>& c) {
    return std::accumulate(c.begin(), c.end(), std::int64_t{0});
}

}  // namespace

AnalisiRecuperi AnalizzaRecuperi(const TInsiemeLink& insieme, char lettera) {
    AnalisiRecuperi a;
    const TLink* link = insieme.Lettera(lettera);
    if (link == nullptr) return a;
    a.Livelli = conteggi(link->RifiutiLivello, 1);
    a.ErroriLink = conteggi(link->RifiutiErrori, 0);
    a.ErroriTotali = conteggi(insieme.RifiutiTotale, 0);
    a.BaseLivelli = link->Controlli;
    a.BaseErroriLink = somma(a.ErroriLink);
    a.BaseErroriTotali = somma(a.ErroriTotali);
    return a;
}

std::string TestoRifiuti(std::int32_t conteggio, std::int64_t base, bool percentuale) {
    if (!percentuale) return std::to_string(conteggio);
    const double quota = base > 0 ? 100.0 * conteggio / static_cast<double>(base) : 0.0;
    std::array<char, 32> testo{};
    std::snprintf(testo.data(), testo.size(), "%.2f %%", quota);
    std::string s(testo.data());
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

}  // namespace ludo
