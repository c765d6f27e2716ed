#pragma once
// The four most recently used vocabulary libraries, newest first, kept in the
// settings store under "SOFTWARE\QOR\qor spanisch\Dateien" as the values
// "0" to "3". Read at start; written back when the list is destroyed.

#include "platform/Registry.h"

#include <array>
#include <string>
#include <string_view>

namespace qor {

class TLastFiles {
public:
    static constexpr int Capacity = 4;

    explicit TLastFiles(Registry& registry);
    ~TLastFiles();
    TLastFiles(const TLastFiles&) = delete;
    TLastFiles& operator=(const TLastFiles&) = delete;

    // Reads the values "3", "2", "1", "0" in this order, each non-empty one
    // moved to the front, so that "0" ends first. Only a loaded list writes
    // itself back when destroyed.
    void Load();
    void Save() const;

    // Moves path to the front, removing an older equal entry; the fifth
    // entry drops out. An empty path does nothing.
    void Add(std::string_view path);
    // Entry i, or empty when there is none.
    std::string Item(int i) const;

private:
    Registry& registry_;
    std::array<std::string, Capacity> files_;
    bool loaded_ = false;
};

} // namespace qor
