#include <map>

#include "TestSupport.h"
#include "core/engine/Garanzie.h"
#include "core/engine/TestiGaranzie.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// The tallies counted one column at a time: (8, 7, 6 points) → results.
struct Riferimento {
    std::map<std::tuple<int, int, int>, int> conteggi;
    int contati = 0;
};
Riferimento contaUnoAUno(const std::vector<Colonna>& colonne,
                         const std::vector<Colonna>& risultati) {
    Riferimento r;
    for (const Colonna ris : risultati) {
        ++r.contati;
        int p[9] = {};
        for (const Colonna c : colonne) {
            const int comuni = std::popcount(c & ris);
            if (comuni <= 8) ++p[comuni];
        }
        if (p[6] + p[7] + p[8] > 0) ++r.conteggi[{p[8], p[7], p[6]}];
    }
    return r;
}

void atteseUguali(const TabellaVincite& t, const Riferimento& r) {
    ASSERT_EQ(t.size(), r.conteggi.size());
    std::size_t i = 0;
    for (const auto& [chiave, n] : r.conteggi) {
        const auto& v = t[i++];
        EXPECT_EQ(std::make_tuple(v.Punti8, v.Punti7, v.Punti6), chiave);
        EXPECT_DOUBLE_EQ(v.Frequenza, static_cast<double>(n) / r.contati);
    }
}

class Garanzie : public ::testing::Test {
  protected:
    DatiSistema& d() { return *sistema_->Dati; }
    CartellaProgramma dir_;
    std::unique_ptr<T_Sistema> sistema_ = std::make_unique<T_Sistema>(dir_.path());
};

}  // namespace

