#pragma once
// Colour values: 32-bit numbers with red in the lowest byte, green in the
// second and blue in the third (0x00BBGGRR). A few values above that range
// are markers that stand for a colour decided later.

#include <cstdint>

namespace qor {

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

} // namespace qor
