// The clockwork of Techno with a made-up clock and fixed random numbers:
// the speed settings, the order of pictures and texts, the frame rate and
// the size of a text line.

#include "superlearning/TechnoTimeline.h"

#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

TEST(TechnoTimelineTest, SpeedAndTransparencyGiveStepsAndStepTimes) {
    const struct {
        int transparenz, speed;
        bool fading;
        TechnoPace pace; // alpha, fading, step, step time, steps
    } cases[] = {
        {40, 1, true, {153, true, 1, 0, 153}},
        {40, -23, true, {153, true, 1, 960, 153}},
        {40, 0, true, {153, true, 1, 40, 153}},
        {40, 5, true, {153, true, 5, 0, 30}},
        {0, -25, false, {255, false, 1, 1040, 255}},
        {100, 1, true, {0, false, 1, 0, 1}},  // invisible pictures never fade
        {96, 25, true, {10, true, 25, 0, 1}}, // fainter than one step: still one
    };
    for (const auto& [transparenz, speed, fading, pace] : cases)
        EXPECT_EQ(TechnoPaceOf(transparenz, speed, fading), pace) << transparenz << " " << speed;
}

TEST(TechnoTimelineTest, PicturesCrossFadeOrCutAndNeverShowOneTwice) {
    const RandomSource first = [](int) {
        return 0;
    };
    // Transparency 60 gives alpha 102; speed 25 fades in four steps, one a frame.
    TechnoPictures fading(3, TechnoPaceOf(60, 25, true), 4000, first, 0);
    std::vector<TechnoShow> shown;
    for (int frame = 0; frame < 9; ++frame)
        shown.push_back(fading.OnFrame(frame * 20));
    const std::vector<TechnoShow> expected = {
        {0, 1, 0}, {0, 1, 63}, {0, 1, 127}, {0, 1, 191}, // picture 1 fades in over 0
        {1, 0, 0}, {1, 0, 63}, {1, 0, 127}, {1, 0, 191}, {0, 1, 0},
    };
    EXPECT_EQ(shown, expected);

    // Speed -1: a step every 80 ms at the earliest.
    TechnoPictures slow(2, TechnoPaceOf(60, -1, true), 4000, first, 0);
    std::vector<int> alphas;
    for (const int ms : {0, 50, 80, 100, 159, 160, 239, 240})
        alphas.push_back(slow.OnFrame(ms).alpha);
    EXPECT_EQ(alphas, (std::vector<int>{0, 0, 0, 2, 2, 2, 5, 5})); // 255 * steps / 102
    EXPECT_EQ(slow.OnFrame(250).alpha, 7);

    // Hard cuts every "TechnoFrameDelay" ms; random numbers that would
    // repeat a picture give another one.
    int draw = 0;
    TechnoPictures cutting(
        4, TechnoPaceOf(40, 1, false), 4000, [&draw](int range) { return draw++ % range; }, 0);
    int previous = cutting.OnFrame(0).current;
    for (int ms = 20; ms <= 40000; ms += 20) {
        const TechnoShow show = cutting.OnFrame(ms);
        EXPECT_EQ(show.alpha, 255);
        EXPECT_EQ(show.current != previous, ms % 4000 == 0) << ms;
        previous = show.current;
    }

    TechnoPictures alone(1, TechnoPaceOf(40, 25, true), 4000, first, 0);
    for (int frame = 0; frame < 20; ++frame)
        EXPECT_EQ(alone.OnFrame(frame).current, 0);
}

TEST(TechnoTimelineTest, TextsStandOrScrollAndTheFrameRateIsShown) {
    StandingTexts standing(3000, 0);
    using Change = StandingTexts::Change;
    std::vector<Change> changes;
    for (const int ms : {0, 2999, 3000, 4499, 4500, 7500})
        changes.push_back(standing.OnFrame(ms));
    EXPECT_EQ(changes, (std::vector<Change>{Change::Show, Change::None, Change::Remove,
                                            Change::None, Change::Show, Change::Remove}));

    // An area of 100 pixels, lines of 10 and 30 from one to the next.
    ScrollingTexts scrolling(100, 10);
    EXPECT_EQ(scrolling.LineGap(), 30);
    std::vector<int> newPairs, words, meanings;
    for (int frame = 0; frame < 300; ++frame) {
        const ScrollingTexts::Step step = scrolling.OnFrame();
        if (step.newPair)
            newPairs.push_back(frame);
        if (step.speakWord)
            words.push_back(step.top);
        if (step.speakMeaning)
            meanings.push_back(step.top);
    }
    // From the bottom (top 100) until the meaning's end has gone (top -40).
    EXPECT_EQ(newPairs, (std::vector<int>{0, 140, 280}));
    EXPECT_EQ(words, (std::vector<int>{45, 45}));
    EXPECT_EQ(meanings, (std::vector<int>{15, 15}));

    FrameRate rate(1000);
    for (int frame = 1; frame < FrameRate::Frames; ++frame)
        EXPECT_FALSE(rate.OnFrame(1000 + frame * 40));
    EXPECT_EQ(FrameRateText(*rate.OnFrame(3000)), "25.0 fps ");
    for (int frame = 1; frame < FrameRate::Frames; ++frame)
        rate.OnFrame(3000);
    EXPECT_EQ(FrameRateText(*rate.OnFrame(3000)), "50000.0 fps ") << "no time at all";
}

TEST(TechnoTimelineTest, LinesShrinkUntilTwentyPixelsStayFreeOnEitherSide) {
    const struct {
        int pixelsPerPoint;
        int size;
    } cases[] = {{10, 36}, {21, 36}, {22, 34}, {30, 24}, {1000, 2}};
    for (const auto& fit : cases) {
        const int perPoint = fit.pixelsPerPoint;
        EXPECT_EQ(FittedTextSize(800, [perPoint](int points) { return points * perPoint; }),
                  fit.size)
            << perPoint;
    }
}

} // namespace
} // namespace qor
