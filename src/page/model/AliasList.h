#pragma once
// Name/value tables of a page: the definitions ($name), the aliases (#name)
// and the colour names. Names are kept upper-cased and found regardless of
// case; the order of first definition is kept.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TXAliasList {
public:
    struct Entry {
        std::string name; // upper-cased
        std::string value;
    };

    // Stores the value under the name. Setting "*" on an existing name puts
    // a "*" in front of the stored value instead of replacing it.
    void set(std::string_view name, std::string_view value);

    // The value, or the caller's default when the name is not defined.
    std::string get(std::string_view name, std::string_view defaultValue = {}) const;

    // Nothing when the name is not defined.
    const std::string* find(std::string_view name) const;

    void clear() { entries_.clear(); }
    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

} // namespace qor
