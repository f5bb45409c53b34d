#include <map>
#include <set>

#include "../core/TestSupport.h"
#include "DatiDemo.h"
#include "NomiSquadre.h"
#include "core/io/Cp1252.h"

using namespace ludo;
using namespace ludo::demo;

namespace {

const std::filesystem::path kSorgenti =
    std::filesystem::path(LUDO_SOURCE_DIR) / "tools/demo/sources";
const std::filesystem::path kDati = std::filesystem::path(LUDO_SOURCE_DIR) / "data";

std::vector<Stagione> tutteLeStagioni() {
    std::vector<Stagione> stagioni;
    for (int anno = PrimaStagione; anno <= UltimaStagione; ++anno)
        stagioni.push_back(LeggiStagione(kSorgenti, anno));
    return stagioni;
}

// The shipped archive: its contests and its analysis tables.
ArchivioConcorsi archivioSpedito() {
    ArchivioConcorsi a;
    IntervalloRicerca intervallo;
    EXPECT_TRUE(a.Carica(kDati / "ARCHIVI", intervallo)) << "both files read in full";
    return a;
}

// A matchday of `partite` played matches "<prefisso>1 v <prefisso>1b 1-0", …
// with `senzaRisultato` of them (the first ones) not played.
Giornata giornata(int numero, const std::string& prefisso, int partite, int senzaRisultato = 0) {
    Giornata g{numero, {}};
    for (int i = 1; i <= partite; ++i) {
        demo::Partita p{prefisso + std::to_string(i), prefisso + std::to_string(i) + "b",
                        std::nullopt, std::nullopt};
        if (i > senzaRisultato) {
            p.golCasa = 1;
            p.golOspite = 0;
        }
        g.partite.push_back(p);
    }
    return g;
}

// Each match of a matchday as "Home v Away 2-1", without the score when
// it was not played.
std::vector<std::string> Partite(const Giornata& g) {
    std::vector<std::string> righe;
    for (const auto& p : g.partite) {
        righe.push_back(p.casa + " v " + p.ospite);
        if (p.giocata()) righe.back() += " " + std::to_string(*p.golCasa) + "-" + std::to_string(*p.golOspite);
    }
    return righe;
}

std::vector<std::string> casalinghe(const std::vector<PartitaDelConcorso>& partite) {
    std::vector<std::string> nomi;
    for (const auto& p : partite) nomi.push_back(p.partita.casa);
    return nomi;
}

// The names at the given places.
std::vector<std::string> Alcune(const std::vector<std::string>& nomi, std::initializer_list<std::size_t> posti) {
    std::vector<std::string> scelti;
    for (const std::size_t i : posti) scelti.push_back(nomi.at(i));
    return scelti;
}

}  // namespace

