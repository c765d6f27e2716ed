#pragma once
// Colour values of pages: 32-bit numbers with red in the lowest byte, green in
// the second and blue in the third (0x00BBGGRR). A few values above that range
// are markers that stand for a colour decided later.

#include <cstdint>
#include <functional>
#include <string_view>

namespace qor {

class TXAliasList;

using Color = std::int32_t;

namespace ColorValue {
constexpr Color None = -1; // no colour given
constexpr Color White = 0xFFFFFF;
constexpr Color Black = 0x000000;
constexpr Color PageText = 0x7FFFFFFF;           // the page's text colour
constexpr Color PageLink = 0x5FFFFFFF;           // the page's link colour
constexpr Color PaletteIndexMarker = 0x01000000; // added to a palette index
constexpr Color FrameColorMarker = 0x0A000000;   // added to a picture's frame colour
} // namespace ColorValue

// The colour of red, green and blue parts (0-255 each).
constexpr Color rgbColor(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// Gives a number in 0 .. range - 1.
using RandomSource = std::function<int(int range)>;

// A number of the source forced into 0 .. range - 1 (0 for an empty range),
// so that a careless source cannot index outside a list.
inline int randomBelow(const RandomSource& random, int range) {
    if (range <= 0)
        return 0;
    const int number = random(range) % range;
    return number < 0 ? number + range : number;
}

// Reads a colour attribute: "#RRGGBB", "random", "?RRGGBB,RRGGBB,..." (one
// chosen at random), "i" + palette index, or a name from the page's colour
// names. Anything unreadable is white.
Color ParseColorValue(std::string_view value, const TXAliasList& colorNames,
                      const RandomSource& random);

} // namespace qor
