#include "graphics/Blend.h"

#include <algorithm>

namespace qor {

namespace {

enum class Effect { Mix, Lighten, Darken, Tint };

Effect effectOf(int mode) {
    switch (mode) {
    case 3:
    case 5:
        return Effect::Lighten;
    case 4:
    case 6:
        return Effect::Darken;
    case 7:
    case 8:
        return Effect::Tint;
    default:
        return Effect::Mix;
    }
}

enum class Weight { Alpha, Bright, Dark };

Weight weightOf(int mode) {
    switch (mode) {
    case 1:
    case 3:
    case 6:
    case 8:
        return Weight::Bright;
    case 2:
    case 4:
    case 5:
    case 7:
        return Weight::Dark;
    default:
        return Weight::Alpha;
    }
}

template <Effect effect> inline int blendChannel(int source, int target, int weight, int tint) {
    if constexpr (effect == Effect::Lighten)
        return target + (255 - target) * weight / 256;
    else if constexpr (effect == Effect::Darken)
        return target - target * weight / 256;
    else if constexpr (effect == Effect::Tint)
        return target + (tint - target) * weight / 256;
    else
        return target + (source - target) * weight / 256;
}

// How a target keeps a pixel: 24-bit red, green, blue bytes, or 32-bit
// words of 0xAARRGGBB.
struct Pixels24 {
    using Pixel = std::uint8_t;
    static constexpr int step = 3;
    static void read(const Pixel* p, int& red, int& green, int& blue) {
        red = p[0];
        green = p[1];
        blue = p[2];
    }
    static void write(Pixel* p, int red, int green, int blue) {
        p[0] = static_cast<std::uint8_t>(red);
        p[1] = static_cast<std::uint8_t>(green);
        p[2] = static_cast<std::uint8_t>(blue);
    }
};

struct Pixels32 {
    using Pixel = std::uint32_t;
    static constexpr int step = 1;
    static void read(const Pixel* p, int& red, int& green, int& blue) {
        red = static_cast<int>((*p >> 16) & 0xFF);
        green = static_cast<int>((*p >> 8) & 0xFF);
        blue = static_cast<int>(*p & 0xFF);
    }
    static void write(Pixel* p, int red, int green, int blue) {
        *p = 0xFF000000u | static_cast<std::uint32_t>(red << 16) |
             static_cast<std::uint32_t>(green << 8) | static_cast<std::uint32_t>(blue);
    }
};

template <typename Layout, Effect effect>
void blendPixels(const std::uint8_t* source, typename Layout::Pixel* target, int pixels,
                 Weight weighting, int alpha, Color tint, const std::uint8_t* coverage) {
    const int tintRed = tint & 0xFF;
    const int tintGreen = (tint >> 8) & 0xFF;
    const int tintBlue = (tint >> 16) & 0xFF;
    for (int i = 0; i < pixels; ++i, source += 3, target += Layout::step) {
        const int a = coverage ? alpha * coverage[i] / 255 : alpha;
        if (a == 0)
            continue;
        const int brightness = (source[0] + source[1] + source[2]) / 3;
        int weight = a;
        if (weighting == Weight::Bright)
            weight = brightness * a / 256;
        else if (weighting == Weight::Dark)
            weight = (255 - brightness) * a / 256;
        int red, green, blue;
        Layout::read(target, red, green, blue);
        Layout::write(target, blendChannel<effect>(source[0], red, weight, tintRed),
                      blendChannel<effect>(source[1], green, weight, tintGreen),
                      blendChannel<effect>(source[2], blue, weight, tintBlue));
    }
}

template <typename Layout>
void blendRow(const std::uint8_t* source, typename Layout::Pixel* target, int pixels, int mode,
              int alpha, Color tint, const std::uint8_t* coverage) {
    if (pixels <= 0 || alpha <= 0)
        return;
    alpha = std::min(alpha, 255);
    if (mode == 0 && alpha == 255) {
        // A plain copy where the source covers fully, a mix on the edges.
        for (int i = 0; i < pixels; ++i, source += 3, target += Layout::step) {
            if (!coverage || coverage[i] == 255)
                Layout::write(target, source[0], source[1], source[2]);
            else if (coverage[i] != 0)
                blendPixels<Layout, Effect::Mix>(source, target, 1, Weight::Alpha, alpha, tint,
                                                 coverage + i);
        }
        return;
    }
    const Weight weighting = weightOf(mode);
    switch (effectOf(mode)) {
    case Effect::Lighten:
        blendPixels<Layout, Effect::Lighten>(source, target, pixels, weighting, alpha, tint,
                                             coverage);
        break;
    case Effect::Darken:
        blendPixels<Layout, Effect::Darken>(source, target, pixels, weighting, alpha, tint,
                                            coverage);
        break;
    case Effect::Tint:
        blendPixels<Layout, Effect::Tint>(source, target, pixels, weighting, alpha, tint, coverage);
        break;
    case Effect::Mix:
        blendPixels<Layout, Effect::Mix>(source, target, pixels, weighting, alpha, tint, coverage);
        break;
    }
}

// Only the part that lies on the target is drawn; a source reaching past
// the right edge is cut there instead of running into the next row.
template <typename Layout, typename Target>
void blendBitmap(const Bitmap24& source, const Target& target, int x, int y, int mode, int alpha,
                 Color tint, const CoverageMask* coverage) {
    const int firstColumn = std::max(0, -x);
    const int lastColumn = std::min(source.width, target.width - x);
    const int pixels = lastColumn - firstColumn;
    if (pixels <= 0)
        return;
    for (int row = 0; row < source.height; ++row) {
        const int targetRow = y + row;
        if (targetRow < 0 || targetRow >= target.height)
            continue;
        const std::uint8_t* mask = coverage ? coverage->row(row) + firstColumn : nullptr;
        auto* targetPixels = reinterpret_cast<typename Layout::Pixel*>(target.row(targetRow)) +
                             Layout::step * (x + firstColumn);
        blendRow<Layout>(source.row(row) + 3 * firstColumn, targetPixels, pixels, mode, alpha, tint,
                         mask);
    }
}

} // namespace

void BlendRow(const std::uint8_t* source, std::uint8_t* target, int pixels, int mode, int alpha,
              Color tint, const std::uint8_t* coverage) {
    blendRow<Pixels24>(source, target, pixels, mode, alpha, tint, coverage);
}

void BlendRow(const std::uint8_t* source, std::uint32_t* target, int pixels, int mode, int alpha,
              Color tint, const std::uint8_t* coverage) {
    blendRow<Pixels32>(source, target, pixels, mode, alpha, tint, coverage);
}

void BlendBitmap(const Bitmap24& source, const Bitmap24& target, int x, int y, int mode, int alpha,
                 Color tint, const CoverageMask* coverage) {
    blendBitmap<Pixels24>(source, target, x, y, mode, alpha, tint, coverage);
}

void BlendBitmap(const Bitmap24& source, const Bitmap32& target, int x, int y, int mode, int alpha,
                 Color tint, const CoverageMask* coverage) {
    blendBitmap<Pixels32>(source, target, x, y, mode, alpha, tint, coverage);
}

} // namespace qor
