// The page control: fonts, events around drawing, clearing, scrolling and
// painting, the picture mosaic and the celebration.

#include "PageRenderTesting.h"
#include "page/model/FontSize.h"
#include "page/view/Celebration.h"
#include "page/view/LomoBox.h"
#include "page/view/TXBitmap.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::RenderedPage;
using test::rgb;

TEST(PageFontsTest, SizeNumbersArePixelHeights) {
    PageFonts fonts;
    TextFormat format;
    const int heights[] = {11, 13, 16, 19, 24, 32, 48};
    for (int size = 1; size <= 7; ++size) {
        format.size = size;
        EXPECT_EQ(fonts.fontFor(format).font().pixelSize(), heights[size - 1]) << size;
    }
    format.size = 0; // counts as 1
    EXPECT_EQ(fonts.fontFor(format).font().pixelSize(), 11);
    // Above 7 the number is the cell height: ascent and descent together.
    format.size = 40;
    const PageFont& cell = fonts.fontFor(format);
    EXPECT_NEAR(cell.ascent() + cell.descent(), 40, 1);
    EXPECT_LT(cell.font().pixelSize(), 40);
}

TEST(PageFontsTest, FacesResolveToTheMetricCompatibleFonts) {
    PageFonts fonts;
    TextFormat format;
    format.face = "Times New Roman";
    EXPECT_EQ(fonts.fontFor(format).raw().familyName(), "Liberation Serif");
    format.face = "Arial";
    format.styleBits = TextStyle::Bold;
    EXPECT_EQ(fonts.fontFor(format).raw().familyName(), "Liberation Sans");
    EXPECT_TRUE(fonts.fontFor(format).font().bold());
}

TEST(PageFontsTest, OnlyFamiliesThatAreThereCountAsInstalled) {
    EXPECT_TRUE(IsFontInstalled("Liberation Sans"));
    EXPECT_TRUE(IsFontInstalled("liberation serif"));
    EXPECT_TRUE(IsFontInstalled("DejaVu Sans"));
    EXPECT_FALSE(IsFontInstalled("Arial")); // only substituted
    EXPECT_FALSE(IsFontInstalled("Sans Serif"));
    EXPECT_FALSE(IsFontInstalled("Keine Schrift"));

    RenderedPage page;
    page.show("<FONT FACE=\"Arial, Liberation Sans\">Text");
    EXPECT_EQ(page.page.model().items().at(0).format->face, "Liberation Sans");
}

TEST(PageFontsTest, WidthsAreWholeAdvancesWithTracking) {
    PageFonts fonts;
    const PageFont& font = fonts.fontFor(TextFormat{});
    const int plain = font.advance('a') + font.advance('b');
    EXPECT_EQ(font.textWidth("ab", 0), plain);
    EXPECT_EQ(font.textWidth("ab", 3), plain + 6);
    EXPECT_GT(font.advance(static_cast<unsigned char>('\xE4')), 0); // ä
}

TEST(TXBitmapTest, BlendingIsTheSameOn24And32BitTargets) {
    TXBitmap source(3, 1);
    source.image().setPixelColor(0, 0, rgb(200, 100, 30));
    source.image().setPixelColor(1, 0, rgb(0, 0, 0));
    source.image().setPixelColor(2, 0, rgb(255, 255, 255));
    source.Alpha = 100;
    source.Tint = rgbColor(10, 200, 30);
    for (int mode = 0; mode <= 8; ++mode) {
        QImage wide(3, 1, QImage::Format_RGB32);
        wide.fill(rgb(50, 150, 250));
        QImage narrow = wide.convertToFormat(QImage::Format_RGB888);
        source.Draw(wide, 0, 0, mode);
        source.Draw(narrow, 0, 0, mode);
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(wide.pixelColor(x, 0), narrow.pixelColor(x, 0)) << mode << " " << x;
    }
}

