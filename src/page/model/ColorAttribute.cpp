#include "page/model/ColorAttribute.h"

#include "page/model/AliasList.h"
#include "page/model/Attributes.h"

#include <charconv>

namespace qor {

namespace {

// "RRGGBB" (up to six hexadecimal digits) as a colour; text that is not
// hexadecimal gives RRGGBB 0000FF.
Color parseHexColor(std::string_view digits) {
    digits = digits.substr(0, 6);
    unsigned int value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        value = 0x0000FF;
    return rgbColor(static_cast<int>(value >> 16), static_cast<int>(value >> 8),
                    static_cast<int>(value));
}

bool startsColorValue(char c) {
    return c == '#' || c == 'i' || c == '?';
}

} // namespace

Color ParseColorValue(std::string_view value, const TXAliasList& colorNames,
                      const RandomSource& random) {
    std::string text = StripQuotes(value);
    if (text.empty())
        return ColorValue::White;
    if (text == "random") {
        const int red = 51 * randomBelow(random, 6);
        const int green = 51 * randomBelow(random, 6);
        const int blue = 51 * randomBelow(random, 6);
        return rgbColor(red, green, blue);
    }

    // Names may refer to other names. A chain longer than the table has
    // entries runs in a circle and ends as white, like an undefined name.
    std::size_t steps = 0;
    while (!startsColorValue(text.front())) {
        const std::string* entry = colorNames.find(text);
        if (!entry || entry->empty() || steps++ > colorNames.size())
            return ColorValue::White;
        text = *entry;
    }

    switch (text.front()) {
    case '?': {
        // Entries of seven characters each: a free separator and RRGGBB.
        const int entries = static_cast<int>(text.size() / 7);
        if (entries == 0)
            return ColorValue::White;
        const auto chosen = static_cast<std::size_t>(randomBelow(random, entries));
        return parseHexColor(std::string_view(text).substr(1 + 7 * chosen, 6));
    }
    case '#':
        return parseHexColor(std::string_view(text).substr(1));
    default: { // 'i': a palette index
        const int index = ParseInteger(std::string_view(text).substr(1)).value_or(128);
        return ColorValue::PaletteIndexMarker | (index & 0xFFFF);
    }
    }
}

} // namespace qor
