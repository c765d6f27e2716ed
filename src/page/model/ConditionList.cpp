#include "page/model/ConditionList.h"

#include "platform/Text.h"

#include <algorithm>

namespace qor {

bool ConditionList::contains(std::string_view name) const {
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::string& entry) { return equalsIgnoreCase(entry, name); });
}

void ConditionList::set(std::string_view name, bool on) {
    const auto found = std::find_if(names_.begin(), names_.end(), [&](const std::string& entry) {
        return equalsIgnoreCase(entry, name);
    });
    if (on && found == names_.end())
        names_.emplace_back(name);
    else if (!on && found != names_.end())
        names_.erase(found);
}

} // namespace qor
