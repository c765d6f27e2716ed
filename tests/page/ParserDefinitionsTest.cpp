// Definitions, aliases, colour names, conditional sections, page
// arithmetic and included files.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "platform/ScriptedMessages.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::describeItems;
using test::findWord;
using test::wordItem;

TEST(ParserDefinitions, DefineReadsPairsAndMarkup) {
    PageModel model;
    model.Parse("<DEFINE $a=\"eins\" $ B = \"zwei drei\" $=\"leer\" $fett=\"{b class='x'}F{/b}\">"
                "$[fett]",
                false);
    EXPECT_EQ(model.GetDefine("A"), "eins");
    EXPECT_EQ(model.GetDefine("b"), "zwei drei");
    EXPECT_EQ(model.definitions().size(), 3u); // the empty name is skipped
    EXPECT_EQ(model.GetDefine("fett"), "<b class=\"x\">F</b>");
    EXPECT_EQ(wordItem(model, "F").format->styleBits, TextStyle::Bold);
}

TEST(ParserDefinitions, DefinitionsOutliveThePageAliasesDoNot) {
    PageModel model;
    model.Parse("<define $d=\"1\"><alias #a=\"2\"><colors c=#ff0000>", false);
    model.Clear();
    EXPECT_EQ(model.GetDefine("d"), "1");
    EXPECT_TRUE(model.aliases().empty());
    EXPECT_TRUE(model.page().colorNames.empty());
}

TEST(ParserDefinitions, AliasesAreStoredWithTheirHash) {
    PageModel model;
    model.Parse("<ALIAS #weiter=\"seite2.htx\" #=\"nichts\" #stern=\"*\">"
                "<alias #Weiter=\"*\">",
                false);
    EXPECT_EQ(model.aliases().get("#WEITER"), "*seite2.htx");
    EXPECT_EQ(model.aliases().find("#"), nullptr);
    EXPECT_EQ(model.aliases().get("#stern"), "*");
}

TEST(ParserDefinitions, ColorNamesMayReferToEachOther) {
    PageModel model;
    model.Parse("<COLORS c1=c2 c2=#ff0000 =#00ff00 leer=><font color=c1>w", false);
    EXPECT_EQ(wordItem(model, "w").format->textColor, rgbColor(0xFF, 0, 0));
    EXPECT_EQ(model.page().colorNames.size(), 3u);
    EXPECT_EQ(model.page().colorNames.get("leer", "x"), "");
}

TEST(ParserDefinitions, ConditionsShowOrSkipSections) {
    const struct {
        const char* text;
        const char* items;
        const char* title = "ohne Titel";
    } cases[] = {
        {"a<IF abc>b</IF>c", "a|b|c"}, // ABC is a condition, any case
        {"a<IF xyz>b</IF>c", "a|c"},
        {"a<IF xyz>b<ELSE>c</IF>d", "a|c|d"},
        {"a<IF abc>b<ELSE>c</IF>d", "a|b|d"},
        {"<IF $voll>v</IF><IF $leer>l</IF><IF $fehlt>f</IF>", "v"},
        {"<IF $leer>l<ELSE>nicht</IF>", "nicht"},
        {"<IF $voll>v<ELSE>w</IF>", "v"}, // ELSE turns the IF's answer round
        {"<IF #da>d</IF><IF #weg>w<ELSE>x</IF>", "d|x"},
        {"<IF ?quiz>q<ELSE>nq</IF><IF ?andere>a<ELSE>na</IF>", "q|na"},
        {"<IF #ex>e<ELSE>keine</IF>", "keine"},
        {"<IF xyz>b<IF abc>c</IF>d", "d"}, // sections do not nest
        {"<IF xyz>b<b>c</b><font size=7>d</IF>e", "e"},
        {"<IF abc  >b</IF>c", "c"}, // the condition is "abc  "
        {"<IF xyz>nie bis zum Ende", ""},
        {"<ELSE>a", "a"},
        {"<IF abc>a</IF><ELSE>b", "a|b"},
        {"<TITLE>abc<ELSE>def</TITLE>ghi", "def|ghi", "abc"}, // ELSE ends the title
        {"<IF xyz><TITLE>x</TITLE>b</IF>", ""},               // </TITLE> reveals nothing
        {"<IF xyz>$[zaehler]</IF>", ""}, // the host is not asked for hidden text
    };
    for (const auto& c : cases) {
        PageModel model;
        model.SetCondition("ABC", true);
        model.SetDefine("voll", "1");
        model.SetDefine("leer", "");
        int asked = 0;
        model.OnSpecialCode = [&](std::string& code) {
            ++asked;
            code = code == "quiz" ? "+" : "-";
        };
        model.Parse("<alias #da=\"1\">" + std::string(c.text), false);
        EXPECT_EQ(describeItems(model), c.items) << c.text;
        EXPECT_LE(asked, 2) << c.text;
        EXPECT_EQ(model.title(), c.title) << c.text;
    }
}

TEST(ParserDefinitions, ExerciseConditionHoldsWhileAnExerciseIsParsed) {
    PageModel model;
    model.setExerciseActive(true);
    model.Parse("<IF #ex>e<ELSE>keine</IF>", false);
    EXPECT_EQ(describeItems(model), "e");
}

