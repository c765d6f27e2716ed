#include "platform/Text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;

TEST(Text, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
    EXPECT_EQ(utf8ToCp1252Exact(utf8), all);
}

TEST(Text, HighBytesUseTheCodePageTable) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x80, "€"}, {0x8A, "Š"}, {0x9F, "Ÿ"},      {0x84, "„"},      {0x93, "“"},
        {0xE4, "ä"}, {0xDF, "ß"}, {0x81, "\u0081"}, {0x9D, "\u009D"}, {0xA0, "\u00A0"},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(cp1252ToUtf8(byte), c.utf8) << int(c.byte);
        EXPECT_EQ(utf8ToCp1252(c.utf8), byte) << int(c.byte);
    }
}

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\u0080b"), "a?b"); // a C1 control the code page uses for €
    EXPECT_EQ(utf8ToCp1252("Ω→😀"), "???");
    EXPECT_EQ(utf8ToCp1252Exact("Stra\u00DFe"), "Stra\337e");
    EXPECT_EQ(utf8ToCp1252Exact("Ω"), std::nullopt);
}

TEST(Text, InvalidUtf8BytesBecomeQuestionMarks) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"a\377b", "a?b"},            // never a UTF-8 byte
        {"\xC3", "?"},                // sequence cut off at the end
        {"\xC3(", "?("},              // continuation missing
        {"\xC0\xAF", "??"},           // overlong '/'
        {"\xED\xA0\x80", "???"},      // surrogate
        {"\xF4\x90\x80\x80", "????"}, // above U+10FFFF
        {"\x80x", "?x"},              // stray continuation byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToCp1252(c.input), c.expected);
        EXPECT_EQ(utf8ToCp1252Exact(c.input), std::nullopt);
    }
}

TEST(Text, CaseMappingCoversTheWholeCodePage) {
    EXPECT_EQ(upperCase("äöüàéñçø"_cp), "ÄÖÜÀÉÑÇØ"_cp);
    EXPECT_EQ(lowerCase("ÄÖÜÀÉÑÇØ"_cp), "äöüàéñçø"_cp);
    EXPECT_EQ(upperCase("šœžÿ"_cp), "ŠŒŽŸ"_cp);
    EXPECT_EQ(lowerCase("ŠŒŽŸ"_cp), "šœžÿ"_cp);
    // No capital partner in the code page, and the signs in the letter range.
    EXPECT_EQ(upperCase("ßµƒ÷×"_cp), "ßµƒ÷×"_cp);
    EXPECT_EQ(lowerCase("ßµƒ÷×"_cp), "ßµƒ÷×"_cp);
}

TEST(Text, CaseMappingOfSingleBytesIsConsistent) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const char upper = upperChar(c);
        const char lower = lowerChar(c);
        // Each letter maps to a partner that maps back.
        if (upper != c) {
            EXPECT_EQ(lowerChar(upper), c) << b;
        }
        if (lower != c) {
            EXPECT_EQ(upperChar(lower), c) << b;
        }
        EXPECT_FALSE(upper != c && lower != c) << b;
    }
}

TEST(Text, EqualsIgnoreCase) {
    EXPECT_TRUE(equalsIgnoreCase("Übung"_cp, "üBUNG"_cp));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    EXPECT_FALSE(equalsIgnoreCase("Straße"_cp, "STRASSE"));
    EXPECT_FALSE(equalsIgnoreCase("ab", "abc"));
    EXPECT_FALSE(equalsIgnoreCase("÷", "×"));
}

TEST(Text, LiteralConvertsToTheCodePage) {
    EXPECT_EQ("Für"_cp, std::string("F\xFCr"));
}

} // namespace
} // namespace qor
