// The integer arithmetic of the nine transition modes, pixel by pixel.

#include "graphics/Blend.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

using Pixel = std::array<std::uint8_t, 3>;

Pixel blendOne(Pixel source, Pixel target, int mode, int alpha, Color tint) {
    BlendRow(source.data(), target.data(), 1, mode, alpha, tint);
    return target;
}

// Source (200, 100, 30) has brightness 110; target (50, 150, 250); alpha
// 128; tint (10, 20, 30). Weights: by brightness 110 x 128 / 256 = 55, by
// darkness 145 x 128 / 256 = 72; divisions cut towards zero.
TEST(BlendTest, EachModeFollowsItsFormula) {
    const Pixel source = {200, 100, 30};
    const Pixel target = {50, 150, 250};
    const Color tint = rgbColor(10, 20, 30);
    struct Case {
        int mode;
        Pixel expected;
    };
    const Case cases[] = {
        {0, {125, 125, 140}}, // mix with the alpha
        {1, {82, 140, 203}},  // mix, weighted by brightness
        {2, {92, 136, 189}},  // mix, weighted by darkness
        {3, {94, 172, 251}},  // lighten by brightness
        {4, {36, 108, 180}},  // darken by darkness
        {5, {107, 179, 251}}, // lighten by darkness
        {6, {40, 118, 197}},  // darken by brightness
        {7, {39, 114, 189}},  // tint by darkness
        {8, {42, 123, 203}},  // tint by brightness
        {9, {125, 125, 140}}, // any other mode mixes like 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(blendOne(source, target, c.mode, 128, tint), c.expected) << "mode " << c.mode;
}

TEST(BlendTest, NormalModeAtFullAlphaCopiesAndAtZeroLeavesTheTarget) {
    const Pixel source = {255, 0, 17};
    const Pixel target = {0, 255, 99};
    EXPECT_EQ(blendOne(source, target, 0, 255, 0), source);
    EXPECT_EQ(blendOne(source, target, 0, 0, 0), target);
    EXPECT_EQ(blendOne(source, target, 7, 0, rgbColor(1, 2, 3)), target);
    // Full alpha in another mode is still a blend (brightness 90, weight 89).
    EXPECT_EQ(blendOne(source, target, 1, 255, 0), (Pixel{88, 167, 71}));
}

TEST(BlendTest, CoverageScalesTheAlpha) {
    std::array<std::uint8_t, 9> source = {200, 200, 200, 200, 200, 200, 200, 200, 200};
    std::array<std::uint8_t, 9> target = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::array<std::uint8_t, 3> coverage = {255, 0, 128};
    BlendRow(source.data(), target.data(), 3, 0, 255, 0, coverage.data());
    EXPECT_EQ(target[0], 200); // full: a copy
    EXPECT_EQ(target[3], 0);   // none: untouched
    EXPECT_EQ(target[6], 200 * 128 / 256);
}

TEST(BlendTest, BitmapsAreCutToTheTarget) {
    // A 3 x 2 source of white onto a 4 x 3 black target at (2, 2): only
    // two pixels of its first row land on the target.
    std::vector<std::uint8_t> source(3 * 3 * 2, 255);
    std::vector<std::uint8_t> target(4 * 3 * 3, 0);
    BlendBitmap(Bitmap24{source.data(), 3, 2, 9}, Bitmap24{target.data(), 4, 3, 12}, 2, 2, 0, 255,
                0);
    std::vector<std::uint8_t> expected(4 * 3 * 3, 0);
    for (int i = 2 * 12 + 2 * 3; i < 3 * 12; ++i)
        expected[static_cast<std::size_t>(i)] = 255;
    EXPECT_EQ(target, expected);

    // Left of and above the target.
    std::fill(target.begin(), target.end(), 0);
    BlendBitmap(Bitmap24{source.data(), 3, 2, 9}, Bitmap24{target.data(), 4, 3, 12}, -2, -1, 0, 255,
                0);
    std::fill(expected.begin(), expected.end(), 0);
    expected[0] = expected[1] = expected[2] = 255;
    EXPECT_EQ(target, expected);
}

} // namespace
} // namespace qor
