// The improved reduction and the neighbourhoods it searches, checked against
// coverage counted here column by column.
#include <set>

#include "TestSupport.h"
#include "core/engine/OrbiteColonne.h"
#include "core/engine/RicercaTabuOrbite.h"
#include "core/engine/Riduzione.h"
#include "core/engine/RiduzioneMigliorata.h"
#include "core/engine/VicinatoColonne.h"

using namespace ludo;
using namespace ludo::test;

namespace {

std::size_t greedy(const std::vector<Colonna>& sviluppate, int garanzia) {
    ListaColonne l = listaDi(sviluppate);
    RiduzioneOttimizzata(l, 8 - garanzia, NessunAvanzamento(), {});
    return l.Conteggio();
}

ParametriMigliorata passi(std::uint64_t quanti, std::uint64_t seme = 1) {
    ParametriMigliorata p;
    p.Secondi = 0;
    p.Passi = quanti;
    p.Seme = seme;
    return p;
}

// Cancels as AnnullaDopo does, and from the first check once the search
// has begun (phase 4).
struct Annulla : AnnullaDopo {
    using AnnullaDopo::AnnullaDopo;
    [[nodiscard]] bool annullato() const override { return inRicerca || AnnullaDopo::annullato(); }
    bool inRicerca = false;
};

}  // namespace

TEST(VicinatoColonne, EveryNeighbourOnceWithinTheRadius) {
    // A whole development, one with a fixed number, and a filtered set on
    // numbers spread over the coupon.
    std::vector<Colonna> filtrate;
    for (Colonna c : colonneDi(0x0F0F0F0Fu >> 2 | 0x80000000u)) {
        if (std::popcount(c & 0x55555555u) % 2 == 0) filtrate.push_back(c);
    }
    for (const auto& [colonne, completo] :
         {std::pair{colonneDi(primi(12)), true}, std::pair{colonneDi(primi(11), col({3})), true},
          std::pair{filtrate, false}}) {
        for (int raggio : {1, 2}) {
            const VicinatoColonne v(colonne, raggio);
            ASSERT_EQ(v.N(), colonne.size());
            EXPECT_EQ(v.Completo(), completo);
            for (std::size_t i = 0; i < v.N(); i += 7) {
                std::vector<std::size_t> viste;
                v.PerOgniVicina(i, [&](std::size_t j) { viste.push_back(j); });
                ASSERT_FALSE(viste.empty());
                EXPECT_EQ(viste.front(), i) << "a column first covers itself";
                std::multiset<std::size_t> visitate(viste.begin(), viste.end());
                std::multiset<std::size_t> attese;
                for (std::size_t j = 0; j < colonne.size(); ++j) {
                    if (NumeriComuni(colonne[i], colonne[j]) >= 8 - raggio) attese.insert(j);
                }
                ASSERT_EQ(visitate, attese) << "column " << i << ", radius " << raggio;
                EXPECT_LE(viste.size(), v.MassimoVicini());
            }
            EXPECT_EQ(v.Indice(colonne[5]), 5);
        }
    }
    const VicinatoColonne v(colonneDi(primi(12)), 2);
    EXPECT_EQ(v.Indice(col({1, 2, 3, 4, 5, 6, 7, 13})), -1) << "a number outside the set";
    EXPECT_EQ(v.Indice(primi(9)), -1) << "nine numbers";
    int visite = 0;
    EXPECT_FALSE(v.Finche(0, [&](std::size_t) { return ++visite < 3; }));
    EXPECT_EQ(visite, 3) << "the visit stops when told";
    // Turning 1..8 of twelve numbers gives 2..9, and twelve turns come back.
    const auto i = static_cast<std::size_t>(v.Indice(primi(8)));
    EXPECT_EQ(v.Col(static_cast<std::size_t>(v.Ruotata(i))), primi(8) << 1);
    auto j = static_cast<std::int32_t>(i);
    for (int t = 0; t < 12; ++t) j = v.Ruotata(static_cast<std::size_t>(j));
    EXPECT_EQ(static_cast<std::size_t>(j), i);
    // Turning only the first five: 1, 3, 5 become 2, 4, 1; five turns come back.
    const auto k = static_cast<std::size_t>(v.Indice(col({1, 3, 5, 7, 9, 10, 11, 12})));
    EXPECT_EQ(v.Col(static_cast<std::size_t>(v.Ruotata(k, 5))), col({1, 2, 4, 7, 9, 10, 11, 12}));
    j = static_cast<std::int32_t>(k);
    for (int t = 0; t < 5; ++t) j = v.Ruotata(static_cast<std::size_t>(j), 5);
    EXPECT_EQ(static_cast<std::size_t>(j), k);
}

