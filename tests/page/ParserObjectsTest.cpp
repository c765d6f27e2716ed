// Boxes, ellipses, pictures and the page settings of <BODY>.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::describeItems;

TEST(ParserObjects, BoxAddsABlockItemAndTextFlowsInside) {
    PageModel model;
    model.Parse("davor <BOX COORDS=\"-10020,10,0\" COLOR=#ff0000 BCOLOR=#000000 BWIDTH=2 "
                "ALIGN=R TOP ALPHA=128 MODE=3 OFFSET=-4> drin",
                false);
    EXPECT_EQ(describeItems(model), "davor|[B]|drin"); // no space before or after the block
    ASSERT_EQ(model.page().boxes.size(), 1u);
    const TBox& box = model.page().boxes[0];
    EXPECT_EQ(box.left, 780);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(box.width, 20);
    EXPECT_TRUE(box.autoHeight);
    EXPECT_EQ(box.height, 20);
    EXPECT_TRUE(box.filled);
    EXPECT_EQ(box.fillColor, rgbColor(0xFF, 0, 0));
    EXPECT_EQ(box.borderColor, 0);
    EXPECT_EQ(box.borderWidth, 2);
    EXPECT_TRUE(box.onTop);
    EXPECT_EQ(box.alpha, 128);
    EXPECT_EQ(box.mode, 3);
    EXPECT_EQ(box.offset, -4);
    EXPECT_EQ(box.areaIndex, -1);
    EXPECT_TRUE(model.page().needsEffectBitmap);

    const tFormatted_text& block = model.items()[1];
    EXPECT_EQ(block.format->boxIndex, 0);
    EXPECT_EQ(block.format->objectTop, 10);
    EXPECT_EQ(block.format->leftMargin, 780);
    const tFormatted_text& inside = model.items()[2];
    EXPECT_EQ(inside.format->boxIndex, -1);
    EXPECT_EQ(inside.format->objectTop, -1);
    EXPECT_EQ(inside.format->columnWidth, 20);
    EXPECT_EQ(inside.format->alignment, TextAlign::Right);
}

TEST(ParserObjects, BoxShapesAndDefaults) {
    const struct {
        const char* attributes;
        int shape;
        int radius;
        bool blended;
    } cases[] = {
        {"", BoxShape::Rectangle, 30, false},
        {"SHAPE=roundrect", BoxShape::RoundRect, 30, false},
        {"SHAPE=roundrect COLOR=#ffffff", BoxShape::RoundRect, 30, true},
        {"RADIUS=12", BoxShape::RoundRect, 12, false},
        {"SHAPE=ELLIPSE RADIUS=12", BoxShape::Ellipse, 12, false},
        {"RADIUS=12 SHAPE=ELLIPSE BCOLOR=#000000", BoxShape::Ellipse, 12, true},
        {"SHAPE=random RADIUS=99999", BoxShape::RandomStrips, 10000, false},
        {"SHAPE=stern", BoxShape::Rectangle, 30, false},
        {"RADIUS=x", BoxShape::RoundRect, 30, false},
    };
    for (const auto& c : cases) {
        PageModel model;
        model.Parse(std::string("<box coords=\"0,0,100,50\" ") + c.attributes + ">", false);
        ASSERT_EQ(model.page().boxes.size(), 1u) << c.attributes;
        const TBox& box = model.page().boxes[0];
        EXPECT_EQ(box.shape, c.shape) << c.attributes;
        EXPECT_EQ(box.radius, c.radius) << c.attributes;
        EXPECT_EQ(model.page().needsEffectBitmap, c.blended) << c.attributes;
        EXPECT_FALSE(box.autoHeight);
        EXPECT_EQ(box.onColor, ColorValue::None);
        EXPECT_EQ(box.onColor2, ColorValue::White);
    }
}

TEST(ParserObjects, BoxWithoutCoordinatesIsNoBox) {
    PageModel model;
    model.Parse("<box color=#ff0000 align=center>w", false);
    EXPECT_TRUE(model.page().boxes.empty());
    EXPECT_EQ(describeItems(model), "w");
    EXPECT_EQ(model.items()[0].format->alignment, TextAlign::Center);
}

