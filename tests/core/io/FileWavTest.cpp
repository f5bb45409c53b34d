// PCM recordings read from bytes laid out by hand as RIFF/WAVE says: the
// format chunk, chunks to pass over (odd ones padded), the data chunk, and
// the files that are not such a recording.

#include "TestSupport.h"
#include "core/io/FileWav.h"

using ludo::io::LeggiWav;
using namespace ludo::test;

namespace {

Bytes Formato(unsigned tipo, unsigned canali, std::uint32_t frequenza, unsigned bit) {
    Bytes b;
    appendText(b, "fmt ");
    appendLE(b, 16, 4);
    appendLE(b, tipo, 2);
    appendLE(b, canali, 2);
    appendLE(b, frequenza, 4);
    appendLE(b, frequenza * canali * bit / 8, 4);
    appendLE(b, canali * bit / 8, 2);
    appendLE(b, bit, 2);
    return b;
}

Bytes Pezzo(const std::string& nome, const Bytes& corpo, std::uint32_t dichiarata) {
    Bytes b;
    appendText(b, nome);
    appendLE(b, dichiarata, 4);
    b.insert(b.end(), corpo.begin(), corpo.end());
    return b;
}

Bytes Riff(std::initializer_list<Bytes> pezzi) {
    Bytes corpo;
    appendText(corpo, "WAVE");
    for (const Bytes& p : pezzi) corpo.insert(corpo.end(), p.begin(), p.end());
    Bytes b;
    appendText(b, "RIFF");
    appendLE(b, static_cast<std::uint32_t>(corpo.size()), 4);
    b.insert(b.end(), corpo.begin(), corpo.end());
    return b;
}

// 1000 frames a second, so that a millisecond is a frame.
const Bytes kDieciFrame = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0};

TEST(FileWav, ReadsFormatAndDataPastOtherChunksWithTheirPadding) {
    const Bytes dispari = {'x', 'y', 'z'};
    Bytes lista = Pezzo("LIST", dispari, 3);
    lista.push_back(0);  // the pad byte of an odd chunk
    const auto suono =
        LeggiWav(Riff({Formato(1, 1, 1000, 16), lista, Pezzo("data", kDieciFrame, 20)}));
    ASSERT_TRUE(suono);
    EXPECT_EQ(suono->Frequenza, 1000u);
    EXPECT_EQ(suono->Canali, 1);
    EXPECT_EQ(suono->Bit, 16);
    EXPECT_EQ(suono->Dati, kDieciFrame);
    EXPECT_EQ(suono->DurataMs(), 10);
}

TEST(FileWav, StretchesAreWholeFramesClippedToTheRecording) {
    const auto suono = LeggiWav(Riff({Formato(1, 2, 1000, 8), Pezzo("data", kDieciFrame, 20)}));
    ASSERT_TRUE(suono);
    EXPECT_EQ(suono->BytePerFrame(), 2u);
    const auto tratto = suono->Tratto(2, 5);
    EXPECT_EQ(Bytes(tratto.begin(), tratto.end()), (Bytes{3, 0, 4, 0, 5, 0}));
    EXPECT_EQ(suono->Tratto(8, 500).size(), 4u);
    EXPECT_TRUE(suono->Tratto(20, 30).empty());
    EXPECT_TRUE(suono->Tratto(6, 3).empty());
}

TEST(FileWav, ADataChunkCutShortKeepsTheWholeFramesThere) {
    Bytes file = Riff({Formato(1, 1, 1000, 16), Pezzo("data", kDieciFrame, 20)});
    file.resize(file.size() - 5);
    const auto suono = LeggiWav(file);
    ASSERT_TRUE(suono);
    EXPECT_EQ(suono->Dati, Bytes(kDieciFrame.begin(), kDieciFrame.begin() + 14));
}

TEST(FileWav, RefusesWhatIsNotAPlainPcmRecording) {
    const Bytes dati = Pezzo("data", kDieciFrame, 20);
    EXPECT_FALSE(LeggiWav(Riff({Formato(3, 1, 1000, 32), dati}))) << "float samples";
    EXPECT_FALSE(LeggiWav(Riff({Formato(1, 6, 1000, 16), dati}))) << "six channels";
    EXPECT_FALSE(LeggiWav(Riff({Formato(1, 1, 0, 16), dati}))) << "no frequency";
    EXPECT_FALSE(LeggiWav(Riff({dati, Formato(1, 1, 1000, 16)}))) << "data before its format";
    EXPECT_FALSE(LeggiWav(Riff({Formato(1, 1, 1000, 16)}))) << "no data";
    const Bytes buono = Riff({Formato(1, 1, 1000, 16), dati});
    EXPECT_FALSE(LeggiWav(Bytes(buono.begin(), buono.begin() + 30))) << "cut in its format";
    Bytes altro = buono;
    altro[8] = 'A';
    EXPECT_FALSE(LeggiWav(altro)) << "not WAVE";
    EXPECT_FALSE(LeggiWav(Bytes{})) << "empty";
}

}  // namespace
