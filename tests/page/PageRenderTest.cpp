// Drawing pages into the buffer: background, boxes, pictures, text and what
// drawing prepares for interaction. Pixels are checked where the drawing
// rules fix them.

#include "PageRenderTesting.h"
#include "page/view/PageBitmap.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::RenderedPage;
using test::rgb;

const QColor White = rgb(255, 255, 255);
const QColor Black = rgb(0, 0, 0);
const QColor Red = rgb(255, 0, 0);

TEST(PageRenderTest, TheBufferIsAsHighAsTheContentOrTheControl) {
    RenderedPage page;
    page.show("<BODY BGCOLOR=#102030>kurz");
    EXPECT_EQ(page.page.buffer().size(), QSize(400, 300));
    EXPECT_EQ(page.at(399, 299), rgb(0x10, 0x20, 0x30));
    EXPECT_FALSE(page.page.scrollBarVisible());

    std::string tall;
    for (int i = 0; i < 40; ++i)
        tall += "Zeile<BR>";
    page.show(tall);
    EXPECT_EQ(page.page.buffer().height(), page.page.contentHeight() + 16);
    EXPECT_TRUE(page.page.scrollBarVisible());
    EXPECT_EQ(page.page.scrollRange(), page.page.contentHeight() - 300 + 16);
}

TEST(PageRenderTest, BoxesAreFilledAndFramedWithTheirRightEdgeIncluded) {
    RenderedPage page;
    page.show("<BOX COORDS=10,10,50,20 COLOR=#FF0000 BCOLOR=#000000>"
              "<BOX COORDS=100,10,50,20 COLOR=#0000FF OFFSET=5>");
    EXPECT_EQ(page.at(30, 20), Red);
    EXPECT_EQ(page.at(10, 20), Black);
    EXPECT_EQ(page.at(60, 20), Black);
    EXPECT_EQ(page.at(61, 20), White);
    // Grown by the offset on every side.
    EXPECT_EQ(page.at(96, 6), rgb(0, 0, 255));
    EXPECT_EQ(page.at(154, 34), rgb(0, 0, 255));
    EXPECT_EQ(page.at(94, 4), White);
}

TEST(PageRenderTest, BlendedBoxesFollowTheModeArithmetic) {
    RenderedPage page;
    // Red at alpha 128 over white: 255 + (0 - 255) x 128 / 256 = 128.
    // A black rounded box in mode 4 (darken by darkness, weight 254).
    page.show("<BOX COORDS=10,10,60,40 COLOR=#FF0000 ALPHA=128>"
              "<BOX COORDS=100,10,80,60 COLOR=#000000 SHAPE=ROUNDRECT RADIUS=10 MODE=4>");
    EXPECT_EQ(page.at(40, 30), rgb(255, 128, 128));
    EXPECT_EQ(page.at(140, 40), rgb(2, 2, 2));
    // The rounded corner leaves the background.
    EXPECT_EQ(page.at(101, 11), White);
}

TEST(PageRenderTest, EllipsesFillTheirRectangle) {
    RenderedPage page;
    page.show("<ELLIPSE COORDS=100,100,80,40 COLOR=#00FF00 BCOLOR=#000000 BWIDTH=2>");
    EXPECT_EQ(page.at(100, 100), rgb(0, 255, 0));
    EXPECT_EQ(page.at(62, 82), White);
    EXPECT_TRUE(page.holdsDark(QRect(58, 98, 5, 5)));
}

TEST(PageRenderTest, RandomStripsAlternateWithGaps) {
    RenderedPage page;
    // Strips of 5 rows and gaps of 3, from the top of the box down.
    int call = 0;
    page.page.model().setRandomSource([&call](int) { return call++ % 2 == 0 ? 5 : 3; });
    page.show("<BOX COORDS=10,10,50,30 SHAPE=RANDOM RADIUS=10 COLOR=#0000FF>");
    for (int row = 10; row < 40; ++row) {
        const bool strip = (row - 10) % 8 < 5;
        EXPECT_EQ(page.at(30, row), strip ? rgb(0, 0, 255) : White) << row;
    }
}

