#include "core/system/Versione.h"

#include <cstdio>

namespace ludo {

std::string TestoVersione(int versione) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", versione / 100.0);
    std::string testo(buffer);
    if (testo.find("00") != std::string::npos && testo.size() > 3) testo.erase(3, 1);
    return testo;
}

std::string NomeSenzaEstensione(std::string_view percorso) {
    const auto slash = percorso.find_last_of("\\/");
    std::string_view nome = slash == std::string_view::npos ? percorso : percorso.substr(slash + 1);
    const auto punto = nome.find_last_of('.');
    if (punto != std::string_view::npos) nome = nome.substr(0, punto);
    return std::string(nome);
}

std::string TitoloPrincipale(std::string_view nomeFile) {
    return " " + std::string(NomeProgramma) + " " + TestoVersione() + " - " + NomeSenzaEstensione(nomeFile);
}

}  // namespace ludo
