#include <gtest/gtest.h>

#include "core/archive/RegoleIntervallo.h"

using namespace ludo;

namespace {

// Seasons 2010/11 to 2012/13: contests 1..30 of 2010 "Serie A", contests 1..4
// of 2011 "Serie B", contest 1 of 2012 "Altri".
ArchivioConcorsi archivio() {
    ArchivioConcorsi a;
    auto aggiungi = [&](int anno, int numero, std::uint8_t tipo) {
        a.InserisciOrdinato(
            {static_cast<std::uint16_t>(anno), static_cast<std::uint8_t>(numero), tipo, 0xFF});
    };
    for (int n = 1; n <= 30; ++n) aggiungi(2010, n, SerieA);
    for (int n = 1; n <= 4; ++n) aggiungi(2011, n, SerieB);
    aggiungi(2012, 1, Altri);
    return a;
}

IntervalloRicerca intervallo(int annoDa, int concDa, int annoA, int concA,
                             std::uint8_t tipi = TuttiITipi) {
    return {tipi, annoDa, annoA, concDa, concA};
}

}  // namespace

// Each range with the message of the first rule it breaks, or none.
TEST(RegoleIntervallo, TheFirstBrokenRuleGivesTheMessage) {
    struct Caso {
        IntervalloRicerca intervallo;
        std::optional<std::string> messaggio;
        const char* perche;
        TipiDiConcorso tipi = TipiDiConcorso::Scelti;
    };
    const std::string iniziale = "La stagione iniziale deve essere compresa tra il 2010/2011 e il 2012/2013.";
    const std::string finale = "La stagione finale deve essere compresa tra il 2010/2011 e il 2012/2013.";
    const std::vector<Caso> casi = {
        {intervallo(2010, 1, 2012, 1), std::nullopt, "the whole archive"},
        {intervallo(2010, 10, 2010, 10), std::nullopt, "one contest"},
        {intervallo(2011, 1, 2011, 99, SerieB), std::nullopt, "one type"},
        {intervallo(2010, 1, 2012, 1, 0), MsgNessunTipoDiConcorso, "no type"},
        {intervallo(2010, 1, 2012, 1, 0xF0), MsgNessunTipoDiConcorso, "no bit of the four types"},
        {intervallo(2010, 1, 2012, 1, 0), std::nullopt, "types take no part", TipiDiConcorso::Tutti},
        {intervallo(1900, 1, 2012, 1, 0), MsgNessunTipoDiConcorso, "the first rule broken"},
        {intervallo(1978, 1, 2012, 1), MsgStagioneNonValida, "season below the box"},
        {intervallo(2010, 1, 2099, 1), MsgStagioneNonValida, "season above the box"},
        {intervallo(2010, 0, 2012, 1), MsgNumeroConcorsoNonValido, "number below the box"},
        {intervallo(2010, 1, 2012, 100), MsgNumeroConcorsoNonValido, "number above the box"},
        {intervallo(2010, 1, 2012, 99), std::nullopt, "the last number of the box"},
        {intervallo(2010, 0, 2099, 1), MsgStagioneNonValida, "seasons are checked first"},
        {intervallo(2009, 1, 2012, 1), iniziale, "initial season before the archive"},
        {intervallo(2013, 1, 2013, 1), iniziale, "initial season after the archive"},
        {intervallo(2010, 1, 2013, 1), finale, "final season after the archive"},
        {intervallo(2011, 1, 2009, 1), finale, "final season before the archive"},
        {intervallo(2012, 1, 2010, 1), MsgInizialeDopoFinale, "initial season after the final"},
        {intervallo(2010, 21, 2010, 20), MsgConcorsoInizialeDopoFinale, "initial contest after the final"},
        {intervallo(2010, 21, 2011, 20), std::nullopt, "the numbers matter on equal seasons only"},
        {intervallo(2010, 31, 2010, 99), MsgNessunConcorsoNellIntervallo, "no contest in the range"},
        {intervallo(2010, 31, 2011, 1, SerieA), MsgNessunConcorsoDeiTipi, "2011/1 is of type Serie B"},
        {intervallo(2010, 31, 2011, 1, SerieA), std::nullopt, "whatever its type", TipiDiConcorso::Tutti},
    };
    const auto a = archivio();
    for (const Caso& c : casi) EXPECT_EQ(VerificaIntervallo(c.intervallo, a, c.tipi), c.messaggio) << c.perche;
    EXPECT_EQ(VerificaIntervallo(intervallo(2010, 1, 2010, 1), ArchivioConcorsi{}, TipiDiConcorso::Tutti),
              MsgNessunConcorsoNellIntervallo);
}

TEST(RegoleIntervallo, ContestsInTheRangeInArchiveOrder) {
    const auto a = archivio();
    EXPECT_EQ(ConcorsiNellIntervallo(a, intervallo(2010, 29, 2012, 1, SerieB | Altri),
                                     TipiDiConcorso::Scelti),
              (std::vector<std::size_t>{30, 31, 32, 33, 34}));
    EXPECT_EQ(
        ConcorsiNellIntervallo(a, intervallo(2010, 29, 2012, 1, 0), TipiDiConcorso::Tutti).size(),
        7u);
}

// The corrections made while the range boxes are edited: each case is the
// range after the user changed one field, and the range once corrected.
TEST(RegoleIntervallo, CorrectionsWhileEditing) {
    struct Caso {
        IntervalloRicerca prima;
        CampoIntervallo cambiato;
        IntervalloRicerca dopo;
        const char* perche;
    };
    const std::vector<Caso> casi = {
        {intervallo(2012, 9, 2011, 3), CampoIntervallo::AnnoDa, intervallo(2011, 3, 2011, 3),
         "initial season above the final: pulled down, and its contest to the final one"},
        {intervallo(2012, 2, 2011, 3), CampoIntervallo::AnnoDa, intervallo(2011, 2, 2011, 3),
         "pulled down, a smaller initial contest stays"},
        {intervallo(2008, 5, 2011, 3), CampoIntervallo::AnnoDa, intervallo(2010, 5, 2011, 3),
         "raised to the archive's first season"},
        {intervallo(2011, 9, 2010, 3), CampoIntervallo::AnnoA, intervallo(2011, 9, 2011, 9),
         "final season below the initial: raised back, and its contest to the initial one"},
        {intervallo(2011, 2, 2010, 3), CampoIntervallo::AnnoA, intervallo(2011, 2, 2011, 3),
         "raised back, a greater final contest stays"},
        {intervallo(2010, 5, 2015, 3), CampoIntervallo::AnnoA, intervallo(2010, 5, 2012, 3),
         "lowered to the archive's last season"},
        {intervallo(2010, 25, 2010, 20), CampoIntervallo::ConcDa, intervallo(2010, 20, 2010, 20),
         "equal seasons: the initial contest pulled down to the final"},
        {intervallo(2010, 25, 2010, 20), CampoIntervallo::ConcA, intervallo(2010, 25, 2010, 25),
         "equal seasons: the final contest raised to the initial"},
        {intervallo(2010, 25, 2011, 20), CampoIntervallo::ConcDa, intervallo(2010, 25, 2011, 20),
         "different seasons: nothing to correct"},
        {intervallo(2010, 25, 2011, 20), CampoIntervallo::AnnoA, intervallo(2010, 25, 2011, 20),
         "a final season within the archive stays"},
    };
    const auto a = archivio();
    for (const Caso& c : casi) {
        IntervalloRicerca i = c.prima;
        CorreggiIntervallo(i, c.cambiato, a);
        EXPECT_EQ(i, c.dopo) << c.perche;
    }
}
