#include "RisultatiTxt.h"

#include <algorithm>
#include <regex>

namespace ludo::demo {
namespace {

// A heading names a matchday when, after its bullet and an optional
// "Regular," stage, it reads "Matchday 12" or "12. Round".
const std::regex kGiornata(
    R"(^[^A-Za-z0-9]*(?:Regular(?: Season)?,\s*)?(?:Matchday\s+(\d+)|(\d+)\.\s+Round)\s*$)");
// "Sat Aug 24 2013", "[Sat Aug/17]", "  Fri Aug/16 2024".
const std::regex kData(R"(^\s*\[?(?:Mon|Tue|Wed|Thu|Fri|Sat|Sun)\b)");
// An optional kick-off time ("18:00", "12.45") before the teams.
const std::regex kOrario(R"(^\s*(?:\d{1,2}[.:]\d{2}\s+)?)");
const std::regex kContro(R"(\s+v\s+)");
// The score after the away team (a blank or a tab before it).
const std::regex kPunteggio(R"((?:^|\s)(\d+)-(\d+)(?=\s|$))");
// "Home  2-1 (1-0)  Away".
const std::regex kPunteggioInMezzo(R"(^(.+?)\s+(\d+)-(\d+)(?:\s+\(\d+-\d+\))?\s+(.+)$)");
// A note such as "[postponed]" or "[awarded]" at the end of the line.
const std::regex kNota(R"(\s*\[[^\]]*\]\s*$)");

std::string pulito(const std::string& testo) {
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string::npos) return {};
    const auto fine = testo.find_last_not_of(" \t");
    return testo.substr(inizio, fine - inizio + 1);
}

std::string senzaNota(const std::string& testo) {
    return pulito(std::regex_replace(testo, kNota, ""));
}

// "Home  v Away  2-1 (1-0)", the away team followed by the score or by a
// note, or by nothing when the match is still to be played.
std::optional<Partita> partitaConV(const std::string& casa, const std::string& resto) {
    Partita p{pulito(casa), {}, std::nullopt, std::nullopt};
    std::smatch m;
    if (std::regex_search(resto, m, kPunteggio)) {
        p.ospite = pulito(resto.substr(0, static_cast<std::size_t>(m.position(0))));
        p.golCasa = std::stoi(m[1].str());
        p.golOspite = std::stoi(m[2].str());
    } else {
        p.ospite = senzaNota(resto);
    }
    if (p.casa.empty() || p.ospite.empty()) return std::nullopt;
    return p;
}

std::optional<Partita> leggiPartita(const std::string& riga) {
    const std::string squadre =
        std::regex_replace(riga, kOrario, "", std::regex_constants::format_first_only);
    std::smatch m;
    if (std::regex_search(squadre, m, kContro))
        return partitaConV(m.prefix().str(), m.suffix().str());
    if (!std::regex_match(squadre, m, kPunteggioInMezzo)) return std::nullopt;
    Partita p{pulito(m[1].str()), senzaNota(m[4].str()), std::stoi(m[2].str()),
              std::stoi(m[3].str())};
    if (p.casa.empty() || p.ospite.empty()) return std::nullopt;
    return p;
}

bool intestazione(const std::string& riga) {
    return !riga.empty() && riga.front() != ' ' && riga.front() != '\t' && riga.front() != '#' &&
           !(riga.front() == '=' && riga.rfind("==", 0) != 0) && !std::regex_search(riga, kData);
}

}  // namespace

std::vector<Giornata> LeggiCampionato(std::istream& in) {
    std::vector<Giornata> giornate;
    constexpr std::size_t kNessuna = static_cast<std::size_t>(-1);
    std::size_t corrente = kNessuna;  // index of the matchday being read
    std::string riga;
    while (std::getline(in, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (pulito(riga).empty()) continue;
        if (intestazione(riga)) {
            std::smatch m;
            corrente = kNessuna;
            if (!std::regex_match(riga, m, kGiornata)) continue;  // a stage that is not a matchday
            const int numero = std::stoi(m[1].matched ? m[1].str() : m[2].str());
            const auto esistente =
                std::find_if(giornate.begin(), giornate.end(),
                             [numero](const Giornata& g) { return g.numero == numero; });
            corrente = static_cast<std::size_t>(esistente - giornate.begin());
            if (esistente == giornate.end()) giornate.push_back(Giornata{numero, {}});
        } else if (corrente != kNessuna && (riga.front() == ' ' || riga.front() == '\t') &&
                   !std::regex_search(riga, kData)) {
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

int UltimaGiornata(const std::vector<Giornata>& campionato) {
    int ultima = 0;
    for (const auto& g : campionato) ultima = std::max(ultima, g.numero);
    return ultima;
}

std::vector<std::string> Squadre(const std::vector<Giornata>& campionato) {
    std::vector<std::string> squadre;
    auto aggiungi = [&](const std::string& nome) {
        if (std::find(squadre.begin(), squadre.end(), nome) == squadre.end())
            squadre.push_back(nome);
    };
    for (const auto& g : campionato) {
        for (const auto& p : g.partite) {
            aggiungi(p.casa);
            aggiungi(p.ospite);
        }
    }
    return squadre;
}

}  // namespace ludo::demo
