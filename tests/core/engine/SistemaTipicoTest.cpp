// The typical system saved in bench/sistemi is the one the speed
// measurements build: a stale copy would make the development window's
// measurements run another system.

#include "SistemaTipico.h"
#include "TestSupport.h"

namespace ludo {
namespace {

test::Bytes ByteCondizioni(const T_Sistema& s) {
    return test::scritto([&](io::BinaryWriter& w) { return s.Dati->Condizioni.Salva(w); });
}

TEST(SistemaTipico, LaCopiaSalvataEQuellaCostruitaDalleMisureDiVelocita) {
    test::TempDir cartella;
    const auto costruito = bench::SistemaTipico(cartella.path());
    T_Sistema letto(cartella.path());
    letto.Carica(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS");
    EXPECT_EQ(letto.Dati->Pronostico, 0xFFFFFFFFu);
    EXPECT_EQ(letto.Dati->Fisse, 0u);
    EXPECT_EQ(ByteCondizioni(letto), ByteCondizioni(*costruito));
    EXPECT_EQ(letto.Dati->Sorgente.FileSorgente, "DefSorg.Col");
    EXPECT_EQ(letto.Dati->Destinazione.FileDestinazione, "DefDest.Col");
    EXPECT_TRUE(letto.Dati->Colonne.Vuota());
}

}  // namespace
}  // namespace ludo
