// The word list, the mosaic's tiles, the drag tray and colour values.

#include "page/layout/DragTray.h"
#include "page/layout/MosaicTiles.h"
#include "page/layout/PageColorValues.h"
#include "page/layout/WordList.h"
#include "platform/Text.h"
#include "support/GraphicsPrinters.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;

TEST(WordListTest, PunctuationAroundWordsIsLeftOut) {
    TWordList words;
    words.Add("(\"casa\"),", PixelRect::fromSize(0, 0, 50, 10));
    words.Add("¿qué?"_cp, PixelRect::fromSize(60, 0, 50, 10));
    words.Add("...", PixelRect::fromSize(120, 0, 50, 10));
    ASSERT_EQ(words.texts().size(), 2u);
    EXPECT_EQ(words.texts()[0], "casa");
    EXPECT_EQ(words.texts()[1], "¿qué"_cp);
}

TEST(WordListTest, PiecesSideBySideBecomeOneWord) {
    TWordList words;
    words.Add("B", PixelRect::fromSize(0, 0, 10, 16));
    words.Add("old", PixelRect::fromSize(10, 0, 30, 16));
    words.Add(" ", PixelRect::fromSize(40, 0, 5, 16));
    words.Add("next", PixelRect::fromSize(45, 0, 40, 16));
    words.Add("line", PixelRect::fromSize(85, 20, 40, 16)); // another line
    ASSERT_EQ(words.texts().size(), 3u);
    EXPECT_EQ(words.texts()[0], "Bold");
    EXPECT_EQ(words.entries()[0].rect, PixelRect::fromSize(0, 0, 40, 16));
    EXPECT_EQ(words.Lookup(20, 5), "Bold");
    EXPECT_EQ(words.Lookup(50, 5), "next");
    EXPECT_EQ(words.lookedUpRect(), PixelRect::fromSize(45, 0, 40, 16));
    EXPECT_EQ(words.Lookup(500, 5), std::nullopt);
}

TEST(WordListTest, WordsOfAGroupFormAPhrase) {
    TWordList words;
    words.Add("vor", PixelRect::fromSize(0, 0, 30, 16));
    words.Add(" ", PixelRect::fromSize(30, 0, 5, 16));
    words.Add("buenos", PixelRect::fromSize(35, 0, 60, 16), 42);
    words.Add(" ", PixelRect::fromSize(95, 0, 5, 16), 42);
    words.Add("días"_cp, PixelRect::fromSize(0, 20, 40, 16), 42);
    words.Add(" ", PixelRect::fromSize(40, 20, 5, 16));
    words.Add("nach", PixelRect::fromSize(45, 20, 40, 16));
    EXPECT_EQ(words.Lookup(50, 5), "buenos días"_cp);
    EXPECT_EQ(words.Lookup(10, 25), "buenos días"_cp);
    EXPECT_EQ(words.Lookup(60, 25), "nach");
    EXPECT_EQ(words.texts().size(), 3u);
}

TEST(MosaicTest, TilesTakeTheLargestPicture) {
    EXPECT_EQ(mosaicTileSize({{30, 20}, {40, 25}}), (PixelSize{50, 25}));   // at least 50 wide
    EXPECT_EQ(mosaicTileSize({{120, 70}, {90, 78}}), (PixelSize{120, 80})); // near 2/3: 2/3
    EXPECT_EQ(mosaicTileSize({{100, 50}}), (PixelSize{100, 50}));
    EXPECT_EQ(mosaicTileSize({{100, 69}}), (PixelSize{100, 67})); // 2/3 rounded up
    EXPECT_EQ(mosaicTileSize({{100, 70}}), (PixelSize{100, 70})); // more than 3 off
}

TEST(MosaicTest, ZonesAreCutIntoColumnsOfTiles) {
    const PixelSize tile{100, 50};
    // Width and height multiples: 3 columns of 2 tiles.
    const auto whole = mosaicTiles(PixelRect::fromSize(10, 20, 300, 100), tile);
    ASSERT_EQ(whole.size(), 6u);
    EXPECT_EQ(whole[1], PixelRect::fromSize(10, 70, 100, 50));
    EXPECT_EQ(whole[2], PixelRect::fromSize(110, 20, 100, 50));
    // A width that is no multiple: nothing.
    EXPECT_TRUE(mosaicTiles(PixelRect::fromSize(0, 0, 250, 100), tile).empty());
    // 170 pixels hold 3 tile heights: halved to 85, then to 42 and 43.
    const auto halved = mosaicTiles(PixelRect::fromSize(0, 0, 100, 170), tile);
    ASSERT_EQ(halved.size(), 4u);
    EXPECT_EQ(halved[0], PixelRect::fromSize(0, 0, 100, 42));
    EXPECT_EQ(halved[1], PixelRect::fromSize(0, 42, 100, 43));
    EXPECT_EQ(halved[2], PixelRect::fromSize(0, 85, 100, 42));
    // 110 pixels hold 2 tile heights: not cut.
    EXPECT_TRUE(mosaicTiles(PixelRect::fromSize(0, 0, 100, 110), tile).empty());
}

TEST(DragTrayTest, BlocksStandInRowsOfColumns) {
    DragExerciseSettings settings; // 4 columns of 120, centred, top 350
    // Left edge (800 - 4 x 140 + 20) / 2 = 130, right edge 670.
    EXPECT_EQ(dragTrayBlock(0, settings, 800, 20), PixelRect::fromSize(130, 350, 120, 20));
    EXPECT_EQ(dragTrayBlock(3, settings, 800, 20),
              PixelRect::fromSize(130 + 3 * 140, 350, 120, 20));
    EXPECT_EQ(dragTrayBlock(5, settings, 800, 20), PixelRect::fromSize(270, 380, 120, 20));

    settings.trayLeft = 10;
    settings.trayRight = 400;
    EXPECT_EQ(dragTrayBlock(1, settings, 800, 20).left, (400 - 10 - 120) / 3 + 10);
}

TEST(DragTrayTest, OneOrNoColumnStacksTheBlocks) {
    for (int columns : {0, 1}) {
        DragExerciseSettings settings;
        settings.columns = columns;
        const PixelRect second = dragTrayBlock(1, settings, 800, 20);
        EXPECT_EQ(second.top, 350 + 30) << columns;
        EXPECT_EQ(second.left, dragTrayBlock(0, settings, 800, 20).left) << columns;
    }
}

TEST(ColorValueTest, MarkersAndPaletteIndexesResolve) {
    PageColors colors;
    colors.text = rgbColor(1, 2, 3);
    colors.link = ColorValue::PaletteIndexMarker | 13;
    EXPECT_EQ(ResolveColor(ColorValue::PageText, colors), rgbColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(ColorValue::PageLink, colors), rgbColor(255, 0, 0));
    EXPECT_EQ(ResolveColor(ColorValue::PaletteIndexMarker | 128, colors), ColorValue::Black);
    EXPECT_EQ(ResolveColor(rgbColor(9, 8, 7), colors), rgbColor(9, 8, 7));
}

} // namespace
} // namespace qor
