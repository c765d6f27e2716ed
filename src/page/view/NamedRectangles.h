#pragma once
// The interactive areas of a page (tNamed_rectangle_list): rectangles in
// page coordinates, each naming a link target, note or command by the index
// of a name in the page's area names, and optionally carrying the two hover
// images of its rectangle (normal and highlighted). The rectangles of one
// link that wraps over words and lines are consecutive entries of the same
// name whose group values (item numbers) follow each other.

#include "graphics/PixelRect.h"
#include "page/model/PageModel.h"

#include <QImage>
#include <string>
#include <vector>

namespace qor {

struct NamedRectangle {
    int nameIndex = -1;
    int group = 0;
    PixelRect rect;
    QImage normal; // both null, or both of the rectangle's size
    QImage highlighted;

    bool hasHoverImages() const { return !normal.isNull() && !highlighted.isNull(); }
};

// What a hit test found.
struct AreaHit {
    int entry = -1;      // the entry under the point, -1 none
    int hoverIndex = -1; // the entry again when it has hover images, else -1
    std::string target;  // the name before the first "@"
    std::string hint;    // the name after it
    PixelRect rect;
};

class tNamed_rectangle_list {
public:
    // The names live in the model's page, next to the items that refer to them.
    explicit tNamed_rectangle_list(PageModel& model) : model_(&model) {}

    int AddName(std::string name) { return model_->page().addAreaName(std::move(name)); }
    const std::string& name(int nameIndex) const;

    void Add(int nameIndex, int group, const PixelRect& rect);
    void AddWithImages(int nameIndex, int group, const PixelRect& rect, QImage normal,
                       QImage highlighted);
    void MoveVertically(int entry, int dy);
    // The first entry of that group, or -1.
    int FindGroup(int group) const;
    // The first entry whose rectangle holds the point (edges included).
    AreaHit HitTest(int x, int y) const;

    // The run of entry: its neighbours of the same name with consecutive
    // group values (one link over several words and lines). {-1, -1} for
    // an index outside the list.
    struct Run {
        int first = -1;
        int last = -1;
        bool operator==(const Run&) const = default;
    };
    Run RunOf(int entry) const;

    // Shows the highlighted images of the run of entry in the buffer and
    // the normal images of the run highlighted before; -1 only takes the
    // highlight away. Gives the rectangles of the buffer that changed
    // (none when the run is the one already highlighted).
    std::vector<PixelRect> Highlight(int entry, QImage& buffer);
    Run highlightedRun() const { return highlighted_; }

    void Clear() {
        entries_.clear();
        highlighted_ = {};
    }
    bool empty() const { return entries_.empty(); }
    int size() const { return static_cast<int>(entries_.size()); }
    const NamedRectangle& operator[](int entry) const {
        return entries_[static_cast<std::size_t>(entry)];
    }
    NamedRectangle& operator[](int entry) { return entries_[static_cast<std::size_t>(entry)]; }
    const std::vector<NamedRectangle>& entries() const { return entries_; }

private:
    void drawRun(const Run& run, bool highlighted, QImage& buffer,
                 std::vector<PixelRect>& changed) const;

    PageModel* model_;
    std::vector<NamedRectangle> entries_;
    Run highlighted_;
};

} // namespace qor