TEST(ParserObjects, BoxLinksAndHoverColours) {
    PageModel model;
    model.Parse("<box href=\"ziel.htx\" oncolor=#ff0000 coords=\"0,0,10,10\" offcolor=#00ff00 "
                "oncol2=#0000ff offcol2=#000000>",
                false);
    const TBox& box = model.page().boxes.at(0);
    EXPECT_EQ(model.page().areaNames, std::vector<std::string>{"ziel.htx"});
    EXPECT_EQ(box.areaIndex, 0);
    EXPECT_TRUE(box.hasHoverImages());
    EXPECT_EQ(box.offColor, rgbColor(0, 0xFF, 0));
    EXPECT_EQ(box.onColor2, rgbColor(0, 0, 0xFF));
    EXPECT_EQ(box.offColor2, 0);
}

TEST(ParserObjects, BoxMosaicFilesLieInTheFolder) {
    PageModel model;
    model.setCurrentPage("/seiten/", "a.htx");
    model.Parse("<box lomo=\"a.jpg|b.jpg|\" dir=\"bilder/\" coords=\"0,0,300,200\" "
                "zone2=\"300,0,100,100\" speed=70000>",
                false);
    ASSERT_TRUE(model.page().mosaic.has_value());
    const MosaicSpec& mosaic = *model.page().mosaic;
    EXPECT_EQ(mosaic.boxIndex, 0);
    EXPECT_EQ(mosaic.files,
              (std::vector<std::string>{"/seiten/bilder/a.jpg", "/seiten/bilder/b.jpg"}));
    EXPECT_EQ(mosaic.zone2.x, 300);
    EXPECT_EQ(mosaic.speed, 60000);
}

TEST(ParserObjects, EllipseIsCentredOnItsCoordinates) {
    PageModel model;
    model.Parse("<ellipse coords=\"100,50,40,20\" color=#ff0000 bwidth=3>"
                "<ellipse color=#ff0000>",
                false);
    ASSERT_EQ(model.page().boxes.size(), 1u);
    const TBox& ellipse = model.page().boxes[0];
    EXPECT_EQ(ellipse.shape, BoxShape::Ellipse);
    EXPECT_EQ(ellipse.left, 80);
    EXPECT_EQ(ellipse.top, 40);
    EXPECT_EQ(ellipse.width, 40);
    EXPECT_EQ(ellipse.borderWidth, 3);
    EXPECT_TRUE(ellipse.filled);
    EXPECT_EQ(describeItems(model), "[B]");
    EXPECT_EQ(model.items()[0].format->leftMargin, 8); // the text keeps its column
}

TEST(ParserObjects, PicturesCarryTheirFields) {
    PageModel model;
    model.setCurrentPage("/seiten/", "a.htx");
    model.setRandomSource(test::ScriptedRandom({1}));
    model.Parse("a <IMG SRC=\"bild.gif\" SCALE=50% ALIGN=middle USEMAP=\"karte\" BASE=4 "
                "RADIUS=5 ALPHA=50 MODE=9 ALT=\"Ein Bild\"> b",
                false);
    ASSERT_EQ(describeItems(model), "a|_|[P]|_|b");
    const tFormatted_text& item = model.items()[2];
    EXPECT_EQ(item.text, "bild.gif");
    const PictureFields& picture = item.format->picture;
    EXPECT_EQ(picture.index, 0);
    EXPECT_EQ(picture.scale, 50);
    EXPECT_EQ(picture.alignment, PictureAlign::Middle);
    EXPECT_EQ(picture.map, "karte");
    EXPECT_EQ(picture.baseline, 4);
    EXPECT_EQ(picture.radius, 5);
    EXPECT_EQ(picture.alpha, 127);
    EXPECT_EQ(picture.mode, 8); // 9: 7 or 8 at random
    EXPECT_EQ(picture.alt, "Ein Bild");
    EXPECT_EQ(picture.second, -1);
    EXPECT_EQ(model.pictures()[0].name, "/seiten/bild.gif");
    EXPECT_TRUE(model.page().needsEffectBitmap);
    EXPECT_EQ(model.items()[4].format->picture.index, -1); // fields end with the picture
}