TEST(PageRenderTest, PicturesAreScaledIntoTheirPlace) {
    RenderedPage page;
    page.picture("bild.bmp", 200, 100, Red, rgb(0, 0, 255));
    page.show("<IMG SRC=\"bild.bmp\" SCALE=50%>");
    const LaidOutItem& laid = page.page.layoutResult().items.at(0);
    EXPECT_EQ(laid.width, 100);
    EXPECT_EQ(laid.height, 50);
    EXPECT_EQ(page.at(laid.x + 10, laid.top() + 10), Red);
    EXPECT_EQ(page.at(laid.x + 90, laid.top() + 40), rgb(0, 0, 255));
    EXPECT_EQ(page.at(laid.x + 101, laid.top() + 10), White);
}

TEST(PageRenderTest, PictureAlignmentPlacesItInTheColumn) {
    RenderedPage page;
    page.picture("p.bmp", 40, 20, Red, Red);
    page.show("<IMG SRC=\"p.bmp\" ALIGN=R>");
    // The column ends at 8 + 400 - 32.
    EXPECT_EQ(page.at(8 + 368 - 1, 20), Red);
    EXPECT_EQ(page.at(8 + 368 - 41, 20), White);
}

TEST(PageRenderTest, JpegAndPngPicturesLoad) {
    RenderedPage page;
    page.picture("foto.jpg", 40, 20, Red, Red, "JPEG");
    page.picture("bild.png", 40, 20, rgb(0, 0, 255), rgb(0, 0, 255), "PNG");
    page.show("<IMG SRC=\"foto.jpg\"><IMG SRC=\"bild.png\">");
    ASSERT_EQ(page.page.model().pictures().size(), 2u);
    const QImage* photo = page.page.pictureBitmap(0);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->format(), QImage::Format_RGB888); // JPEG pictures become 24-bit
    const LaidOutItem& png = page.page.layoutResult().items.at(1);
    EXPECT_EQ(page.at(png.x + 5, png.top() + 5), rgb(0, 0, 255));
    EXPECT_TRUE(page.messages.texts().empty());
}

TEST(PageRenderTest, PicturesBlendWithModeAlphaAndRadius) {
    RenderedPage page;
    page.picture("s.bmp", 40, 40, Black, Black);
    page.show("<IMG SRC=\"s.bmp\" COLOR=#00FF00>" // tint: black becomes green
              "<IMG SRC=\"s.bmp\" ALPHA=50>"      // alpha 127
              "<IMG SRC=\"s.bmp\" RADIUS=20>");   // rounded: a circle
    const auto& items = page.page.layoutResult().items;
    // Mode 7, weight 254: 255 + (0 - 255) x 254 / 256 = 2.
    EXPECT_EQ(page.at(items[0].x + 20, items[0].top() + 20), rgb(2, 255, 2));
    // 255 + (0 - 255) x 127 / 256 = 129.
    EXPECT_EQ(page.at(items[1].x + 20, items[1].top() + 20), rgb(129, 129, 129));
    EXPECT_EQ(page.at(items[2].x + 20, items[2].top() + 20), Black);
    EXPECT_EQ(page.at(items[2].x, items[2].top()), White);
}

TEST(PageRenderTest, APictureThatCannotBeLoadedIsLeftOutWithAMessage) {
    RenderedPage page;
    page.show("vor <IMG SRC=\"fehlt.bmp\"> nach");
    ASSERT_EQ(page.messages.shown().size(), 1u);
    EXPECT_EQ(page.messages.shown()[0].text,
              "Das Bild " + page.folder.path() + "fehlt.bmp konnte nicht geladen werden!");
    EXPECT_EQ(page.messages.shown()[0].caption, "*qor");
    for (const tFormatted_text& item : page.page.model().items())
        EXPECT_NE(item.kind, ItemKind::Picture);
}

