// Line breaking and placing with fixed character widths (10 pixels each,
// column 400, left margin 8, first line top 16, ascent 12, descent 4,
// line spacing 1).

#include "LayoutTesting.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::LaidOutPage;

constexpr int Margin = 8;
constexpr int FirstBaseline = 16 + 12;
constexpr int LinePitch = 12 + 4 + 1; // ascent, descent and the default spacing

TEST(TabPositionTest, ValuesMeanTenthsPercentOrPixels) {
    EXPECT_EQ(tabPosition(105, 400), 200);
    EXPECT_EQ(tabPosition(101, 400), 40);
    EXPECT_EQ(tabPosition(109, 400), 360);
    EXPECT_EQ(tabPosition(30, 400), 120);
    EXPECT_EQ(tabPosition(-120, 400), 120);
    EXPECT_EQ(tabPosition(0, 400), 0);
}

TEST(LineBreakingTest, WordsFollowEachOtherWithTheirBlanks) {
    LaidOutPage page;
    page.layout("ab cd");
    EXPECT_EQ(page.at("ab").x, Margin);
    EXPECT_EQ(page.at("cd").x, Margin + 20 + 10);
    EXPECT_EQ(page.at("ab").baseline, FirstBaseline);
    EXPECT_EQ(page.at("cd").baseline, FirstBaseline);
    EXPECT_EQ(page.result.contentHeight, FirstBaseline);
}

TEST(LineBreakingTest, AWordWrapsOnlyWhenItOverflowsTheColumn) {
    struct Case {
        int before; // characters in front of " ab"
        bool wraps;
    };
    const Case cases[] = {
        {38, true},  // 380 + blank + "ab" make 410 pixels
        {37, false}, // exactly 400: the column is full, not overflowing
    };
    for (const Case& c : cases) {
        LaidOutPage page;
        page.layout(std::string(c.before, 'x') + " ab");
        EXPECT_EQ(page.at("ab").x, c.wraps ? Margin : Margin + 10 * c.before + 10) << c.before;
        EXPECT_EQ(page.at("ab").baseline, FirstBaseline + (c.wraps ? LinePitch : 0)) << c.before;
        // A blank left at the end of a line is emptied.
        EXPECT_EQ(page.result.items[1].width, c.wraps ? 0 : 10) << c.before;
    }
}

TEST(LineBreakingTest, ALongWordStandsAloneOnItsLineUnsplit) {
    LaidOutPage page;
    const std::string longWord(50, 'w');
    page.layout("a " + longWord + " b");
    EXPECT_EQ(page.at("a").baseline, FirstBaseline);
    EXPECT_EQ(page.at(longWord).x, Margin);
    EXPECT_EQ(page.at(longWord).width, 500);
    EXPECT_EQ(page.at(longWord).baseline, FirstBaseline + LinePitch);
    EXPECT_EQ(page.at("b").x, Margin);
    EXPECT_EQ(page.at("b").baseline, FirstBaseline + 2 * LinePitch);
}

TEST(LineBreakingTest, WordsGluedByTagsWrapAsOneRun) {
    LaidOutPage page;
    // "aaaa" would fit after 35 characters, "aaaabbbb" does not.
    page.layout(std::string(34, 'x') + " aaaa<B>bbbb</B>");
    EXPECT_EQ(page.at("aaaa").runWidth, 80);
    EXPECT_EQ(page.at("aaaa").x, Margin);
    EXPECT_EQ(page.at("aaaa").baseline, FirstBaseline + LinePitch);
    EXPECT_EQ(page.at("bbbb").x, Margin + 40);
    EXPECT_EQ(page.at("bbbb").baseline, FirstBaseline + LinePitch);
}

TEST(LineBreakingTest, TabsPlaceWordsInTheColumn) {
    struct Case {
        const char* text;
        int x;
    };
    const Case cases[] = {
        {"a <X5>b", Margin + 200},                    // half the column
        {"a <X-120>b", Margin + 120},                 // pixels from the left margin
        {"a <X30>b", Margin + 120},                   // percent
        {"aaaaaaaaaaaaaaaaaaaa <X1>b", Margin + 210}, // not back over the text
    };
    for (const Case& c : cases) {
        LaidOutPage page;
        page.layout(c.text);
        EXPECT_EQ(page.at("b").x, c.x) << c.text;
        EXPECT_EQ(page.at("b").baseline, FirstBaseline) << c.text;
    }
}

TEST(LineBreakingTest, ATabIsTheHangingIndentOfWrappedLines) {
    LaidOutPage page;
    // After the tab at 120 pixels 28 characters fit on a line.
    page.layout("Wort<X-120>aaaaaaaaaa bbbbbbbbbb cccccccccc dddd<BR>next");
    EXPECT_EQ(page.at("aaaaaaaaaa").x, Margin + 120);
    EXPECT_EQ(page.at("bbbbbbbbbb").baseline, FirstBaseline);
    EXPECT_EQ(page.at("cccccccccc").x, Margin + 120);
    EXPECT_EQ(page.at("cccccccccc").baseline, FirstBaseline + LinePitch);
    EXPECT_EQ(page.at("dddd").x, Margin + 120 + 110);
    // A line break ends the indent.
    EXPECT_EQ(page.at("next").x, Margin);
}

