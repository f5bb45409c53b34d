#include "NomiSquadre.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

#include "core/system/Schedina.h"

namespace ludo::demo {
namespace {

bool formaSocietaria(std::string_view parola) {
    static constexpr std::array<std::string_view, 20> kForme = {
        "FC",  "AC",  "AS", "SS",  "SSC", "US",  "USD", "ACF", "UC", "ASC",
        "SSD", "ASD", "SC", "CFC", "ACR", "AFC", "BC",  "SEF", "AZ", "Calcio"};
    return std::find(kForme.begin(), kForme.end(), parola) != kForme.end();
}

bool annoDiFondazione(std::string_view parola) {
    return parola.size() == 4 &&
           std::all_of(parola.begin(), parola.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Clubs whose name, even without its club form, is not the one a coupon uses.
std::string_view nomeAbituale(std::string_view nome) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kAbituali = {{
        {"Internazionale Milano", "Inter"},
        {"Internazionale", "Inter"},
        {"Lazio Roma", "Lazio"},
        {"Brighton & Hove Albion", "Brighton"},
        {"Wolverhampton Wanderers", "Wolverhampton"},
    }};
    for (const auto& [ufficiale, abituale] : kAbituali) {
        if (nome == ufficiale) return abituale;
    }
    return nome;
}

}  // namespace

std::string NomeSquadra(std::string_view nome) {
    std::istringstream parole{std::string(nome)};
    std::string parola;
    std::string breve;
    while (parole >> parola) {
        if (formaSocietaria(parola) || annoDiFondazione(parola)) continue;
        if (!breve.empty()) breve += ' ';
        breve += parola;
    }
    if (breve.empty()) breve = std::string(nome);
    return TroncaNomeSquadra(nomeAbituale(breve));
}

}  // namespace ludo::demo