TEST(PageRenderTest, TheHostDrawsRequestedPictures) {
    RenderedPage page;
    std::string asked;
    page.page.OnPictureRequest = [&](const std::string& code, QImage& bitmap) {
        asked = code;
        EXPECT_EQ(bitmap.size(), QSize(30, 20));
        bitmap.fill(Red);
    };
    page.show("<IMG SRC=\"%30x20=chart\">");
    EXPECT_EQ(asked, "chart");
    const LaidOutItem& laid = page.page.layoutResult().items.at(0);
    EXPECT_EQ(laid.width, 30);
    EXPECT_EQ(page.at(laid.x + 15, laid.top() + 10), Red);

    // Without a host the picture is an empty entry that takes no room.
    RenderedPage unhosted;
    unhosted.show("<IMG SRC=\"%30x20=chart\">x");
    EXPECT_TRUE(unhosted.messages.shown().empty());
    EXPECT_EQ(unhosted.page.layoutResult().items.at(0).width, 0);
}

TEST(PageRenderTest, ResourcePicturesComeFromTheProgram) {
    EXPECT_EQ(PictureResourcePath("$red-dot.ppm"), ":/pictures/RED_DOT_PPM");
    RenderedPage page;
    // "$name" in SRC names a definition, which here names the resource.
    page.show("<DEFINE $bild=\"$red-dot.ppm\"><IMG SRC=\"$bild\" SCALE=500%>");
    ASSERT_TRUE(page.messages.texts().empty()) << page.messages.texts()[0];
    const LaidOutItem& laid = page.page.layoutResult().items.at(0);
    EXPECT_EQ(laid.width, 10);
    EXPECT_EQ(page.at(laid.x + 5, laid.top() + 5), Red);
}

TEST(PageRenderTest, BackgroundPicturesAreTiled) {
    RenderedPage page;
    page.picture("kachel.bmp", 30, 30, Red, rgb(0, 0, 255));
    page.show("<BODY BACKGROUND=kachel.bmp>");
    EXPECT_EQ(page.at(5, 5), Red);
    EXPECT_EQ(page.at(25, 5), rgb(0, 0, 255));
    EXPECT_EQ(page.at(35, 65), Red);
    EXPECT_EQ(page.at(365, 295), Red);
}

