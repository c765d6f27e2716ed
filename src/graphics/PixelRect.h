#pragma once
// A rectangle in page pixels: left, top, right and bottom, with right =
// left + width and bottom = top + height. Hit tests count the edges in.

namespace qor {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr PixelRect fromSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
    constexpr PixelRect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr PixelRect inset(int amount) const {
        return {left + amount, top + amount, right - amount, bottom - amount};
    }
    constexpr bool operator==(const PixelRect&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const PixelSize&) const = default;
};

} // namespace qor
