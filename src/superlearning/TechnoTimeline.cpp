#include "superlearning/TechnoTimeline.h"

#include <algorithm>
#include <charconv>

namespace qor {

TechnoPace TechnoPaceOf(int transparenz, int speed, bool fading) {
    TechnoPace pace;
    pace.alpha = (100 - transparenz) * 255 / 100;
    pace.fading = fading && pace.alpha > 0;
    pace.fadeStep = speed <= 0 ? 1 : speed;
    pace.stepMs = speed <= 0 ? 40 - 40 * speed : 0;
    // Faint pictures with big steps would leave no step at all; one step
    // then is a cut that keeps the fade's rhythm.
    pace.fadeSteps = std::max(1, pace.alpha / pace.fadeStep);
    return pace;
}

TechnoPictures::TechnoPictures(int count, const TechnoPace& pace, int frameDelayMs,
                               RandomSource random, std::int64_t startMs)
    : count_(std::max(1, count)), pace_(pace), frameDelayMs_(frameDelayMs),
      random_(std::move(random)), lastChangeMs_(startMs) {
    current_ = randomBelow(random_, count_);
    previous_ = current_;
    // A finished fade: the first frame begins the fade to the second picture.
    counter_ = pace_.fadeSteps;
}

int TechnoPictures::otherPicture() const {
    if (count_ == 1)
        return current_;
    const int pick = randomBelow(random_, count_ - 1);
    return pick >= current_ ? pick + 1 : pick;
}

TechnoShow TechnoPictures::OnFrame(std::int64_t nowMs) {
    if (!pace_.fading) {
        if (nowMs - lastChangeMs_ >= frameDelayMs_) {
            current_ = otherPicture();
            lastChangeMs_ = nowMs;
        }
        return {current_, current_, 255};
    }
    if (counter_ >= pace_.fadeSteps) {
        counter_ = 0;
        previous_ = current_;
        current_ = otherPicture();
    }
    const TechnoShow show{previous_, current_, 255 * counter_ / pace_.fadeSteps};
    if (nowMs - lastChangeMs_ >= pace_.stepMs) {
        ++counter_;
        lastChangeMs_ = nowMs;
    }
    return show;
}

StandingTexts::Change StandingTexts::OnFrame(std::int64_t nowMs) {
    if (nowMs < nextMs_)
        return Change::None;
    shown_ = !shown_;
    nextMs_ = nowMs + (shown_ ? delayMs_ : delayMs_ / 2);
    return shown_ ? Change::Show : Change::Remove;
}

ScrollingTexts::ScrollingTexts(int areaHeight, int lineHeight)
    : areaHeight_(areaHeight), lineHeight_(lineHeight), top_(-LineGap() - lineHeight) {}

ScrollingTexts::Step ScrollingTexts::OnFrame() {
    Step step;
    --top_;
    if (top_ + LineGap() + lineHeight_ <= 0) {
        top_ = areaHeight_;
        wordSpoken_ = meaningSpoken_ = false;
        step.newPair = true;
    }
    const int middle = areaHeight_ / 2 - lineHeight_ / 2;
    step.top = top_;
    step.speakWord = !wordSpoken_ && top_ <= middle;
    step.speakMeaning = !meaningSpoken_ && top_ + LineGap() <= middle;
    wordSpoken_ = wordSpoken_ || step.speakWord;
    meaningSpoken_ = meaningSpoken_ || step.speakMeaning;
    return step;
}

std::optional<double> FrameRate::OnFrame(std::int64_t nowMs) {
    if (++frames_ < Frames)
        return std::nullopt;
    const std::int64_t elapsed = std::max<std::int64_t>(1, nowMs - sinceMs_);
    frames_ = 0;
    sinceMs_ = nowMs;
    return Frames * 1000.0 / static_cast<double>(elapsed);
}

std::string FrameRateText(double framesPerSecond) {
    // With a point whatever the locale says.
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, framesPerSecond, std::chars_format::fixed, 1)
            .ptr;
    return std::string(digits, end) + " fps ";
}

int FittedTextSize(int areaWidth, const std::function<int(int size)>& textWidth) {
    constexpr int LeastFreeSpace = 20;
    int size = TechnoTextSize;
    while (size > 2 && (areaWidth - textWidth(size)) / 2 < LeastFreeSpace)
        size -= 2;
    return size;
}

} // namespace qor
