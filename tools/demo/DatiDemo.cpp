#include "DatiDemo.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "NomiSquadre.h"

namespace ludo::demo {
namespace {

constexpr std::size_t kPartiteSchedina = 32;
constexpr int kUltimoNumeroConcorso = 99;

constexpr std::array<Lega, NumeroLeghe> kLeghe = {
    Lega::SerieA,        Lega::SerieB,        Lega::SerieCGironeA, Lega::SerieCGironeB,
    Lega::SerieCGironeC, Lega::PremierLeague, Lega::Championship};

std::vector<Giornata> leggiCampionato(const std::filesystem::path& file) {
    std::ifstream in(file);
    return in ? LeggiCampionato(in) : std::vector<Giornata>{};
}

std::string cartellaStagione(int anno) {
    char nome[16];
    std::snprintf(nome, sizeof nome, "%d-%02d", anno, (anno + 1) % 100);
    return nome;
}

void aggiungiSquadre(ListaSquadre& lista, const std::vector<Giornata>& campionato) {
    for (const auto& nome : Squadre(campionato)) {
        const std::string mostrato = NomeSquadra(nome);
        const auto& nomi = lista.Nomi();
        if (std::find(nomi.begin(), nomi.end(), mostrato) == nomi.end()) lista.Aggiungi(mostrato);
    }
}

}  // namespace

const DescrizioneLega& Descrizione(Lega lega) {
    static constexpr std::array<DescrizioneLega, NumeroLeghe> kDescrizioni = {{
        {"openfootball-italy", "1-seriea.txt", 10, SerieA},
        {"openfootball-italy", "2-serieb.txt", 10, SerieB},
        {"openfootball-italy", "3-seriec_a.txt", 6, SerieC},
        {"openfootball-italy", "3-seriec_b.txt", 6, SerieC},
        {"openfootball-italy", "3-seriec_c.txt", 6, SerieC},
        {"openfootball-england", "1-premierleague.txt", 10, Altri},
        {"openfootball-england", "2-championship.txt", 12, Altri},
    }};
    return kDescrizioni[static_cast<std::size_t>(lega)];
}

Stagione LeggiStagione(const std::filesystem::path& sorgenti, int anno) {
    Stagione s;
    s.anno = anno;
    for (const Lega lega : kLeghe) {
        const auto& d = Descrizione(lega);
        s[lega] = leggiCampionato(sorgenti / d.cartella / cartellaStagione(anno) / d.file);
    }
    return s;
}

std::optional<std::vector<PartitaDelConcorso>> PartiteDelConcorso(const Stagione& stagione,
                                                                  int giornata) {
    std::vector<PartitaDelConcorso> partite;
    for (const Lega lega : kLeghe) {
        const Giornata* g = TrovaGiornata(stagione[lega], giornata);
        if (g == nullptr) continue;
        std::size_t prese = 0;
        for (const auto& p : g->partite) {
            if (partite.size() == kPartiteSchedina || prese == Descrizione(lega).partite) break;
            if (!p.giocata()) continue;
            partite.push_back({p, lega});
            ++prese;
        }
    }
    if (partite.size() < kPartiteSchedina) return std::nullopt;
    return partite;
}

GolSchedina GolDelConcorso(const std::vector<PartitaDelConcorso>& partite) {
    GolSchedina gol{};
    for (std::size_t i = 0; i < gol.size() && i < partite.size(); ++i) {
        gol[i] = {partite[i].partita.golCasa, partite[i].partita.golOspite};
    }
    return gol;
}

std::uint8_t TipoDelConcorso(const std::vector<PartitaDelConcorso>& partite) {
    std::uint8_t tipi = 0;
    for (const auto& p : partite) tipi |= Descrizione(p.lega).tipo;
    if ((tipi & Altri) != 0 || tipi == 0) return Altri;
    return static_cast<std::uint8_t>(tipi & -tipi);  // the lowest bit is the highest series
}

std::optional<T_Concorso> ConcorsoDellaGiornata(const Stagione& stagione, int giornata) {
    const auto partite = PartiteDelConcorso(stagione, giornata);
    if (!partite) return std::nullopt;
    T_Concorso c;
    c.Anno = static_cast<std::uint16_t>(stagione.anno);
    c.NumConcorso = static_cast<std::uint8_t>(giornata);
    c.TipoConcorso = TipoDelConcorso(*partite);
    c.Vincente = VincenteDaiGol(GolDelConcorso(*partite));
    return c;
}

ArchivioConcorsi ArchivioDemo(const std::vector<Stagione>& stagioni) {
    ArchivioConcorsi archivio;
    for (const auto& stagione : stagioni) {
        int ultima = 0;
        for (const auto& campionato : stagione.leghe)
            ultima = std::max(ultima, UltimaGiornata(campionato));
        for (int giornata = 1; giornata <= std::min(ultima, kUltimoNumeroConcorso); ++giornata) {
            if (auto c = ConcorsoDellaGiornata(stagione, giornata)) archivio.InserisciOrdinato(*c);
        }
    }
    return archivio;
}

std::optional<ludo::Schedina> SchedinaDellaGiornata(const Stagione& stagione, int giornata) {
    const auto partite = PartiteDelConcorso(stagione, giornata);
    if (!partite) return std::nullopt;
    ludo::Schedina schedina;
    schedina.Concorso = giornata;
    for (std::size_t i = 0; i < schedina.Squadre.size(); ++i) {
        const Partita& p = (*partite)[i].partita;
        schedina.Squadre[i] = {NomeSquadra(p.casa), NomeSquadra(p.ospite)};
    }
    return schedina;
}

ListeSquadre ListeDemo(const Stagione& stagione) {
    ListeSquadre liste;
    aggiungiSquadre(liste[Serie::A], stagione[Lega::SerieA]);
    aggiungiSquadre(liste[Serie::B], stagione[Lega::SerieB]);
    const bool serieC = !stagione[Lega::SerieCGironeA].empty() ||
                        !stagione[Lega::SerieCGironeB].empty() ||
                        !stagione[Lega::SerieCGironeC].empty();
    if (serieC) {
        aggiungiSquadre(liste[Serie::C1], stagione[Lega::SerieCGironeA]);
        aggiungiSquadre(liste[Serie::C1], stagione[Lega::SerieCGironeB]);
        aggiungiSquadre(liste[Serie::C2], stagione[Lega::SerieCGironeC]);
    } else {
        aggiungiSquadre(liste[Serie::C1], stagione[Lega::PremierLeague]);
        aggiungiSquadre(liste[Serie::C2], stagione[Lega::Championship]);
    }
    return liste;
}

}  // namespace ludo::demo
