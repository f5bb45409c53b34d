#include "RisultatiTxt.h"

#include <algorithm>
#include <array>
#include <regex>
#include <sstream>

#include "core/io/Cp1252.h"

namespace ludo::demo {
namespace {

// "Matchday 12" or "12. Round".
const std::regex kGiornata(R"((?:Matchday\s+(\d+)|(\d+)\.\s+Round)\s*$)");
// Optional kick-off time, home team, " v ", away team, then the rest after
// at least two blanks (the score, or a note such as "[postponed]").
const std::regex kPartita(R"(^\s*(?:\d{1,2}:\d{2}\s+)?(.+?)\s+v\s+(.+?)(?:\s{2,}(.*))?\s*$)");
const std::regex kRisultato(R"(^(\d+)-(\d+))");

std::optional<Partita> leggiPartita(const std::string& riga) {
    std::smatch m;
    if (!std::regex_match(riga, m, kPartita)) return std::nullopt;
    Partita p{m[1].str(), m[2].str(), std::nullopt, std::nullopt};
    const std::string resto = m[3].str();
    std::smatch r;
    if (std::regex_search(resto, r, kRisultato)) {
        p.golCasa = std::stoi(r[1].str());
        p.golOspite = std::stoi(r[2].str());
    }
    return p;
}

bool parolaDaTogliere(const std::string& parola) {
    static const std::array<std::string_view, 14> kForme = {"FC", "AC", "AS", "SS", "SSC", "US", "ACF", "UC",
                                                             "ASC", "SSD", "ASD", "SC", "CFC", "ACR"};
    if (std::find(kForme.begin(), kForme.end(), parola) != kForme.end()) return true;
    return parola.size() == 4 && std::all_of(parola.begin(), parola.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<Giornata> LeggiCampionato(std::istream& in) {
    std::vector<Giornata> giornate;
    std::size_t corrente = 0;  // index of the matchday being read, once there is one
    std::string riga;
    while (std::getline(in, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        std::smatch m;
        if (std::regex_search(riga, m, kGiornata)) {
            // A matchday heading may come again later for a rescheduled match.
            const int numero = std::stoi(m[1].matched ? m[1].str() : m[2].str());
            const auto esistente = std::find_if(giornate.begin(), giornate.end(),
                                                [numero](const Giornata& g) { return g.numero == numero; });
            corrente = static_cast<std::size_t>(esistente - giornate.begin());
            if (esistente == giornate.end()) giornate.push_back(Giornata{numero, {}});
        } else if (!giornate.empty() && riga.find(" v ") != std::string::npos) {
            if (auto p = leggiPartita(riga)) giornate[corrente].partite.push_back(*p);
        }
    }
    return giornate;
}

const Giornata* TrovaGiornata(const std::vector<Giornata>& campionato, int numero) {
    for (const auto& g : campionato) {
        if (g.numero == numero) return &g;
    }
    return nullptr;
}

std::vector<std::string> Squadre(const std::vector<Giornata>& campionato) {
    std::vector<std::string> squadre;
    auto aggiungi = [&](const std::string& nome) {
        if (std::find(squadre.begin(), squadre.end(), nome) == squadre.end()) squadre.push_back(nome);
    };
    for (const auto& g : campionato) {
        for (const auto& p : g.partite) {
            aggiungi(p.casa);
            aggiungi(p.ospite);
        }
    }
    return squadre;
}

std::string NomeBreve(std::string_view nome) {
    constexpr std::size_t kMassimo = 20;
    if (io::utf8Length(nome) <= kMassimo) return std::string(nome);
    std::istringstream parole{std::string(nome)};
    std::string parola;
    std::string breve;
    while (parole >> parola) {
        if (parolaDaTogliere(parola)) continue;
        if (!breve.empty()) breve += ' ';
        breve += parola;
    }
    if (breve.empty()) breve = std::string(nome);
    return io::utf8Left(breve, kMassimo);
}

}  // namespace ludo::demo
