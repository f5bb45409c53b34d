// The typical system saved in bench/sistemi is the one the speed
// measurements build: a stale copy would make the development window's
// measurements run another system.

#include "SistemaTipico.h"
#include "TestSupport.h"

namespace ludo {
namespace {

TEST(SistemaTipico, LaCopiaSalvataEQuellaCostruitaDalleMisureDiVelocita) {
    test::TempDir cartella;
    bench::SistemaTipico(cartella.path())->Salva(cartella / "tipico.LDS");
    EXPECT_EQ(test::readFile(cartella / "tipico.LDS"),
              test::readFile(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS"));
}

}  // namespace
}  // namespace ludo