TEST(ParserObjects, PictureAttributeRules) {
    const struct {
        const char* attributes;
        std::function<bool(const PictureFields&)> holds;
    } cases[] = {
        {"",
         [](auto& p) {
             return p.scale == 100 && p.alignment == PictureAlign::Bottom && p.alpha == 255;
         }},
        {"SCALE=50",
         [](auto& p) {
             return p.scale == 100;
         }}, // the "%" is part of the form
        {"SCALE=0%",
         [](auto& p) {
             return p.scale == 100;
         }},
        {"SCALE=-50%",
         [](auto& p) {
             return p.scale == 100;
         }},
        {"ALIGN=x",
         [](auto& p) {
             return p.alignment == PictureAlign::Over;
         }},
        {"ALIGN=links",
         [](auto& p) {
             return p.alignment == PictureAlign::Left;
         }},
        {"TRANSPARENT=55",
         [](auto& p) {
             return p.alpha == 200;
         }},
        {"MODE=12",
         [](auto& p) {
             return p.mode == 7 || p.mode == 8;
         }}, // clamped to 9
        {"COLOR=#00ff00",
         [](auto& p) {
             return p.mode == 7 && p.effectColor == 0x00FF00;
         }},
        {"MODE=2 COLOR=#00ff00",
         [](auto& p) {
             return p.mode == 2;
         }},
        {"FCOLOR=#0000ff",
         [](auto& p) {
             return p.mode == 7 && p.hasFrameColor() && p.frameColor() == 0xFF0000 &&
                    !p.hasHoverPicture();
         }},
    };
    for (const auto& c : cases) {
        PageModel model;
        model.Parse(std::string("<img src=\"a.gif\" ") + c.attributes + ">", false);
        ASSERT_EQ(model.items().size(), 1u) << c.attributes;
        EXPECT_TRUE(c.holds(model.items()[0].format->picture)) << c.attributes;
    }
}

TEST(ParserObjects, HoverPicturesAndReuse) {
    PageModel model;
    model.setCurrentPage("/s/", "a.htx");
    model.Parse("<img src=\"a.gif|b.gif\"><img src=\"A.GIF\" flash=\"c.gif\">"
                "<img src=\"*d.gif\"><img src=\"$undefiniert\">",
                false);
    ASSERT_EQ(model.items().size(), 3u); // an empty source makes no picture
    EXPECT_EQ(model.items()[0].format->picture.index, 0);
    EXPECT_EQ(model.items()[0].format->picture.second, 1);
    EXPECT_EQ(model.items()[1].text, "A.GIF|c.gif");      // FLASH is shown under the mouse
    EXPECT_EQ(model.items()[1].format->picture.index, 0); // the same file again
    EXPECT_EQ(model.items()[1].format->picture.second, 2);
    EXPECT_TRUE(model.pictures()[3].keep);
    EXPECT_EQ(model.pictures()[3].name, "/s/d.gif");
    EXPECT_EQ(model.pictures().size(), 4u);
}

TEST(ParserObjects, ResourcePicturesAndClearingKeepsMarkedOnes) {
    PageModel model;
    model.SetDefine("logo", "$logo.bmp");
    model.Parse("<img src=\"$logo\"><img src=\"*k.gif\"><img src=\"weg.gif\">", false);
    ASSERT_EQ(model.pictures().size(), 3u);
    EXPECT_EQ(model.pictures()[0].origin, TXPicture::Origin::Resource);
    EXPECT_EQ(model.pictures()[0].name, "$logo.bmp");
    model.Clear();
    ASSERT_EQ(model.pictures().size(), 1u);
    EXPECT_TRUE(model.pictures()[0].keep);
}

