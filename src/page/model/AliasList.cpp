#include "page/model/AliasList.h"

#include "platform/Text.h"

namespace qor {

const std::string* TXAliasList::find(std::string_view name) const {
    const std::string key = upperCase(name);
    for (const Entry& entry : entries_) {
        if (entry.name == key)
            return &entry.value;
    }
    return nullptr;
}

std::string TXAliasList::get(std::string_view name, std::string_view defaultValue) const {
    const std::string* value = find(name);
    return value ? *value : std::string(defaultValue);
}

void TXAliasList::set(std::string_view name, std::string_view value) {
    const std::string key = upperCase(name);
    for (Entry& entry : entries_) {
        if (entry.name != key)
            continue;
        if (value == "*")
            entry.value.insert(0, 1, '*');
        else
            entry.value = value;
        return;
    }
    entries_.push_back({key, std::string(value)});
}

} // namespace qor