TEST(PageRenderTest, HighlightedLinksGetNormalAndFlashImages) {
    RenderedPage page;
    // The flash colour stays in the format after the link, so the plain
    // link comes first.
    page.show("<BODY LINK=#0000FF><FONT SIZE=6><A HREF=\"ander.htx\">plain</A> "
              "<A HREF=\"ziel.htx\" FLASH=#FF0000>LINK</A>");
    const tNamed_rectangle_list& areas = page.page.areas();
    ASSERT_EQ(areas.size(), 2);
    EXPECT_FALSE(areas[0].hasHoverImages());
    const NamedRectangle& link = areas[1];
    ASSERT_TRUE(link.hasHoverImages());
    EXPECT_EQ(link.normal.size(), QSize(link.rect.width(), link.rect.height()));
    const auto contains = [](const QImage& image, QColor colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(contains(link.normal, rgb(0, 0, 255)));
    EXPECT_FALSE(contains(link.normal, Red));
    EXPECT_TRUE(contains(link.highlighted, Red));
    EXPECT_FALSE(contains(link.highlighted, rgb(0, 0, 255)));
    // The page shows the normal image.
    EXPECT_TRUE(page.holds(test::qRect(link.rect), rgb(0, 0, 255)));
    const AreaHit hit = areas.HitTest(link.rect.left + 1, link.rect.top + 1);
    EXPECT_EQ(hit.target, "ziel.htx");
    EXPECT_EQ(hit.hoverIndex, 1);
}

TEST(PageRenderTest, BoxesWithOnColourGetTintedHoverImages) {
    RenderedPage page;
    page.show("<BOX COORDS=10,10,100,40 HREF=\"b.htx\" ONCOLOR=#FFFFFF ONCOL2=#0000FF "
              "OFFCOLOR=#000000 OFFCOL2=#FFFF00><FONT SIZE=6>Box");
    const NamedRectangle& box = page.page.areas()[page.page.areas().size() - 1];
    ASSERT_TRUE(box.hasHoverImages());
    // Background: OFFCOL2 in the normal image, ONCOL2 under the mouse.
    EXPECT_EQ(box.normal.pixelColor(box.normal.width() - 2, 1), rgb(255, 255, 0));
    EXPECT_EQ(box.highlighted.pixelColor(box.highlighted.width() - 2, 1), rgb(0, 0, 255));
    // The normal image is what the page shows.
    EXPECT_EQ(page.at(105, 12), rgb(255, 255, 0));
}

TEST(PageRenderTest, CheckBoxesShowTheirState) {
    RenderedPage page;
    page.page.model().SetCondition("b", true);
    page.show("<CHECKBOX COORDS=16,4 NAME=\"a\">a <CHECKBOX COORDS=16,4 NAME=\"b\">b");
    const TCheckBoxList& boxes = page.page.model().page().checkBoxes;
    ASSERT_EQ(boxes.size(), 2u);
    const TCheckBox& off = boxes[0];
    const TCheckBox& on = boxes[1];
    EXPECT_EQ(page.at(off.x, off.y), Black);
    EXPECT_EQ(page.at(off.x + 3, off.y + 3), White);
    EXPECT_EQ(page.at(off.x + 8, off.y + 8), White);
    EXPECT_EQ(page.at(on.x + 8, on.y + 8), Black);
    EXPECT_EQ(page.at(on.x + 3, on.y + 3), White);
}

TEST(PageRenderTest, ExerciseWordsAreBlocksAndGaps) {
    RenderedPage page;
    page.show("<BODY KLOTZ=#C08040>Hund: <A DRAG>perro</A> Haus: "
              "<A GAP lsg=\"casa\" help=\"*\">XXXX</A><KLOTZ Y=200 NR=2 FALSCH=\"gato\">");
    const PageLayoutResult& layout = page.page.layoutResult();
    ASSERT_EQ(layout.dropTargets.size(), 1u);
    const PixelRect& target = layout.dropTargets[0].rect;
    EXPECT_EQ(page.at(target.left + 5, target.top + 2), rgb(0xC0, 0x80, 0x40));
    // The gap's placeholder is not drawn; the page under its field is kept.
    ASSERT_EQ(layout.gaps.size(), 1u);
    EXPECT_FALSE(page.holds(test::qRect(layout.gaps[0].rect), Black));
    ASSERT_EQ(page.page.drawing().gapBackgrounds.size(), 1u);
    EXPECT_EQ(page.page.drawing().gapBackgrounds[0].size(),
              QSize(layout.gaps[0].rect.width(), layout.gaps[0].rect.height()));
    // The tray holds the drag word and the distractor.
    const auto& tray = page.page.drawing().trayBlocks;
    ASSERT_EQ(tray.size(), 2u);
    EXPECT_EQ(tray[0].rect.top, 200);
    EXPECT_EQ(page.at(tray[0].rect.left + 2, tray[0].rect.top + 2), rgb(0xC0, 0x80, 0x40));
}

TEST(PageRenderTest, DrawnWordsGoIntoTheWordList) {
    RenderedPage page;
    page.show("Hola <B>mun</B>do, &yuml; <W>buenos días</W>"_cp);
    TWordList& words = page.page.words();
    const auto& items = page.page.layoutResult().items;
    const auto find = [&](const std::string& word) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (page.page.model().items()[i].text == word)
                return items[i];
        return LaidOutItem{};
    };
    const LaidOutItem mun = find("mun");
    EXPECT_EQ(words.Lookup(mun.x + 1, mun.baseline - 2), "mundo");
    const LaidOutItem dias = find("días"_cp);
    EXPECT_EQ(words.Lookup(dias.x + 1, dias.baseline - 2), "buenos días"_cp);
    // The spacer character is neither drawn nor listed.
    const LaidOutItem spacer = find("\xFF");
    EXPECT_EQ(words.Lookup(spacer.x + 1, spacer.baseline - 2), std::nullopt);
    EXPECT_FALSE(page.holds(QRect(spacer.x, spacer.top(), spacer.width, spacer.ascent), Black));
}

} // namespace
} // namespace qor
