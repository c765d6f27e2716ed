#pragma once
// Layout of a parsed page: every item measured, broken into lines and
// placed, and what the placed items register for later use: interactive
// areas, the edit fields of typing gaps, the drop targets of drag words,
// where check boxes stand and how high boxes of automatic height grow.
// Plain C++: the fonts and pictures are measured through PageMeasurer.
//
//   PageLayout layout(model, measurer);
//   PageLayoutResult result = layout.Layout(800);

#include "graphics/PixelRect.h"
#include "page/layout/LineBreaker.h"
#include "page/model/PageModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct TextMetrics {
    int width = 0; // with the format's tracking after every character
    int ascent = 0;
    int descent = 0;
};

// Measures text in a format's font and the pictures of the page.
class PageMeasurer {
public:
    virtual ~PageMeasurer() = default;
    virtual TextMetrics measureText(std::string_view text, const TextFormat& format) = 0;
    // Ascent and descent of the format's font (width 0).
    virtual TextMetrics fontMetrics(const TextFormat& format) = 0;
    // The unscaled size of a picture's bitmap.
    virtual PixelSize pictureSize(const TXPicture& picture) = 0;
};

enum class AreaSource : std::uint8_t {
    Text,     // a word or blank of a link, note or hot spot
    Picture,  // a picture inside a link
    MapArea,  // an area of a picture's image map
    CheckBox, // "+name": clicking toggles the check box
    Box,      // a box with HREF
};

// An interactive area found by layout. Drawing adds the hover images of the
// areas that want them.
struct AreaRegistration {
    int nameIndex = -1; // into the page's area names
    int group = 0;      // the number of the item it belongs to
    PixelRect rect;
    AreaSource source = AreaSource::Text;
    bool hoverImages = false;
    int item = -1; // the text, picture or block item
    int box = -1;  // AreaSource::Box
};

// The edit field over the placeholder of a typing gap.
struct GapPlacement {
    int field = -1; // into the page's typing fields
    int item = -1;  // its first placeholder word
    PixelRect rect;
};

// Where a drag word stands: the place its block has to be dropped on.
struct DropTarget {
    int item = -1;
    PixelRect rect;
    std::string word;
};

struct PageLayoutResult {
    std::vector<LaidOutItem> items; // one per page item
    int availableWidth = 0;
    int contentHeight = LineBreaker::FirstLineTop;
    std::vector<AreaRegistration> areas; // in hit-test order
    std::vector<GapPlacement> gaps;
    std::vector<DropTarget> dropTargets;
};

// The page's scroll bar: layout leaves room for it.
constexpr int ScrollBarWidth = 16;

// Where a picture is drawn: at the column's left margin (alignment 0),
// centred or right-aligned in its column, else where the line put it.
int pictureLeft(const tFormatted_text& item, const LaidOutItem& laid, int availableWidth);

class PageLayout {
public:
    PageLayout(PageModel& model, PageMeasurer& measurer);

    // Lays out the current page for a control of clientWidth pixels. Also
    // writes the positions of check boxes and the heights of boxes that grow
    // with their text into the page.
    PageLayoutResult Layout(int clientWidth);

private:
    void measure(PageLayoutResult& result);
    LaidOutItem measureItem(const tFormatted_text& item);
    LaidOutItem measurePicture(const tFormatted_text& item);
    void registerLine(PageLayoutResult& result, std::size_t first, std::size_t last);
    void registerPicture(PageLayoutResult& result, std::size_t index);
    void registerBoxes(PageLayoutResult& result);
    int areaNameIndex(const std::string& name);

    PageModel& model_;
    PageMeasurer& measurer_;
    int currentBox_ = -1;       // the box whose text is being placed
    std::vector<int> boxItems_; // the block item of every box
    int openGapField_ = -1;     // the typing gap whose placeholder is being placed
};

} // namespace qor
