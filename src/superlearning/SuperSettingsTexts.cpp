#include "superlearning/SuperSettingsTexts.h"

#include "platform/Text.h"
#include "superlearning/SuperSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace qor {

namespace {

constexpr int FullPictureHeight = 534;
constexpr int LongestTextDelay = 100000; // what the setting can hold

std::string withDecimalComma(std::string number) {
    std::replace(number.begin(), number.end(), '.', ',');
    return number;
}

std::optional<double> parseNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string colour(std::uint32_t redGreenBlue) {
    return "#" + SixHexDigits(redGreenBlue);
}

} // namespace

int FrameDelayMilliseconds(int position) {
    if (position < 50)
        return 20 * position;
    if (position <= 90)
        return 100 * position - 4000;
    if (position <= 140)
        return 500 * position - 40000;
    // Steps of five seconds on from the 30 s of position 140.
    return 5000 * position - 670000;
}

int FrameDelayPosition(int milliseconds) {
    int position = 0;
    if (milliseconds < 1000)
        position = milliseconds / 20;
    else if (milliseconds < 5000)
        position = milliseconds / 100 + 40;
    else if (milliseconds <= 29999)
        position = milliseconds / 500 + 80;
    else
        position = milliseconds / 5000 + 134;
    return std::clamp(position, FrameDelayFirstPosition, FrameDelayLastPosition);
}

std::string FrameDelayText(int milliseconds) {
    if (milliseconds < 1000)
        return std::to_string(milliseconds) + " ms";
    if (milliseconds > 59999) {
        char text[32];
        std::snprintf(text, sizeof text, "%d:%02d min", milliseconds / 60000,
                      milliseconds / 1000 % 60);
        return text;
    }
    return SecondsText(milliseconds / 1000.0) + " s";
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", seconds);
    return withDecimalComma(text);
}

std::vector<std::string> TextDelayItems() {
    std::vector<std::string> items;
    for (int milliseconds = 500; milliseconds <= 8000; milliseconds += 500)
        items.push_back(TextDelayText(milliseconds));
    return items;
}

std::string TextDelayText(int milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%1.1f", milliseconds / 1000.0);
    return withDecimalComma(text);
}

int TextDelayMilliseconds(const std::string& text) {
    std::string number(TrimBlanks(text));
    std::optional<double> seconds = parseNumber(number);
    if (!seconds) {
        for (char& c : number)
            c = c == ',' ? '.' : c == '.' ? ',' : c;
        seconds = parseNumber(number);
    }
    if (!seconds)
        return 0;
    return static_cast<int>(
        std::clamp(std::lround(*seconds * 1000), 0L, static_cast<long>(LongestTextDelay)));
}

std::vector<std::string> BackgroundDelayItems() {
    return {"30 Sekunden", "1 Minute",  "2 Minuten",  "3 Minuten",
            "4 Minuten",   "5 Minuten", "10 Minuten", "20 Minuten"};
}

std::string BackgroundDelayText(int seconds) {
    if (seconds < 60)
        return std::to_string(seconds) + " Sekunden";
    if (seconds == 60)
        return "1 Minute";
    return std::to_string(seconds / 60) + " Minuten";
}

int BackgroundDelaySeconds(const std::string& text) {
    if (text == "1 Minute")
        return 60;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data())
        return 0;
    const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
    if (unit == " Sekunden")
        return number;
    if (unit == " Minuten")
        return number * 60;
    return 0;
}

std::string TechnoPreviewPage(const TechnoPreviewLook& look) {
    std::string page =
        "<body bgcolor=" + colour(look.background) + " text=" + colour(look.text) + ">";
    if (!look.picture.empty())
        page += "<box coords=0,0," + std::to_string(TechnoPreviewWidth) + "><img src=\"" +
                look.picture + "\" color=" + colour(look.tint) +
                " mode=" + std::to_string(look.effect) +
                " transparent=" + std::to_string(look.transparency * 255 / 100) + ">";
    const int border = TechnoPreviewHeight * look.border / FullPictureHeight;
    if (border > 0) {
        const std::string band = std::to_string(TechnoPreviewWidth) + "," + std::to_string(border);
        page += "<box coords=0,0," + band + " color=#0 top>";
        page += "<box coords=0," + std::to_string(TechnoPreviewHeight - border) + "," + band +
                " color=#0 top>";
    }
    page += "<box coords=0,40," + std::to_string(TechnoPreviewWidth) + " align=m><font face=\"" +
            look.font + ", courier new\" size=2>*qor techno";
    return page;
}

} // namespace qor
