// Reading slips aloud without sound: the numbers each tick speaks, the slip
// range, the pause after a slip, the timer interval, and the recording the
// build makes, measured segment by segment.

#include <cmath>

#include "TestSupport.h"
#include "core/checking/Dettatura.h"

using namespace ludo;
using ludo::test::col;

namespace {

using Stato = TDettatura::Stato;

// Seven columns: column i holds 8 numbers starting at i + 1.
ListaColonne Sette() {
    std::vector<Colonna> colonne;
    for (int i = 0; i < 7; ++i) colonne.push_back(0xFFu << i);
    return test::listaDi(colonne);
}

TEST(Dettatura, SevenColumnsAreTwoSlipsReadToTheSingleColumnOfTheSecondThenStop) {
    TDettatura d(Sette());
    d.PausaDopoSchedina = false;
    ASSERT_EQ(d.NumeroSchedine(), 2);
    EXPECT_EQ(d.Alla(), 2);
    EXPECT_TRUE(d.Avvia());
    std::vector<TDettatura::Passo> passi;
    while (d.TimerAttivo() && passi.size() < 100) passi.push_back(d.Tick());
    ASSERT_EQ(passi.size(), 7u * 8u);
    for (std::size_t i = 0; i < passi.size(); ++i) {
        const int colonnaLista = static_cast<int>(i / 8);  // 0..6
        const int posizione = static_cast<int>(i % 8) + 1;
        EXPECT_EQ(passi[i].Numero, colonnaLista + posizione) << i;
        EXPECT_EQ(passi[i].Colonna, colonnaLista % 6 + 1) << i;
        EXPECT_EQ(passi[i].Posizione, posizione) << i;
        EXPECT_EQ(passi[i].NuovaSchedina, i == 47) << i;
    }
    EXPECT_EQ(passi.back().Dopo, Stato::Fermo);
    EXPECT_EQ(d.Schedina(), 1) << "stop goes back to the first slip of the range";
}

TEST(Dettatura, PausesAfterEverySlipUntilPlayIsPressedAgain) {
    TDettatura d(test::listaDi(std::vector<Colonna>(13, col({1, 2, 3, 4, 5, 6, 7, 8}))));
    ASSERT_TRUE(d.PausaDopoSchedina) << "checked from the start";
    d.Avvia();
    for (int schedina = 1; schedina <= 2; ++schedina) {
        for (int i = 1; i < 48; ++i) ASSERT_EQ(d.Tick().Dopo, Stato::InCorso);
        const auto ultimo = d.Tick();
        EXPECT_TRUE(ultimo.NuovaSchedina);
        EXPECT_EQ(ultimo.Dopo, Stato::InPausa);
        EXPECT_FALSE(d.TimerAttivo());
        EXPECT_EQ(d.Schedina(), schedina + 1);
        EXPECT_FALSE(d.Avvia()) << "a paused dictation goes on, the slip is not shown again";
    }
    const auto unico = d.Tick();
    EXPECT_EQ(unico.Colonna, 1);
    EXPECT_EQ(unico.Posizione, 1);
}

TEST(Dettatura, PauseTogglesAndStopReturnsToTheFirstSlipOfTheRange) {
    TDettatura d(test::listaDi(std::vector<Colonna>(30, col({1, 2, 3, 4, 5, 6, 7, 8}))));
    EXPECT_EQ(d.ImpostaAlla(4), 4);
    EXPECT_EQ(d.ImpostaDalla(3), 3);
    d.Avvia();
    d.Tick();
    d.Tick();
    d.Pausa();
    EXPECT_EQ(d.StatoCorrente(), Stato::InPausa);
    d.Pausa();
    EXPECT_EQ(d.StatoCorrente(), Stato::InCorso);
    EXPECT_EQ(d.Tick().Posizione, 3) << "the pause keeps the place";
    d.Ferma();
    EXPECT_EQ(d.StatoCorrente(), Stato::Fermo);
    EXPECT_EQ(d.Schedina(), 3);
    EXPECT_TRUE(d.Avvia());
    EXPECT_EQ(d.Tick().Posizione, 1) << "play after stop reads the slip from its start";
}

TEST(Dettatura, TheRangeKeepsItsFirstSlipNotAboveItsLast) {
    TDettatura d(test::listaDi(std::vector<Colonna>(30, col({1, 2, 3, 4, 5, 6, 7, 8}))));
    EXPECT_EQ(d.NumeroSchedine(), 5);
    EXPECT_EQ(d.ImpostaAlla(3), 3);
    EXPECT_EQ(d.ImpostaDalla(4), 3) << "set back to the last slip";
    EXPECT_EQ(d.Schedina(), 3);
    EXPECT_EQ(d.ImpostaAlla(2), 3) << "set back to the first slip";
    EXPECT_EQ(d.ImpostaAlla(9), 5);
    EXPECT_EQ(d.ImpostaDalla(0), 1);
    // The last slip lowered below the one being read ends the dictation
    // after that slip.
    d.ImpostaAlla(5);
    d.PausaDopoSchedina = false;
    d.Avvia();
    for (int i = 0; i < 2 * 48; ++i) d.Tick();
    ASSERT_EQ(d.Schedina(), 3);
    d.ImpostaAlla(2);
    int tick = 0;
    while (d.TimerAttivo() && tick < 1000) d.Tick(), ++tick;
    EXPECT_EQ(tick, 48);
    EXPECT_EQ(d.Schedina(), 1);
}

TEST(Dettatura, LongColumnsAreReadToTheirEndAndAnEmptyColumnEndsTheSlip) {
    const Colonna dieci = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 32});
    TDettatura d(test::listaDi({dieci, 0, col({11, 12, 13, 14, 15, 16, 17, 18})}));
    d.Avvia();
    std::vector<int> numeri;
    while (d.TimerAttivo() && numeri.size() < 100) numeri.push_back(d.Tick().Numero);
    EXPECT_EQ(numeri, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 32}));
}

