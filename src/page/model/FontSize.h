#pragma once
// The font height of a format's size number. The numbers 1 to 7 are the
// HTML sizes and name character heights; larger numbers are cell heights
// (character height plus internal leading) in pixels.

#include <array>

namespace qor {

struct FontHeight {
    int pixels = 16;
    bool cellHeight = false; // pixels is the cell height, not the character height
};

inline FontHeight fontHeightOfSize(int size) {
    static constexpr std::array<int, 7> characterHeights = {11, 13, 16, 19, 24, 32, 48};
    if (size < 1)
        size = 1;
    if (size <= 7)
        return {characterHeights[static_cast<std::size_t>(size - 1)], false};
    return {size, true};
}

} // namespace qor
