#include "page/model/Pictures.h"

#include "platform/Text.h"

#include <algorithm>

namespace qor {

int tPicture_list::find(std::string_view name) const {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        if (equalsIgnoreCase(pictures_[i].name, name))
            return static_cast<int>(i);
    }
    return -1;
}

int tPicture_list::add(TXPicture picture) {
    pictures_.push_back(std::move(picture));
    return static_cast<int>(pictures_.size()) - 1;
}

void tPicture_list::removeUnkept() {
    std::erase_if(pictures_, [](const TXPicture& picture) { return !picture.keep; });
}

} // namespace qor
