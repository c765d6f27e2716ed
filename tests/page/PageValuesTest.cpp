// The value grammars of the markup: colours, coordinates, numbers,
// entities, file names and page numbering.

#include "PageModelTesting.h"
#include "page/model/AliasList.h"
#include "page/model/Attributes.h"
#include "page/model/ColorAttribute.h"
#include "page/model/Entities.h"
#include "page/model/PageFileNames.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ColorValues, ReadAsTheMarkupWritesThem) {
    TXAliasList names;
    names.set("c1", "c2");
    names.set("C2", "#ff0000");
    names.set("loop1", "loop2");
    names.set("loop2", "loop1");
    names.set("leer", "");
    names.set("palette", "i7");
    const RandomSource zero = [](int) {
        return 0;
    };
    const struct {
        const char* value;
        Color expected;
    } cases[] = {
        {"", ColorValue::White},
        {"\"\"", ColorValue::White},
        {"#FF8000", rgbColor(0xFF, 0x80, 0x00)},
        {"\"#00ff00\"", rgbColor(0, 0xFF, 0)},
        {"#fff", rgbColor(0, 0x0F, 0xFF)},   // fewer digits read as a number
        {"#ff0000ff", rgbColor(0xFF, 0, 0)}, // only six digits count
        {"#zzzzzz", rgbColor(0, 0, 0xFF)},   // no hexadecimal: 0000FF
        {"#", rgbColor(0, 0, 0xFF)},
        {"i5", ColorValue::PaletteIndexMarker | 5},
        {"ix", ColorValue::PaletteIndexMarker | 128},
        {"c1", rgbColor(0xFF, 0, 0)}, // names lead to names
        {"unbekannt", ColorValue::White},
        {"loop1", ColorValue::White}, // a circle of names ends
        {"leer", ColorValue::White},
        {"palette", ColorValue::PaletteIndexMarker | 7},
        {"?ff0000,00ff00", rgbColor(0xFF, 0, 0)},
        {"?ff00", ColorValue::White},  // no whole entry
        {"RANDOM", ColorValue::White}, // a name, not "random"
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColorValue(c.value, names, zero), c.expected) << c.value;
}

TEST(ColorValues, RandomChoicesComeFromTheSource) {
    TXAliasList names;
    test::ScriptedRandom script({1, 5, 3, 1});
    const RandomSource random = std::ref(script);
    EXPECT_EQ(ParseColorValue("random", names, random), rgbColor(51, 255, 153));
    EXPECT_EQ(ParseColorValue("?ff0000;00ff00;0000ff", names, random), rgbColor(0, 0xFF, 0));
}

TEST(ColorValues, CarelessRandomSourcesStayInRange) {
    TXAliasList names;
    const RandomSource wild = [](int) {
        return -7;
    };
    EXPECT_NO_THROW(ParseColorValue("?ff0000,00ff00", names, wild));
    const RandomSource huge = [](int) {
        return 1000;
    };
    EXPECT_EQ(ParseColorValue("?ff0000,00ff00", names, huge), rgbColor(0xFF, 0, 0));
}

TEST(Coordinates, CountFromThePageEdges) {
    const struct {
        const char* value;
        PageRect expected;
    } cases[] = {
        {"10,20,30,40", {10, 20, 30, 40}},
        {" 10 , 20 ,30, 40 ", {10, 20, 30, 40}},
        {"-10020,10,0,0", {780, 10, 20, 562}},
        {"10,-10030,-5,-2", {10, 542, 785, 28}},
        {"10,20", {10, 20, PageRect::NotGiven, PageRect::NotGiven}},
        {"10,20,x,40", {10, 20, PageRect::NotGiven, 40}},
        {"", {800, 572, PageRect::NotGiven, PageRect::NotGiven}}, // a missing x is far left
        {"99999999999,1,1,1", {800, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        const PageRect rect = ParseCoordinates(c.value, 800, 572);
        EXPECT_EQ(rect.x, c.expected.x) << c.value;
        EXPECT_EQ(rect.y, c.expected.y) << c.value;
        EXPECT_EQ(rect.w, c.expected.w) << c.value;
        EXPECT_EQ(rect.h, c.expected.h) << c.value;
    }
}

TEST(Numbers, OnlyWholeDecimalNumbersCount) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger(" -7 "), -7);
    EXPECT_EQ(ParseInteger("+3"), 3);
    EXPECT_EQ(ParseInteger("+-3"), std::nullopt);
    EXPECT_EQ(ParseInteger("3px"), std::nullopt);
    EXPECT_EQ(ParseInteger(""), std::nullopt);
    EXPECT_EQ(ParseInteger("-"), std::nullopt);
    EXPECT_EQ(ParseInteger("99999999999"), std::nullopt);
}

