// Snapping, lining up, gliding and shuffling of the drag exercises.

#include "page/exercises/DragRules.h"

#include "support/GraphicsPrinters.h"

#include <gtest/gtest.h>
#include <string>

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

// "slot@left", or "-" where the part does not snap.
std::string snapOf(int dragged, int draggedLeft) {
    const std::optional<SentenceSnap> snap = SnapSentencePart(threeParts(), dragged, draggedLeft);
    return snap ? std::to_string(snap->slot) + "@" + std::to_string(snap->left) : "-";
}

TEST(SnapSentencePartTest, APartSnapsToTheLeftEdgeBeforeItAndTheRightEdgeAfterIt) {
    const struct {
        int dragged;
        int left;
        const char* snap;
    } cases[] = {
        // The last part (70 wide) dragged left: onto the first from 36 to 40 + 4 + 50,
        {2, 35, "-"},
        {2, 36, "0@40"},
        {2, 94, "0@40"},
        // past that onto the second (w = 30) up to 93 + 4 + 30, then its own place.
        {2, 95, "1@93"},
        {2, 127, "1@93"},
        {2, 128, "2@126"},
        {2, 200, "2@126"},
        {2, 201, "-"},
        // The first part (50 wide) dragged right: its own place up to 40 + 4 + 50,
        {0, 94, "0@40"},
        // then the second, ending at 123: from 123 - 30 - 4 to 127,
        {0, 95, "1@73"},
        {0, 127, "1@73"},
        {0, 128, "-"},
        // the third, ending at 196: from 196 - 50 - 4 = 142 to 200.
        {0, 142, "2@146"},
        {0, 200, "2@146"},
        {0, 201, "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(snapOf(c.dragged, c.left), c.snap) << c.dragged << " at " << c.left;
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