TEST(OrbiteColonne, OrbitsPartitionTheColumnsAndCoverAsTheirColumnsDo) {
    const auto colonne = colonneDi(primi(10), col({10}));
    const VicinatoColonne v(colonne, 1);
    for (int giro : {9, 7}) {  // free numbers 1..9: all of them turn, or 1..7
        const OrbiteColonne o(v, giro);
        ASSERT_GT(o.N(), 0u);
        EXPECT_EQ(o.Giro(), giro);
        const Colonna girano = primi(giro);
        std::vector<int> vista(colonne.size(), 0);
        for (std::size_t a = 0; a < o.N(); ++a) {
            const auto membri = o.Colonne(a);
            ASSERT_EQ(membri.size(), o.Dimensione(a));
            for (std::size_t m : membri) {
                ++vista[m];
                EXPECT_EQ(o.Orbita(m), a);
                // The turn of a member is a member: the giro-th number turns to 1.
                const Colonna libere = colonne[m] & girano;
                const Colonna girata =
                    (colonne[m] & ~girano) | (((libere << 1) | (libere >> (giro - 1))) & girano);
                EXPECT_EQ(o.Orbita(static_cast<std::size_t>(v.Indice(girata))), a);
            }
            for (std::size_t b = 0; b < o.N(); ++b) {
                bool vicine = false;
                for (std::size_t x : membri) {
                    for (std::size_t y : o.Colonne(b))
                        vicine = vicine || NumeriComuni(colonne[x], colonne[y]) >= 7;
                }
                EXPECT_EQ(o.Copre(a, b), vicine) << giro << ": " << a << " " << b;
            }
        }
        EXPECT_TRUE(std::all_of(vista.begin(), vista.end(), [](int n) { return n == 1; }));
    }

    std::vector<Colonna> senzaUna = colonne;
    senzaUna.pop_back();
    EXPECT_EQ(OrbiteColonne(VicinatoColonne(senzaUna, 1)).N(), 0u)
        << "only a complete development turns onto itself";
}

// The columns of the orbits given.
std::vector<Colonna> colonneDelleOrbite(const VicinatoColonne& v, const OrbiteColonne& o,
                                        const std::vector<std::size_t>& orbite) {
    std::vector<Colonna> colonne;
    for (std::size_t a : orbite) {
        for (std::size_t c : o.Colonne(a)) colonne.push_back(v.Col(c));
    }
    return colonne;
}

TEST(RicercaTabuOrbite, TheOrbitsItReportsLeaveAsManyUncoveredAsItSays) {
    const auto colonne = colonneDi(primi(12));
    const VicinatoColonne v(colonne, 1);  // 26 columns at best: more than one orbit
    const OrbiteColonne o(v, 11);
    // Enough orbits: a cover, checked column by column.
    RicercaTabuOrbite bastano(o, 4, 1);
    for (int passo = 0; passo < 2000 && !bastano.Coperta(); ++passo) bastano.Passo();
    ASSERT_TRUE(bastano.Coperta());
    EXPECT_EQ(bastano.MinimoScoperte(), 0u);
    EXPECT_EQ(bastano.Migliori().size(), 4u);
    EXPECT_EQ(scoperte(colonne, colonneDelleOrbite(v, o, bastano.Migliori()), 7), 0u);

    // Too few: the best orbits leave uncovered exactly the orbits it counts,
    // and a new start never loses them.
    RicercaTabuOrbite poche(o, 1, 2);
    for (int passo = 0; passo < 50; ++passo) poche.Passo();
    const auto migliori = poche.Migliori();
    const std::size_t minimo = poche.MinimoScoperte();
    std::set<std::size_t> orbiteScoperte;
    const auto tenute = colonneDelleOrbite(v, o, migliori);
    for (std::size_t c = 0; c < colonne.size(); ++c) {
        if (scoperte({colonne[c]}, tenute, 7) == 1) orbiteScoperte.insert(o.Orbita(c));
    }
    EXPECT_EQ(orbiteScoperte.size(), minimo);
    EXPECT_GT(minimo, 0u);
    poche.Riparti(99);
    EXPECT_LE(poche.MinimoScoperte(), minimo);
    EXPECT_TRUE(poche.MinimoScoperte() < minimo || poche.Migliori() == migliori);
}