TEST(ParserObjects, HostDrawnPictures) {
    PageModel model;
    std::vector<std::pair<std::string, int>> requests;
    model.OnPictureRequest = [&](const std::string& code, int index) {
        requests.emplace_back(code, index);
    };
    model.Parse("<img src=\"%200x80=chart\"><img src=\"%axb=x\"><img src=\"%99999x5=big\">"
                "<img src=\"%200x80=chart\">",
                false);
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0], std::make_pair(std::string("chart"), 0));
    EXPECT_EQ(requests[3].second, 3); // every request gets its own bitmap
    const auto& pictures = model.pictures();
    EXPECT_EQ(pictures[0].width, 200);
    EXPECT_EQ(pictures[0].height, 80);
    EXPECT_EQ(pictures[1].width, 100); // invalid sizes give 100 x 60
    EXPECT_EQ(pictures[1].height, 60);
    EXPECT_EQ(pictures[2].width, 100);

    PageModel unhandled;
    unhandled.Parse("<img src=\"%200x80=chart\">", false);
    EXPECT_EQ(unhandled.pictures()[0].origin, TXPicture::Origin::Blank);
    EXPECT_EQ(unhandled.pictures()[0].width, 0);
}

TEST(ParserObjects, PicturesThatCannotBeLoadedAreLeftOut) {
    PageModel model;
    std::vector<std::string> asked;
    model.setPictureLoader([&](const TXPicture& picture) -> std::shared_ptr<PictureImage> {
        asked.push_back(picture.name);
        if (picture.name.find("fehlt") != std::string::npos)
            return nullptr;
        return std::make_shared<PictureImage>();
    });
    model.setCurrentPage("/s/", "a.htx");
    model.Parse("a <img src=\"fehlt.gif\"> <img src=\"da.gif|fehlt2.gif\"> b", false);
    EXPECT_EQ(describeItems(model), "a|_|[P]|_|b");
    EXPECT_EQ(model.items()[2].format->picture.index, 0);
    EXPECT_EQ(model.items()[2].format->picture.second, -1);
    ASSERT_EQ(model.pictures().size(), 1u);
    EXPECT_NE(model.pictures()[0].image, nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"/s/fehlt.gif", "/s/da.gif", "/s/fehlt2.gif"}));
}

TEST(ParserObjects, BodySetsPageColoursAfterTheTag) {
    PageModel model;
    model.setCurrentPage("/s/", "a.htx");
    model.SetDefine("ziel", "weiter.htx");
    model.Parse("<BODY BGCOLOR=#000080 TEXT=#ffffff LINK=#ffff00 GAP=#eeeeee KLOTZ=#ff0000 "
                "KBGR=#00ff00 BACKGROUND=bg.jpg MCHAN=#00ff00 MCHAUS=#0000ff "
                "WAIT=\"1500,$ziel\" ONSHOW=\"gezeigt\" FORM>",
                false);
    const PageContent& page = model.page();
    EXPECT_EQ(page.colors.background, rgbColor(0, 0, 0x80));
    EXPECT_EQ(page.colors.text, ColorValue::White);
    EXPECT_EQ(page.colors.link, rgbColor(0xFF, 0xFF, 0));
    EXPECT_EQ(page.colors.gap, rgbColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(page.colors.dragBlock, rgbColor(0xFF, 0, 0));
    EXPECT_EQ(page.colors.choiceActive, rgbColor(0, 0xFF, 0));
    EXPECT_EQ(page.colors.choiceInactive, rgbColor(0, 0, 0xFF));
    EXPECT_EQ(page.backgroundPicture, "/s/bg.jpg");
    ASSERT_TRUE(page.wait.has_value());
    EXPECT_EQ(page.wait->milliseconds, 1500);
    EXPECT_EQ(page.wait->target, "weiter.htx");
    EXPECT_EQ(page.onShow, "gezeigt");
    EXPECT_TRUE(page.formTakesBackground);

    model.page().colors.text = ColorValue::Black; // set by the host ...
    model.Parse("<b>", true);
    EXPECT_EQ(model.page().colors.text, ColorValue::White); // ... the BODY value wins after a tag

    model.Clear();
    EXPECT_EQ(model.page().colors.background, ColorValue::White);
    EXPECT_EQ(model.page().body.text, ColorValue::Black);
}

TEST(ParserObjects, WaitNeedsATimeAndATarget) {
    for (const char* wait : {"WAIT=\"0,x.htx\"", "WAIT=\"500,\"", "WAIT=\"abc,x.htx\""}) {
        PageModel model;
        model.Parse(std::string("<body ") + wait + ">", false);
        EXPECT_FALSE(model.page().wait.has_value()) << wait;
    }
}

} // namespace
} // namespace qor
