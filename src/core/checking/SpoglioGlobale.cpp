#include "core/checking/SpoglioGlobale.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace ludo {

namespace {

constexpr std::size_t Vincite = 3;  // the scores 8, 7 and 6

std::string Numero(std::size_t n) { return std::to_string(n); }

// The plays and the wins of one kind.
std::array<std::string, 5> Riga(const std::string& nome, std::size_t giocate,
                                const Punteggi& punti) {
    return {nome, Numero(giocate), std::to_string(punti[8]), std::to_string(punti[7]),
            std::to_string(punti[6])};
}

}  // namespace

std::string TitoloVincenteConcorso(int concorso) {
    return "Colonna vincente del concorso Nº " + std::to_string(concorso);
}
std::string TitoloRiepilogoConcorso(int concorso) {
    return "Riepilogo delle vincite del concorso Nº " + std::to_string(concorso);
}
std::string TitoloSistemiConcorso(int concorso) {
    return "Elenco delle vincite dei sistemi ridotti giocati nel concorso Nº " +
           std::to_string(concorso);
}

const std::array<std::string, 5> IntestazioniRiepilogo = {
    "          Tipo di Giocata", "    Numero di Giocate", "  8", "  7", "  6"};

std::vector<std::array<std::string, 5>> RigheRiepilogo(const TArchivioGiocate& giocate,
                                                       bool perStampa) {
    const std::string rientro = perStampa ? "   " : "  ";
    Punteggi totale{};
    for (const Punteggi* p :
         {&giocate.PuntiSchedine, &giocate.PuntiIntegrali, &giocate.PuntiSistemi}) {
        for (std::size_t k = 0; k < totale.size(); ++k) totale[k] += (*p)[k];
    }
    const std::size_t tutte =
        giocate.Schedine.size() + giocate.Integrali.size() + giocate.Sistemi.size();
    return {Riga(rientro + "Schedine Normali", giocate.Schedine.size(), giocate.PuntiSchedine),
            Riga(rientro + "Sistemi Integrali", giocate.Integrali.size(), giocate.PuntiIntegrali),
            Riga(rientro + "Sistemi Ridotti", giocate.Sistemi.size(), giocate.PuntiSistemi),
            Riga(rientro + "Totale Vincite", tutte, totale)};
}

std::vector<std::array<std::string, 7>> RigheSistemi(const TArchivioGiocate& giocate) {
    std::vector<std::array<std::string, 7>> righe;
    righe.reserve(giocate.Sistemi.size());
    for (const auto& s : giocate.Sistemi) {
        righe.push_back({std::to_string(s.Numeri), Numero(s.Colonne.Conteggio()), TestoData(s.Data),
                         TestoOra(s.Ora), std::to_string(s.Punti[8]), std::to_string(s.Punti[7]),
                         std::to_string(s.Punti[6])});
    }
    return righe;
}

int MassimoScorrimentoSistemi(std::size_t sistemi) {
    return sistemi > SistemiVisibili ? static_cast<int>(sistemi) - SistemiVisibili : 0;
}

std::vector<std::vector<std::string>> TabellaStampaGlobale(const TArchivioGiocate& giocate) {
    // The summary leaves the date's column empty, so that the wins of both
    // parts stand in the same columns.
    auto riepilogo = [](const std::array<std::string, 5>& riga) {
        std::vector<std::string> celle(riga.begin(), riga.end());
        celle.insert(celle.begin() + 2, std::string());
        return celle;
    };
    std::vector<std::vector<std::string>> tabella{riepilogo(IntestazioniRiepilogo)};
    for (const auto& riga : RigheRiepilogo(giocate, true)) tabella.push_back(riepilogo(riga));
    tabella.push_back({"Num.", "Colonne", "Data", "  8", "  7", "  6"});
    for (const auto& s : RigheSistemi(giocate)) {
        std::vector<std::string> riga{s[0], s[1], s[2]};
        riga.insert(riga.end(), s.end() - Vincite, s.end());
        tabella.push_back(std::move(riga));
    }
    return tabella;
}

}  // namespace ludo