TEST(RisultatiTxt, ReadsBothMatchFormsAndLeavesOtherStagesOut) {
    std::istringstream in(
        "= Italian Serie B 2024/25\n"
        "# Teams      20\n\n"
        "\xE2\x96\xAA Matchday 1\n"
        "  Fri Aug 16 2024\n"
        "    20:30  US Salernitana 1919     v Frosinone Calcio         [postponed]\n"
        "           Spezia Calcio           v US Cremonese\n"
        "    18:00  UC AlbinoLeffe          v Caldiero Terme           2-3 (1-1)\r\n"
        "           Norwich City FC         v Queens Park Rangers FC 3-3 (1-2)\n"
        "           Norwich City FC         v Blackburn Rovers FC\t2-0 (0-0)\n"
        "           AS Cittadella           v Pisa SC                  0-3    [awarded]\n"
        "\xE2\x96\xAA 2. Round\n"
        "Sat Sep 19\n"
        "  18:00  ACF Fiorentina           1-0 (0-0)  Torino FC\n"
        "  20:45  Hellas Verona FC         3-0  AS Roma                  [awarded]\n"
        "[Sat Aug/17]\n"
        "  12.45  Liverpool FC             1-4 (1-0)  Stoke City\n"
        "\xE2\x96\xAA Aufstieg, Round 1\n"
        "           Bari v Como  1-1\n"
        "\xC2\xBB Regular, Matchday 3\n"
        "           Como 1907               v Parma Calcio 1913        1-0 (0-0)\n"
        "== Playoffs\n"
        "  19.45  Luton Town FC            1-1 (1-1)  Huddersfield Town AFC\n"
        "Matchday 1\n"
        "           Genoa CFC               v FC Internazionale Milano  2-2 (1-1)\n");
    const auto giornate = LeggiCampionato(in);
    ASSERT_EQ(giornate.size(), 3u);
    // A repeated heading adds to its matchday; one blank or a tab may stand
    // before the score; an awarded result counts as its score.
    EXPECT_EQ(Partite(giornate[0]),
              (std::vector<std::string>{"US Salernitana 1919 v Frosinone Calcio", "Spezia Calcio v US Cremonese",
                                        "UC AlbinoLeffe v Caldiero Terme 2-3",
                                        "Norwich City FC v Queens Park Rangers FC 3-3",
                                        "Norwich City FC v Blackburn Rovers FC 2-0", "AS Cittadella v Pisa SC 0-3",
                                        "Genoa CFC v FC Internazionale Milano 2-2"}));
    // The promotion round and the play-offs are not matchdays.
    EXPECT_EQ(giornate[1].numero, 2);
    EXPECT_EQ(Partite(giornate[1]), (std::vector<std::string>{"ACF Fiorentina v Torino FC 1-0",
                                                              "Hellas Verona FC v AS Roma 3-0",
                                                              "Liverpool FC v Stoke City 1-4"}));
    EXPECT_EQ(giornate[2].numero, 3);
    EXPECT_EQ(Partite(giornate[2]), std::vector<std::string>{"Como 1907 v Parma Calcio 1913 1-0"});
    EXPECT_EQ(UltimaGiornata(giornate), 3);
}

// Every league file copied into the sources reads as its full double round
// robin: each team meets each other team once at home and once away.
TEST(RisultatiTxt, EverySourceFileReadsAsADoubleRoundRobin) {
    int file = 0;
    for (const auto& voce : std::filesystem::recursive_directory_iterator(kSorgenti)) {
        if (voce.path().extension() != ".txt") continue;
        ++file;
        std::ifstream in(voce.path());
        const auto giornate = LeggiCampionato(in);
        const std::size_t squadre = Squadre(giornate).size();
        std::set<std::pair<std::string, std::string>> incontri;
        std::size_t partite = 0;
        for (const auto& g : giornate) {
            for (const auto& p : g.partite) {
                incontri.insert({p.casa, p.ospite});
                ++partite;
            }
        }
        EXPECT_GE(squadre, 19u) << voce.path();
        EXPECT_EQ(partite, squadre * (squadre - 1)) << voce.path();
        EXPECT_EQ(incontri.size(), partite) << voce.path();
    }
    EXPECT_EQ(file, 13 * 4 + 3)
        << "two Italian and two English leagues a season, Serie C in 2024/25";
}

// One name for the spellings of a club, a name of club forms only kept,
// a long one cut to 20 characters.
TEST(NomiSquadre, OneNameForTheSpellingsOfAClub) {
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"Pisa SC", "Pisa"}, {"AC Pisa 1909", "Pisa"}, {"AC Pisa", "Pisa"},
        {"US Sassuolo Calcio", "Sassuolo"}, {"Sassuolo Calcio", "Sassuolo"},
        {"FC Internazionale Milano", "Inter"}, {"Inter", "Inter"}, {"Calcio Catania", "Catania"},
        {"Mantova 1911 SSD", "Mantova"}, {"Wolverhampton Wanderers FC", "Wolverhampton"},
        {"Sheffield Wednesday FC", "Sheffield Wednesday"}, {"FC S\xC3\xBC" "dtirol", "S\xC3\xBC" "dtirol"},
        {"AC", "AC"}, {"Citt\xC3\xA0 di Castello Fiorentina Unita", "Citt\xC3\xA0 di Castello Fi"}};
    for (const auto& [nome, atteso] : casi) EXPECT_EQ(NomeSquadra(nome), atteso) << nome;
}

