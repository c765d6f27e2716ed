// Scanning page text: words, spaces, entities, substitutions, comments,
// sections and the title.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "platform/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::describeItems;
using test::wordItem;

std::string parsed(std::string_view text) {
    PageModel model;
    model.Parse(text, false);
    return describeItems(model);
}

TEST(ParserText, WordsSpacesAndBreaks) {
    const struct {
        const char* text;
        const char* items;
    } cases[] = {
        {"<b>a</b> b", "a|_|b"},
        {"  eins \t\r\n  zwei\r\n", "eins|_|zwei"}, // one space, none at the start
        {"a<br> b", "a|/|b"},                       // none after a line break
        {"a <br>b", "a|/|b"},                       // a blank before a break is dropped
        {"a<p>  b", "a|//|b"},
        {"a<b>b</b>c", "a|b|c"},  // glued words stay apart items
        {"a <b> <i> b", "a|_|b"}, // blanks around tags: one space
        {"<<b> a<<", "<b>|_|a|<"},
        {"x<<<y", "x|<"}, // "<y" opens a tag that never closes
        {"a <!-- kommentar -- > b", "a|_|b"},
        {"<HTML>a</HTML>", "a"},
        {"a <unbekannt tag> b", "a|_|b"},
        {"a <b", "a"}, // no closing ">": the scan ends
        {"&lt;&gt; &amp;x", "<&gt;|_|&x"},
        {"a &nil; b", "a|_||_|b"}, // &nil; makes an empty word
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.text), c.items) << c.text;
}

TEST(ParserText, EmbeddedNulEndsTheText) {
    using namespace std::string_literals;
    EXPECT_EQ(parsed("a\0b"s), "a");
}

TEST(ParserText, SpaceKeepsTheFormatOfItsFirstBlank) {
    PageModel model;
    model.Parse("a <b> b", false);
    ASSERT_EQ(model.items().size(), 3u);
    EXPECT_EQ(model.items()[1].format->styleBits, 0); // the blank came before <b>
    EXPECT_EQ(model.items()[2].format->styleBits, TextStyle::Bold);
}

TEST(ParserText, SpaceJoinsALinkOnlyWhenTheItemBeforeBelongsToIt) {
    PageModel model;
    model.Parse("vor <a href=\"x.htx\">zwei worte</a> nach", false);
    ASSERT_EQ(describeItems(model), "vor|_|zwei|_|worte|_|nach");
    const auto& items = model.items();
    EXPECT_EQ(items[1].format->areaIndex, -1); // before the link
    EXPECT_EQ(items[2].format->areaIndex, 0);
    EXPECT_EQ(items[3].format->areaIndex, 0); // inside the link
    EXPECT_EQ(items[5].format->areaIndex, -1);
}

TEST(ParserText, ItemsOfOneFormatShareItSoThatLongPagesStaySmall) {
    PageModel model;
    model.Parse("vor <a href=\"x.htx\">zwei worte</a> nach und noch mehr", false);
    const auto& items = model.items();
    ASSERT_EQ(items.size(), 13u);
    const auto shared = [&items](std::size_t a, std::size_t b) {
        return &*items[a].format == &*items[b].format;
    };
    EXPECT_TRUE(shared(0, 1));  // a word and its space
    EXPECT_TRUE(shared(2, 4));  // inside the link
    EXPECT_FALSE(shared(1, 2)); // the link's format is another one
    EXPECT_TRUE(shared(6, 12)); // after the link, to the end
    EXPECT_EQ(items[4].format->areaIndex, 0);
    EXPECT_EQ(items[6].format->areaIndex, -1);
}

TEST(ParserText, EveryTagCountsInTheSerial) {
    PageModel model;
    model.Parse("a<!-- x --><b><unknown>b", false);
    EXPECT_EQ(model.items()[1].format->serial - model.items()[0].format->serial, 3);
}