TEST(ParserDefinitions, HiddenSectionsChangeNothing) {
    PageModel model;
    model.Parse("<IF nein><b><define $x=\"1\"><body bgcolor=#000000><box coords=\"1,1,1,1\">"
                "</IF>w",
                false);
    EXPECT_EQ(wordItem(model, "w").format->styleBits, 0);
    EXPECT_EQ(model.GetDefine("x"), "");
    EXPECT_EQ(model.page().colors.background, ColorValue::White);
    EXPECT_TRUE(model.page().boxes.empty());
}

TEST(ParserDefinitions, ConditionListIgnoresCase) {
    PageModel model;
    model.SetCondition("Quiz", true);
    model.SetCondition("QUIZ", true);
    EXPECT_EQ(model.Bedingung().names().size(), 1u);
    EXPECT_TRUE(model.HasCondition("quiz"));
    model.SetCondition("quiz", false);
    EXPECT_FALSE(model.HasCondition("Quiz"));
}

class PageFolder : public ::testing::Test {
protected:
    test::TempDir dir;
    PageModel model;
    ScriptedMessages messages;

    void SetUp() override { model.setCurrentPage(dir.path(), "lektion05.htx"); }
};

TEST_F(PageFolder, PageArithmeticFindsNeighboursAndSetsConditions) {
    dir.file("lektion06.htx", "x");
    model.Parse("<a href=\"!+@Weiter\">vor</a> <a href=\"!-\">zur\xfc"
                "ck</a>"
                "<alias #next=\"!+\">",
                false);
    EXPECT_TRUE(model.HasCondition("next"));
    EXPECT_FALSE(model.HasCondition("prev"));
    EXPECT_EQ(model.page().areaNames[0], dir.path() + "lektion06.htx@Weiter");
    EXPECT_EQ(model.page().areaNames[1], ""); // no lektion04: an empty target
    EXPECT_EQ(model.aliases().get("#next"), dir.path() + "lektion06.htx");
}

TEST_F(PageFolder, PageArithmeticClearsTheConditionWhenThereIsNoPage) {
    model.SetCondition("next", true);
    model.Parse("<box coords=\"0,0,10,10\" href=\"!+\">", false);
    EXPECT_FALSE(model.HasCondition("next"));
    EXPECT_EQ(model.page().areaNames, std::vector<std::string>{""});
}

TEST_F(PageFolder, IncludeParsesInPlaceAndContinuesTheFormat) {
    dir.file("teil.html", "<b>fett <i>kursiv\r\n");
    model.Parse("vor <INCLUDE HREF=\"teil.html\"> nach", false);
    EXPECT_EQ(describeItems(model), "vor|_|fett|_|kursiv|_|nach");
    EXPECT_EQ(wordItem(model, "nach").format->styleBits, TextStyle::Bold | TextStyle::Italic);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PageFolder, IncludeReadsPackedPages) {
    // The real page reader: ".htx" files are zlib streams.
    dir.file("sub/teil.htx", deflateZlib("hallo"));
    model.Parse("<include href=\"sub\\teil.htx\">", false);
    EXPECT_EQ(describeItems(model), "hallo");
}

TEST_F(PageFolder, IncludeProblemsAreReported) {
    dir.file("selbst.html", "x <include href=\"selbst.html\">");
    // Four branches a level: the limits hold, and it is said once.
    dir.file("vier.html", "x <include href=\"vier.html\"><include href=\"vier.html\">"
                          "<include href=\"vier.html\"><include href=\"vier.html\">");
    const struct {
        const char* tag;
        const char* message;
        int style;
    } cases[] = {
        {"<include href=\"fehlt.html\">", nullptr, MessageStyle::Stop},
        {"<include datei=\"x.html\">", "Fehler bei INCLUDE <2>!!!", MessageStyle::Information},
        {"<include href=\"vier.html\">", "Fehler bei INCLUDE!!!", MessageStyle::Information},
        {"<include href=\"selbst.html\">", "Fehler bei INCLUDE!!!", MessageStyle::Information},
    };
    for (const auto& c : cases) {
        messages.clear();
        model.Clear();
        model.Parse(std::string(c.tag) + " weiter", false);
        ASSERT_EQ(messages.shown().size(), 1u) << c.tag;
        const std::string expected =
            c.message ? c.message
                      : "INCLUDE-Datei wurde nicht gefunden " + dir.path() + "fehlt.html!!!";
        EXPECT_EQ(messages.shown()[0].text, expected) << c.tag;
        EXPECT_EQ(messages.shown()[0].style, c.style) << c.tag;
        EXPECT_EQ(messages.shown()[0].caption, "*qor") << c.tag;
        EXPECT_NE(findWord(model, "weiter"), nullptr) << c.tag; // parsing goes on
    }
    // The file including itself stopped after a fixed depth.
    EXPECT_EQ(model.items().size(), 2u * PageModel::MaxIncludeDepth + 1);
}

TEST_F(PageFolder, IncludeLoaderFailureIsReported) {
    dir.file("da.html", "x");
    model.setPageLoader([](const std::string&) { return std::optional<std::string>(); });
    model.Parse("<include href=\"da.html\">", false);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Fehler bei INCLUDE!!!");
}

} // namespace
} // namespace qor