TEST(LineBreakingTest, NegativeLineSpacingFixesThePitch) {
    LaidOutPage page;
    page.layout("<FONT LINESPACE=-30>a<BR>b<BR>c");
    EXPECT_EQ(page.at("a").baseline, 16 + 20);
    EXPECT_EQ(page.at("b").baseline, 16 + 20 + 30);
    EXPECT_EQ(page.at("c").baseline, 16 + 20 + 60);
}

TEST(LineBreakingTest, ExplicitLineSpacingAddsToThePitch) {
    LaidOutPage page;
    page.layout("<FONT LINESPACE=7>a<BR>b");
    EXPECT_EQ(page.at("b").baseline - page.at("a").baseline, 12 + 4 + 7);
}

TEST(LineBreakingTest, ParagraphBreaksAddALineHeight) {
    struct Case {
        const char* text;
        int secondBaseline;
    };
    const Case cases[] = {
        {"a<BR>b", FirstBaseline + LinePitch},
        {"a<P>b", FirstBaseline + LinePitch + 16},
        // The empty second paragraph line adds the previous line's height.
        {"a<P><P>b", FirstBaseline + LinePitch + 16 + 1 + 16},
        // A line holding only a line break does the same.
        {"a<BR><BR>b", FirstBaseline + LinePitch + 1 + 16},
    };
    for (const Case& c : cases) {
        LaidOutPage page;
        page.layout(c.text);
        EXPECT_EQ(page.at("a").baseline, FirstBaseline) << c.text;
        EXPECT_EQ(page.at("b").baseline, c.secondBaseline) << c.text;
    }
}

TEST(LineBreakingTest, TheHighestItemSetsTheLine) {
    LaidOutPage page;
    page.layout("a <FONT SIZE=7>B</FONT> c<BR>d");
    EXPECT_EQ(page.at("a").baseline, 16 + 28);
    EXPECT_EQ(page.at("B").baseline, 16 + 28);
    EXPECT_EQ(page.at("d").baseline, 16 + 28 + 7 + 1 + 12);
}

TEST(LineBreakingTest, AlignmentMovesTheLine) {
    struct Case {
        const char* text;
        int x;
    };
    const Case cases[] = {
        {"<CENTER>abc", Margin + (400 - 30) / 2},
        {"<RIGHT>abc", Margin + 400 - 30},
        {"<CENTER>abc de", Margin + (400 - 60) / 2},
    };
    for (const Case& c : cases) {
        LaidOutPage page;
        page.layout(c.text);
        EXPECT_EQ(page.at("abc").x, c.x) << c.text;
    }
}

TEST(LineBreakingTest, BlockAlignmentSpreadsTheRestOverTheBlanks) {
    LaidOutPage page;
    // Four words of 60 and three blanks of 10 leave 130 pixels; the blanks
    // take 43, 43 and 44 of them. A line ended by a break is justified too.
    page.layout("<BLOCK>aaaaaa bbbbbb cccccc dddddd<BR>x");
    EXPECT_EQ(page.at("aaaaaa").x, Margin);
    EXPECT_EQ(page.at("bbbbbb").x, Margin + 60 + 53);
    EXPECT_EQ(page.at("cccccc").x, Margin + 120 + 53 + 53);
    EXPECT_EQ(page.at("dddddd").x + 60, Margin + 400);
}

TEST(LineBreakingTest, BlockTabContinuesOnTheSameBaseline) {
    LaidOutPage page;
    page.layout("Name<X!5>Wert<BR>zwei");
    EXPECT_EQ(page.at("Name").baseline, FirstBaseline);
    EXPECT_EQ(page.at("Wert").baseline, FirstBaseline);
    EXPECT_EQ(page.at("Wert").x, Margin + 200);
    EXPECT_EQ(page.at("zwei").baseline, FirstBaseline + LinePitch);
}

TEST(LineBreakingTest, BoxesPlaceTheirTextAtTheirTop) {
    LaidOutPage page;
    page.layout("<BOX COORDS=10,100,200>one two three four five six seven");
    EXPECT_EQ(page.at("one").x, 10);
    EXPECT_EQ(page.at("one").baseline, 100 + 12);
    // The box's 200 pixels hold "one two three four".
    EXPECT_EQ(page.at("four").baseline, 100 + 12);
    EXPECT_EQ(page.at("five").x, 10);
    EXPECT_EQ(page.at("five").baseline, 100 + 12 + LinePitch);
}

