#pragma once
// The condition list (published as Bedingung): names the host sets so that
// page text can show or hide sections. Membership ignores case.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class ConditionList {
public:
    bool contains(std::string_view name) const;
    // Adds the name only when absent, removes it only when present.
    void set(std::string_view name, bool on);
    void clear() { names_.clear(); }
    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
};

} // namespace qor