TEST(RiduzioneMigliorata, CoversEverythingWithNoMoreColumnsThanTheGreedyCover) {
    std::vector<Colonna> pari;  // a filtered development: even sums of numbers
    for (Colonna c : colonneDi(primi(13))) {
        int somma = 0;
        for (int n = 0; n < 13; ++n) somma += ((c >> n) & 1U) != 0 ? n + 1 : 0;
        if (somma % 2 == 0) pari.push_back(c);
    }
    struct Caso {
        std::vector<Colonna> sviluppate;
        int garanzia;
    };
    const Caso casi[] = {{colonneDi(primi(10)), 6},
                         {colonneDi(primi(11)), 7},
                         {colonneDi(primi(12)), 7},
                         {colonneDi(primi(12)), 6},
                         {colonneDi(primi(12), col({1})), 6},
                         {colonneDi(primi(13), col({4, 9})), 7},
                         {pari, 7},
                         {pari, 6}};
    for (const auto& caso : casi) {
        SCOPED_TRACE(std::to_string(caso.sviluppate.size()) + " columns, guarantee " +
                     std::to_string(caso.garanzia));
        ListaColonne l = listaDi(caso.sviluppate);
        const auto esito =
            RiduzioneMigliorata(l, 8 - caso.garanzia, passi(4000), NessunAvanzamento(), {});
        const auto tenute = elenco(l);
        EXPECT_TRUE(esito.Completa);
        EXPECT_FALSE(esito.Annullata || esito.Scaduta);
        EXPECT_EQ(esito.Greedy, greedy(caso.sviluppate, caso.garanzia));
        EXPECT_EQ(esito.Finali, tenute.size());
        EXPECT_LE(tenute.size(), esito.Greedy);
        EXPECT_EQ(scoperte(caso.sviluppate, tenute, caso.garanzia), 0u);
        EXPECT_EQ(std::set<Colonna>(tenute.begin(), tenute.end()).size(), tenute.size())
            << "no column twice";
        for (Colonna k : tenute) {
            EXPECT_NE(std::find(caso.sviluppate.begin(), caso.sviluppate.end(), k),
                      caso.sviluppate.end())
                << "kept columns are developed columns";
        }
    }
    // Where the greedy cover is far from the best, the search finds a smaller one.
    ListaColonne dodici = listaDi(colonneDi(primi(12)));
    EXPECT_LE(RiduzioneMigliorata(dodici, 1, passi(100000), NessunAvanzamento(), {}).Finali, 27u);
    EXPECT_GT(greedy(colonneDi(primi(12)), 7), 27u);
}

TEST(RiduzioneMigliorata, TheSameSeedAndBoundGiveTheSameColumns) {
    const auto sviluppate = colonneDi(primi(13));
    ListaColonne a = listaDi(sviluppate);
    ListaColonne b = listaDi(sviluppate);
    const auto primo = RiduzioneMigliorata(a, 1, passi(30000, 7), NessunAvanzamento(), {});
    const auto secondo = RiduzioneMigliorata(b, 1, passi(30000, 7), NessunAvanzamento(), {});
    EXPECT_EQ(elenco(a), elenco(b));
    EXPECT_EQ(primo.Passi, secondo.Passi);
    EXPECT_EQ(primo.Passi, 60000u) << "each of the two searches makes the swaps of its bound";
}

TEST(RiduzioneMigliorata, ACancelledRunLeavesAValidCover) {
    const auto sviluppate = colonneDi(primi(12));
    // Before the greedy cover is complete: the developed columns stay.
    AnnullaDopo subito(0);
    ListaColonne l = listaDi(sviluppate);
    auto esito = RiduzioneMigliorata(l, 1, passi(0), subito, {});
    EXPECT_FALSE(esito.Completa);
    EXPECT_TRUE(esito.Annullata);
    EXPECT_EQ(elenco(l), sviluppate);

    // During the search: the best cover found so far.
    Annulla durante;
    l = listaDi(sviluppate);
    ParametriMigliorata senzaFine;
    senzaFine.Secondi = 0;
    int fasi4 = 0;
    esito = RiduzioneMigliorata(l, 1, senzaFine, durante,
                                [&](int fase, std::size_t, std::size_t, std::size_t) {
                                    if (fase == 4) ++fasi4;
                                    durante.inRicerca = durante.inRicerca || fase == 4;
                                });
    EXPECT_TRUE(esito.Completa);
    EXPECT_TRUE(esito.Annullata);
    EXPECT_GT(fasi4, 0);
    EXPECT_LE(l.Conteggio(), esito.Greedy);
    EXPECT_EQ(scoperte(sviluppate, elenco(l), 7), 0u);
}

TEST(RiduzioneMigliorata, ColumnsOfOtherSizesOrListedTwiceEndTheReduction) {
    auto colonne = colonneDi(primi(10));
    colonne.push_back(colonne[3]);
    colonne.push_back(primi(9) << 12);
    ListaColonne l = listaDi(colonne);
    const auto esito = RiduzioneMigliorata(l, 1, passi(1000), NessunAvanzamento(), {});
    ASSERT_TRUE(esito.Completa);
    EXPECT_EQ(esito.Finali, esito.Greedy) << "the search needs columns of 8";
    const auto tenute = elenco(l);
    EXPECT_NE(std::find(tenute.begin(), tenute.end(), primi(9) << 12), tenute.end())
        << "it covers only itself";
    EXPECT_EQ(scoperte(colonneDi(primi(10)), tenute, 7), 0u);

    ListaColonne ottimizzata = listaDi(colonne);
    ASSERT_TRUE(RiduzioneOttimizzata(ottimizzata, 1, NessunAvanzamento(), {}));
    EXPECT_EQ(elenco(ottimizzata), tenute);
}