TEST_F(Garanzie, SmallForecastsGiveTheirKnownTables) {
    AnnullaDopo mai;
    // Eight matches, the one column: one result, 8 points.
    d().Pronostico = primi(8);
    d().Colonne.Aggiungi(primi(8));
    auto esito = CalcolaGaranzie(*sistema_, {}, mai);
    EXPECT_FALSE(esito.Annullato);
    EXPECT_EQ(esito.PrimaChiave, 8);
    EXPECT_EQ(sistema_->Garanzie.Tabella(8), (TabellaVincite{{0, 0, 1, 1.0}}));
    EXPECT_EQ(sistema_->Garanzie.Contati, 1);
    EXPECT_EQ(mai.progressi.back(), (std::pair<std::int64_t, std::int64_t>{100, 100}));

    // Nine matches, all nine columns, one error: each of the 36 results of 7
    // lies in 2 columns and shares 6 numbers with the other 7.
    d().Pronostico = primi(9);
    d().Colonne = listaDi(sottoinsiemi(primi(9), 8));
    ImpostazioniGaranzie imp;
    imp.Errori = {true, true, true};
    mai.fasi.clear();
    esito = CalcolaGaranzie(*sistema_, imp, mai);
    EXPECT_EQ(esito.PrimaChiave, 8);
    EXPECT_EQ(esito.Calcolate, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(sistema_->Garanzie.Contati, 84)
        << "the two-error table is the last one filled: C(9, 6)";
    EXPECT_EQ(mai.fasi,
              (std::vector<std::string>{"Calcolo Percentuali senza errori sul pronostico",
                                        "Calcolo Percentuali con un errore sul pronostico",
                                        "Calcolo Percentuali con due errori sul pronostico"}));
}

TEST_F(Garanzie, AgreesWithCountingEveryColumnForAnyColumnSet) {
    // Random column sets on forecasts of 10 to 14 matches, with repeated
    // columns, columns reaching outside the forecast and sets of more than
    // 8 numbers among them.
    std::mt19937 gen(7);
    for (int prova = 0; prova < 12; ++prova) {
        const int n = 10 + prova % 5;
        const Colonna pronostico = primi(n) << (prova % 3);
        std::vector<Colonna> colonne;
        const auto tutte = sottoinsiemi(pronostico, 8);
        std::uniform_int_distribution<std::size_t> scelta(0, tutte.size() - 1);
        for (int i = 0; i < 60 + prova * 20; ++i) colonne.push_back(tutte[scelta(gen)]);
        colonne.push_back(colonne.front());
        colonne.push_back((tutte[0] & ~Colonna{1}) | (Colonna{1} << 30));  // 7 inside, one outside
        colonne.push_back(tutte[1] & tutte[2] & tutte[3]);                 // fewer than 8 numbers
        colonne.push_back(pronostico & ~(Colonna{1} << (n / 2 + prova % 3)));  // n - 1 numbers
        const auto lista = listaDi(colonne);
        for (int errori = 0; errori <= 2; ++errori) {
            TabelleGaranzie t;
            ASSERT_TRUE(GaranziePronostico(t, lista, pronostico, errori, {}, NessunAvanzamento()));
            const auto attesa = contaUnoAUno(colonne, sottoinsiemi(pronostico, 8 - errori));
            SCOPED_TRACE(testing::Message() << "prova " << prova << " errori " << errori);
            atteseUguali(t.Tabella(8 - errori), attesa);
            EXPECT_EQ(t.Contati, attesa.contati);
            EXPECT_EQ(t.DaEsaminare, t.Esaminati);
        }
    }
}

TEST_F(Garanzie, ComparisonFilesAndExpandedColumnFiles) {
    // A 10-number column, expanded into its 45 columns, against a winning
    // column holding 8 of its numbers: the one column equal to it, 16
    // missing one winner, 28 missing two.
    const Colonna dieci = col({2, 5, 7, 11, 13, 17, 19, 23, 29, 31});
    const Colonna vincente = col({2, 5, 7, 11, 13, 17, 19, 23});
    const std::vector<Colonna> risultati = {vincente, col({1, 3, 4, 6, 8, 9, 10, 12}),
                                            col({2, 5, 7, 11, 13, 17, 29, 30})};
    writeFile(dir_ / "COLONNE" / "dieci.Col", maschereLE({dieci}));
    writeFile(dir_ / "COLONNE" / "vincente.Col", maschereLE(risultati));
    // Every error asked for, which a comparison file does not use.
    ImpostazioniGaranzie imp{false, "dieci.Col", false, "vincente.Col", false, {true, true, true}};
    const auto esito = CalcolaGaranzie(*sistema_, imp, NessunAvanzamento());
    EXPECT_EQ(esito.Calcolate, (std::array<bool, 3>{true, false, false}));
    const auto& t = sistema_->Garanzie.Tabella(8);
    // The third result holds 7 of the ten numbers: the 3 columns holding all
    // 7 score 7, the 21 lacking one of them score 6.
    const auto colonne = colonneDiOtto(dieci);
    atteseUguali(t, contaUnoAUno(colonne, risultati));
    EXPECT_EQ(sistema_->Garanzie.Contati, 3) << "a result nobody wins on still counts";
    EXPECT_TRUE(sistema_->Garanzie.Tabella(7).empty());

    // A comparison mask of more than 8 numbers is one result, scored whole.
    TabelleGaranzie larghe;
    ASSERT_TRUE(GaranzieConfronto(larghe, listaDi(colonne), listaDi({dieci | col({1})}), {},
                                  NessunAvanzamento()));
    EXPECT_EQ(larghe.Tabella(8), (TabellaVincite{{0, 0, 45, 1.0}}));

    // An unreadable file stops before anything changes.
    imp.FileEsaminate = "manca.Col";
    EXPECT_EQ(erroreDi([&] { CalcolaGaranzie(*sistema_, imp, NessunAvanzamento()); }),
              "Impossibile caricare il file");
    EXPECT_EQ(sistema_->Garanzie.Tabella(8).size(), 2u);
}

TEST_F(Garanzie, ConditionsDecideWhichResultsCount) {
    d().Pronostico = primi(9);
    d().Colonne = listaDi(sottoinsiemi(primi(9), 8));
    ImpostazioniGaranzie imp;
    imp.ApplicaCondizioni = true;
    // The fixed match 1: only the 8 results holding it count, each won by
    // its own column and at 7 by the other eight.
    d().Fisse = col({1});
    CalcolaGaranzie(*sistema_, imp, NessunAvanzamento());
    EXPECT_EQ(sistema_->Garanzie.Tabella(8), (TabellaVincite{{0, 8, 1, 1.0}}));
    EXPECT_EQ(sistema_->Garanzie.Contati, 8);
    EXPECT_EQ(sistema_->Garanzie.Esaminati, 9);

    // A fixed match outside the forecast refuses every result.
    d().Fisse = col({20});
    CalcolaGaranzie(*sistema_, imp, NessunAvanzamento());
    EXPECT_TRUE(sistema_->Garanzie.Tabella(8).empty());
    EXPECT_EQ(sistema_->Garanzie.Contati, 0);
    const auto righe = RigheGaranzie(sistema_->Garanzie.Tabella(8));
    EXPECT_EQ(righe, (std::vector<RigaGaranzie>{{"", "", "", ""}, {"", "", "", "Tot.   0.000"}}));

    // With an error on the forecast the conditions are not applied.
    imp.Errori = {true, true, false};
    CalcolaGaranzie(*sistema_, imp, NessunAvanzamento());
    EXPECT_EQ(sistema_->Garanzie.Tabella(8).size(), 1u);
    EXPECT_EQ(sistema_->Garanzie.Tabella(7), (TabellaVincite{{7, 2, 0, 1.0}}));
}

TEST_F(Garanzie, CancelKeepsTheRawCountsOfTheTableBeingFilled) {
    d().Pronostico = primi(12);
    d().Colonne = listaDi(sottoinsiemi(primi(12), 8));
    ImpostazioniGaranzie imp;
    imp.Errori = {true, true, true};
    AnnullaDopo presto(40);  // a few polls into the no-error table
    const auto esito = CalcolaGaranzie(*sistema_, imp, presto);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_EQ(esito.Calcolate, (std::array<bool, 3>{true, false, false}));
    const auto& t = sistema_->Garanzie.Tabella(8);
    ASSERT_FALSE(t.empty());
    double somma = 0;
    for (const auto& v : t) somma += v.Frequenza;
    EXPECT_EQ(somma, static_cast<double>(sistema_->Garanzie.Contati))
        << "not divided by the results counted";
    EXPECT_LT(sistema_->Garanzie.Contati, 495);
    EXPECT_TRUE(sistema_->Garanzie.Tabella(7).empty());
    EXPECT_TRUE(sistema_->Garanzie.Tabella(6).empty());
    for (const auto& p : presto.progressi)
        EXPECT_NE(p, (std::pair<std::int64_t, std::int64_t>{100, 100}));
}

TEST(TestiGaranzie, PercentagesAndSubtotalRows) {
    for (const auto& [valore, testo] :
         std::vector<std::pair<double, std::string>>{{100, "100.000"},
                                                     {5.5, "  5.500"},
                                                     {0, "  0.000"},
                                                     {0.0625, "  0.063"},
                                                     {100.0 / 64, "  1.563"},
                                                     {100.0 / 3, " 33.333"}})
        EXPECT_EQ(TestoPercentuale(valore), testo) << valore;

    // Groups of (8, 7) points: (0, 0) twice, then (0, 1), then (1, 0).
    const TabellaVincite t = {{1, 0, 0, 0.25}, {3, 0, 0, 0.125}, {0, 1, 0, 0.5}, {2, 0, 1, 0.0625}};
    const std::vector<RigaGaranzie> attese = {{"   0", "   0", "   1", " 25.000     "},
                                              {"   0", "   0", "   3", " 12.500     "},
                                              {"-------", "-------", "-------", "Tot.  37.500"},
                                              {"   0", "   1", "   0", " 50.000     "},
                                              {"-------", "-------", "-------", "Tot.  50.000"},
                                              {"   1", "   0", "   2", "  6.250     "},
                                              {"-------", "-------", "-------", "Tot.   6.250"},
                                              {"", "", "", ""},
                                              {"", "", "", "Tot.  93.750"}};
    EXPECT_EQ(RigheGaranzie(t), attese);
    EXPECT_EQ(LarghezzaPercentualeGaranzie(attese.size()), 117);
    EXPECT_EQ(LarghezzaPercentualeGaranzie(12), 102);
}
