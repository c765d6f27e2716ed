#pragma once
// Blending a source bitmap onto a target, row by row on 24-bit pixels (red,
// green, blue bytes), in one of the nine transition modes with an alpha and
// a tint colour. All arithmetic is on integers, per channel.
//
// With L the source pixel's brightness (R + G + B) / 3, A the alpha and C
// the tint:
//   weight w: modes 1, 3, 6, 8: L * A / 256; modes 2, 4, 5, 7:
//             (255 - L) * A / 256; mode 0 and any other: A
//   modes 3, 5 lighten:  t += (255 - t) * w / 256
//   modes 4, 6 darken:   t -= t * w / 256
//   modes 7, 8 tint:     t += (C - t) * w / 256
//   the others mix:      t += (s - t) * w / 256
// Mode 0 with A = 255 copies the source; A = 0 leaves the target as it is.

#include "graphics/Color.h"

#include <cstddef>
#include <cstdint>

namespace qor {

enum class TTransitionMode : std::uint8_t {
    Normal = 0,
    White = 1,
    Black = 2,
    White2 = 3,
    Black2 = 4,
    White3 = 5,
    Black3 = 6,
    Colour = 7,
    Colour2 = 8,
};

// A view of 24-bit pixels: rows of red, green and blue bytes.
struct Bitmap24 {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // bytes from one row to the next

    std::uint8_t* row(int y) const { return bits + stride * y; }
};

// A view of 32-bit pixels as Qt keeps RGB32 images: blue, green, red and
// an unused byte in memory order.
struct Bitmap32 {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    std::uint8_t* row(int y) const { return bits + stride * y; }
};

// A coverage mask of the source's size (one byte per pixel, 255 full):
// the alpha of a pixel is scaled by its coverage. Shapes use it for their
// outline and antialiased edges.
struct CoverageMask {
    const std::uint8_t* bits = nullptr;
    std::ptrdiff_t stride = 0;

    const std::uint8_t* row(int y) const { return bits + stride * y; }
};

// Blends pixels of source onto target; mode is 0-255 (values above 8 act
// like 0 except that they never copy plainly).
void BlendRow(const std::uint8_t* source, std::uint8_t* target, int pixels, int mode, int alpha,
              Color tint, const std::uint8_t* coverage = nullptr);

// The same onto 32-bit pixels; the arithmetic is the same per channel.
void BlendRow(const std::uint8_t* source, std::uint32_t* target, int pixels, int mode, int alpha,
              Color tint, const std::uint8_t* coverage = nullptr);

// Blends source onto target with its top left at (x, y). Rows and columns
// outside the target are left out.
void BlendBitmap(const Bitmap24& source, const Bitmap24& target, int x, int y, int mode, int alpha,
                 Color tint, const CoverageMask* coverage = nullptr);
void BlendBitmap(const Bitmap24& source, const Bitmap32& target, int x, int y, int mode, int alpha,
                 Color tint, const CoverageMask* coverage = nullptr);

} // namespace qor
