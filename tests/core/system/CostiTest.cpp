#include "core/system/Costi.h"

#include <gtest/gtest.h>

#include <tuple>

namespace ludo {
namespace {

Configurazione Lire(double prezzo) {
    Configurazione c;
    c.Euro = false;
    c.PrezzoLire = prezzo;
    return c;
}

Configurazione Euro(double prezzo) {
    Configurazione c;
    c.Euro = true;
    c.PrezzoEuro = prezzo;
    return c;
}

TEST(Costi, ImportiRaggruppatiPerMigliaiaConLeCifreDellaValuta) {
    for (const auto& [importo, euro, testo] : std::vector<std::tuple<double, bool, std::string>>{
             {0, false, "0"}, {999, false, "999"}, {36000, false, "36.000"}, {8414640000, false, "8.414.640.000"},
             {1234.5, false, "1.235"}, {0, true, "0,00"}, {18.45, true, "18,45"}, {1234567.891, true, "1.234.567,89"},
             {0.005, true, "0,01"}, {-1500, false, "-1.500"}})
        EXPECT_EQ(TestoImporto(importo, euro), testo) << importo;
    EXPECT_EQ(TestoImporto(1500, false, {',', '.'}), "1,500");
    EXPECT_EQ(TestoValuta(36000, false), "£ 36.000");
    EXPECT_EQ(TestoValuta(2.4789, true), "€ 2,48");
    EXPECT_EQ(TestoIntero(10518300), "10.518.300");
    EXPECT_EQ(TestoIntero(-45), "-45");
}

TEST(Costi, ColonneDiPiuNumeriAlBinomialePerIlPrezzoEQuotaDeiPartecipanti) {
    EXPECT_DOUBLE_EQ(PrezzoColonnaDi(7, Lire(800)), 0);
    EXPECT_EQ(TestoColonneConCosto(45, 8, Lire(800), 1), "45 (£ 36.000)");
    EXPECT_EQ(TestoColonneConCosto(45, 8, Euro(0.41), 1), "45 (€ 18,45)");
    EXPECT_EQ(TestoColonneConCosto(1, 10, Lire(800), 1), "1 (£ 36.000)");
    EXPECT_EQ(TestoColonneConCosto(12870, 8, Lire(800), 1), "12.870 (£ 10.296.000)");
    EXPECT_EQ(TestoCosto(45, 8, Lire(800), 3), "12.000 1/3");
    EXPECT_EQ(TestoCosto(12, 8, Euro(0.5), 4), "1,50 1/4");
}

}  // namespace
}  // namespace ludo
