#include "superlearning/CrazyLayout.h"

#include "platform/Text.h"

namespace qor {

const char* const CrazyFonts[3] = {"Times New Roman", "Arial", "Courier"};

namespace {

// One text being laid out: the window, the madness and the running state.
class CrazyTyping {
public:
    CrazyTyping(int width, int height, int madness, const LetterMetrics& metrics,
                const RandomSource& random)
        : w_(width), h_(height), m_(madness), largest_(height / 8), smallest_(height / 32),
          middle_(height / 24), metrics_(metrics), random_(random) {}

    std::vector<PlacedLetter> layOut(std::string text);

private:
    int r(int range) const { return randomBelow(random_, range); }
    bool chance(int inHundred) const { return r(100) < inHundred; }
    int randomSize(bool largest) const {
        return smallest_ + r(r((largest ? largest_ : middle_) - smallest_));
    }
    void startAt(std::string_view text);
    void advance(char letter);
    void changeStyle();
    void jitterSize();
    void jitterVertically();
    void keepInWindow();
    int letterWidth(char letter) const { return metrics_.width(style_, std::string(1, letter)); }

    int w_, h_, m_, largest_, smallest_, middle_;
    const LetterMetrics& metrics_;
    const RandomSource& random_;
    LetterStyle style_;
    int x_ = 0;
    int y_ = 0;
};

std::vector<PlacedLetter> CrazyTyping::layOut(std::string text) {
    if (m_ > 9)
        for (char& c : text)
            if (chance(6))
                c = upperCase(std::string(1, c)).front();
    style_.font = r(3);
    style_.size = randomSize(m_ > 3);
    startAt(text);
    std::vector<PlacedLetter> letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char letter = text[i];
        letters.push_back({std::string(1, letter), x_, y_, style_});
        const int height = metrics_.height(style_);
        advance(letter);
        changeStyle();
        if (i + 1 == text.size())
            break;
        const char next = text[i + 1];
        if (x_ >= w_ - 2 * letterWidth(next)) {
            x_ -= r(r(w_ / 2));
            if (x_ >= w_ - 2 * letterWidth(next))
                x_ -= 50;
            if (x_ < 0)
                x_ = r(100);
            y_ += height + r(30) - r(10);
        } else if (m_ > 4) {
            jitterVertically();
        }
        keepInWindow();
    }
    return letters;
}

void CrazyTyping::startAt(std::string_view text) {
    const int textWidth = metrics_.width(style_, text);
    if (textWidth >= w_)
        x_ = r(w_ / 2);
    else if (w_ - 2 * textWidth >= 1)
        x_ = r(w_ - 2 * textWidth);
    else
        x_ = r(r(200));
    y_ = r(h_ / 2);
}

void CrazyTyping::advance(char letter) {
    const int width = letterWidth(letter);
    x_ += width;
    if (m_ == 1)
        return;
    int gap = 0;
    if (m_ >= 3) {
        gap = r(r(4 * width));
        if (chance(60))
            gap += r(6);
    }
    if (chance(80))
        gap += 2;
    if (m_ > 4 && letter == ' ')
        x_ += 5;
    if (m_ < 6 || r(5) < 4)
        x_ += gap;
    else
        x_ -= r(width) / 3;
}

void CrazyTyping::changeStyle() {
    if (m_ > 8) {
        if (chance(95)) {
            style_.bold = false;
            style_.italic = chance(5);
        } else {
            style_.bold = true;
        }
    }
    if (m_ > 3) {
        if (style_.size > middle_)
            style_.size = randomSize(true);
        else if (chance(10))
            jitterSize();
    }
    if (m_ > 1 && chance(20))
        style_.font = r(3);
}

void CrazyTyping::jitterSize() {
    const int step = r(r(r(m_ >= 7 ? 2 * style_.size : style_.size)));
    style_.size += r(2) == 0 ? -step : step;
    if (style_.size <= smallest_)
        style_.size = randomSize(true);
}

void CrazyTyping::jitterVertically() {
    const int height = metrics_.height(style_);
    int amount = m_ >= 8 ? r(r(2 * height)) : r(r(height));
    if (!(r(100) <= m_ * 10 - 10))
        amount = 0;
    if (m_ > 8 && chance(5))
        amount += height;
    y_ += r(3) < 2 ? amount : -amount;
}

// The next letter's height: its style is already chosen.
void CrazyTyping::keepInWindow() {
    const int nextHeight = metrics_.height(style_);
    if (y_ < 10)
        y_ = r(40) + 10;
    if (y_ > h_ - nextHeight - 10)
        y_ = h_ - nextHeight - r(30) - 10;
}

} // namespace

std::vector<PlacedLetter> LayOutCrazyText(std::string_view text, int width, int height, int madness,
                                          const LetterMetrics& metrics,
                                          const RandomSource& random) {
    return CrazyTyping(width, height, madness, metrics, random).layOut(std::string(text));
}

} // namespace qor
