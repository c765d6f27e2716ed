#pragma once
// "abgedreht": where each letter of a text goes and how it looks. The text
// is typed letter by letter in random fonts and sizes, with gaps, jumps and
// wraps that grow with the degree of madness (1 to 10): at 1 the letters
// stand side by side in one font and size.

#include "platform/Random.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct LetterStyle {
    int font = 0; // CrazyFonts
    int size = 0; // pixels
    bool bold = false;
    bool italic = false;
    bool operator==(const LetterStyle&) const = default;
};

extern const char* const CrazyFonts[3]; // "Times New Roman", "Arial", "Courier"

class LetterMetrics {
public:
    virtual ~LetterMetrics() = default;
    virtual int width(const LetterStyle& style, std::string_view text) const = 0;
    virtual int height(const LetterStyle& style) const = 0;
};

struct PlacedLetter {
    std::string letter;
    int x = 0;
    int y = 0;
    LetterStyle style;
};

std::vector<PlacedLetter> LayOutCrazyText(std::string_view text, int width, int height, int madness,
                                          const LetterMetrics& metrics, const RandomSource& random);

} // namespace qor