TEST(Entities, OnlyTheFirstOfAWordIsDecoded) {
    const struct {
        const char* word;
        const char* expected;
    } cases[] = {
        {"&lt;&gt;", "<&gt;"},
        {"Caf&eacute;", "Caf\xe9"},
        {"&Uuml;bung", "\xdc"
                       "bung"},
        {"&uuml;", "\xfc"},
        {"&nbsp;", "\xa0"},
        {"&yuml;", "\xff"},
        {"a&nil;b", "ab"},
        {"a&unbekannt;b", "ab"},
        {"x&amp", "x&"}, // to the end of the word
        {"x&", "x"},
        {"&AMP;", ""}, // names are case-sensitive
        {"ohne", "ohne"},
        {"&quot;zitat&quot;", "\"zitat&quot;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeFirstEntity(c.word), c.expected) << c.word;
}

TEST(PageFileNames, LinksBecomeFullPaths) {
    const std::string dir = "/qor/hqor/kapitel/";
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"seite.htx", "/qor/hqor/kapitel/seite.htx"},
        {"seite.htx@Hinweis", "/qor/hqor/kapitel/seite.htx"},
        {"*bild.gif", "*/qor/hqor/kapitel/bild.gif"},
        {"unter\\seite.htx", "/qor/hqor/kapitel/unter/seite.htx"},
        {"\\seite.htx", "/qor/hqor/kapitel/seite.htx"},
        {"../main.htx", "/qor/hqor/main.htx"},
        {"..\\..\\x.htx", "/qor/x.htx"},
        {"a/../b.htx", "/qor/hqor/kapitel/a/../b.htx"},
        {"/absolut/seite.htx", "/absolut/seite.htx"},
        {"ex pick=3 file=uebung.qor weiter=#w", "/qor/hqor/kapitel/uebung.qor"},
        {"ex pick=3", ""},
        {"EX file=a.qor", "/qor/hqor/kapitel/EX file=a.qor"}, // only lower-case "ex"
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandPageFileName(c.name, dir), c.expected) << c.name;
}

TEST(PageFileNames, PageNumbersStepUpAndDown) {
    const struct {
        const char* name;
        bool forward;
        const char* expected;
    } cases[] = {
        {"lektion05.htx", true, "lektion06.htx"},
        {"lektion09.htx", true, "lektion10.htx"},
        {"lektion10.htx", false, "lektion09.htx"},
        {"lektion5.htx", false, "lektion4.htx"},
        {"lektion9.htx", true, "lektion10.htx"},
        {"lektion99.htx", true, "lektion100.htx"},
        {"lektion.htx", true, "lektion1.htx"},
        {"a12b3.x.htx", true, "a12b4.x.htx"},
        {"seite", true, "seite1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepPageFileName(c.name, c.forward), c.expected) << c.name;
}

TEST(AliasList, NamesIgnoreCaseAndStarPrefixesTheValue) {
    TXAliasList list;
    list.set("Name", "wert");
    EXPECT_EQ(list.get("NAME"), "wert");
    EXPECT_EQ(list.get("fehlt", "vorgabe"), "vorgabe");
    list.set("name", "*");
    EXPECT_EQ(list.get("name"), "*wert");
    list.set("neu", "*");
    EXPECT_EQ(list.get("neu"), "*");
    list.set("\xe4nderung", "1"); // "änderung" is stored as "ÄNDERUNG"
    EXPECT_EQ(list.entries().back().name, "\xc4NDERUNG");
    EXPECT_EQ(list.size(), 3u);
}

} // namespace
} // namespace qor
