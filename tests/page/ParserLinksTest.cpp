// Links, notes, hot spots, image maps and the click and Enter targets.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::describeItems;
using test::wordItem;

TEST(ParserLinks, LinkTextGetsAreaColourAndUnderline) {
    PageModel model;
    model.Parse("<b>vor <a href=\"seite.htx\">Link</a> nach</b>", false);
    const TextFormat& link = wordItem(model, "Link").format;
    ASSERT_EQ(model.page().areaNames, std::vector<std::string>{"seite.htx"});
    EXPECT_EQ(link.areaIndex, 0);
    EXPECT_EQ(link.textColor, ColorValue::PageLink);
    EXPECT_EQ(link.styleBits, TextStyle::Bold | TextStyle::Underline);
    EXPECT_FALSE(link.flash);

    const TextFormat& after = wordItem(model, "nach").format;
    EXPECT_EQ(after.areaIndex, -1);
    EXPECT_EQ(after.textColor, ColorValue::PageText);
    EXPECT_EQ(after.styleBits, TextStyle::Bold);
}

TEST(ParserLinks, FlashSearchAndReturnFollowTheirOrder) {
    const struct {
        const char* tag;
        bool flash;
        const char* enterTarget;
    } cases[] = {
        {"<a href=\"x.htx\" flash=red return>", true, "x.htx"},
        {"<a return href=\"x.htx\">", false, ""},          // the target was not yet known
        {"<a href=\"x.htx\" return flash=red>", true, ""}, // the FLASH search passes RETURN
        {"<font flash=#ff0000><a href=\"x.htx\">", true, ""},
    };
    for (const auto& c : cases) {
        PageModel model;
        model.Parse(std::string(c.tag) + "w</a>", false);
        const TextFormat& f = wordItem(model, "w").format;
        EXPECT_EQ(f.flash, c.flash) << c.tag;
        EXPECT_EQ(f.styleBits & TextStyle::Underline, c.flash ? 0 : TextStyle::Underline) << c.tag;
        EXPECT_EQ(model.page().enterTarget, c.enterTarget) << c.tag;
    }
}

TEST(ParserLinks, TargetsAreResolvedForTheirAreaNames) {
    PageModel model;
    model.SetDefine("ziel", "verben.htx");
    model.Parse("<alias #menu=\"*main.htx\"><font link=#0000ff>"
                "<a href=\"#menu\">a</a><a href=\"$ziel\">b</a><a href=\"*c.htx\">c</a>"
                "<a href=\"@Hallo\">d</a><a hot=\"Tipp\">e</a><a href=\"\xa7[stop]x.htx\">f</a>",
                false);
    EXPECT_EQ(model.page().areaNames,
              (std::vector<std::string>{"#menu", "verben.htx", "c.htx", "%@Hallo", "@Tipp",
                                        "\xa7[stop]x.htx"}));
    EXPECT_TRUE(wordItem(model, "a").format->focus); // the alias value's "*"
    EXPECT_FALSE(wordItem(model, "b").format->focus);
    EXPECT_TRUE(wordItem(model, "c").format->focus);
    EXPECT_EQ(wordItem(model, "c").format->textColor, rgbColor(0, 0, 0xFF));

    const TextFormat& note = wordItem(model, "d").format;
    EXPECT_TRUE(note.hot);
    EXPECT_EQ(note.textColor, ColorValue::PageText);
    EXPECT_TRUE(wordItem(model, "e").format->hot);
}

TEST(ParserLinks, LinkToThePageItselfIsPlainText) {
    test::TempDir dir;
    PageModel model;
    model.setCurrentPage(dir.path(), "menu.htx");
    // The tag ends at such an HREF: RETURN and FOCUS after it do nothing.
    model.Parse("<a href=\"menu.htx\" return focus>selbst</a> <a href=\"andere.htx\">weg</a>",
                false);
    EXPECT_EQ(wordItem(model, "selbst").format->areaIndex, -1);
    EXPECT_EQ(wordItem(model, "selbst").format->styleBits, 0);
    EXPECT_FALSE(wordItem(model, "selbst").format->focus);
    EXPECT_EQ(model.page().enterTarget, "");
    EXPECT_EQ(wordItem(model, "weg").format->areaIndex, 0);
}