// The coupon fills from each league in turn, played matches only, at most
// the league's share, until 32.
TEST(DatiDemo, CouponTakesEachLeaguesShareOfPlayedMatches) {
    Stagione s;
    s.anno = 2030;
    s[Lega::SerieA] = {giornata(1, "A", 10), giornata(2, "A", 10)};
    s[Lega::SerieB] = {giornata(1, "B", 11, 1), giornata(2, "B", 9)};
    s[Lega::PremierLeague] = {giornata(1, "P", 10), giornata(2, "P", 10)};
    s[Lega::Championship] = {giornata(1, "H", 12), giornata(2, "H", 2)};

    const auto prima = PartiteDelConcorso(s, 1);
    ASSERT_TRUE(prima.has_value());
    const auto nomi = casalinghe(*prima);
    ASSERT_EQ(nomi.size(), 32u);
    // B1 has no result and is passed over.
    EXPECT_EQ(Alcune(nomi, {9, 10, 19, 20, 30, 31}), (std::vector<std::string>{"A10", "B2", "B11", "P1", "H1", "H2"}));
    EXPECT_EQ(TipoDelConcorso(*prima), Altri);

    EXPECT_FALSE(PartiteDelConcorso(s, 2).has_value())
        << "10 + 9 + 10 + 2 played matches are too few";
    EXPECT_FALSE(PartiteDelConcorso(s, 3).has_value());
    const auto archivio = ArchivioDemo({s});
    ASSERT_EQ(archivio.Conteggio(), 1u);
    EXPECT_EQ(archivio[0].Anno, 2030);
    EXPECT_EQ(archivio[0].NumConcorso, 1);
}

TEST(DatiDemo, ContestTypeIsTheHighestItalianSeriesOrAltri) {
    Stagione s;
    s.anno = 2030;
    s[Lega::SerieA] = {giornata(1, "A", 10), giornata(2, "A", 10)};
    s[Lega::SerieB] = {giornata(1, "B", 10), giornata(2, "B", 10)};
    s[Lega::SerieCGironeA] = {giornata(1, "CA", 10), giornata(2, "CA", 10)};
    s[Lega::SerieCGironeB] = {giornata(1, "CB", 10), giornata(2, "CB", 10, 5)};
    s[Lega::SerieCGironeC] = {giornata(1, "CC", 10)};
    s[Lega::Championship] = {giornata(2, "H", 12)};

    // Six of each Serie C group; on matchday 2 group B has five played matches.
    const auto italiana = PartiteDelConcorso(s, 1);
    ASSERT_TRUE(italiana.has_value());
    EXPECT_EQ(Alcune(casalinghe(*italiana), {20, 26}), (std::vector<std::string>{"CA1", "CB1"}));
    EXPECT_EQ(TipoDelConcorso(*italiana), SerieA);
    const auto estera = PartiteDelConcorso(s, 2);
    ASSERT_TRUE(estera.has_value());
    EXPECT_EQ(Alcune(casalinghe(*estera), {26, 31}), (std::vector<std::string>{"CB6", "H1"}));
    EXPECT_EQ(TipoDelConcorso(*estera), Altri);

    std::vector<PartitaDelConcorso> senzaSerieA(20, {demo::Partita{}, Lega::SerieB});
    senzaSerieA.resize(32, {demo::Partita{}, Lega::SerieCGironeA});
    EXPECT_EQ(TipoDelConcorso(senzaSerieA), SerieB);
    EXPECT_EQ(TipoDelConcorso(
                  std::vector<PartitaDelConcorso>(32, {demo::Partita{}, Lega::SerieCGironeC})),
              SerieC);
    senzaSerieA.back().lega = Lega::PremierLeague;
    EXPECT_EQ(TipoDelConcorso(senzaSerieA), Altri);
}