TEST(LineBreakingTest, ABoxWithoutHeightGrowsToItsLastBaselinePlusFour) {
    LaidOutPage page;
    page.layout("<BOX COORDS=10,10,200>one<BR>two<BR>three");
    const int lastBaseline = 10 + 12 + 2 * LinePitch;
    EXPECT_EQ(page.at("three").baseline, lastBaseline);
    ASSERT_EQ(page.model.page().boxes.size(), 1u);
    EXPECT_EQ(page.model.page().boxes[0].height, lastBaseline - 10 + 4);
    EXPECT_EQ(page.result.contentHeight, lastBaseline);
}

TEST(LineBreakingTest, ABoxWithAHeightKeepsIt) {
    LaidOutPage page;
    page.layout("<BOX COORDS=10,10,200,50>one<BR>two<BR>three<BR>four");
    EXPECT_EQ(page.model.page().boxes[0].height, 50);
}

TEST(LineBreakingTest, PicturesAreScaledAndStandOnTheBaseline) {
    LaidOutPage page;
    page.measurer.pictureSizes["bild.bmp"] = {200, 100};
    page.layout("a <IMG SRC=\"bild.bmp\" SCALE=50%> b");
    const LaidOutItem& picture = page.result.items[page.firstOfKind(ItemKind::Picture)];
    EXPECT_EQ(picture.width, 100);
    EXPECT_EQ(picture.height, 50);
    EXPECT_EQ(picture.ascent, 50);
    EXPECT_EQ(picture.x, Margin + 20);
    EXPECT_EQ(picture.baseline, 16 + 50);
    EXPECT_EQ(page.at("b").x, Margin + 20 + 100 + 10);
}

TEST(LineBreakingTest, HugeScalesAreCut) {
    LaidOutPage page;
    page.measurer.pictureSizes["bild.bmp"] = {200, 100};
    page.layout("<IMG SRC=\"bild.bmp\" SCALE=100000%>");
    const LaidOutItem& picture = page.result.items[page.firstOfKind(ItemKind::Picture)];
    EXPECT_EQ(picture.width, 8000);
    EXPECT_EQ(picture.height, 8000);
}

TEST(LineBreakingTest, ABlockTabAtTheStartOfABoxStaysInTheBox) {
    LaidOutPage page;
    page.layout("<BOX COORDS=10,100,200><X!5>Wert");
    EXPECT_EQ(page.at("Wert").baseline, 100 + 12);
    EXPECT_EQ(page.at("Wert").x, 10 + 100);
}

TEST(LineBreakingTest, PictureAlignmentSetsItsAscent) {
    struct Case {
        const char* attributes;
        int ascent;
    };
    const Case cases[] = {
        {"ALIGN=T", 90}, {"ALIGN=M", 45}, {"ALIGN=B", 90},       {"ALIGN=X", 60},
        {"ALIGN=L", 90}, {"BASE=20", 20}, {"ALIGN=M BASE=7", 7},
    };
    for (const Case& c : cases) {
        LaidOutPage page;
        page.measurer.pictureSizes["p.bmp"] = {30, 90};
        page.layout(std::string("<IMG SRC=\"p.bmp\" ") + c.attributes + ">");
        const LaidOutItem& picture = page.result.items[page.firstOfKind(ItemKind::Picture)];
        EXPECT_EQ(picture.ascent, c.ascent) << c.attributes;
        EXPECT_EQ(picture.descent, 90 - c.ascent) << c.attributes;
    }
}

TEST(LineBreakingTest, APictureOverTheTextTakesNoHeight) {
    LaidOutPage page;
    page.measurer.pictureSizes["p.bmp"] = {30, 90};
    page.layout("a<IMG SRC=\"p.bmp\" ALIGN=X>b");
    EXPECT_EQ(page.at("a").baseline, FirstBaseline);
    EXPECT_EQ(page.at("b").x, Margin + 10 + 30);
}

TEST(LineBreakingTest, PreformattedTextKeepsItsLines) {
    LaidOutPage page;
    page.layout("<PRE>\n  eins " + std::string(60, 'z') + "\nzwei\n</PRE>");
    // Blanks at the start of a line keep their width; long lines do not wrap.
    EXPECT_EQ(page.at("eins").x, Margin + 2 * 10);
    EXPECT_EQ(page.at(std::string(60, 'z')).baseline, page.at("eins").baseline);
    EXPECT_GT(page.at("zwei").baseline, page.at("eins").baseline);
    EXPECT_EQ(page.at("zwei").x, Margin);
}

TEST(LineBreakingTest, TrackingWidensWords) {
    LaidOutPage page;
    page.layout("<FONT TRACKING=3>abc d");
    EXPECT_EQ(page.at("abc").width, 39);
    EXPECT_EQ(page.at("d").x, Margin + 39 + 13);
}

TEST(LineBreakingTest, AnEmptyPageHasTheStartHeight) {
    LaidOutPage page;
    page.layout("");
    EXPECT_EQ(page.result.contentHeight, 16);
    EXPECT_TRUE(page.result.items.empty());
}

} // namespace
} // namespace qor
