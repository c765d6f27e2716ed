#include "page/layout/PageLayout.h"

#include <algorithm>

namespace qor {

namespace {

// A picture is never drawn larger than this either way (SCALE=100000% of
// a photo would ask for gigabytes).
constexpr int MaxPictureSide = 8000;

// Width of a typing gap's field for placeholder text of this width: room
// for the text, three more letters and a tenth.
int gapFieldWidth(int textWidth, int abcWidth) {
    const int width = textWidth + abcWidth;
    return width / 10 + width + 8;
}

PixelRect itemRect(const LaidOutItem& item) {
    return PixelRect::fromSize(item.x, item.top(), item.width, item.ascent + item.descent);
}

bool isGapWord(const tFormatted_text& item) {
    return item.kind == ItemKind::Word && item.format->exerciseIndex >= 0 &&
           item.format->exerciseIndex <= LastGapExerciseIndex;
}

bool isDragWord(const tFormatted_text& item) {
    return item.kind == ItemKind::Word && item.format->exerciseIndex == DragExerciseIndex;
}

} // namespace

int pictureLeft(const tFormatted_text& item, const LaidOutItem& laid, int availableWidth) {
    const TextFormat& format = item.format;
    const int column = format.columnWidth == -1 ? availableWidth : format.columnWidth;
    switch (format.picture.alignment) {
    case PictureAlign::Left:
        return format.leftMargin;
    case PictureAlign::Center:
        return format.leftMargin + (column - laid.width) / 2;
    case PictureAlign::Right:
        return format.leftMargin + column - laid.width;
    default:
        return laid.x;
    }
}

PageLayout::PageLayout(PageModel& model, PageMeasurer& measurer)
    : model_(model), measurer_(measurer) {}

PageLayoutResult PageLayout::Layout(int clientWidth) {
    PageLayoutResult result;
    result.availableWidth = clientWidth - ScrollBarWidth - 16;
    currentBox_ = -1;
    openGapField_ = -1;
    boxItems_.assign(model_.page().boxes.size(), -1);
    measure(result);

    LineBreaker breaker(model_.items(), result.items, result.availableWidth);
    breaker.setLineFinished(
        [&](std::size_t first, std::size_t last) { registerLine(result, first, last); });
    result.contentHeight = breaker.run();
    registerBoxes(result);
    return result;
}

void PageLayout::measure(PageLayoutResult& result) {
    const tFormatted_text_list& items = model_.items();
    result.items.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        result.items[i] = measureItem(items[i]);

    // Words glued by tags without a blank form a run; its first word
    // carries the run's width so that the run wraps as a whole.
    for (std::size_t i = 0; i < items.size();) {
        if (items[i].kind != ItemKind::Word) {
            ++i;
            continue;
        }
        std::size_t end = i;
        int width = 0;
        while (end < items.size() && items[end].kind == ItemKind::Word) {
            width += result.items[end].width;
            result.items[end].runWidth = result.items[end].width;
            ++end;
        }
        result.items[i].runWidth = width;
        i = end;
    }
}

LaidOutItem PageLayout::measureItem(const tFormatted_text& item) {
    LaidOutItem laid;
    const TextFormat& format = item.format;
    switch (item.kind) {
    case ItemKind::Word:
    case ItemKind::Space: {
        const TextMetrics text = measurer_.measureText(item.text, format);
        laid.width = text.width;
        laid.ascent = text.ascent;
        laid.descent = text.descent;
        if (isGapWord(item))
            laid.width = gapFieldWidth(text.width, measurer_.measureText("abc", format).width);
        else if (isDragWord(item))
            laid.width = model_.page().drag.blockWidth;
        break;
    }
    case ItemKind::CheckBox:
        laid.width = format.checkBoxSize + format.checkBoxGap;
        laid.ascent = format.checkBoxSize;
        break;
    case ItemKind::Picture:
        return measurePicture(item);
    case ItemKind::LineBreak:
    case ItemKind::ParagraphBreak: {
        // No width; the height serves an empty line at the start of a page.
        const TextMetrics font = measurer_.fontMetrics(format);
        laid.height = font.ascent + font.descent;
        return laid;
    }
    case ItemKind::Block:
        return laid;
    }
    laid.height = laid.ascent + laid.descent;
    return laid;
}

LaidOutItem PageLayout::measurePicture(const tFormatted_text& item) {
    LaidOutItem laid;
    const PictureFields& fields = item.format->picture;
    const tPicture_list& pictures = model_.pictures();
    if (fields.index < 0 || static_cast<std::size_t>(fields.index) >= pictures.size())
        return laid;
    const PixelSize size = measurer_.pictureSize(pictures[static_cast<std::size_t>(fields.index)]);
    const auto scaled = [&](int side) {
        return static_cast<int>(std::min<long long>(
            MaxPictureSide, (static_cast<long long>(side) * fields.scale + 50) / 100));
    };
    laid.width = scaled(size.width);
    laid.height = scaled(size.height);
    if (fields.baseline != 0) {
        laid.ascent = fields.baseline;
    } else {
        switch (fields.alignment) {
        case PictureAlign::Middle:
            laid.ascent = laid.height / 2;
            break;
        case PictureAlign::Over:
            laid.ascent = laid.height * 2 / 3;
            break;
        default:
            laid.ascent = laid.height;
            break;
        }
    }
    laid.descent = laid.height - laid.ascent;
    return laid;
}

int PageLayout::areaNameIndex(const std::string& name) {
    std::vector<std::string>& names = model_.page().areaNames;
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end())
        return static_cast<int>(found - names.begin());
    return model_.page().addAreaName(name);
}

