#pragma once
// Breaking measured page items into lines inside their columns and placing
// them: x and baseline of every item, block justification, tabs with their
// hanging indent, line spacing and paragraph space. Plain arithmetic on the
// measures; the page layout measures the items and does the registrations
// for every finished line.

#include "page/model/Items.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace qor {

// An item after layout: its measures and where it stands.
struct LaidOutItem {
    int width = 0;
    int height = 0;
    int ascent = 0; // above the baseline
    int descent = 0;
    int runWidth = 0; // first word of a run of glued words: the run's width
    int x = 0;
    int baseline = 0;

    int top() const { return baseline - ascent; }
};

// The x of tab value t in a column: 101-109 tenths of the column, other
// positive values percent of it, negative values pixels.
int tabPosition(int tab, int columnWidth);

class LineBreaker {
public:
    // The first line is searched from this y; the content height starts there too.
    static constexpr int FirstLineTop = 16;

    // Called for every finished line with its first and last item, after
    // they have their x and baseline.
    using LineFinished = std::function<void(std::size_t first, std::size_t last)>;

    // laid holds the measures of items (same length); availableWidth is the
    // column width of items that have none of their own.
    LineBreaker(const tFormatted_text_list& items, std::vector<LaidOutItem>& laid,
                int availableWidth);

    void setLineFinished(LineFinished listener) { lineFinished_ = std::move(listener); }

    // Places every item; returns the content height (the lowest baseline).
    int run();

private:
    enum class LineEnd { Wrap, LineBreak, ParagraphBreak };

    int columnWidth(const TextFormat& format) const;
    void startLine(std::size_t first);
    void addMeasures(const LaidOutItem& item);
    void placeWord(std::size_t index);
    void finishLine(std::size_t last, LineEnd end);
    int alignmentOffset(std::size_t first, std::size_t last, int lineWidth);

    const tFormatted_text_list& items_;
    std::vector<LaidOutItem>& laid_;
    int availableWidth_;
    LineFinished lineFinished_;

    int y_ = FirstLineTop; // the next line's baseline search starts here
    int contentHeight_ = FirstLineTop;

    bool lineOpen_ = false;
    std::size_t lineFirst_ = 0;
    bool lineHasContent_ = false; // words, blanks, pictures or check boxes
    int x_ = 0;                   // from the line's start
    int pendingSpace_ = 0;
    int indent_ = 0;  // where this line starts after the left margin (wrapped lines)
    int hanging_ = 0; // the last tab position: the indent of the next wrapped line
    int maxHeight_ = 0;
    int maxAscent_ = 0;
    int maxDescent_ = 0;

    std::optional<int> previousLineHeight_;
    std::optional<int> keptBaseline_; // the next line stands on this baseline
    int lastBaseline_ = FirstLineTop;
};

} // namespace qor
