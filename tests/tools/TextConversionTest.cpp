#include "qor-pack/TextConversion.h"

#include "qor-pack/PackError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qor::pack {
namespace {

using ::testing::HasSubstr;

struct ConversionCase {
    const char* name;
    std::string_view utf8;
    std::string_view cp1252;
};

class ConvertSourceTextTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertSourceTextTest, GivesWindows1252WithCrLf) {
    EXPECT_EQ(convertSourceText(GetParam().utf8, "x.txt"), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConvertSourceTextTest,
    ::testing::Values(ConversionCase{"Ascii", "abc", "abc"},
                      ConversionCase{"LineEnds", "a\nb\n", "a\r\nb\r\n"},
                      ConversionCase{"CrLfIsNotDoubled", "a\r\nb\r\n", "a\r\nb\r\n"},
                      ConversionCase{"EmptyLinesStay", "a\n\n\nb", "a\r\n\r\n\r\nb"},
                      ConversionCase{"GermanLetters", "ÄÖÜäöüß", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
                      ConversionCase{"SpanishLetters", "¿Año?¡Olé!ñÑ",
                                     "\xBF"
                                     "A\xF1o?\xA1Ol\xE9!\xF1\xD1"},
                      ConversionCase{"EuroAndDashFromTheUpperHalf", "€ – „“", "\x80 \x96 \x84\x93"},
                      ConversionCase{"SectionSignOfPageCommands", "§end",
                                     "\xA7"
                                     "end"},
                      ConversionCase{"TabStays", "a\tb", "a\tb"},
                      ConversionCase{"ByteOrderMarkIsDropped", "\xEF\xBB\xBFhola\n", "hola\r\n"},
                      ConversionCase{"Empty", "", ""}),
    [](const auto& test) { return std::string(test.param.name); });

struct RefusalCase {
    const char* name;
    std::string_view utf8;
    const char* location; // file:line:column
    const char* reason;
};

class RefuseSourceTextTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefuseSourceTextTest, NamesFileLineAndColumn) {
    try {
        convertSourceText(GetParam().utf8, "seite.htx");
        FAIL() << "converted although it should not";
    } catch (const PackError& error) {
        EXPECT_THAT(error.what(), HasSubstr(GetParam().location));
        EXPECT_THAT(error.what(), HasSubstr(GetParam().reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefuseSourceTextTest,
    ::testing::Values(
        RefusalCase{"ArrowOutsideTheCodePage", "a\nb\nüber → da", "seite.htx:3:6", "U+2192"},
        RefusalCase{"CyrillicLetter", "Привет", "seite.htx:1:1", "U+041F"},
        RefusalCase{"Emoji", "ok 😀", "seite.htx:1:4", "U+1F600"},
        RefusalCase{"CountsCharactersNotBytes", "äöü\xE2\x80\xA8", "seite.htx:1:4", "U+2028"},
        RefusalCase{"LatinOneByte", "caf\xE9", "seite.htx:1:4", "invalid UTF-8 (byte 0xE9)"},
        RefusalCase{"CutOffSequence", "ab\xC3", "seite.htx:1:3", "invalid UTF-8"},
        RefusalCase{"OverlongSlash", "\xC0\xAF", "seite.htx:1:1", "invalid UTF-8"},
        RefusalCase{"Surrogate", "x\xED\xA0\x80", "seite.htx:1:2", "invalid UTF-8"},
        RefusalCase{"NulWouldEndThePage", std::string_view("a\0b", 3), "seite.htx:1:2",
                    "control character U+0000"},
        RefusalCase{"C1Control", "\xC2\x81", "seite.htx:1:1", "control character U+0081"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SplitLinesTest, DropsCrBeforeLfAndTheEmptyTail) {
    EXPECT_EQ(splitLines("a\r\nb\n\nc\n"), (std::vector<std::string_view>{"a", "b", "", "c"}));
    EXPECT_EQ(splitLines("a\rb"), (std::vector<std::string_view>{"a\rb"}));
    EXPECT_TRUE(splitLines("").empty());
}

} // namespace
} // namespace qor::pack
