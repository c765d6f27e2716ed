// The arithmetic of the full-screen presentation without a window: its
// clock, the colours of "klassisch" and where "abgedreht" puts its letters.

#include "superlearning/ColourFade.h"
#include "superlearning/CrazyLayout.h"
#include "superlearning/FadeTimeline.h"
#include "superlearning/SeventiesRules.h"

#include <gtest/gtest.h>
#include <random>

namespace qor {
namespace {

TEST(PresentationTest, TheClockRunsStepsAfterDrawingsAndWaits) {
    FadeTimeline timeline;
    timeline.RequestStop(); // before the first step a key does nothing
    using Tick = FadeTimeline::Tick;
    EXPECT_EQ(timeline.OnTick(false), Tick::Step);
    EXPECT_EQ(timeline.Step(), 0);
    EXPECT_EQ(timeline.OnTick(true), Tick::Nothing) << "a fade is still running";
    timeline.Wait(250);
    EXPECT_EQ(timeline.OnTick(false), Tick::Nothing);
    EXPECT_EQ(timeline.OnTick(false), Tick::Nothing);
    EXPECT_EQ(timeline.OnTick(false), Tick::Step);
    EXPECT_EQ(timeline.Step(), 1);
    timeline.Restart();
    EXPECT_EQ(timeline.OnTick(false), Tick::Step);
    EXPECT_EQ(timeline.Step(), 0);
    timeline.RequestStop();
    EXPECT_EQ(timeline.OnTick(true), Tick::Nothing) << "the drawing ends first";
    EXPECT_EQ(timeline.OnTick(false), Tick::Close);

    EXPECT_EQ(ClassicFadeMs(100), 1500);
    EXPECT_EQ(ClassicFadeMs(20), 7500);
    EXPECT_EQ(ClassicFadeMs(180), 833);
    // "{ casa }": eight characters wait 10 + 2 units.
    EXPECT_EQ(CrazyWaitMs(0, 8, 100), 1200);
    EXPECT_EQ(CrazyWaitMs(0, 5, 100), 1000);
    EXPECT_EQ(CrazyWaitMs(2, 5, 50), 750);
    EXPECT_EQ(CrazyWaitMs(3, 5, 50), 700);
}

TEST(PresentationTest, ClassicColoursAreLightOnDarkOrGreyOrBlack) {
    std::mt19937 generator(5);
    const RandomSource random = [&generator](int range) {
        return std::uniform_int_distribution<int>(0, range - 1)(generator);
    };
    const auto parts = [](Color c) {
        return std::array<int, 3>{c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
    };
    for (int i = 0; i < 50; ++i) {
        const BandColours colourful = FadeTargets(FadeKind::NewColours, {}, random);
        for (int part : parts(colourful.text))
            EXPECT_GE(part, 128);
        for (int part : parts(colourful.background))
            EXPECT_LT(part, 128);
        const BandColours grey = FadeTargets(FadeKind::NewColours, {true, false}, random);
        EXPECT_EQ(grey.text, 0xFFFFFF);
        const auto [r, g, b] = parts(grey.background);
        EXPECT_TRUE(r == g && g == b);
        const BandColours hidden = FadeTargets(FadeKind::TextIntoBackground, {}, random);
        EXPECT_EQ(hidden.text, hidden.background);
    }
    EXPECT_EQ(FadeTargets(FadeKind::NewColours, {false, true}, random).background, 0);
    EXPECT_EQ(FadeTargets(FadeKind::ToBlack, {}, random).text, 0);
    EXPECT_EQ(MixColour(0x000000, 0xFFFFFF, 0), 0x000000);
    EXPECT_EQ(MixColour(0x000000, 0xFF8040, 255), 0xFF8040);
    EXPECT_EQ(MixColour(0x0000FF, 0x00FF00, 128), 0x00807F);
}

// Every letter ten pixels wide, twenty high.
class EvenMetrics : public LetterMetrics {
public:
    int width(const LetterStyle&, std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
    int height(const LetterStyle&) const override { return 20; }
};

TEST(PresentationTest, LettersStandSideBySideOnlyWithoutMadness) {
    std::mt19937 generator(9);
    const RandomSource random = [&generator](int range) {
        return std::uniform_int_distribution<int>(0, range - 1)(generator);
    };
    const EvenMetrics metrics;
    const std::vector<PlacedLetter> calm =
        LayOutCrazyText("{ el perro }", 800, 600, 1, metrics, random);
    ASSERT_EQ(calm.size(), 12u);
    for (std::size_t i = 1; i < calm.size(); ++i) {
        EXPECT_EQ(calm[i].x, calm[i - 1].x + 10);
        EXPECT_EQ(calm[i].y, calm[i - 1].y);
        EXPECT_EQ(calm[i].style, calm[0].style);
    }
    EXPECT_GE(calm[0].style.size, 600 / 32);
    EXPECT_LE(calm[0].style.size, 600 / 24);

    // Madness moves and changes them, but keeps them on the screen.
    int moved = 0, restyled = 0;
    for (int round = 0; round < 20; ++round) {
        const std::vector<PlacedLetter> mad =
            LayOutCrazyText("{ la contaminación atmosférica }", 800, 600, 10, metrics, random);
        for (std::size_t i = 1; i < mad.size(); ++i) {
            moved += mad[i].y != mad[i - 1].y || mad[i].x != mad[i - 1].x + 10;
            restyled += !(mad[i].style == mad[i - 1].style);
            EXPECT_GE(mad[i].y, 0);
            EXPECT_LE(mad[i].y, 600);
        }
    }
    EXPECT_GT(moved, 100);
    EXPECT_GT(restyled, 100);
}

TEST(PresentationTest, DDChoosesItsPagesAreasAndKeystrokes) {
    std::mt19937 generator(2);
    const RandomSource random = [&generator](int range) {
        return std::uniform_int_distribution<int>(0, range - 1)(generator);
    };
    const std::vector<std::string> pages{"sonne", "tapete", "streifen"};
    const auto exists = [](const std::string& page) {
        return page != "weg";
    };
    EXPECT_EQ(ChooseDDPage("tapete", pages, "tapete", exists, random), "tapete");
    EXPECT_EQ(ChooseDDPage("", {"sonne"}, "sonne", exists, random), "sonne");
    EXPECT_EQ(ChooseDDPage("", {}, "", exists, random), "");
    std::string last = "sonne";
    for (int i = 0; i < 30; ++i) {
        const std::string next = ChooseDDPage("weg", pages, last, exists, random);
        EXPECT_NE(next, last) << "a missing fixed page gives a random other one";
        last = next;
    }

    const struct {
        const char* declared;
        TextArea area;
    } areas[] = {
        {"90,170,620,230", {90, 170, 620, 230}},
        {" 10 , 20, 30 ,40", {10, 20, 30, 40}},
        {"", {0, 0, 800, 572}},
        {"10,20,30", {0, 0, 800, 572}},
        {"700,500,200,100", {0, 0, 800, 572}}, // beyond the page
        {"a,b,c,d", {0, 0, 800, 572}},
    };
    for (const auto& [declared, area] : areas)
        EXPECT_EQ(DDTextArea(declared, 800, 572), area) << declared;

    EXPECT_EQ(NextTypedPiece("*el sol", 0), 1u);
    EXPECT_EQ(NextTypedPiece("*el sol", 3), 2u) << "a blank comes with the next letter";
    EXPECT_EQ(NextTypedPiece("ab ", 2), 1u);
    EXPECT_EQ(NextTypedPiece("ab", 2), 0u);
}

} // namespace
} // namespace qor
