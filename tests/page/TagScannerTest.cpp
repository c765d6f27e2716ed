#include "page/model/TagScanner.h"

#include <functional>
#include <gtest/gtest.h>
#include <span>

namespace qor {
namespace {

struct KeywordRow {
    std::string_view keyword;
};

const KeywordRow* keyword(TParser& parser, std::span<const KeywordRow> rows) {
    return parser.Keyword(rows);
}

TEST(TagScanner, KeywordTakesTheFirstPrefixInTableOrder) {
    const KeywordRow longFirst[] = {{"COLORS"}, {"COLOR"}, {"COL"}};
    TParser parser("  colorful=1");
    EXPECT_EQ(keyword(parser, longFirst), &longFirst[1]);
    EXPECT_EQ(parser.remaining(), "ful=1");

    const KeywordRow shortFirst[] = {{"COL"}, {"COLOR"}};
    TParser shortParser("COLOR=1");
    EXPECT_EQ(keyword(shortParser, shortFirst),
              &shortFirst[0]); // the shorter one shadows the longer
}

TEST(TagScanner, StrictErrorsThrowWithTheirTexts) {
    const struct {
        const char* text;
        std::function<void(TParser&)> operation;
        const char* message;
    } cases[] = {
        {"abc", [](TParser& p) { p.Expect("="); }, "Expected \"=\""},
        {"abc", [](TParser& p) { p.Expect(""); }, "Expected <end-of-expression>"},
        {"abc",
         [](TParser& p) {
             const KeywordRow rows[] = {{"HREF"}, {"RETURN"}};
             keyword(p, rows);
         },
         "Expected one of several tokens HREF"},
        {"abc",
         [](TParser& p) {
             std::string value;
             p.ReadUntil("\"", value);
         },
         "Couldn't find \"\"\""},
    };
    for (const auto& c : cases) {
        TParser parser(c.text);
        try {
            c.operation(parser);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const EParseError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(TagScanner, LenientErrorsSetTheFailedFlagOnce) {
    TParser parser("abc");
    parser.setStrict(false);
    EXPECT_FALSE(parser.Expect("="));
    EXPECT_TRUE(parser.Failed());
    EXPECT_FALSE(parser.Failed()); // reading cleared it
    const KeywordRow rows[] = {{"X"}};
    EXPECT_EQ(keyword(parser, rows), nullptr);
    EXPECT_TRUE(parser.Failed());
    EXPECT_EQ(parser.remaining(), "abc"); // nothing was taken
}

TEST(TagScanner, ReadUntilFindsTheDelimiterRegardlessOfCaseAndKeepsTheText) {
    TParser parser("  Hallo Welt FlAsH=red");
    parser.setStrict(false);
    std::string value = "unchanged";
    EXPECT_TRUE(parser.ReadUntil("flash", value));
    EXPECT_EQ(value, "Hallo Welt ");
    EXPECT_EQ(parser.remaining(), "=red");

    value = "unchanged";
    EXPECT_FALSE(parser.ReadUntil("\"", value));
    EXPECT_EQ(value, "unchanged");
}

TEST(TagScanner, BlankDelimiterAlsoStopsAtCarriageReturn) {
    TParser parser("eins\rzwei drei");
    std::string value;
    ASSERT_TRUE(parser.ReadUntil(" ", value));
    EXPECT_EQ(value, "eins");
    ASSERT_TRUE(parser.ReadUntil(" ", value));
    EXPECT_EQ(value, "zwei");
    EXPECT_EQ(parser.Rest(), "drei");
    EXPECT_TRUE(parser.atEnd());
}

TEST(TagScanner, SkipPassesControlCharactersAndBlanks) {
    TParser parser("\t\r\n =x");
    EXPECT_TRUE(parser.Expect("="));
    EXPECT_TRUE(parser.Expect("X"));
    EXPECT_TRUE(parser.Expect(""));
}

TEST(TagScanner, UpperCasingCoversWindows1252Letters) {
    TParser parser("\xe4rger=1"); // "ärger"
    EXPECT_TRUE(parser.Expect("\xc4RGER"));
}

} // namespace
} // namespace qor
