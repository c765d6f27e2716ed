#pragma once
// Named styles: snapshots of the character formatting, defined by
// <FONT ... ID=name> and applied with <+name>. They live as long as the page
// control, so one page can define what later pages use.

#include "page/model/TextFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct TXStyle {
    std::string name;
    std::uint8_t styleBits = 0;
    std::string face;
    int size = 3;
    Color textColor = ColorValue::PageText;
    Color linkColor = ColorValue::None;
    Color backgroundColor = 0;
    bool transparent = true;
    Color flashColor = ColorValue::None;
    bool hot = false;
    int lineSpacing = 1;
    int tracking = 0;

    static TXStyle capture(std::string name, const TextFormat& format);

    // Tracking and the character fields always; the line spacing only when
    // the format has no explicit one.
    void applyTo(TextFormat& format) const;
};

class TXStyleList {
public:
    // A style defined again replaces the old one, so that pages which
    // include the same style sheet do not make the list grow.
    void add(TXStyle style);

    // The style of exactly this name.
    const TXStyle* find(std::string_view name) const;

    const std::vector<TXStyle>& styles() const { return styles_; }

private:
    std::vector<TXStyle> styles_;
};

} // namespace qor
