#include "vocabulary/LastFiles.h"

#include "core/Configuration.h"

#include <algorithm>

namespace qor {

TLastFiles::TLastFiles(Registry& registry) : registry_(registry) {}

TLastFiles::~TLastFiles() {
    // A list that never read the store must not overwrite it with blanks.
    if (loaded_)
        Save();
}

void TLastFiles::Load() {
    loaded_ = true;
    for (int i = Capacity - 1; i >= 0; --i)
        Add(registry_.readString(RegistryKey::Files, std::to_string(i)).value_or(std::string()));
}

void TLastFiles::Save() const {
    registry_.createKey(RegistryKey::Files);
    for (int i = 0; i < Capacity; ++i)
        registry_.writeString(RegistryKey::Files, std::to_string(i), files_[i]);
}

void TLastFiles::Add(std::string_view path) {
    if (path.empty())
        return;
    auto end = std::find(files_.begin(), files_.end(), path);
    if (end == files_.end())
        --end; // the oldest entry makes room
    std::move_backward(files_.begin(), end, end + 1);
    files_.front() = std::string(path);
}

std::string TLastFiles::Item(int i) const {
    return i >= 0 && i < Capacity ? files_[i] : std::string();
}

} // namespace qor
