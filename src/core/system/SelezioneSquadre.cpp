#include "core/system/SelezioneSquadre.h"

#include <algorithm>

#include "core/system/ListeSquadre.h"

namespace ludo {

CellaSchedina CellaDelCursore(int cursore) {
    cursore = std::clamp(cursore, 0, CelleSchedina - 1);
    return {cursore / 2 + 1, cursore % 2 == 1};
}

int CursoreDellaCella(int partita, bool ospite) { return 2 * (partita - 1) + (ospite ? 1 : 0); }

std::string& SquadraDellaCella(Schedina& schedina, int cursore) {
    const auto cella = CellaDelCursore(cursore);
    auto& partita = schedina.Squadre[static_cast<std::size_t>(cella.Partita - 1)];
    return cella.Ospite ? partita.Ospite : partita.Casa;
}

const std::string& SquadraDellaCella(const Schedina& schedina, int cursore) {
    return SquadraDellaCella(const_cast<Schedina&>(schedina), cursore);
}

int PrimoCursoreVuoto(const Schedina& schedina) {
    for (int c = 0; c < CelleSchedina; ++c) {
        if (SquadraDellaCella(schedina, c).empty()) return c;
    }
    return 0;
}

int MuoviCursore(int cursore, Freccia freccia) {
    const bool primaMeta = cursore < CelleMezzaSchedina;
    switch (freccia) {
        case Freccia::Su:
            return (!primaMeta || cursore > 1) ? cursore - 2 : cursore;
        case Freccia::Sinistra:
            return (!primaMeta || cursore > 0) ? cursore - 1 : cursore;
        case Freccia::Giu:
            return (primaMeta || cursore < CelleSchedina - 2) ? cursore + 2 : cursore;
        case Freccia::Destra:
            return (primaMeta || cursore < CelleSchedina - 1) ? cursore + 1 : cursore;
    }
    return cursore;
}

int Avanza(int cursore) { return std::min(cursore + 1, CelleSchedina - 1); }

bool SquadraInSchedina(const Schedina& schedina, std::string_view nome) {
    const std::string chiave = ChiaveNomeSquadra(nome);
    if (chiave.empty()) return false;
    return std::any_of(schedina.Squadre.begin(), schedina.Squadre.end(), [&](const Partita& p) {
        return ChiaveNomeSquadra(p.Casa) == chiave || ChiaveNomeSquadra(p.Ospite) == chiave;
    });
}

}  // namespace ludo
