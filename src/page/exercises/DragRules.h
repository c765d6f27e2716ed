#pragma once
// The rules of the two drag exercises on pages, without drawing: shuffling,
// where a dragged word block snaps onto a drop target, how sentence parts
// line up and where a dragged part snaps in, and the steps of the glide
// back and of the closing slide of a solved sentence.

#include "graphics/Color.h"
#include "graphics/PixelRect.h"
#include "platform/Random.h"

#include <optional>
#include <utility>
#include <vector>

namespace qor {

struct PixelPoint {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const PixelPoint&) const = default;
};

// Every position in turn swapped with a random one.
template <typename T> void ShuffleEachPosition(std::vector<T>& items, const RandomSource& random) {
    const int count = static_cast<int>(items.size());
    for (int i = 0; i < count; ++i)
        std::swap(items[static_cast<std::size_t>(i)],
                  items[static_cast<std::size_t>(randomBelow(random, count))]);
}

// A block whose top left comes within this many pixels of a drop target's
// top left jumps onto it.
constexpr int DropSnapDistance = 8;

// The first target the block at topLeft snaps onto, or -1.
int SnapToDropTarget(PixelPoint topLeft, const std::vector<PixelRect>& targets);

// Sentence parts stand in a row from the exercise's left edge, this far apart.
constexpr int SentencePartGap = 3;
// How far a dragged part may miss a place and still snap into it.
constexpr int SentenceSnapTolerance = 4;

// The left edges of parts of these widths lined up from left.
std::vector<int> LineUpParts(int left, const std::vector<int>& widths);

struct PartSlot {
    int left = 0;
    int width = 0;
    int right() const { return left + width; }
};

struct SentenceSnap {
    int slot = -1; // the place (in the order) the dragged part moves into
    int left = 0;  // where the dragged part's left edge goes
};

// Where the part in slot dragged, with its left edge at draggedLeft, snaps
// in: onto a part before it (or its own place) when its left edge lies from
// 4 pixels left of that part's left edge to 4 + w pixels right of it; onto a
// part after it when its left edge lies from w + 4 pixels left of that part's
// right edge to 4 pixels right of it, ending where that part ends; w is the
// smaller width of the two. The first place in the order that fits wins.
std::optional<SentenceSnap> SnapSentencePart(const std::vector<PartSlot>& places, int dragged,
                                             int draggedLeft);

// A glide back takes this many equal steps.
constexpr int GlideSteps = 100;
// Step step (1 .. steps) of the way from from to to.
PixelPoint GlidePosition(PixelPoint from, PixelPoint to, int step, int steps = GlideSteps);

// A solved sentence closes up in this many frames; in frame f (1 ..) part k
// (from 0) stands k x f pixels left of its place.
constexpr int SentenceSlideFrames = 12;

} // namespace qor