// Matchday 1 of 2013/14 worked out by hand from the result files: 10 Serie
// A, the first 10 of the 11 Serie B matches, 10 Premier League and the first
// 2 Championship matches, ranked by total then away goals then number.
TEST(DatiDemo, FirstContestOf2013RankedByHand) {
    const auto stagione = LeggiStagione(kSorgenti, 2013);
    const auto partite = PartiteDelConcorso(stagione, 1);
    ASSERT_TRUE(partite.has_value());
    EXPECT_EQ(Alcune(casalinghe(*partite), {0, 10, 19, 20, 30, 31}),
              (std::vector<std::string>{"Hellas Verona", "Reggina Calcio", "Ternana Calcio", "Liverpool FC",
                                        "Burnley FC", "Reading FC"}));
    // 18 Siena-Crotone 5-2 (7); 27 Swansea-Manchester United 1-4 (5); the
    // fours: 22 Arsenal-Aston Villa 1-3, 13 Brescia-Lanciano 2-2, 23
    // Norwich-Everton 2-2, 14 Empoli-Latina 3-1, 30 Manchester City-Newcastle
    // 4-0; then the first three with one away goal: 1 Verona-Milan 2-1.
    const auto c = ConcorsoDellaGiornata(stagione, 1);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->Vincente, ludo::test::col({1, 13, 14, 18, 22, 23, 27, 30}));
    EXPECT_EQ(c->TipoConcorso, Altri);
}

// The committed archive is exactly what the generator makes of the sources:
// more than 400 contests over 12 seasons, of both kinds of coupon, and
// analysis tables computed from them.
TEST(DatiDemo, ShippedArchiveIsTheOneBuiltFromTheSources) {
    const auto archivio = archivioSpedito();
    EXPECT_EQ(archivio.Concorsi(), ArchivioDemo(tutteLeStagioni()).Concorsi());
    std::set<int> stagioni;
    std::map<std::uint8_t, int> tipi;
    for (const auto& c : archivio.Concorsi()) {
        stagioni.insert(c.Anno);
        ++tipi[c.TipoConcorso];
        EXPECT_EQ(NumeroNumeri(c.Vincente), 8) << c.Anno << "/" << int{c.NumConcorso};
    }
    EXPECT_GE(archivio.Conteggio(), 400u);
    EXPECT_GE(stagioni.size(), 12u);
    EXPECT_GT(tipi[SerieA], 0);
    EXPECT_GT(tipi[Altri], 0);

    ArchivioConcorsi ricalcolato = archivio;
    ricalcolato.RicalcolaAnalisi();
    EXPECT_TRUE(archivio.Analisi == ricalcolato.Analisi)
        << "the shipped tables are those of its contests";
}

// The shipped coupon is that of the latest contest, and every team on it
// stands, under the same name, in one of the four team lists.
TEST(DatiDemo, ShippedCouponIsTheLatestContestsAndItsTeamsAreListed) {
    const auto archivio = archivioSpedito();
    const T_Concorso& ultimo = archivio[archivio.Conteggio() - 1];
    EXPECT_EQ(ultimo.Anno, UltimaStagione);
    const auto stagione = LeggiStagione(kSorgenti, ultimo.Anno);
    Schedina schedina;
    CaricaSchedina(schedina, kDati / "Schedine" / "ultimasch.gsc");
    const auto attesa = SchedinaDellaGiornata(stagione, ultimo.NumConcorso);
    ASSERT_TRUE(attesa.has_value());
    EXPECT_EQ(schedina, *attesa);

    ListeSquadre liste;
    EXPECT_TRUE(liste.Carica(kDati).empty());
    EXPECT_EQ((std::array{liste[Serie::A].Nomi().size(), liste[Serie::B].Nomi().size(),
                          liste[Serie::C1].Nomi().size(), liste[Serie::C2].Nomi().size()}),
              (std::array<std::size_t, 4>{20, 20, 20, 24}));
    std::set<std::string> elencate;
    for (const Serie serie : TutteLeSerie) {
        for (const auto& nome : liste[serie].Nomi()) {
            EXPECT_LE(io::utf8Length(nome), 20u) << nome;
            elencate.insert(nome);
        }
    }
    for (const auto& p : schedina.Squadre) {
        EXPECT_TRUE(elencate.count(p.Casa) == 1) << p.Casa;
        EXPECT_TRUE(elencate.count(p.Ospite) == 1) << p.Ospite;
    }
}
