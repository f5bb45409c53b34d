#include <limits>

#include "TestSupport.h"
#include "core/system/Configurazione.h"

using namespace ludo;
using namespace ludo::test;

namespace {

constexpr std::array<double, 9> kOrizzontale = {42.5, 30.4, 1.8, 1.3, 9.3, 96.2, 93.8, 2.8, 2.8};
constexpr std::array<double, 9> kVerticale = {40.0, 32.9, 1.9, 1.3, 9.3, 96.1, 94.4, 2.8, 3.1};

SlipGeometry geometria(const std::array<double, 9>& v) {
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]};
}

// A configuration where every field differs from its default.
Configurazione configurazioneNota() {
    return {1000,
            0.5,
            true,
            "/home/gino/Immagini/Città.bmp",
            false,
            false,
            {"Ricevitoria Nº 1", "Via Roma 3", "Città di Castello", "075 123456"},
            {{3, 1999, 2003, 10, 20}, true, true, false, true, true},
            {false, false, false, 5, {geometria(kOrizzontale), geometria(kVerticale)}},
            {2, 6, "DejaVu Sans", 9, StileGrassetto | StileCorsivo}};
}

// configurazioneNota() laid out field by field as the file holds it.
Bytes fileNoto() {
    Bytes b;
    appendDouble(b, 1000);                                          // 1 PrezzoLire
    appendDouble(b, 0.5);                                           // 2 PrezzoEuro
    b.push_back(1);                                                 // 3 Euro
    appendShortString(b, "/home/gino/Immagini/Citt\xE0.bmp", 255);  // 4 FileSfondo
    b.insert(b.end(), {0, 0});  // 5 SalvaColonne, 6 RicaricaSchedina
    for (const char* riga :
         {"Ricevitoria N\xBA 1", "Via Roma 3", "Citt\xE0 di Castello", "075 123456"}) {
        appendShortString(b, riga, 60);  // 7 betting-shop lines
    }
    b.push_back(3);  // 8 search settings
    for (int v : {1999, 2003, 10, 20}) appendLE(b, v, 4);
    b.insert(b.end(), {1, 1, 0, 1, 1});
    for (double v : kOrizzontale) appendDouble(b, v);  // 9 slip settings
    for (double v : kVerticale) appendDouble(b, v);
    appendLE(b, 5, 4);
    b.insert(b.end(), {0, 0, 0});
    for (int v : {2, 6}) appendLE(b, v, 4);  // 10 listing settings
    appendShortString(b, "DejaVu Sans", 30);
    for (int v : {9, 3}) appendLE(b, v, 4);
    return b;
}

std::filesystem::path cfg(const TempDir& dir) { return dir / "Ludomatic.cfg"; }

}  // namespace

TEST(Configurazione, FileBuiltFromTheLayoutIsReadAndWrittenExactly) {
    TempDir dir;
    const Bytes attesi = fileNoto();
    ASSERT_EQ(attesi.size(), 8u + 8 + 1 + 256 + 1 + 1 + 244 + 22 + 151 + 47);

    writeFile(cfg(dir), attesi);
    auto letta = ConfigurazioneIniziale(dir.path());
    CaricaConfigurazione(letta, dir.path());
    EXPECT_EQ(letta, configurazioneNota());

    SalvaConfigurazione(configurazioneNota(), dir.path());
    EXPECT_EQ(readFile(cfg(dir)), attesi);
}

TEST(Configurazione, AFileCutAfterTheBackgroundKeepsTheLaterFields) {
    TempDir dir;
    Bytes corto = fileNoto();
    corto.resize(8 + 8 + 1 + 256);
    writeFile(cfg(dir), corto);

    Configurazione prima;
    prima.SalvaColonne = false;
    prima.DatiRicevitoria[2] = "resta";
    prima.ImpStampa.ColonnePerSchedina = 3;
    prima.ImpTabulato.NomeFont = "Resta";
    auto letta = prima;
    CaricaConfigurazione(letta, dir.path());

    auto attesa = prima;
    attesa.PrezzoLire = 1000;
    attesa.PrezzoEuro = 0.5;
    attesa.Euro = true;
    attesa.FileSfondo = "/home/gino/Immagini/Città.bmp";
    EXPECT_EQ(letta, attesa);
}

TEST(Configurazione, AnUnreadableFileGivesTheDefaultsSilently) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Sfondi");
    const auto sfondo =
        (dir / "Sfondi" / "irtex67b.Bmp").string();  // the folder is found without case
    auto fresca = ConfigurazioneIniziale(dir.path());
    CaricaConfigurazione(fresca, dir.path());  // no file at all
    auto predefinita = Configurazione{};
    predefinita.FileSfondo = sfondo;
    EXPECT_EQ(fresca, predefinita);

    auto attesa = configurazioneNota();
    attesa.PrezzoLire = 800;
    attesa.PrezzoEuro = 0.41316551927159;
    attesa.FileSfondo = sfondo;
    attesa.ImpStampa = SlipPrintSettings{};
    auto letta = configurazioneNota();
    CaricaConfigurazione(letta, dir.path());
    EXPECT_EQ(letta, attesa)
        << "prices, background and slip settings are reset; the rest keeps its values";

    std::filesystem::create_directory(cfg(dir));  // something that cannot be read as a file
    letta = configurazioneNota();
    CaricaConfigurazione(letta, dir.path());
    EXPECT_EQ(letta, attesa);
}

TEST(Configurazione, PricesThatAreNotNumbersTakeTheirDefaults) {
    TempDir dir;
    Bytes b;
    appendDouble(b, std::numeric_limits<double>::quiet_NaN());
    appendDouble(b, -std::numeric_limits<double>::infinity());
    b.push_back(1);
    writeFile(cfg(dir), b);
    Configurazione c;
    c.PrezzoLire = 1;
    c.PrezzoEuro = 2;
    CaricaConfigurazione(c, dir.path());
    EXPECT_EQ(c.PrezzoLire, 800);
    EXPECT_EQ(c.PrezzoEuro, 0.41316551927159);
    EXPECT_TRUE(c.Euro);
}

TEST(Configurazione, AFailedSaveRaisesItsMessage) {
    TempDir dir;
    EXPECT_EQ(erroreDi([&] { SalvaConfigurazione(configurazioneNota(), dir / "manca"); }),
              "Impossibile Salvare la Configurazione");
}