TEST(TXPageTest, DrawingRaisesTitleThenOnShow) {
    RenderedPage page;
    std::vector<std::string> events;
    page.page.OnTitleChange = [&](const std::string& title) {
        events.push_back("title " + title);
    };
    page.page.OnCommand = [&](const std::string& command) {
        events.push_back("command " + command);
    };
    page.show("<TITLE>Start</TITLE><BODY ONSHOW=\"los\">Text");
    EXPECT_EQ(events, (std::vector<std::string>{"title Start", "command los"}));
}

TEST(TXPageTest, ClearEmptiesThePageButKeepsDefinitions) {
    RenderedPage page;
    page.show("<DEFINE $name=\"Ana\"><TITLE>T</TITLE><A HREF=\"x.htx\">Link</A>");
    std::vector<std::string> sent;
    page.page.SendMciCommand = [&](const std::string& command, bool quiet) {
        sent.push_back(command + (quiet ? " (quiet)" : ""));
        return std::string();
    };
    ASSERT_FALSE(page.page.areas().empty());
    page.page.Clear();
    EXPECT_TRUE(page.page.areas().empty());
    EXPECT_TRUE(page.page.words().entries().empty());
    EXPECT_TRUE(page.page.model().items().empty());
    EXPECT_EQ(page.page.model().title(), "ohne Titel");
    EXPECT_EQ(page.page.model().GetDefine("name"), "Ana");
    EXPECT_EQ(sent, std::vector<std::string>{"close welle (quiet)"});
}

TEST(TXPageTest, PaintingCopiesTheBufferFromTheScrollPosition) {
    RenderedPage page(200, 100);
    std::string text = "<BODY BGCOLOR=#FFFFFF>";
    for (int i = 0; i < 30; ++i)
        text += "<FONT COLOR=#" + std::string(i % 2 ? "FF0000" : "0000FF") + ">Zeile</FONT><BR>";
    page.show(text);
    page.page.Scroll(1000000);
    EXPECT_EQ(page.page.scrollPosition(), page.page.scrollRange());
    page.page.Scroll(120);
    EXPECT_EQ(page.page.scrollPosition(), 120);
    const QImage screen = page.page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), QSize(200, 100));
    // The scroll bar covers the right edge.
    const int shown = 200 - ScrollBarWidth;
    EXPECT_EQ(screen.copy(0, 0, shown, 100), page.page.buffer().copy(0, 120, shown, 100));
    page.page.Scroll(-5);
    EXPECT_EQ(page.page.scrollPosition(), 0);
}

TEST(TXPageTest, AHostColourShowsUntilAPageBringsItsOwn) {
    TXPage page;
    page.resize(120, 80);
    page.setColorBGR(rgbColor(0x12, 0x34, 0x56));
    const QImage empty = page.grab().toImage();
    EXPECT_EQ(empty.pixelColor(10, 10), QColor(0x12, 0x34, 0x56));

    page.ShowText("Text");
    EXPECT_EQ(page.ColorBGR(), ColorValue::White) << "a page starts in its own colours";
    EXPECT_EQ(page.ColorTXT(), ColorValue::Black);
}

TEST(TXPageTest, ANewWidthLaysThePageOutAgain) {
    RenderedPage page(400, 300);
    page.page.setAttribute(Qt::WA_DontShowOnScreen);
    page.page.show();
    page.show("<RIGHT>rechts");
    const int before = page.page.layoutResult().items.at(0).x;
    page.page.resize(600, 300);
    EXPECT_EQ(page.page.buffer().width(), 600);
    EXPECT_EQ(page.page.layoutResult().items.at(0).x, before + 200);
}

