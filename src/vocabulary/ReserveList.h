#pragma once
// The reserve list built into the program: common words whose entries fill
// up the wrong choices of a multiple-choice question when the library has
// too few of the question's kind. Read once, on first use.

#include "vocabulary/Vokabel.h"

#include <string_view>
#include <vector>

namespace qor {

class TRes {
public:
    static constexpr std::size_t MaxEntries = 600;

    // The program's own list (resource 3).
    TRes();
    // A list from packed text in the ten-line format.
    explicit TRes(std::string_view packed);

    const std::vector<TVokabel>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<TVokabel> entries_;
};

} // namespace qor
