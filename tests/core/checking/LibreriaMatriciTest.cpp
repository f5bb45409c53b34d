// The ready-made reduced systems shipped with the program keep the promise
// of their names: every 8-number column of their numbers shares the
// guaranteed points with one of theirs.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/checking/Ricevitoria.h"
#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"

namespace ludo {
namespace {

TEST(LibreriaMatrici, OgniMatriceGarantisceCioCheIlNomeDice) {
    const std::filesystem::path dati = LUDO_DATA_DIR;
    const auto elenco = ElencoMatrici(dati);
    ASSERT_GE(elenco.size(), 20u);
    for (const auto& m : elenco) {
        SCOPED_TRACE(m.nome);
        ASSERT_TRUE(m.leggibile);
        EXPECT_EQ(m.fisse, 0);
        ListaColonne colonne;
        ASSERT_TRUE(LeggiFile(colonne, dati / "Matrici" / m.nome, false));
        EXPECT_EQ(colonne.Conteggio(), m.colonne);
        const Colonna posizioni = (Colonna{1} << m.numeri) - 1;
        std::vector<Colonna> tenute(colonne.begin(), colonne.end());
        for (Colonna c : tenute) {
            EXPECT_EQ(NumeroNumeri(c), 8);
            EXPECT_EQ(c & ~posizioni, 0u) << "a position past the matrix's numbers";
        }
        const int punti = m.garanzia == "1 Sei" ? 6 : 7;
        ASSERT_TRUE(m.garanzia == "1 Sei" || m.garanzia == "1 Sette");
        int scoperte = 0;
        GeneraColonne(posizioni, 8, NessunAvanzamento(), [&](Colonna vincente) {
            const bool coperta = std::any_of(tenute.begin(), tenute.end(),
                                             [&](Colonna k) { return NumeriComuni(vincente, k) >= punti; });
            scoperte += coperta ? 0 : 1;
        });
        EXPECT_EQ(scoperte, 0);
        EXPECT_FALSE(DescrizioneMatrice(dati, m).empty());
    }
}

}  // namespace
}  // namespace ludo
