#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "TestSupport.h"
#include "core/io/Cp1252.h"
#include "core/io/ShortString.h"
#include "core/io/TextList.h"

using namespace ludo::io;
using ludo::test::appendLE;
using ludo::test::appendText;
using ludo::test::Bytes;

TEST(Cp1252, ItalianTextRoundTrips) {
    const std::string text = "à è é ì ò ù € Nº";
    const std::string encoded = utf8ToCp1252(text);
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()),
              (Bytes{0xE0, ' ', 0xE8, ' ', 0xE9, ' ', 0xEC, ' ', 0xF2, ' ', 0xF9, ' ', 0x80, ' ', 'N', 0xBA}));
    EXPECT_EQ(cp1252ToUtf8(encoded), text);
}

TEST(Cp1252, EveryByteDecodesAndDefinedOnesRoundTrip) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(cp1252ToUtf8("\x8A"), "Š");
    EXPECT_EQ(cp1252ToUtf8("\x9C"), "œ");
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "Ÿ");
    EXPECT_EQ(cp1252ToUtf8("\xFF"), "ÿ");
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
    EXPECT_EQ(utf8ToCp1252("Ω日"), "??");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");         // truncated sequence
    EXPECT_EQ(utf8ToCp1252("\xC3(b"), "?(b");       // bad continuation
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // emoji
}

TEST(Cp1252, CharacterCountingAndCutting) {
    EXPECT_EQ(utf8Length("Città€"), 6u);
    EXPECT_EQ(utf8Left("Città di Castello", 5), "Città");
    EXPECT_EQ(utf8Left("abc", 10), "abc");
}

TEST(ShortString, TwentyFiveCharactersIntoCapacityTwentyKeepTheFirstTwenty) {
    std::ostringstream out(std::ios::binary);
    BinaryWriter w(out);
    ASSERT_TRUE(writeShortString(w, "ABCDEFGHIJKLMNOPQRSTUVWXY", 20));
    Bytes expected = {20};
    appendText(expected, "ABCDEFGHIJKLMNOPQRST");
    const auto s = out.str();
    EXPECT_EQ(Bytes(s.begin(), s.end()), expected);
}

TEST(ShortString, WritesLengthTextAndZeroPaddingInWindows1252) {
    std::ostringstream out(std::ios::binary);
    BinaryWriter w(out);
    ASSERT_TRUE(writeShortString(w, "Città", 20));
    Bytes expected = {5, 'C', 'i', 't', 't', 0xE0};
    expected.resize(21, 0);
    const auto s = out.str();
    EXPECT_EQ(Bytes(s.begin(), s.end()), expected);
}

TEST(ShortString, ReadsAndClampsADamagedLength) {
    Bytes b = {3, 'I', 'n', 't', 'X', 'X'};  // capacity 5, tail bytes ignored
    Bytes damaged = {200, 'a', 'b', 'c', 'd', 'e'};
    auto in = ludo::test::streamOf(b);
    BinaryReader r(in);
    std::string text;
    ASSERT_TRUE(readShortString(r, 5, text));
    EXPECT_EQ(text, "Int");

    auto in2 = ludo::test::streamOf(damaged);
    BinaryReader r2(in2);
    ASSERT_TRUE(readShortString(r2, 5, text));
    EXPECT_EQ(text, "abcde");
}

TEST(ShortString, ShortReadLeavesTheTextAlone) {
    Bytes b = {3, 'I', 'n'};
    auto in = ludo::test::streamOf(b);
    BinaryReader r(in);
    std::string text = "prima";
    EXPECT_FALSE(readShortString(r, 20, text));
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
    auto in = ludo::test::streamOf(bytes);
    BinaryReader r(in);
    std::vector<std::string> lines = {"vecchia"};
    ASSERT_TRUE(readTextList(r, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"Prima riga", "", "Perch\xC3\xA9 no", ""}));

    std::ostringstream out(std::ios::binary);
    BinaryWriter w(out);
    ASSERT_TRUE(writeTextList(w, lines));
    Bytes expected = textList({"Prima riga", "", "Perch\xE9 no", ""});
    const auto s = out.str();
    EXPECT_EQ(Bytes(s.begin(), s.end()), expected);
}

TEST(TextList, AnEmptyListIsOnlyTheTerminator) {
    std::ostringstream out(std::ios::binary);
    BinaryWriter w(out);
    ASSERT_TRUE(writeTextList(w, {}));
    const auto s = out.str();
    EXPECT_EQ(Bytes(s.begin(), s.end()), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));

    auto in = ludo::test::streamOf({0xFF, 0xFF, 0xFF, 0xFF, 0x42});
    BinaryReader r(in);
    std::vector<std::string> lines = {"x"};
    ASSERT_TRUE(readTextList(r, lines));
    EXPECT_TRUE(lines.empty());
    std::uint8_t next = 0;
    ASSERT_TRUE(r.read(next)) << "the field after the list is where the reader stands";
    EXPECT_EQ(next, 0x42);
}

TEST(TextList, EndOfFileOrImpossibleLengthsEndTheReadKeepingWholeLines) {
    // A length claiming 2^31-1 bytes in a file of a few bytes.
    Bytes huge = textList({"uno"});
    huge.resize(huge.size() - 4);
    appendLE(huge, 0x7FFFFFFF, 4);
    appendText(huge, "poco");
    auto in = ludo::test::streamOf(huge);
    BinaryReader r(in);
    std::vector<std::string> lines;
    EXPECT_FALSE(readTextList(r, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"uno"}));

    Bytes negative;
    appendLE(negative, 0xFFFFFFFE, 4);  // -2
    auto in2 = ludo::test::streamOf(negative);
    BinaryReader r2(in2);
    EXPECT_FALSE(readTextList(r2, lines));
    EXPECT_TRUE(lines.empty());

    Bytes noTerminator;
    appendLE(noTerminator, 2, 4);
    appendText(noTerminator, "ok");
    auto in3 = ludo::test::streamOf(noTerminator);
    BinaryReader r3(in3);
    EXPECT_FALSE(readTextList(r3, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"ok"}));
}
