#include "TestSupport.h"
#include "core/contests/ImpostazioniRicerca.h"

using namespace ludo;
using namespace ludo::test;

namespace {

ImpostazioniRicerca letteDa(const Bytes& b, bool completo) {
    ImpostazioniRicerca letta;
    EXPECT_EQ(letta.Carica(Lettura(b)), completo);
    return letta;
}

}  // namespace

TEST(ImpostazioniRicerca, TheTwentyTwoByteBlockBothWaysAndCutShort) {
    // The flags differ from their initial values but IgnoraRipetizioni.
    const ImpostazioniRicerca nota = {{7, -1, 2004, 5, 38}, false, true, false, false, true};
    Bytes b = {7};
    for (const std::int64_t campo : {-1, 2004, 5, 38})
        appendLE(b, static_cast<std::uint32_t>(campo), 4);
    b.insert(b.end(), {0, 1, 0, 0, 1});
    ASSERT_EQ(b.size(), 22u);

    EXPECT_EQ(scritto([&](io::BinaryWriter& w) { return nota.Salva(w); }), b);

    b.back() = 2;  // any non-zero byte is true
    EXPECT_EQ(letteDa(b, true), nota);

    b.resize(11);  // Tipi, AnnoDa, AnnoA and half of ConcDa
    ImpostazioniRicerca attesa;
    attesa.Intervallo = {7, -1, 2004, 0, 0};
    EXPECT_EQ(letteDa(b, false), attesa) << "the fields after the end keep their initial values";
}
