#include "page/model/Styles.h"

namespace qor {

TXStyle TXStyle::capture(std::string name, const TextFormat& format) {
    TXStyle style;
    style.name = std::move(name);
    style.styleBits = format.styleBits;
    style.face = format.face;
    style.size = format.size;
    style.textColor = format.textColor;
    style.linkColor = format.linkColor;
    style.backgroundColor = format.backgroundColor;
    style.transparent = format.transparent;
    style.flashColor = format.flashColor;
    style.hot = format.hot;
    style.lineSpacing = format.lineSpacing;
    style.tracking = format.tracking;
    return style;
}

void TXStyle::applyTo(TextFormat& format) const {
    format.tracking = tracking;
    format.styleBits = styleBits;
    format.face = face;
    format.size = size;
    format.textColor = textColor;
    format.linkColor = linkColor;
    format.backgroundColor = backgroundColor;
    format.transparent = transparent;
    format.flashColor = flashColor;
    format.hot = hot;
    if (format.lineSpacing < ExplicitLineSpacing)
        format.lineSpacing = lineSpacing;
}

void TXStyleList::add(TXStyle style) {
    for (TXStyle& known : styles_) {
        if (known.name == style.name) {
            known = std::move(style);
            return;
        }
    }
    styles_.push_back(std::move(style));
}

const TXStyle* TXStyleList::find(std::string_view name) const {
    for (const TXStyle& style : styles_) {
        if (style.name == name)
            return &style;
    }
    return nullptr;
}

} // namespace qor
