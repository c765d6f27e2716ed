// What layout registers for interaction: areas of links, pictures, image
// maps, check boxes and boxes; the fields of typing gaps; drop targets.

#include "LayoutTesting.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::LaidOutPage;

const std::string& areaName(const LaidOutPage& page, const AreaRegistration& area) {
    return page.model.page().areaNames[static_cast<std::size_t>(area.nameIndex)];
}

TEST(LayoutRegistrationTest, EveryWordAndBlankOfALinkIsAnAreaOfItsItem) {
    LaidOutPage page;
    // The blank before "zwei" lies inside <A> but follows no word of the
    // link, so it stays out of its area.
    page.layout("vor<A HREF=\"ziel.htx\" FLASH=#FF0000> zwei Worte</A> nach");
    ASSERT_EQ(page.result.areas.size(), 3u);
    const std::size_t first = page.word("zwei");
    for (std::size_t i = 0; i < 3; ++i) {
        const AreaRegistration& area = page.result.areas[i];
        EXPECT_EQ(areaName(page, area), "ziel.htx");
        EXPECT_EQ(area.group, static_cast<int>(first + i));
        EXPECT_TRUE(area.hoverImages);
        EXPECT_EQ(area.source, AreaSource::Text);
    }
    const LaidOutItem& word = page.at("zwei");
    EXPECT_EQ(page.result.areas[0].rect, PixelRect::fromSize(word.x, word.baseline - 12, 40, 16));
}

TEST(LayoutRegistrationTest, LinksWithoutFlashHaveNoHoverImages) {
    LaidOutPage page;
    page.layout("<A HREF=\"ziel.htx\">Link</A>");
    ASSERT_EQ(page.result.areas.size(), 1u);
    EXPECT_FALSE(page.result.areas[0].hoverImages);
}

TEST(LayoutRegistrationTest, ATypingGapPlacesItsFieldOverThePlaceholder) {
    LaidOutPage page;
    page.layout("Das ist <A GAP lsg=\"eine casa\" help=\"*\">____</A> hier.");
    ASSERT_EQ(page.result.gaps.size(), 1u);
    const GapPlacement& gap = page.result.gaps[0];
    EXPECT_EQ(gap.field, 0);
    EXPECT_EQ(gap.item, static_cast<int>(page.word("____")));
    // (40 + width of "abc") / 10 + that + 8
    const int width = 70 / 10 + 70 + 8;
    const LaidOutItem& placeholder = page.at("____");
    EXPECT_EQ(placeholder.width, width);
    EXPECT_EQ(gap.rect, PixelRect::fromSize(placeholder.x, placeholder.baseline - 12, width, 16));
    EXPECT_EQ(page.at("hier.").x, placeholder.x + width + 10);
}

TEST(LayoutRegistrationTest, DragWordsAreBlocksAndDropTargets) {
    LaidOutPage page;
    page.layout("<KLOTZ NR=5>Der <A DRAG>perro</A> bellt.");
    ASSERT_EQ(page.result.dropTargets.size(), 1u);
    const DropTarget& target = page.result.dropTargets[0];
    EXPECT_EQ(target.word, "perro");
    EXPECT_EQ(page.at("perro").width, 100); // NR 5: blocks of 100 pixels
    EXPECT_EQ(target.rect.width(), 100);
    EXPECT_EQ(page.at("bellt.").x, page.at("perro").x + 100 + 10);
}

TEST(LayoutRegistrationTest, CheckBoxesGetTheirPlaceAndAToggleArea) {
    LaidOutPage page;
    page.layout("Frage <CHECKBOX COORDS=14,6 NAME=\"ok\">gelesen");
    const TCheckBox& box = page.model.page().checkBoxes.at(0);
    EXPECT_EQ(box.x, 8 + 60);
    EXPECT_EQ(box.y, 16 + 14 - 14);
    const LaidOutItem& item = page.result.items[page.firstOfKind(ItemKind::CheckBox)];
    EXPECT_EQ(item.width, 20);
    EXPECT_EQ(item.descent, 0);
    EXPECT_EQ(page.at("gelesen").x, 8 + 60 + 20);
    ASSERT_EQ(page.result.areas.size(), 1u);
    EXPECT_EQ(areaName(page, page.result.areas[0]), "+ok");
    EXPECT_EQ(page.result.areas[0].rect, PixelRect::fromSize(68, 16, 14, 14));
}

