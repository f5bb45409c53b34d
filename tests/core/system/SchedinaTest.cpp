#include "TestSupport.h"
#include "core/system/Schedina.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// Contest 1234; match n has "Casa n" and "Ospite n", except match 1 (a
// Windows-1252 "à"), match 2 (both empty) and match 17 (empty away team).
Bytes fileNoto() {
    Bytes b;
    appendLE(b, 1234, 4);
    for (int n = 1; n <= 32; ++n) {
        const std::string numero = std::to_string(n);
        appendShortString(b, n == 1 ? "Citt\xE0 di Castello" : n == 2 ? "" : "Casa " + numero, 20);
        appendShortString(b, n == 1 ? "Inter" : n == 2 || n == 17 ? "" : "Ospite " + numero, 20);
    }
    return b;
}

Schedina schedinaNota() {
    Schedina s;
    s.Concorso = 1234;
    for (int n = 1; n <= 32; ++n) {
        s.Squadre[n - 1] = {"Casa " + std::to_string(n),
                            n == 17 ? "" : "Ospite " + std::to_string(n)};
    }
    s.Squadre[0] = {"Città di Castello", "Inter"};
    s.Squadre[1] = {"", ""};
    return s;
}

std::string messaggioCaricando(Schedina& s, const std::filesystem::path& file) {
    return erroreDi([&] { CaricaSchedina(s, file); });
}

}  // namespace

TEST(Schedina, AFileOf1348BytesIsReadAndWrittenExactly) {
    TempDir dir;
    const Bytes attesi = fileNoto();
    ASSERT_EQ(attesi.size(), 1348u);
    writeFile(dir / "prova.Gsc", attesi);

    Schedina letta;
    letta.Squadre[1] = {"da", "cancellare"};
    CaricaSchedina(letta, dir / "prova.Gsc");
    EXPECT_EQ(letta, schedinaNota());

    SalvaSchedina(schedinaNota(), dir / "copia.Gsc");
    EXPECT_EQ(readFile(dir / "copia.Gsc"), attesi);
}

TEST(Schedina, AShortFileReportsTheFailureAndKeepsWhatWasReadWhole) {
    TempDir dir;
    Bytes corto = fileNoto();
    corto.pop_back();
    writeFile(dir / "corta.Gsc", corto);

    Schedina letta;
    letta.Squadre[31] = {"Vecchia casa", "Vecchio ospite"};
    EXPECT_EQ(messaggioCaricando(letta, dir / "corta.Gsc"), "Impossibile Caricare la Schedina");
    auto attesa = schedinaNota();
    attesa.Squadre[31].Ospite = "Vecchio ospite";
    EXPECT_EQ(letta, attesa);

    Schedina intatta;
    EXPECT_EQ(messaggioCaricando(intatta, dir / "manca.Gsc"), "Impossibile Caricare la Schedina");
    EXPECT_EQ(intatta, Schedina{});
    EXPECT_EQ(messaggioCaricando(intatta, dir.path()), "Impossibile Caricare la Schedina")
        << "a folder";
}

TEST(Schedina, ATypedNameIsCutToTwentyCharacters) {
    EXPECT_EQ(TroncaNomeSquadra("Città di Castello Calcio"), "Città di Castello Ca");
}

TEST(Schedina, AFailedSaveRaisesItsMessage) {
    TempDir dir;
    EXPECT_EQ(erroreDi([&] { SalvaSchedina(schedinaNota(), dir / "manca" / "x.Gsc"); }),
              "Impossibile Salvare la Schedina");
}
