#include "page/layout/PageColorValues.h"

#include <array>

namespace qor {

namespace {

// The twenty fixed colours of the system palette.
constexpr std::array<Color, 20> systemPalette = {
    rgbColor(0x00, 0x00, 0x00), rgbColor(0x80, 0x00, 0x00), rgbColor(0x00, 0x80, 0x00),
    rgbColor(0x80, 0x80, 0x00), rgbColor(0x00, 0x00, 0x80), rgbColor(0x80, 0x00, 0x80),
    rgbColor(0x00, 0x80, 0x80), rgbColor(0xC0, 0xC0, 0xC0), rgbColor(0xC0, 0xDC, 0xC0),
    rgbColor(0xA6, 0xCA, 0xF0), rgbColor(0xFF, 0xFB, 0xF0), rgbColor(0xA0, 0xA0, 0xA4),
    rgbColor(0x80, 0x80, 0x80), rgbColor(0xFF, 0x00, 0x00), rgbColor(0x00, 0xFF, 0x00),
    rgbColor(0xFF, 0xFF, 0x00), rgbColor(0x00, 0x00, 0xFF), rgbColor(0xFF, 0x00, 0xFF),
    rgbColor(0x00, 0xFF, 0xFF), rgbColor(0xFF, 0xFF, 0xFF),
};

Color resolvePlain(Color value) {
    if (value == ColorValue::None)
        return ColorValue::White;
    if ((value & 0xFF000000) == ColorValue::PaletteIndexMarker) {
        const int index = value & 0xFFFF;
        return index < static_cast<int>(systemPalette.size())
                   ? systemPalette[static_cast<std::size_t>(index)]
                   : ColorValue::Black;
    }
    return value & 0xFFFFFF;
}

} // namespace

Color ResolveColor(Color value, const PageColors& colors) {
    if (value == ColorValue::PageText)
        return resolvePlain(colors.text);
    if (value == ColorValue::PageLink)
        return resolvePlain(colors.link);
    return resolvePlain(value);
}

} // namespace qor
