// The ready-made reduced systems shipped with the program keep the promise
// of their names: every 8-number column of their numbers that holds their
// fixed numbers (the first positions) shares the guaranteed points with one
// of theirs.
#include "TestSupport.h"
#include "core/checking/Ricevitoria.h"
#include "core/columns/FileColonne.h"

namespace ludo {
namespace {

TEST(LibreriaMatrici, OgniMatriceGarantisceCioCheIlNomeDice) {
    const std::filesystem::path dati = LUDO_DATA_DIR;
    const auto elenco = ElencoMatrici(dati);
    ASSERT_GE(elenco.size(), 60u);
    for (const auto& m : elenco) {
        SCOPED_TRACE(m.nome);
        ASSERT_TRUE(m.leggibile);
        ListaColonne colonne;
        ASSERT_TRUE(LeggiFile(colonne, dati / "Matrici" / m.nome, false));
        EXPECT_EQ(colonne.Conteggio(), m.colonne);
        const Colonna posizioni = (Colonna{1} << m.numeri) - 1;
        const Colonna fisse = (Colonna{1} << m.fisse) - 1;
        const std::vector<Colonna> tenute(colonne.begin(), colonne.end());
        for (Colonna c : tenute) {
            ASSERT_EQ(std::popcount(c), 8);
            ASSERT_EQ(c & ~posizioni, 0u) << "a position past the matrix's numbers";
            ASSERT_EQ(c & fisse, fisse) << "a column without the fixed numbers";
        }
        ASSERT_TRUE(m.garanzia == "1 Sei" || m.garanzia == "1 Sette");
        const int punti = m.garanzia == "1 Sei" ? 6 : 7;
        EXPECT_EQ(test::scoperte(test::colonneDi(posizioni, fisse), tenute, punti), 0u);

        const auto descrizione = DescrizioneMatrice(dati, m);
        ASSERT_FALSE(descrizione.empty());
        std::string testo;
        for (const auto& riga : descrizione) testo += riga + "\n";
        EXPECT_NE(testo.find(std::to_string(m.colonne) + " colonne"), std::string::npos) << testo;
        EXPECT_NE(testo.find("Garanzia del " + std::to_string(punti)), std::string::npos) << testo;
    }
}

// The check above finds a winning column no kept column covers.
TEST(LibreriaMatrici, UnaColonnaScopertaSiVede) {
    // 9 numbers, 1 fixed: the columns with the fixed number are the 8 that
    // leave out one of the other 8; one of them shares 7 with each other.
    const Colonna posizioni = 0x1FF;
    EXPECT_EQ(test::scoperte(test::colonneDi(posizioni, 1), {0x0FF}, 7), 0u);
    EXPECT_EQ(test::scoperte(test::colonneDi(posizioni, 1), {0x0FF}, 8), 7u);
    EXPECT_EQ(test::scoperte(test::colonneDi(posizioni, 0), {}, 6), 9u);
}

}  // namespace
}  // namespace ludo
