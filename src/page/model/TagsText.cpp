// Character and paragraph formatting: style bits, inverse text, tabs,
// headings, breaks, fixed-pitch text, alignment and named styles.

#include "page/model/Attributes.h"
#include "page/model/PageMessages.h"
#include "page/model/PageParser.h"

#include <utility>

namespace qor {

namespace {

constexpr const char* FixedPitchFace = "Courier New";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

// Inverse text swaps text and background colour. The text colour may stand
// for the page's text or link colour; the background gets the colour itself.
void PageParser::tagInverse(TParser&) {
    Color text = format_.textColor;
    if (text == ColorValue::PageText)
        text = page_.colors.text;
    else if (text == ColorValue::PageLink)
        text = page_.colors.link;
    Color background = format_.backgroundColor;
    if (text == background) {
        if (text == ColorValue::White)
            background = ColorValue::Black;
        else if (text == ColorValue::Black)
            background = ColorValue::White;
    }
    format_.textColor = background;
    format_.backgroundColor = text;
    format_.transparent = false;
}

void PageParser::tagInverseEnd(TParser&) {
    std::swap(format_.textColor, format_.backgroundColor);
    format_.transparent = true;
}

void PageParser::tagClearBackground(TParser&) {
    format_.transparent = true;
}

void PageParser::tagBold(TParser&) {
    format_.styleBits |= TextStyle::Bold;
}
void PageParser::tagBoldEnd(TParser&) {
    format_.styleBits &= ~TextStyle::Bold;
}
void PageParser::tagItalic(TParser&) {
    format_.styleBits |= TextStyle::Italic;
}
void PageParser::tagItalicEnd(TParser&) {
    format_.styleBits &= ~TextStyle::Italic;
}
void PageParser::tagUnderline(TParser&) {
    format_.styleBits |= TextStyle::Underline;
}
void PageParser::tagUnderlineEnd(TParser&) {
    format_.styleBits &= ~TextStyle::Underline;
}

void PageParser::tagEmphasis(TParser&) {
    format_.styleBits |= TextStyle::Bold | TextStyle::Italic;
}

void PageParser::tagEmphasisEnd(TParser&) {
    format_.styleBits &= ~(TextStyle::Bold | TextStyle::Italic);
}

// <X5> tabs to half the column, <X30> to 30 percent of it, <X-120> to 120
// pixels; <X!...> also justifies the text.
void PageParser::tagTab(TParser&) {
    std::string_view number = std::string_view(tagName_).substr(1);
    const bool block = !number.empty() && number.front() == '!';
    if (block)
        number.remove_prefix(1);
    if (number.empty() || !(isDigit(number.front()) || number.front() == '-'))
        return;
    const std::optional<int> value = ParseInteger(number);
    if (!value)
        return; // "X-" and the like
    int tab = *value;
    if (number.size() == 1 && tab != 0)
        tab += 100;
    format_.alignment = block ? TextAlign::Block : TextAlign::Left;
    state_.pendingTab = tab;
}

void PageParser::tagHeading(TParser&) {
    if (tagName_.size() != 2 || tagName_[1] < '1' || tagName_[1] > '6')
        return;
    state_.headingSlot = format_;
    format_.size = 7 - (tagName_[1] - '0');
    format_.styleBits |= TextStyle::Bold;
}

void PageParser::tagHeadingEnd(TParser&) {
    if (tagName_.size() != 3 || tagName_[2] < '1' || tagName_[2] > '6')
        return;
    format_.size = state_.headingSlot.size;
    format_.styleBits = state_.headingSlot.styleBits;
}

void PageParser::tagParagraph(TParser&) {
    addBreak(ItemKind::ParagraphBreak);
}

void PageParser::tagLineBreak(TParser&) {
    addBreak(ItemKind::LineBreak);
}

void PageParser::tagTeletype(TParser&) {
    state_.teletypeSlot = format_;
    format_.face = FixedPitchFace;
    format_.size -= 1;
}

void PageParser::tagTeletypeEnd(TParser&) {
    format_.size += 1;
    format_.face = state_.teletypeSlot.face;
}

void PageParser::tagRandomOffset(TParser&) {
    format_.randomOffset = model_.random(100);
}

void PageParser::tagRandomOffsetEnd(TParser&) {
    format_.randomOffset = -1;
}

void PageParser::tagPre(TParser&) {
    state_.preSlot = format_;
    format_.face = FixedPitchFace;
    format_.size = 2;
    format_.fixedPitch = true;
    state_.preLineStart = true;
}

void PageParser::tagPreEnd(TParser&) {
    format_.face = state_.preSlot.face;
    format_.size = state_.preSlot.size;
    format_.fixedPitch = false;
    state_.preLineStart = false;
}

void PageParser::tagCenter(TParser&) {
    format_.alignment = TextAlign::Center;
}
void PageParser::tagCenterEnd(TParser&) {
    format_.alignment = TextAlign::Left;
}
void PageParser::tagBlock(TParser&) {
    format_.alignment = TextAlign::Block;
}
void PageParser::tagRight(TParser&) {
    format_.alignment = TextAlign::Right;
}

void PageParser::tagStyle(TParser&) {
    const TXStyle* style = model_.styles().find(std::string_view(tagName_).substr(1));
    if (!style) {
        ShowPageInformation("KEIN + gefunden! " + tagName_);
        return;
    }
    style->applyTo(format_);
}

} // namespace qor