TEST(LomoBoxTest, TilesShowPicturesOrRandomColours) {
    QImage wide(100, 60, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QImage narrow(50, 60, QImage::Format_RGB32);
    narrow.fill(Qt::blue);
    // Two zones: 200 x 60 (two tiles) and 100 x 180 (three tiles).
    int next = 0;
    TLomoBox mosaic({wide, narrow},
                    {PixelRect::fromSize(0, 0, 200, 60), PixelRect::fromSize(0, 100, 100, 180)},
                    500, [&next](int) { return next++ % 2; });
    EXPECT_EQ(mosaic.tileSize(), (PixelSize{100, 60}));
    ASSERT_EQ(mosaic.tiles().size(), 5u);
    QImage target(200, 300, QImage::Format_RGB32);
    target.fill(Qt::white);
    mosaic.DrawAll(target);
    // A tile as wide as the picture shows it; a narrower picture quarters it.
    EXPECT_EQ(target.pixelColor(50, 30), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(110, 10), QColor(Qt::blue));
    EXPECT_NE(target.pixelColor(150, 10), QColor(Qt::white));

    TLomoBox empty({}, {PixelRect::fromSize(0, 0, 100, 34)}, 500, [](int) { return 7; });
    QImage plain(100, 40, QImage::Format_RGB32);
    plain.fill(Qt::white);
    empty.DrawAll(plain);
    EXPECT_EQ(plain.pixelColor(10, 10), rgb(7, 7, 7));
}

TEST(LomoBoxTest, APageMosaicChangesATileOnEveryTick) {
    RenderedPage page;
    page.picture("a.bmp", 60, 40, Qt::red, Qt::red);
    page.show("<BOX COORDS=10,10,120,80 LOMO=\"a.bmp\" SPEED=10>");
    EXPECT_EQ(page.at(20, 20), QColor(Qt::red));
    EXPECT_EQ(page.at(120, 80), QColor(Qt::red));
    page.page.buffer().fill(Qt::white);
    QElapsedTimer clock;
    clock.start();
    while (page.at(20, 20) != QColor(Qt::red) && page.at(80, 20) != QColor(Qt::red) &&
           clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(page.at(20, 20) == QColor(Qt::red) || page.at(80, 20) == QColor(Qt::red));
}

TEST(CelebrationTest, FramesShowTheTextOverSpecksAndJitter) {
    int call = 0;
    Celebration celebration(QSize(400, 300), "Unglaublich!",
                            [&call](int range) { return (call++ * 7) % range; });
    QImage frame = celebration.blankFrame();
    const QPoint start = celebration.textPosition();
    celebration.DrawFrame(frame);
    const QPoint moved = celebration.textPosition() - start;
    EXPECT_LE(std::abs(moved.x()), 2);
    EXPECT_LE(std::abs(moved.y()), 2);
    int white = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            white += frame.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 100);                                  // the text
    EXPECT_EQ(frame.pixelColor(10, 10), QColor(Qt::black)); // outside the field
}

TEST(CelebrationTest, ThePageShowsItsBufferAgainAfterwards) {
    RenderedPage page;
    page.show("<BODY BGCOLOR=#00FF00>Text");
    page.page.Celebrate("Oh nein!!!", 60);
    EXPECT_FALSE(page.page.animating());
    const QImage screen = page.page.grab().toImage();
    EXPECT_EQ(screen.pixelColor(5, 5), rgb(0, 255, 0));
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST(TXPageTest, AnimatedPicturesPlayWhereTheyWereDrawn) {
    RenderedPage page;
    const auto gif = readFile(std::string(QOR_SOURCE_DIR) + "/tests/page/pictures/blink.gif");
    ASSERT_TRUE(gif);
    page.folder.file("blink.gif", *gif);
    page.show("x <IMG SRC=\"blink.gif\" SCALE=1000%>");
    const LaidOutItem& laid = page.page.layoutResult().items.at(2);
    ASSERT_EQ(laid.width, 20);
    const QPoint inside(laid.x + 10, laid.top() + 10);
    EXPECT_EQ(page.at(inside.x(), inside.y()), rgb(255, 0, 0));
    QElapsedTimer clock;
    clock.start();
    while (page.at(inside.x(), inside.y()) != rgb(0, 0, 255) && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(page.at(inside.x(), inside.y()), rgb(0, 0, 255));
}

} // namespace
} // namespace qor
