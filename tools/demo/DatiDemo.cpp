#include "DatiDemo.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace ludo::demo {
namespace {

constexpr std::size_t kPartiteSerieAB = 10;
constexpr std::size_t kPartiteGironeC = 6;

std::vector<Giornata> leggiCampionato(const std::filesystem::path& file) {
    std::ifstream in(file);
    return in ? LeggiCampionato(in) : std::vector<Giornata>{};
}

bool aggiungiPrime(std::vector<Partita>& partite, const std::vector<Giornata>& campionato, int giornata,
                   std::size_t quante) {
    const Giornata* g = TrovaGiornata(campionato, giornata);
    if (g == nullptr || g->partite.size() < quante) return false;
    partite.insert(partite.end(), g->partite.begin(), g->partite.begin() + static_cast<std::ptrdiff_t>(quante));
    return true;
}

void aggiungiSquadre(ListaSquadre& lista, const std::vector<Giornata>& campionato) {
    for (const auto& nome : Squadre(campionato)) lista.Aggiungi(NomeBreve(nome));
}

}  // namespace

Stagione LeggiStagione(const std::filesystem::path& cartella, int anno) {
    char nome[16];
    std::snprintf(nome, sizeof nome, "%d-%02d", anno, (anno + 1) % 100);
    const auto dir = cartella / nome;
    Stagione s;
    s.anno = anno;
    s.serieA = leggiCampionato(dir / "1-seriea.txt");
    s.serieB = leggiCampionato(dir / "2-serieb.txt");
    s.serieCGironeA = leggiCampionato(dir / "3-seriec_a.txt");
    s.serieCGironeB = leggiCampionato(dir / "3-seriec_b.txt");
    s.serieCGironeC = leggiCampionato(dir / "3-seriec_c.txt");
    return s;
}

std::optional<std::vector<Partita>> PartiteDelConcorso(const Stagione& stagione, int giornata) {
    std::vector<Partita> partite;
    if (aggiungiPrime(partite, stagione.serieA, giornata, kPartiteSerieAB) &&
        aggiungiPrime(partite, stagione.serieB, giornata, kPartiteSerieAB) &&
        aggiungiPrime(partite, stagione.serieCGironeA, giornata, kPartiteGironeC) &&
        aggiungiPrime(partite, stagione.serieCGironeB, giornata, kPartiteGironeC)) {
        return partite;
    }
    return std::nullopt;
}

GolSchedina GolDelConcorso(const std::vector<Partita>& partite) {
    GolSchedina gol{};
    for (std::size_t i = 0; i < gol.size() && i < partite.size(); ++i) {
        gol[i] = {partite[i].golCasa, partite[i].golOspite};
    }
    return gol;
}

std::optional<T_Concorso> ConcorsoDellaGiornata(const Stagione& stagione, int giornata) {
    const auto partite = PartiteDelConcorso(stagione, giornata);
    if (!partite) return std::nullopt;
    T_Concorso c;
    c.Anno = static_cast<std::uint16_t>(stagione.anno);
    c.NumConcorso = static_cast<std::uint8_t>(giornata);
    c.TipoConcorso = SerieA;
    c.Vincente = VincenteDaiGol(GolDelConcorso(*partite));
    return c;
}

ArchivioConcorsi ArchivioDellaStagione(const Stagione& stagione) {
    ArchivioConcorsi archivio;
    for (const auto& g : stagione.serieA) {
        if (auto c = ConcorsoDellaGiornata(stagione, g.numero)) archivio.InserisciOrdinato(*c);
    }
    return archivio;
}

std::optional<ludo::Schedina> SchedinaUltimaGiornataCompleta(const Stagione& stagione) {
    for (auto g = stagione.serieA.rbegin(); g != stagione.serieA.rend(); ++g) {
        const auto partite = PartiteDelConcorso(stagione, g->numero);
        if (!partite) continue;
        if (!std::all_of(partite->begin(), partite->end(), [](const Partita& p) { return p.giocata(); })) continue;
        ludo::Schedina schedina;
        schedina.Concorso = g->numero;
        for (std::size_t i = 0; i < schedina.Squadre.size(); ++i) {
            schedina.Squadre[i] = {TroncaNomeSquadra(NomeBreve((*partite)[i].casa)),
                                   TroncaNomeSquadra(NomeBreve((*partite)[i].ospite))};
        }
        return schedina;
    }
    return std::nullopt;
}

ListeSquadre ListeDemo(const Stagione& recente, const Stagione& conSerieC) {
    ListeSquadre liste;
    aggiungiSquadre(liste[Serie::A], recente.serieA);
    aggiungiSquadre(liste[Serie::B], recente.serieB);
    aggiungiSquadre(liste[Serie::C1], conSerieC.serieCGironeA);
    aggiungiSquadre(liste[Serie::C1], conSerieC.serieCGironeB);
    aggiungiSquadre(liste[Serie::C2], conSerieC.serieCGironeC);
    return liste;
}

}  // namespace ludo::demo