TEST(LayoutRegistrationTest, ImageMapAreasLieOnThePicture) {
    LaidOutPage page;
    page.measurer.pictureSizes["karte.bmp"] = {200, 100};
    page.measurer.pictureSizes["hell.bmp"] = {200, 100};
    page.layout("<MAP NAME=\"m\"><AREA SHAPE=RECT COORDS=\"1,2,3,4\" HREF=\"alt.htx\"></MAP>"
                "<MAP NAME=\"m\"><AREA SHAPE=RECT COORDS=\"10,20,30,40\" HREF=\"a.htx\">"
                "<AREA SHAPE=RECT COORDS=\"50,20,30,40\" HREF=\"b.htx\"></MAP>"
                "x <IMG SRC=\"karte.bmp\" USEMAP=\"m\" FLASH=\"hell.bmp\">");
    // The last map of the name counts.
    ASSERT_EQ(page.result.areas.size(), 2u);
    const std::size_t picture = page.firstOfKind(ItemKind::Picture);
    const LaidOutItem& laid = page.result.items[picture];
    EXPECT_EQ(areaName(page, page.result.areas[0]), "a.htx");
    EXPECT_EQ(page.result.areas[0].rect, PixelRect::fromSize(laid.x + 10, laid.top() + 20, 30, 40));
    EXPECT_EQ(areaName(page, page.result.areas[1]), "b.htx");
    EXPECT_TRUE(page.result.areas[1].hoverImages);
    EXPECT_EQ(page.result.areas[1].source, AreaSource::MapArea);
}

TEST(LayoutRegistrationTest, CentredPicturesTakeTheirAreaAlong) {
    LaidOutPage page;
    page.measurer.pictureSizes["p.bmp"] = {100, 50};
    page.layout("<A HREF=\"z.htx\"><IMG SRC=\"p.bmp\" ALIGN=C FCOLOR=#FF0000></A>");
    ASSERT_EQ(page.result.areas.size(), 1u);
    const AreaRegistration& area = page.result.areas[0];
    EXPECT_EQ(area.source, AreaSource::Picture);
    EXPECT_TRUE(area.hoverImages); // the frame colour makes the highlighted image
    EXPECT_EQ(area.rect.left, 8 + (400 - 100) / 2);
    EXPECT_EQ(area.rect.width(), 100);
}

TEST(LayoutRegistrationTest, LinkedBoxesComeAfterTheText) {
    LaidOutPage page;
    page.layout("<BOX COORDS=10,10,200,100 BWIDTH=4 BCOLOR=#000000 HREF=\"box.htx\" "
                "ONCOLOR=#FF0000><A HREF=\"in.htx\">drin</A>"
                "<BOX COORDS=300,10,100,100 HREF=\"plain.htx\">");
    ASSERT_EQ(page.result.areas.size(), 3u);
    EXPECT_EQ(areaName(page, page.result.areas[0]), "in.htx");
    const AreaRegistration& hover = page.result.areas[1];
    EXPECT_EQ(areaName(page, hover), "box.htx");
    EXPECT_TRUE(hover.hoverImages);
    EXPECT_EQ(hover.rect, PixelRect::fromSize(12, 12, 196, 96)); // inset by (4 + 1) / 2
    EXPECT_EQ(hover.box, 0);
    const AreaRegistration& plain = page.result.areas[2];
    EXPECT_FALSE(plain.hoverImages);
    EXPECT_EQ(plain.rect, PixelRect::fromSize(300, 10, 100, 100));
}

TEST(LayoutRegistrationTest, RelayingOutDoesNotAddNames) {
    LaidOutPage page;
    page.layout("<CHECKBOX NAME=\"a\">x");
    const std::size_t names = page.model.page().areaNames.size();
    test::FixedMeasurer measurer;
    PageLayout again(page.model, measurer);
    again.Layout(test::ClientWidthFor400);
    EXPECT_EQ(page.model.page().areaNames.size(), names);
}

} // namespace
} // namespace qor
