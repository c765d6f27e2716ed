// Character and paragraph formatting tags, fonts and styles.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;
using test::describeItems;
using test::findWord;
using test::wordItem;

// The format of the word "w" after the markup, on a fresh page.
TextFormat formatOf(const std::string& markup, PageModel& model) {
    model.Clear();
    model.Parse(markup + "w", false);
    return wordItem(model, "w").format;
}

TEST(ParserFormat, TagsChangeTheFormat) {
    const struct {
        const char* markup;
        std::function<bool(const TextFormat&)> holds;
    } cases[] = {
        {"<b>",
         [](auto& f) {
             return f.styleBits == TextStyle::Bold;
         }},
        {"<strong><i>",
         [](auto& f) {
             return f.styleBits == (TextStyle::Bold | TextStyle::Italic);
         }},
        {"<em><u></em>",
         [](auto& f) {
             return f.styleBits == TextStyle::Underline;
         }},
        {"<cite></i>",
         [](auto& f) {
             return f.styleBits == 0;
         }},
        {"<h1>",
         [](auto& f) {
             return f.size == 6 && f.styleBits == TextStyle::Bold;
         }},
        {"<h6>",
         [](auto& f) {
             return f.size == 1;
         }},
        {"<i><h2>x</h2>",
         [](auto& f) {
             return f.size == 3 && f.styleBits == TextStyle::Italic;
         }},
        {"<h7>",
         [](auto& f) {
             return f.size == 3 && f.styleBits == 0;
         }},
        {"<tt>",
         [](auto& f) {
             return f.face == "Courier New" && f.size == 2;
         }},
        {"<tt>x</tt>",
         [](auto& f) {
             return f.face == "Times New Roman" && f.size == 3;
         }},
        {"<center>",
         [](auto& f) {
             return f.alignment == TextAlign::Center;
         }},
        {"<center></center>",
         [](auto& f) {
             return f.alignment == TextAlign::Left;
         }},
        {"<block>",
         [](auto& f) {
             return f.alignment == TextAlign::Block;
         }},
        {"<right>",
         [](auto& f) {
             return f.alignment == TextAlign::Right;
         }},
        {"<clear>",
         [](auto& f) {
             return f.transparent;
         }},
        {"<w></w>",
         [](auto& f) {
             return f.randomOffset == -1;
         }},
        {"<font size=5>",
         [](auto& f) {
             return f.size == 5;
         }},
        {"<font size=+1>",
         [](auto& f) {
             return f.size == 4;
         }},
        {"<font size=-1>",
         [](auto& f) {
             return f.size == 3;
         }}, // "-n" counts as 0
        {"<font size=900>",
         [](auto& f) {
             return f.size == 720;
         }},
        {"<font size=gross>",
         [](auto& f) {
             return f.size == 3;
         }},
        {"<font size 5>",
         [](auto& f) {
             return f.size == 5;
         }}, // "=" may be missing
        {"<font color=#0000ff>",
         [](auto& f) {
             return f.textColor == rgbColor(0, 0, 0xFF);
         }},
        {"<font bcolor=red>",
         [](auto& f) {
             return !f.transparent && f.backgroundColor == 0xFFFFFF;
         }},
        {"<font bcolor=#00ff00 bcolor=off>",
         [](auto& f) {
             return f.transparent;
         }},
        {"<font flash=#ff0000 link=#00ff00>",
         [](auto& f) {
             return f.flashColor == 0x0000FF && f.linkColor == 0x00FF00;
         }},
        {"<font linespace=5>",
         [](auto& f) {
             return f.lineSpacing == 2005 && f.lineSpacingPixels() == 5;
         }},
        {"<font linespace=-30>",
         [](auto& f) {
             return f.lineSpacingPixels() == -30;
         }},
        {"<font linespace=0>",
         [](auto& f) {
             return f.lineSpacing == 0;
         }},
        {"<font linespace=9999>",
         [](auto& f) {
             return f.lineSpacing == 2500;
         }},
        {"<font tracking=3>",
         [](auto& f) {
             return f.tracking == 3;
         }},
        {"<font size=6 color=#ff0000 face=\"Arial\">x</font>",
         [](auto& f) {
             return f.size == 3 && f.textColor == ColorValue::PageText &&
                    f.face == "Times New Roman";
         }},
        {"<font face=\" , Verdana, Arial\">",
         [](auto& f) {
             return f.face == "Verdana";
         }},
        {"<font size=4 unbekannt=1 size=6>",
         [](auto& f) {
             return f.size == 4;
         }},
        {"<box coords=\"10,20,300\">",
         [](auto& f) {
             return f.leftMargin == 10 && f.columnWidth == 300;
         }},
        {"<box coords=\"10,20,300\" align=m>",
         [](auto& f) {
             return f.alignment == TextAlign::Center;
         }},
        {"<pre></pre>",
         [](auto& f) {
             return !f.fixedPitch && f.size == 3;
         }},
    };
    for (const auto& c : cases) {
        PageModel model;
        EXPECT_TRUE(c.holds(formatOf(c.markup, model))) << c.markup;
    }
}

TEST(ParserFormat, FaceTakesTheFirstInstalledFont) {
    PageModel model;
    model.setFontInstalledTest(
        [](const std::string& family) { return equalsIgnoreCase(family, "DejaVu Sans"); });
    EXPECT_EQ(formatOf("<font face=\"Verdana, dejavu sans\">", model).face, "dejavu sans");
    EXPECT_EQ(formatOf("<font face=\"Verdana\">", model).face, "Times New Roman");
    EXPECT_EQ(formatOf("<font face=\"" + std::string(60, 'x') + "\">", model).face,
              "Times New Roman");

    PageModel longNames;
    EXPECT_EQ(formatOf("<font face=\"" + std::string(60, 'x') + "\">", longNames).face.size(),
              TextFormat::MaxFaceLength);
}