TEST(ParserText, SubstitutionsComeFromDefinitionsThenTheHost) {
    PageModel model;
    model.SetDefine("Name", "Ana <b>Garc&iacute;a</b>");
    model.Parse("Hallo $[name]! $[fehlt] x$[name]", false);
    EXPECT_EQ(describeItems(model), "Hallo|_|Ana|_|Garc\xed"
                                    "a|!|_|[undefined]|_|x$[name]");
    EXPECT_EQ(wordItem(model, "Garc\xed"
                              "a")
                  .format->styleBits,
              TextStyle::Bold);

    PageModel hosted;
    std::vector<std::string> asked;
    hosted.OnSpecialCode = [&](std::string& code) {
        asked.push_back(code);
        code = code == "punkte" ? "17" : "";
    };
    hosted.Parse("$[punkte] Punkte $[leer]", false);
    EXPECT_EQ(describeItems(hosted), "17|_|Punkte");
    EXPECT_EQ(asked, (std::vector<std::string>{"punkte", "leer"}));
}

TEST(ParserText, SubstitutionValuesAreNotExpandedAgain) {
    PageModel model;
    model.SetDefine("selbst", "$[selbst]");
    model.Parse("$[selbst] ende", false); // would never end if expanded again
    EXPECT_EQ(describeItems(model), "$[selbst]|_|ende");
}

TEST(ParserText, DollarWithoutClosingBracketIsPlainText) {
    EXPECT_EQ(parsed("kostet $[5 Euro"), "kostet|_|$[5|_|Euro");
    EXPECT_EQ(parsed("$5"), "$5");
}

TEST(ParserText, UnclosedTagInsideASubstitutionEndsOnlyTheValue) {
    PageModel model;
    model.SetDefine("kaputt", "a <b");
    model.Parse("$[kaputt] weiter", false);
    EXPECT_EQ(describeItems(model), "a|_|weiter");
}

TEST(ParserText, TitleIsTheTextUpToTheNextTag) {
    PageModel model;
    EXPECT_EQ(model.title(), "ohne Titel");
    model.Parse("<TITLE>Men\xfc <b>eins</b></TITLE>Text", false);
    EXPECT_EQ(model.title(), "Men\xfc eins");
    EXPECT_EQ(describeItems(model), "Text");
}

TEST(ParserText, TitleRunningToTheEndTakesTheRest) {
    PageModel model;
    model.Parse("vorher <title>bis zum Ende", false);
    EXPECT_EQ(model.title(), "bis zum Ende");
    EXPECT_EQ(describeItems(model), "vorher");
}

TEST(ParserText, PreKeepsLinesAndBlanks) {
    PageModel model;
    model.Parse("<PRE>\r\n  a  b\r\n\tc\r\n</PRE> d", false);
    ASSERT_EQ(describeItems(model), "_|a|_|b|/|_|c|/|d"); // normal text again after </PRE>
    EXPECT_EQ(model.items()[0].text, "  ");
    EXPECT_EQ(model.items()[2].text, "  ");
    EXPECT_EQ(model.items()[5].text, "    "); // a tab counts four blanks
    EXPECT_TRUE(model.items()[1].format->fixedPitch);
    EXPECT_EQ(model.items()[1].format->face, "Courier New");
    EXPECT_EQ(model.items()[1].format->size, 2);
    EXPECT_FALSE(model.items().back().format->fixedPitch);
    EXPECT_EQ(model.items().back().format->face, "Times New Roman");
}

TEST(ParserText, ContinuedParsesKeepFormatAndPendingSpace) {
    PageModel model;
    model.Parse("<b>a ", false);
    model.Parse("b", true);
    EXPECT_EQ(describeItems(model), "a|_|b");
    EXPECT_EQ(model.items()[2].format->styleBits, TextStyle::Bold);

    model.Parse("c", false); // a fresh format
    EXPECT_EQ(model.items().back().format->styleBits, 0);
}

} // namespace
} // namespace qor