TEST(Dettatura, ASecondAndTheChosenPauseBetweenNumbers) {
    EXPECT_EQ(IntervalloTimer(PausaIniziale), 1500);
    EXPECT_EQ(IntervalloTimer(PausaMinima), 1100);
    EXPECT_EQ(IntervalloTimer(PausaMassima), 6000);
}

TEST(Dettatura, NoSlipsNothingToRead) {
    TDettatura d{ListaColonne{}};
    EXPECT_EQ(d.NumeroSchedine(), 0);
    EXPECT_FALSE(d.Avvia());
    EXPECT_FALSE(d.TimerAttivo());
    EXPECT_EQ(d.Tick().Numero, 0);
    EXPECT_TRUE(d.ColonneCorrenti().empty());
}

TEST(FileVocale, AMissingOrShortRecordingCannotBeLoaded) {
    test::TempDir cartella;
    const auto file = PercorsoFileVocale(cartella.path());
    EXPECT_EQ(file, cartella.path() / "WAV" / "vocal.Wav");
    EXPECT_EQ(test::erroreDi([&] { CaricaFileVocale(file); }), MsgFileVocale);
    // A valid recording of one second stops well before number 32.
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write("RIFF\x0C\x04\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\xE8\x03\0\0\xE8\x03\0\0\x01\0\x08\0data\xE8\x03\0\0",
               44)
        .write(std::string(1000, '\x80').data(), 1000);
    EXPECT_TRUE(io::LeggiWav(file));
    EXPECT_THROW(CaricaFileVocale(file), Errore);
    // A program folder without the recording takes the installed one.
    test::TempDir vecchia;
    EXPECT_EQ(PercorsoFileVocale(vecchia.path(), cartella.path()), file);
    EXPECT_EQ(PercorsoFileVocale(vecchia.path(), vecchia.path()), vecchia.path() / "WAV" / "vocal.Wav");
}

// Root mean square of 16-bit mono samples between two times.
double Rms(const io::SuonoWav& suono, int daMs, int aMs) {
    const auto tratto = suono.Tratto(daMs, aMs);
    double somma = 0;
    const std::size_t campioni = tratto.size() / 2;
    for (std::size_t i = 0; i < campioni; ++i) {
        const auto v = static_cast<std::int16_t>(tratto[2 * i] | tratto[2 * i + 1] << 8);
        somma += static_cast<double>(v) * v;
    }
    return campioni == 0 ? 0.0 : std::sqrt(somma / static_cast<double>(campioni));
}

TEST(FileVocale, TheBuiltRecordingSpeaksEveryNumberInItsSegmentAndIsQuietBetween) {
    const io::SuonoWav suono = CaricaFileVocale(LUDO_FILE_VOCALE);
    ASSERT_EQ(suono.Canali, 1);
    ASSERT_EQ(suono.Bit, 16);
    constexpr double Silenzio = 30;  // of 32767: below -60 dB
    constexpr double Voce = 1000;
    EXPECT_LT(Rms(suono, 0, TrattoNumero(1).Da), Silenzio);
    for (int n = 1; n <= 32; ++n) {
        const TrattoVoce t = TrattoNumero(n);
        EXPECT_GT(Rms(suono, t.Da, t.A), Voce) << n;
        const int prossimo = n < 32 ? TrattoNumero(n + 1).Da : static_cast<int>(suono.DurataMs());
        EXPECT_LT(Rms(suono, t.A, prossimo), Silenzio) << "after " << n;
    }
}

}  // namespace
