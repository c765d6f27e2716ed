#include "qor-pack/DataFile.h"

#include "qor-pack/PackError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qor::pack {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Strings = std::vector<std::string>;

TEST(DataFileSourceTest, CommentsAndBlankLinesYieldNothing) {
    const std::string source = "# Spanisch-Deutsch\n"
                               "el padre\n1\n(der) Vater\n"
                               "\n  \n"
                               "# zweiter Eintrag\n"
                               "la madre\n1\n(die) Mutter\n";
    EXPECT_THAT(parseDataFileSource(source, "s_d.txt", 3),
                ElementsAre("el padre", "1", "(der) Vater", "la madre", "1", "(die) Mutter"));
}

TEST(DataFileSourceTest, BackslashTakesTheRestLiterally) {
    const std::string source = "\\\n"      // empty string
                               "\\#1\n"    // would be a comment
                               "\\\\x\n"   // starts with a backslash
                               "\\  \n"    // blanks only
                               " #a b \n"; // not a comment: '#' is not first
    EXPECT_THAT(parseDataFileSource(source, "x.txt"), ElementsAre("", "#1", "\\x", "  ", " #a b "));
}

TEST(DataFileSourceTest, ConvertsToWindows1252AndAcceptsCrLfSources) {
    EXPECT_THAT(parseDataFileSource("el té\r\ndie Größe\r\n", "x.txt"),
                ElementsAre("el t\xE9", "die Gr\xF6\xDF"
                                        "e"));
}

TEST(DataFileSourceTest, RefusesUnrepresentableCharactersWithTheirLine) {
    try {
        parseDataFileSource("# Kommentar\nel padre\n1\nVater → Papa\n", "s_d.txt");
        FAIL() << "parsed although it should not";
    } catch (const PackError& error) {
        EXPECT_THAT(error.what(), HasSubstr("s_d.txt:4:7"));
    }
}

TEST(DataFileSourceTest, RecordSizeCatchesAMissingLineInItsGroup) {
    const std::string source = "el padre\n1\n(der) Vater\n"
                               "\n"
                               "la madre\n(die) Mutter\n" // the class is missing
                               "\n"
                               "el hijo\n1\n(der) Sohn\n";
    try {
        parseDataFileSource(source, "s_d.txt", 3);
        FAIL() << "parsed although a line is missing";
    } catch (const PackError& error) {
        EXPECT_THAT(error.what(), HasSubstr("s_d.txt:5:"));
        EXPECT_THAT(error.what(), HasSubstr("2 strings, not a multiple of 3"));
    }
    EXPECT_EQ(parseDataFileSource(source, "s_d.txt").size(), 8u);
}

TEST(DataFileSourceTest, GroupsMayHoldSeveralRecords) {
    EXPECT_EQ(parseDataFileSource("a\nXS:\\a.wav\nb\nXS:\\b.wav\n", "s_w.txt", 2).size(), 4u);
}

TEST(DataFileContentTest, EveryStringEndsWithAZeroByte) {
    EXPECT_EQ(joinDataFileStrings({"ab", "", "c"}), std::string("ab\0\0c\0", 6));
    EXPECT_EQ(joinDataFileStrings({}), "");
}

TEST(DataFileContentTest, SplitsWhatJoinWrote) {
    const Strings strings = {"el padre", "1", "", "(der) Vater"};
    EXPECT_EQ(splitDataFileContent(joinDataFileStrings(strings), "x"), strings);
    EXPECT_TRUE(splitDataFileContent("", "x").empty());
}

TEST(DataFileContentTest, RefusesContentCutOffInsideAString) {
    EXPECT_THROW(splitDataFileContent(std::string("ab\0cd", 5), "s_d.qor"), PackError);
}

TEST(DataFileSourceTest, FormattedSourceReadsBackTheSameStrings) {
    const Strings strings = {"el t\xE9", "", "#1", "\\x", "   ", " a", "\xBFQu\xE9?", "1"};
    const std::string source = formatDataFileSource(strings);
    EXPECT_EQ(parseDataFileSource(source, "x.txt"), strings);
    EXPECT_THAT(source, HasSubstr("el té\n\\\n\\#1\n"));
}

TEST(DataFileSourceTest, FormatsRecordsAsGroups) {
    EXPECT_EQ(formatDataFileSource({"a", "1", "A", "b", "2", "B"}, 3), "a\n1\nA\n\nb\n2\nB\n");
}

TEST(DataFileSourceTest, RefusesToFormatALineBreak) {
    EXPECT_THROW(formatDataFileSource({"zwei\r\nZeilen"}), PackError);
}

} // namespace
} // namespace qor::pack
