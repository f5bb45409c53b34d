#include "TestSupport.h"
#include "core/io/Cp1252.h"
#include "core/io/ShortString.h"
#include "core/io/TextList.h"

using namespace ludo::io;
using namespace ludo::test;

TEST(Cp1252, EveryByteDecodesAndDefinedOnesRoundTrip) {
    for (const auto& [byte, testo] : {std::pair{"\x80", "€"}, {"\x8A", "Š"}, {"\x9C", "œ"}, {"\x9F", "Ÿ"},
                                      {"\xBA", "º"}, {"\xE0", "à"}, {"\xFF", "ÿ"}})
        EXPECT_EQ(cp1252ToUtf8(byte), testo);
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string decoded = cp1252ToUtf8(byte);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            EXPECT_EQ(decoded, "\xEF\xBF\xBD") << "undefined byte " << b;
            EXPECT_EQ(utf8ToCp1252(decoded), "?");
        } else {
            EXPECT_EQ(utf8ToCp1252(decoded), byte) << "byte " << b;
        }
    }
}

TEST(Cp1252, CharactersOutsideThePageAndBrokenUtf8BecomeQuestionMarks) {
    // Outside the page, a truncated sequence, a bad continuation, an emoji.
    for (const auto& [utf8, cp1252] :
         {std::pair{"Ω日", "??"}, {"a\xC3", "a?"}, {"\xC3(b", "?(b"}, {"\xF0\x9F\x98\x80", "?"}})
        EXPECT_EQ(utf8ToCp1252(utf8), cp1252) << cp1252;
}

TEST(Cp1252, CharacterCountingAndCutting) {
    EXPECT_EQ(utf8Length("Città€"), 6u);
    EXPECT_EQ(utf8Left("Città di Castello", 5), "Città");
    EXPECT_EQ(utf8Left("abc", 10), "abc");
}

TEST(ShortString, WritesLengthTextAndZeroPaddingInWindows1252UpToTheCapacity) {
    Bytes citta = {5, 'C', 'i', 't', 't', 0xE0};
    citta.resize(21, 0);
    EXPECT_EQ(scritto([](BinaryWriter& w) { return writeShortString(w, "Città", 20); }), citta);
    // Twenty-five characters into a capacity of twenty keep the first twenty.
    Bytes tagliata = {20};
    appendText(tagliata, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(scritto([](BinaryWriter& w) {
                  return writeShortString(w, "ABCDEFGHIJKLMNOPQRSTUVWXY", 20);
              }),
              tagliata);
}

TEST(ShortString, ReadsClampsADamagedLengthAndLeavesTheTextAloneOnAShortRead) {
    std::string text;
    Lettura capacitaCinque({3, 'I', 'n', 't', 'X', 'X'});  // tail bytes ignored
    ASSERT_TRUE(readShortString(capacitaCinque.r, 5, text));
    EXPECT_EQ(text, "Int");
    Lettura danneggiata({200, 'a', 'b', 'c', 'd', 'e'});
    ASSERT_TRUE(readShortString(danneggiata.r, 5, text));
    EXPECT_EQ(text, "abcde");

    Lettura corta({3, 'I', 'n'});
    text = "prima";
    EXPECT_FALSE(readShortString(corta.r, 20, text));
    EXPECT_EQ(text, "prima");
}

namespace {
Bytes textList(std::initializer_list<std::string> lines) {
    Bytes b;
    for (const auto& l : lines) {
        appendLE(b, l.size(), 4);
        appendText(b, l);
    }
    appendLE(b, 0xFFFFFFFF, 4);
    return b;
}
}  // namespace

TEST(TextList, LinesIncludingEmptyOnesRoundTrip) {
    const Bytes bytes = textList({"Prima riga", "", "Perch\xE9 no", ""});
    Lettura l(bytes);
    std::vector<std::string> lines = {"vecchia"};
    ASSERT_TRUE(readTextList(l.r, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"Prima riga", "", "Perch\xC3\xA9 no", ""}));
    EXPECT_EQ(scritto([&](BinaryWriter& w) { return writeTextList(w, lines); }), bytes);
}

TEST(TextList, AnEmptyListIsOnlyTheTerminator) {
    EXPECT_EQ(scritto([](BinaryWriter& w) { return writeTextList(w, {}); }),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));

    Lettura l({0xFF, 0xFF, 0xFF, 0xFF, 0x42});
    std::vector<std::string> lines = {"x"};
    ASSERT_TRUE(readTextList(l.r, lines));
    EXPECT_TRUE(lines.empty());
    std::uint8_t next = 0;
    ASSERT_TRUE(l.r.read(next)) << "the field after the list is where the reader stands";
    EXPECT_EQ(next, 0x42);
}

TEST(TextList, EndOfFileOrImpossibleLengthsEndTheReadKeepingWholeLines) {
    // A length claiming 2^31-1 bytes in a file of a few bytes.
    Bytes huge = textList({"uno"});
    huge.resize(huge.size() - 4);
    appendLE(huge, 0x7FFFFFFF, 4);
    appendText(huge, "poco");
    std::vector<std::string> lines;
    EXPECT_FALSE(readTextList(Lettura(huge), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"uno"}));

    Bytes negative;
    appendLE(negative, 0xFFFFFFFE, 4);  // -2
    EXPECT_FALSE(readTextList(Lettura(negative), lines));
    EXPECT_TRUE(lines.empty());

    Bytes noTerminator;
    appendLE(noTerminator, 2, 4);
    appendText(noTerminator, "ok");
    EXPECT_FALSE(readTextList(Lettura(noTerminator), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"ok"}));
}
