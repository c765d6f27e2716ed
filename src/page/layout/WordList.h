#pragma once
// The words drawn on a page with their rectangles, for looking up the word
// under the mouse (a right click asks the dictionary). Punctuation around a
// word is left out; pieces of one word drawn side by side (<b>B</b>old) are
// joined; the words of one <W> group form one phrase.

#include "graphics/PixelRect.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

class TWordList {
public:
    // Registers a drawn word. group is the <W> group number of the word
    // (-1 outside a group); a blank only ends the gluing of pieces.
    void Add(std::string word, const PixelRect& rect, int group = -1);
    void Clear();

    // The word or phrase under the point, or nothing. Remembers the rectangle.
    std::optional<std::string> Lookup(int x, int y);
    const PixelRect& lookedUpRect() const { return lookedUp_; }

    struct Entry {
        PixelRect rect;
        int text = 0; // into texts()
    };
    const std::vector<Entry>& entries() const { return entries_; }
    const std::vector<std::string>& texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
    std::vector<Entry> entries_;
    bool lastWasBlank_ = true;
    int lastGroup_ = -1;
    PixelRect lookedUp_;
};

} // namespace qor