void PageLayout::registerLine(PageLayoutResult& result, std::size_t first, std::size_t last) {
    PageContent& page = model_.page();
    const tFormatted_text_list& items = model_.items();
    for (std::size_t i = first; i <= last; ++i) {
        const tFormatted_text& item = items[i];
        const LaidOutItem& laid = result.items[i];
        const int number = static_cast<int>(i);
        const TextFormat& format = item.format;

        if (item.kind == ItemKind::Block) {
            currentBox_ = format.boxIndex;
            if (currentBox_ >= 0 && static_cast<std::size_t>(currentBox_) < boxItems_.size())
                boxItems_[static_cast<std::size_t>(currentBox_)] = number;
            continue;
        }
        if (item.kind == ItemKind::Word && currentBox_ >= 0 &&
            static_cast<std::size_t>(currentBox_) < page.boxes.size()) {
            TBox& box = page.boxes[static_cast<std::size_t>(currentBox_)];
            if (box.autoHeight)
                box.height = laid.baseline - box.top + 4;
        }

        if (isGapWord(item)) {
            // The field covers its placeholder; further words of it on the
            // same line widen the field.
            const PixelRect rect = itemRect(laid);
            if (openGapField_ == format.exerciseIndex && !result.gaps.empty() &&
                result.gaps.back().rect.top == rect.top) {
                result.gaps.back().rect.right = rect.right;
            } else if (openGapField_ != format.exerciseIndex) {
                result.gaps.push_back({format.exerciseIndex, number, rect});
                openGapField_ = format.exerciseIndex;
            }
            continue;
        }
        if (format.exerciseIndex != openGapField_)
            openGapField_ = -1;
        if (isDragWord(item)) {
            result.dropTargets.push_back({number, itemRect(laid), item.text});
            continue;
        }

        switch (item.kind) {
        case ItemKind::Picture:
            registerPicture(result, i);
            break;
        case ItemKind::CheckBox:
            if (format.checkBoxIndex >= 0 &&
                static_cast<std::size_t>(format.checkBoxIndex) < page.checkBoxes.size()) {
                TCheckBox& box = page.checkBoxes[static_cast<std::size_t>(format.checkBoxIndex)];
                box.x = laid.x;
                box.y = laid.top();
                AreaRegistration area;
                area.nameIndex = areaNameIndex("+" + box.name);
                area.group = number;
                area.rect = PixelRect::fromSize(box.x, box.y, box.width, box.height);
                area.source = AreaSource::CheckBox;
                area.item = number;
                result.areas.push_back(area);
            }
            break;
        case ItemKind::Word:
        case ItemKind::Space:
            if (format.areaIndex >= 0) {
                AreaRegistration area;
                area.nameIndex = format.areaIndex;
                area.group = number;
                area.rect = itemRect(laid);
                area.source = AreaSource::Text;
                area.hoverImages = format.flash;
                area.item = number;
                result.areas.push_back(area);
            }
            break;
        default:
            break;
        }
    }
}

void PageLayout::registerPicture(PageLayoutResult& result, std::size_t index) {
    const tFormatted_text& item = model_.items()[index];
    const LaidOutItem& laid = result.items[index];
    const PictureFields& fields = item.format->picture;
    const int left = pictureLeft(item, laid, result.availableWidth);
    const PixelRect rect = PixelRect::fromSize(left, laid.top(), laid.width, laid.height);
    const int number = static_cast<int>(index);

    if (!fields.map.empty()) {
        const ImageMapList& maps = model_.page().imageMaps;
        const auto map = std::find_if(maps.rbegin(), maps.rend(), [&](const ImageMap& candidate) {
            return candidate.name == fields.map;
        });
        if (map != maps.rend()) {
            for (const ImageMapArea& mapArea : map->areas) {
                if (mapArea.rect.x == PageRect::NotGiven || mapArea.rect.y == PageRect::NotGiven)
                    continue;
                const int width = mapArea.rect.w == PageRect::NotGiven ? 0 : mapArea.rect.w;
                const int height = mapArea.rect.h == PageRect::NotGiven ? 0 : mapArea.rect.h;
                AreaRegistration area;
                area.nameIndex = areaNameIndex(mapArea.href);
                area.group = number;
                area.rect = PixelRect::fromSize(rect.left + mapArea.rect.x,
                                                rect.top + mapArea.rect.y, width, height);
                area.source = AreaSource::MapArea;
                area.hoverImages = fields.hasHoverPicture();
                area.item = number;
                result.areas.push_back(area);
            }
        }
    }
    if (item.format->areaIndex >= 0) {
        AreaRegistration area;
        area.nameIndex = item.format->areaIndex;
        area.group = number;
        area.rect = rect;
        area.source = AreaSource::Picture;
        area.hoverImages = fields.hasHoverPicture() || fields.hasFrameColor();
        area.item = number;
        result.areas.push_back(area);
    }
}

// Boxes with a link come after the text, so that links inside a linked box
// are found first.
void PageLayout::registerBoxes(PageLayoutResult& result) {
    const TBoxList& boxes = model_.page().boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TBox& box = boxes[i];
        if (box.areaIndex < 0)
            continue;
        AreaRegistration area;
        area.nameIndex = box.areaIndex;
        area.group = boxItems_[i];
        area.rect = PixelRect::fromSize(box.left, box.top, box.width, box.height);
        if (box.hasHoverImages())
            area.rect = area.rect.inset((box.borderWidth + 1) / 2);
        area.source = AreaSource::Box;
        area.hoverImages = box.hasHoverImages();
        area.item = boxItems_[i];
        area.box = static_cast<int>(i);
        result.areas.push_back(area);
    }
}

} // namespace qor
