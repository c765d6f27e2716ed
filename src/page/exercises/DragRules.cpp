#include "page/exercises/DragRules.h"

#include <algorithm>
#include <cstdlib>

namespace qor {

int SnapToDropTarget(PixelPoint topLeft, const std::vector<PixelRect>& targets) {
    for (std::size_t i = 0; i < targets.size(); ++i)
        if (std::abs(topLeft.x - targets[i].left) <= DropSnapDistance &&
            std::abs(topLeft.y - targets[i].top) <= DropSnapDistance)
            return static_cast<int>(i);
    return -1;
}

std::vector<int> LineUpParts(int left, const std::vector<int>& widths) {
    std::vector<int> lefts;
    lefts.reserve(widths.size());
    for (const int width : widths) {
        lefts.push_back(left);
        left += width + SentencePartGap;
    }
    return lefts;
}

std::optional<SentenceSnap> SnapSentencePart(const std::vector<PartSlot>& places, int dragged,
                                             int draggedLeft) {
    if (dragged < 0 || static_cast<std::size_t>(dragged) >= places.size())
        return std::nullopt;
    const int draggedWidth = places[static_cast<std::size_t>(dragged)].width;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PartSlot& slot = places[i];
        const int w = std::min(draggedWidth, slot.width);
        if (static_cast<int>(i) <= dragged) {
            if (draggedLeft >= slot.left - SentenceSnapTolerance &&
                draggedLeft <= slot.left + SentenceSnapTolerance + w)
                return SentenceSnap{static_cast<int>(i), slot.left};
        } else if (draggedLeft >= slot.right() - w - SentenceSnapTolerance &&
                   draggedLeft <= slot.right() + SentenceSnapTolerance) {
            return SentenceSnap{static_cast<int>(i), slot.right() - draggedWidth};
        }
    }
    return std::nullopt;
}

PixelPoint GlidePosition(PixelPoint from, PixelPoint to, int step, int steps) {
    if (steps <= 0 || step >= steps)
        return to;
    return {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps};
}

} // namespace qor
