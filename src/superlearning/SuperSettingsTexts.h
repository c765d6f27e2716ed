#pragma once
// What the superlearning settings dialog shows in its labels and lists, and
// how it reads them back into settings (program text, Windows-1252; German
// numbers with a decimal comma).

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

// The slider of the hard cuts' picture time: fine steps for short times,
// coarse ones up to minutes.
constexpr int FrameDelayFirstPosition = 1;
constexpr int FrameDelayLastPosition = 188;
int FrameDelayMilliseconds(int position);
int FrameDelayPosition(int milliseconds);
// "800 ms", "2,5 s", "1:05 min".
std::string FrameDelayText(int milliseconds);

// Seconds as the shortest German number: "2,5", "10".
std::string SecondsText(double seconds);

// The display times offered for Techno's standing texts: "0,5" ... "8,0".
std::vector<std::string> TextDelayItems();
// "3,0" for 3000 ms.
std::string TextDelayText(int milliseconds);
// Seconds typed with a decimal point or comma, as milliseconds within the
// setting's range; 0 when it is no number.
int TextDelayMilliseconds(const std::string& text);

// How often DD changes its background page: "30 Sekunden" ... "20 Minuten".
std::vector<std::string> BackgroundDelayItems();
std::string BackgroundDelayText(int seconds);
// 0 for a text that is none of the forms above.
int BackgroundDelaySeconds(const std::string& text);

// The Techno preview: a picture area of 800 x 534 scaled down.
constexpr int TechnoPreviewWidth = 160;
constexpr int TechnoPreviewHeight = 100;

struct TechnoPreviewLook {
    std::uint32_t background = 0; // red, green, blue
    std::uint32_t text = 0;
    std::uint32_t tint = 0;
    std::string picture; // the full name of "vorschau.jpg", empty when there is none
    int effect = 0;
    int transparency = 0; // percent
    int border = 0;       // pixels of the full picture area
    std::string font;
};

// The page text of the preview: the picture with its effect, the black
// borders and the sample text in the Techno font.
std::string TechnoPreviewPage(const TechnoPreviewLook& look);

} // namespace qor
