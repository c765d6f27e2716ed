#include "page/layout/LineBreaker.h"

#include <algorithm>

namespace qor {

int tabPosition(int tab, int columnWidth) {
    if (tab >= 101 && tab <= 109)
        return (tab - 100) * columnWidth / 10;
    if (tab > 0)
        return tab * columnWidth / 100;
    return -tab;
}

LineBreaker::LineBreaker(const tFormatted_text_list& items, std::vector<LaidOutItem>& laid,
                         int availableWidth)
    : items_(items), laid_(laid), availableWidth_(availableWidth) {}

int LineBreaker::columnWidth(const TextFormat& format) const {
    return format.columnWidth == -1 ? availableWidth_ : format.columnWidth;
}

int LineBreaker::run() {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const tFormatted_text& item = items_[i];
        switch (item.kind) {
        case ItemKind::LineBreak:
        case ItemKind::ParagraphBreak:
            if (!lineOpen_)
                startLine(i);
            finishLine(i, item.kind == ItemKind::LineBreak ? LineEnd::LineBreak
                                                           : LineEnd::ParagraphBreak);
            indent_ = 0;
            hanging_ = 0;
            continue;
        case ItemKind::Block:
            // A box starts a line of its own; its text begins at its top.
            if (lineOpen_)
                finishLine(i - 1, LineEnd::Wrap);
            indent_ = 0;
            hanging_ = 0;
            startLine(i);
            continue;
        default:
            break;
        }

        // A tab in block alignment (<X!...>) ends the line and goes on at the
        // same baseline: justified text beside a column.
        if (item.tab != 0 && item.format->alignment == TextAlign::Block && lineHasContent_) {
            finishLine(i - 1, LineEnd::Wrap);
            keptBaseline_ = lastBaseline_;
            indent_ = 0;
        }
        if (!lineOpen_)
            startLine(i);

        const LaidOutItem& measures = laid_[i];
        switch (item.kind) {
        case ItemKind::Picture:
            // Pictures never wrap; one that stands over the text (X) takes no
            // height on its line.
            x_ += pendingSpace_ + measures.width;
            pendingSpace_ = 0;
            if (item.format->picture.alignment != PictureAlign::Over)
                addMeasures(measures);
            lineHasContent_ = true;
            break;
        case ItemKind::Space:
            // Counts only when a word follows, so trailing blanks never do.
            pendingSpace_ = measures.width;
            addMeasures(measures);
            break;
        default: // words and check boxes
            placeWord(i);
            break;
        }
    }
    if (lineOpen_)
        finishLine(items_.size() - 1, LineEnd::Wrap);
    return contentHeight_;
}

void LineBreaker::startLine(std::size_t first) {
    lineOpen_ = true;
    lineFirst_ = first;
}

void LineBreaker::addMeasures(const LaidOutItem& item) {
    maxHeight_ = std::max(maxHeight_, item.height);
    maxAscent_ = std::max(maxAscent_, item.ascent);
    maxDescent_ = std::max(maxDescent_, item.descent);
}

void LineBreaker::placeWord(std::size_t index) {
    const tFormatted_text& item = items_[index];
    const LaidOutItem& measures = laid_[index];
    const int column = columnWidth(item.format);

    // Words glued together without a blank form a run that is never split:
    // only its first word may wrap, and it wraps for the whole run. Text in
    // fixed-pitch mode (<PRE>) keeps its lines as written.
    const bool continuesRun = item.kind == ItemKind::Word && index > lineFirst_ &&
                              items_[index - 1].kind == ItemKind::Word;
    const int needed = std::max(measures.runWidth, measures.width);
    if (!item.format->fixedPitch && !continuesRun && lineHasContent_ &&
        column < needed + indent_ + x_ + pendingSpace_) {
        finishLine(index - 1, LineEnd::Wrap);
        indent_ = hanging_;
        startLine(index);
    }

    if (item.tab != 0) {
        // The text may already stand beyond the tab position; it is not
        // moved back over itself (the placing pass does the same).
        const int position = tabPosition(item.tab, column);
        x_ = std::max(x_, position);
        pendingSpace_ = 0;
        hanging_ = position;
    }
    x_ += pendingSpace_ + measures.width;
    pendingSpace_ = 0;
    addMeasures(measures);
    lineHasContent_ = true;
}

int LineBreaker::alignmentOffset(std::size_t first, std::size_t last, int lineWidth) {
    const TextFormat& format = items_[last].format;
    const int column = columnWidth(format);
    switch (format.alignment) {
    case TextAlign::Center:
        return (column - lineWidth) / 2;
    case TextAlign::Right:
        return column - lineWidth;
    case TextAlign::Block: {
        // The free width goes to the blanks inside the line, each taking
        // the rest divided by the blanks still to come.
        int remaining = column - lineWidth - indent_;
        int blanks = 0;
        for (std::size_t j = first + 1; j < last; ++j) {
            if (items_[j].kind == ItemKind::Space && items_[j].tab == 0)
                ++blanks;
        }
        if (remaining <= 0)
            return 0;
        for (std::size_t j = first + 1; j < last && blanks > 0; ++j) {
            if (items_[j].kind != ItemKind::Space || items_[j].tab != 0)
                continue;
            const int share = remaining / blanks;
            laid_[j].width += share;
            remaining -= share;
            --blanks;
        }
        return 0;
    }
    default:
        return 0;
    }
}

void LineBreaker::finishLine(std::size_t last, LineEnd end) {
    const std::size_t first = lineFirst_;
    if (items_[first].kind == ItemKind::Block)
        y_ = items_[first].format->objectTop;

    // A negative spacing v fixes the pitch at |v|: two thirds above the
    // baseline, one third below.
    const int spacing = items_[last].format->lineSpacingPixels();
    const int baseline =
        keptBaseline_ ? *keptBaseline_ : y_ + (spacing < 0 ? -spacing * 2 / 3 : maxAscent_);
    keptBaseline_.reset();
    contentHeight_ = std::max(contentHeight_, baseline);

    if (items_[last].kind == ItemKind::Space)
        laid_[last].width = 0;

    const int lineWidth = x_;
    int x = items_[first].format->leftMargin + alignmentOffset(first, last, lineWidth) + indent_;
    for (std::size_t j = first; j <= last; ++j) {
        const tFormatted_text& item = items_[j];
        if (item.tab != 0) {
            const int position = tabPosition(item.tab, columnWidth(item.format));
            x = std::max(x, position + item.format->leftMargin);
        }
        laid_[j].x = x;
        laid_[j].baseline = baseline;
        x += laid_[j].width;
    }
    if (lineFinished_)
        lineFinished_(first, last);

    lastBaseline_ = baseline;
    y_ = baseline + (spacing < 0 ? -spacing / 3 : spacing + maxDescent_);
    // An empty line borrows the height of the line before it (or, at the
    // very start, that of its own font).
    const int previousHeight = previousLineHeight_.value_or(laid_[last].height);
    if (end == LineEnd::ParagraphBreak)
        y_ += lineHasContent_ ? maxHeight_ : previousHeight;
    else if (end == LineEnd::LineBreak && first == last)
        y_ += previousHeight;
    if (lineHasContent_)
        previousLineHeight_ = maxHeight_;

    lineOpen_ = false;
    lineHasContent_ = false;
    x_ = 0;
    pendingSpace_ = 0;
    maxHeight_ = 0;
    maxAscent_ = 0;
    maxDescent_ = 0;
}

} // namespace qor
