// Snapping, lining up, gliding and shuffling of the drag exercises.

#include "page/exercises/DragRules.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SnapToDropTargetTest, ABlockWithinEightPixelsOfATargetCornerJumpsOntoIt) {
    const std::vector<PixelRect> targets{PixelRect::fromSize(100, 50, 120, 20),
                                         PixelRect::fromSize(300, 50, 120, 20)};
    struct Case {
        PixelPoint at;
        int target;
    };
    for (const Case& c :
         {Case{{103, 50}, 0}, Case{{97, 47}, 0}, Case{{108, 58}, 0}, Case{{92, 42}, 0},
          Case{{109, 50}, -1}, Case{{100, 59}, -1}, Case{{305, 45}, 1}, Case{{200, 50}, -1}})
        EXPECT_EQ(SnapToDropTarget(c.at, targets), c.target) << c.at.x << "," << c.at.y;
    EXPECT_EQ(SnapToDropTarget({100, 50}, {}), -1);
}

TEST(LineUpPartsTest, PartsStandThreePixelsApartFromTheLeftEdge) {
    EXPECT_EQ(LineUpParts(40, {50, 30, 70}), (std::vector<int>{40, 93, 126}));
    EXPECT_TRUE(LineUpParts(40, {}).empty());
}

// Three parts of widths 50, 30 and 70 from x = 40: at 40, 93 and 126.
std::vector<PartSlot> threeParts() {
    return {{40, 50}, {93, 30}, {126, 70}};
}

TEST(SnapSentencePartTest, APartBeforeOrItselfTakesTheLeftEdge) {
    const std::vector<PartSlot> places = threeParts();
    // Dragging the last part (70 wide) left: onto the first from 36 to 40 + 4 + 50.
    EXPECT_EQ(SnapSentencePart(places, 2, 36)->slot, 0);
    EXPECT_EQ(SnapSentencePart(places, 2, 36)->left, 40);
    EXPECT_EQ(SnapSentencePart(places, 2, 94)->slot, 0);
    // Past that, the second (w = 30): from 89 ...
    EXPECT_EQ(SnapSentencePart(places, 2, 95)->slot, 1);
    EXPECT_EQ(SnapSentencePart(places, 2, 95)->left, 93);
    // ... to 93 + 4 + 30; then its own place from 122.
    EXPECT_EQ(SnapSentencePart(places, 2, 127)->slot, 1);
    EXPECT_EQ(SnapSentencePart(places, 2, 128)->slot, 2);
    EXPECT_EQ(SnapSentencePart(places, 2, 128)->left, 126);
    EXPECT_EQ(SnapSentencePart(places, 2, 200)->slot, 2);
    EXPECT_FALSE(SnapSentencePart(places, 2, 201));
    EXPECT_FALSE(SnapSentencePart(places, 2, 35));
}

TEST(SnapSentencePartTest, APartAfterItTakesTheRightEdge) {
    const std::vector<PartSlot> places = threeParts();
    // The first part (50 wide) dragged right: its own place up to 40 + 4 + 50 ...
    EXPECT_EQ(SnapSentencePart(places, 0, 94)->slot, 0);
    // ... then the second, ending at 123: from 123 - 30 - 4 to 127.
    EXPECT_EQ(SnapSentencePart(places, 0, 95)->slot, 1);
    EXPECT_EQ(SnapSentencePart(places, 0, 95)->left, 73);
    EXPECT_EQ(SnapSentencePart(places, 0, 127)->slot, 1);
    // The third ends at 196: from 196 - 50 - 4 = 142 to 200, the left edge at 146.
    EXPECT_FALSE(SnapSentencePart(places, 0, 128));
    EXPECT_EQ(SnapSentencePart(places, 0, 142)->slot, 2);
    EXPECT_EQ(SnapSentencePart(places, 0, 142)->left, 146);
    EXPECT_EQ(SnapSentencePart(places, 0, 200)->slot, 2);
    EXPECT_FALSE(SnapSentencePart(places, 0, 201));
}

TEST(SnapSentencePartTest, SwappingIntoTheSnappedPlaceKeepsTheOtherPartsWhereTheyStand) {
    // After the first part moves behind the second, lining up again puts it
    // where it snapped.
    const std::vector<PartSlot> places = threeParts();
    const auto snap = SnapSentencePart(places, 0, 100);
    ASSERT_TRUE(snap);
    const std::vector<int> lefts = LineUpParts(40, {30, 50, 70});
    EXPECT_EQ(lefts[static_cast<std::size_t>(snap->slot)], snap->left);
    EXPECT_EQ(lefts[2], 126);
    EXPECT_FALSE(SnapSentencePart(places, 5, 40));
}

TEST(GlidePositionTest, GoesBackInEqualSteps) {
    const PixelPoint from{300, 100};
    const PixelPoint to{100, 400};
    EXPECT_EQ(GlidePosition(from, to, 1), (PixelPoint{298, 103}));
    EXPECT_EQ(GlidePosition(from, to, 50), (PixelPoint{200, 250}));
    EXPECT_EQ(GlidePosition(from, to, GlideSteps), to);
    EXPECT_EQ(GlidePosition(from, to, 3, 4), (PixelPoint{150, 325}));
}

TEST(ShuffleEachPositionTest, SwapsEveryPositionWithTheOneTheSourceNames) {
    std::vector<int> items{0, 1, 2, 3};
    std::vector<int> asked;
    // Position i swapped with position (i + 1) mod 4.
    ShuffleEachPosition(items, [&asked](int range) {
        asked.push_back(range);
        return static_cast<int>(asked.size()) % 4;
    });
    EXPECT_EQ(asked, (std::vector<int>{4, 4, 4, 4}));
    EXPECT_EQ(items, (std::vector<int>{0, 2, 3, 1}));
    std::vector<int> none;
    ShuffleEachPosition(none, [](int) { return 0; });
    EXPECT_TRUE(none.empty());
}

} // namespace
} // namespace qor
