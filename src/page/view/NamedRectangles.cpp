#include "page/view/NamedRectangles.h"

#include <QPainter>

namespace qor {

const std::string& tNamed_rectangle_list::name(int nameIndex) const {
    static const std::string none;
    const std::vector<std::string>& names = model_->page().areaNames;
    if (nameIndex < 0 || static_cast<std::size_t>(nameIndex) >= names.size())
        return none;
    return names[static_cast<std::size_t>(nameIndex)];
}

void tNamed_rectangle_list::Add(int nameIndex, int group, const PixelRect& rect) {
    entries_.push_back({nameIndex, group, rect, {}, {}});
}

void tNamed_rectangle_list::AddWithImages(int nameIndex, int group, const PixelRect& rect,
                                          QImage normal, QImage highlighted) {
    entries_.push_back({nameIndex, group, rect, std::move(normal), std::move(highlighted)});
}

void tNamed_rectangle_list::MoveVertically(int entry, int dy) {
    if (entry < 0 || entry >= size())
        return;
    PixelRect& rect = entries_[static_cast<std::size_t>(entry)].rect;
    rect = rect.translated(0, dy);
}

int tNamed_rectangle_list::FindGroup(int group) const {
    for (int i = 0; i < size(); ++i) {
        if (entries_[static_cast<std::size_t>(i)].group == group)
            return i;
    }
    return -1;
}

AreaHit tNamed_rectangle_list::HitTest(int x, int y) const {
    AreaHit hit;
    for (int i = 0; i < size(); ++i) {
        const NamedRectangle& entry = entries_[static_cast<std::size_t>(i)];
        if (!entry.rect.contains(x, y))
            continue;
        hit.entry = i;
        hit.hoverIndex = entry.hasHoverImages() ? i : -1;
        hit.rect = entry.rect;
        const std::string& text = name(entry.nameIndex);
        const std::size_t at = text.find('@');
        hit.target = text.substr(0, at);
        if (at != std::string::npos)
            hit.hint = text.substr(at + 1);
        break;
    }
    return hit;
}

tNamed_rectangle_list::Run tNamed_rectangle_list::RunOf(int entry) const {
    if (entry < 0 || entry >= size())
        return {};
    const auto belongs = [this](int a, int b) {
        const NamedRectangle& first = entries_[static_cast<std::size_t>(a)];
        const NamedRectangle& second = entries_[static_cast<std::size_t>(b)];
        return name(first.nameIndex) == name(second.nameIndex) && second.group == first.group + 1;
    };
    Run run{entry, entry};
    while (run.first > 0 && belongs(run.first - 1, run.first))
        --run.first;
    while (run.last + 1 < size() && belongs(run.last, run.last + 1))
        ++run.last;
    return run;
}

std::vector<PixelRect> tNamed_rectangle_list::Highlight(int entry, QImage& buffer) {
    const Run run = RunOf(entry);
    std::vector<PixelRect> changed;
    if (run == highlighted_)
        return changed;
    drawRun(highlighted_, false, buffer, changed);
    drawRun(run, true, buffer, changed);
    highlighted_ = run;
    return changed;
}

void tNamed_rectangle_list::drawRun(const Run& run, bool highlighted, QImage& buffer,
                                    std::vector<PixelRect>& changed) const {
    if (run.first < 0 || buffer.isNull())
        return;
    QPainter painter(&buffer);
    for (int i = run.first; i <= run.last; ++i) {
        const NamedRectangle& entry = entries_[static_cast<std::size_t>(i)];
        if (!entry.hasHoverImages())
            continue;
        painter.drawImage(entry.rect.left, entry.rect.top,
                          highlighted ? entry.highlighted : entry.normal);
        changed.push_back(entry.rect);
    }
}

} // namespace qor
