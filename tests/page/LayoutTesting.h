#pragma once
// Layout without fonts: every character is 10 pixels wide; size 3 text has
// ascent 12 and descent 4, other sizes ascent 4 x size and descent size.
// Pictures take their size from a table by file name (their last path part).

#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "platform/FileSystem.h"
#include "support/GraphicsPrinters.h"
#include "support/PagePrinters.h"

#include <map>
#include <string>

namespace qor::test {

class FixedMeasurer : public PageMeasurer {
public:
    static constexpr int CharacterWidth = 10;

    std::map<std::string, PixelSize> pictureSizes;

    TextMetrics measureText(std::string_view text, const TextFormat& format) override {
        TextMetrics metrics = fontMetrics(format);
        metrics.width = static_cast<int>(text.size()) * (CharacterWidth + format.tracking);
        return metrics;
    }
    TextMetrics fontMetrics(const TextFormat& format) override {
        if (format.size == 3)
            return {0, 12, 4};
        return {0, 4 * format.size, format.size};
    }
    PixelSize pictureSize(const TXPicture& picture) override {
        const auto found = pictureSizes.find(extractFileName(picture.name));
        return found == pictureSizes.end() ? PixelSize{} : found->second;
    }
};

// A client width that leaves a column of 400 pixels (scroll bar and margin off).
constexpr int ClientWidthFor400 = 400 + ScrollBarWidth + 16;

struct LaidOutPage {
    PageModel model;
    FixedMeasurer measurer;
    PageLayoutResult result;

    void layout(const std::string& text, int clientWidth = ClientWidthFor400) {
        model.Clear();
        model.setPageSize(clientWidth, 600);
        model.Parse(text, false);
        PageLayout layout(model, measurer);
        result = layout.Layout(clientWidth);
    }

    // The item number of the n-th word with this text.
    std::size_t word(const std::string& text, int n = 0) const {
        for (std::size_t i = 0; i < model.items().size(); ++i) {
            const tFormatted_text& item = model.items()[i];
            if (item.kind == ItemKind::Word && item.text == text && n-- == 0)
                return i;
        }
        throw std::runtime_error("no word " + text);
    }
    const LaidOutItem& at(const std::string& text, int n = 0) const {
        return result.items[word(text, n)];
    }
    std::size_t firstOfKind(ItemKind kind) const {
        for (std::size_t i = 0; i < model.items().size(); ++i) {
            if (model.items()[i].kind == kind)
                return i;
        }
        throw std::runtime_error("no such item");
    }
};

} // namespace qor::test