TEST(ParserFormat, InverseSwapsTextAndBackground) {
    PageModel model;
    TextFormat f = formatOf("<font color=#ff0000 bcolor=#00ff00><inv>", model);
    EXPECT_EQ(f.textColor, rgbColor(0, 0xFF, 0));
    EXPECT_EQ(f.backgroundColor, rgbColor(0xFF, 0, 0));
    EXPECT_FALSE(f.transparent);

    // The page text colour (black) on the initial background 0: white on black.
    f = formatOf("<inv>", model);
    EXPECT_EQ(f.textColor, ColorValue::White);
    EXPECT_EQ(f.backgroundColor, ColorValue::Black);

    f = formatOf("<font color=#ffffff bcolor=#ffffff><inv>", model);
    EXPECT_EQ(f.textColor, ColorValue::Black);
    EXPECT_EQ(f.backgroundColor, ColorValue::White);

    f = formatOf("<font color=#ff0000 bcolor=#00ff00><inv>x</inv>", model);
    EXPECT_EQ(f.textColor, rgbColor(0xFF, 0, 0));
    EXPECT_TRUE(f.transparent);
}

TEST(ParserFormat, TabsBecomePendingOnTheNextWord) {
    const struct {
        const char* markup;
        int tab;
        std::uint8_t alignment;
    } cases[] = {
        {"<x5>", 105, TextAlign::Left},          {"<X0>", 0, TextAlign::Left},
        {"<x30>", 30, TextAlign::Left},          {"<x05>", 5, TextAlign::Left},
        {"<x-120>", -120, TextAlign::Left},      {"<x!5>", 105, TextAlign::Block},
        {"<center><xyz>", 0, TextAlign::Center}, {"<center><x!>", 0, TextAlign::Center},
        {"<center><x->", 0, TextAlign::Center},
    };
    for (const auto& c : cases) {
        PageModel model;
        model.Parse(std::string("a ") + c.markup + "w v", false);
        const tFormatted_text* word = findWord(model, "w");
        ASSERT_NE(word, nullptr) << c.markup;
        EXPECT_EQ(word->tab, c.tab) << c.markup;
        EXPECT_EQ(word->format->alignment, c.alignment) << c.markup;
        EXPECT_EQ(wordItem(model, "v").tab, 0) << c.markup; // taken once
    }
}

TEST(ParserFormat, BlockTabAtTheLineStartTakesNoSpace) {
    PageModel model;
    model.Parse("a<x!5> b", false);
    EXPECT_EQ(describeItems(model), "a|b");
    model.Parse("a<x5> b", false);
    EXPECT_EQ(describeItems(model), "a|b|a|_|b");
}

TEST(ParserFormat, RandomOffsetComesFromTheSource) {
    PageModel model;
    model.setRandomSource(test::ScriptedRandom({42}));
    EXPECT_EQ(formatOf("<w>", model).randomOffset, 42);
}

TEST(ParserFormat, FontIdStoresAStyleAndLeavesTheTextAlone) {
    PageModel model;
    const TextFormat f =
        formatOf("<font size=5 color=#ff0000 linespace=4 tracking=2 ID=VOK face=\"Arial\">", model);
    EXPECT_EQ(f.size, 3);
    EXPECT_EQ(f.textColor, ColorValue::PageText);
    EXPECT_EQ(f.lineSpacing, 1);
    EXPECT_EQ(f.tracking, 0);
    EXPECT_EQ(f.face, "Arial"); // after ID the text changes again

    const TXStyle* style = model.styles().find("VOK");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->size, 5);
    EXPECT_EQ(style->textColor, 0x0000FF);
    EXPECT_EQ(style->lineSpacing, 2004);
    EXPECT_EQ(style->tracking, 2);
    EXPECT_EQ(model.styles().find("vok"), nullptr); // exact names
}

TEST(ParserFormat, StylesApplyAcrossPagesAndTheLastDefinitionWins) {
    PageModel model;
    model.Parse("<font size=5 ID=NORMAL><font size=6 ID=NORMAL><i>", false);
    model.Clear();
    ScriptedMessages messages;
    const TextFormat f = formatOf("<b><font linespace=7><+normal>", model);
    EXPECT_EQ(f.size, 6);
    EXPECT_EQ(f.styleBits, 0);           // the style's bits replace the text's
    EXPECT_EQ(f.lineSpacingPixels(), 7); // an explicit spacing stays
    EXPECT_TRUE(messages.shown().empty());

    EXPECT_EQ(formatOf("<+normal>", model).lineSpacing, 1); // else the style's spacing

    // Every page includes the same style sheet: its styles do not pile up.
    for (int page = 0; page < 3; ++page) {
        model.Clear();
        model.Parse("<font size=5 ID=NORMAL><font size=6 ID=KLEIN>", false);
    }
    EXPECT_EQ(model.styles().styles().size(), 2u);
}

TEST(ParserFormat, UnknownStyleIsReported) {
    PageModel model;
    ScriptedMessages messages;
    model.Parse("<+Fehlt>", false);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "KEIN + gefunden! +FEHLT");
    EXPECT_EQ(messages.shown()[0].caption, "*qor");
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Information);
}

TEST(ParserFormat, ClearingForgetsAnOpenLinkOfTheOldPage) {
    PageModel model;
    model.Parse("<A HREF=\"x.htx\"><A GAP lsg=\"a\" help=\"b\">___", false);
    model.Clear();
    model.Parse("danach", true);
    const tFormatted_text* word = findWord(model, "danach");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->format->areaIndex, -1);
    EXPECT_EQ(word->format->exerciseIndex, -1);
}

} // namespace
} // namespace qor
