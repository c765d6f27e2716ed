#pragma once
// The clockwork of the Techno presentation, free of Qt and of a real clock:
// how fast the pictures cross-fade or cut, when the standing texts come and
// go, where the scrolling texts stand, the frame rate and how large a text
// line may be. Times are milliseconds of any steady clock.

#include "platform/Random.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qor {

// How the pictures change, from the settings "TechnoTransparenz",
// "TechnoSpeed" and "TechnoFading".
struct TechnoPace {
    int alpha = 255;     // the pictures over the background colour, 0-255
    bool fading = true;  // cross-fades; hard cuts otherwise
    int fadeStep = 1;    // the alpha units one step of a fade stands for
    int stepMs = 0;      // the least time between two steps
    int fadeSteps = 255; // steps from one picture to the next

    bool operator==(const TechnoPace&) const = default;
};

// Speeds -25 to 0 slow the steps down (40 ms more per unit), 1 to 25 take
// that many alpha units per frame. Invisible pictures never fade.
TechnoPace TechnoPaceOf(int transparenz, int speed, bool fading);

// Which pictures a frame shows: current over previous at alpha (0-255).
struct TechnoShow {
    int previous = 0;
    int current = 0;
    int alpha = 255;

    bool operator==(const TechnoShow&) const = default;
};

// The picture sequence: cross-fades step by step, or hard cuts every
// frameDelayMs; a new picture is never the one just shown (unless there is
// only one).
class TechnoPictures {
public:
    TechnoPictures(int count, const TechnoPace& pace, int frameDelayMs, RandomSource random,
                   std::int64_t startMs);
    TechnoShow OnFrame(std::int64_t nowMs);

private:
    int otherPicture() const;

    int count_;
    TechnoPace pace_;
    int frameDelayMs_;
    RandomSource random_;
    int previous_;
    int current_;
    int counter_;
    std::int64_t lastChangeMs_;
};

// Standing texts: one shows for delayMs, then none for half of it, from
// the first frame on.
class StandingTexts {
public:
    enum class Change { None, Show, Remove };
    StandingTexts(int delayMs, std::int64_t startMs) : delayMs_(delayMs), nextMs_(startMs) {}
    Change OnFrame(std::int64_t nowMs);

private:
    int delayMs_;
    std::int64_t nextMs_;
    bool shown_ = false;
};

// Scrolling texts: a pair of lines (word, then meaning one line gap lower)
// moves up one pixel per frame from the bottom of the picture area; when
// it has left at the top, the next pair starts at the bottom. Each line is
// spoken as its middle passes the middle of the area.
class ScrollingTexts {
public:
    struct Step {
        int top = 0;          // of the first line in the area
        bool newPair = false; // take the next word and meaning
        bool speakWord = false;
        bool speakMeaning = false;
    };
    ScrollingTexts(int areaHeight, int lineHeight);
    Step OnFrame();
    int LineGap() const { return lineHeight_ + 20; }

private:
    int areaHeight_;
    int lineHeight_;
    int top_;
    bool wordSpoken_ = false;
    bool meaningSpoken_ = false;
};

// Frames per second over every 50 frames.
class FrameRate {
public:
    static constexpr int Frames = 50;
    explicit FrameRate(std::int64_t startMs) : sinceMs_(startMs) {}
    std::optional<double> OnFrame(std::int64_t nowMs);

private:
    std::int64_t sinceMs_;
    int frames_ = 0;
};

std::string FrameRateText(double framesPerSecond); // "25.0 fps "

constexpr int TechnoTextSize = 36;

// The text size of a line at most 36: 2 smaller at a time while it leaves
// less than 20 pixels free on either side of areaWidth. Never below 2, so
// that an endless text still ends the search.
int FittedTextSize(int areaWidth, const std::function<int(int size)>& textWidth);

} // namespace qor