TEST(ParserLinks, GapsAndDragWordsAreExercises) {
    PageModel model;
    model.Parse("<a gap lsg=\"la casa; casa\" help=\"*\">xxxxx</a> "
                "<a GAP LSG=\"perro\" HELP=\"\" TIP=\"Tier\" REACTION=\"t1\">yyy</a> "
                "<a drag>Wort</a> frei",
                false);
    ASSERT_EQ(model.page().typingFields.size(), 2u);
    const TypingFieldSpec& first = model.page().typingFields[0];
    EXPECT_TRUE(first.gap);
    EXPECT_EQ(first.solutions, (std::vector<std::string>{"la casa", "casa"}));
    EXPECT_EQ(first.help, "*");
    EXPECT_EQ(first.tip, "Hilfe mit F12!");
    EXPECT_EQ(model.page().typingFields[1].tip, "Tier");
    EXPECT_EQ(model.page().typingFields[1].reaction, "t1");

    EXPECT_EQ(wordItem(model, "xxxxx").format->exerciseIndex, 0);
    EXPECT_EQ(wordItem(model, "yyy").format->exerciseIndex, 1);
    EXPECT_EQ(wordItem(model, "Wort").format->exerciseIndex, DragExerciseIndex);
    EXPECT_EQ(wordItem(model, "frei").format->exerciseIndex, -1);
}

TEST(ParserLinks, GapsStopBeforeTheDragIndex) {
    PageModel model;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "<a gap lsg=\"a\" help=\"\">g</a> ";
    model.Parse(text, false);
    EXPECT_EQ(model.page().typingFields.size(), 255u);
    for (const tFormatted_text& item : model.items())
        EXPECT_LT(item.format->exerciseIndex, DragExerciseIndex);
}

TEST(ParserLinks, EndOfLinkWithoutLinkChangesNothing) {
    PageModel model;
    model.Parse("<font color=#ff0000></a>w", false);
    EXPECT_EQ(wordItem(model, "w").format->textColor, rgbColor(0xFF, 0, 0));
}

TEST(ParserLinks, ImageMapsCollectRectangularAreas) {
    PageModel model;
    model.Parse("<area shape=rect coords=\"1,1,1,1\" href=\"verloren\">"
                "<MAP NAME=\"karte\"><AREA SHAPE=RECT COORDS=\"0,0,50,40\" HREF=\"a.htx\">"
                "<AREA SHAPE=CIRCLE COORDS=\"1,1,1,1\" HREF=\"b.htx\">"
                "<AREA COORDS=\"1,1,1,1\" HREF=\"c.htx\">"
                "<area shape=\"rect\" coords=\"50,0,50,40\" href=\"\xa7"
                "befehl\"></MAP>"
                "<MAP>",
                false);
    ASSERT_EQ(model.page().imageMaps.size(), 1u);
    const ImageMap& map = model.page().imageMaps[0];
    EXPECT_EQ(map.name, "karte");
    ASSERT_EQ(map.areas.size(), 2u);
    EXPECT_EQ(map.areas[0].href, "a.htx");
    EXPECT_EQ(map.areas[0].rect.w, 50);
    EXPECT_EQ(map.areas[1].href, "\xa7"
                                 "befehl");
    EXPECT_EQ(map.areas[1].rect.x, 50);
}

TEST(ParserLinks, OnClickSetsTheClickTargetAndMaybeEnter) {
    PageModel model;
    model.Parse("<onclick href=\"weiter.htx\" return>", false);
    EXPECT_EQ(model.page().clickTarget, "weiter.htx");
    EXPECT_EQ(model.page().enterTarget, "weiter.htx");

    PageModel withEnter;
    withEnter.Parse("<a href=\"x.htx\" return>x</a><onclick href=\"y.htx\" return>", false);
    EXPECT_EQ(withEnter.page().enterTarget, "x.htx");

    PageModel broken;
    broken.Parse("<onclick ziel=\"y.htx\">", false);
    EXPECT_EQ(broken.page().clickTarget, "");
}

TEST(ParserLinks, ButtonsNeedAPlace) {
    PageModel model;
    model.Parse("<button caption=\"ohne Platz\">"
                "<BUTTON COORDS=\"10,10,100,30\" CAPTION=\"Weiter\" HREF=\"\xa7weiter\" "
                "COLOR=#c0c0c0 FLASH=#ff0000 3D>",
                false);
    ASSERT_EQ(model.page().buttons.size(), 1u);
    const ButtonSpec& button = model.page().buttons[0];
    EXPECT_EQ(button.caption, "Weiter");
    EXPECT_EQ(button.href, "\xa7weiter");
    EXPECT_EQ(button.rect.w, 100);
    EXPECT_EQ(button.color, rgbColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(button.flashColor, rgbColor(0xFF, 0, 0));
    EXPECT_TRUE(button.threeD);
}

} // namespace
} // namespace qor
