#include "core/checking/ClassificaPartite.h"

#include <algorithm>

namespace ludo {
namespace {

struct Punteggio {
    int totale;
    int ospite;
};

Punteggio punteggio(const GolPartita& g) {
    const int casa = g.Casa.value_or(0);
    const int ospite = g.Ospite.value_or(0);
    return {casa + ospite, ospite};
}

}  // namespace

std::array<int, 32> ClassificaPartite(const GolSchedina& gol) {
    std::array<int, 32> ordine{};
    for (int i = 0; i < 32; ++i) ordine[static_cast<std::size_t>(i)] = i + 1;
    // A stable sort over match numbers already in ascending order gives the
    // lower number first on equal goals.
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
        const auto pa = punteggio(gol[static_cast<std::size_t>(a - 1)]);
        const auto pb = punteggio(gol[static_cast<std::size_t>(b - 1)]);
        if (pa.totale != pb.totale) return pa.totale > pb.totale;
        return pa.ospite > pb.ospite;
    });
    return ordine;
}

Colonna VincenteDaiGol(const GolSchedina& gol) {
    const auto ordine = ClassificaPartite(gol);
    Colonna vincente = 0;
    for (std::size_t i = 0; i < 8; ++i) vincente |= Colonna{1} << (ordine[i] - 1);
    return vincente;
}

}  // namespace ludo
