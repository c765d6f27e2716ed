#include "page/model/PageModel.h"

#include "page/model/PageFileNames.h"
#include "page/model/PageParser.h"
#include "page/model/PageStream.h"
#include "platform/FileSystem.h"
#include "platform/Random.h"

namespace qor {

PageModel::PageModel() : random_([](int range) { return Random(range); }) {}

PageModel::~PageModel() = default;

void PageModel::Parse(std::string_view text, bool continueFormat) {
    if (!continueFormat)
        state_ = FormatState{};
    if (includeDepth_ == 0) {
        includesLeft_ = MaxIncludes;
        includeRefusalShown_ = false;
    }
    PageParser parser(*this);
    parser.run(text.substr(0, text.find('\0')));
}

void PageModel::Clear() {
    page_ = PageContent{};
    // The format left by the old page points into the tables just emptied
    // (an open link's area, a gap's field); a new page starts afresh.
    state_ = FormatState{};
    pictures_.removeUnkept();
}

std::string PageModel::GetDefine(std::string_view name) const {
    return definitions_.get(name);
}

void PageModel::SetDefine(std::string_view name, std::string_view value) {
    definitions_.set(name, value);
}

bool PageModel::HasCondition(std::string_view name) const {
    return conditions_.contains(name);
}

void PageModel::SetCondition(std::string_view name, bool on) {
    conditions_.set(name, on);
}

void PageModel::setPageSize(int width, int height) {
    pageWidth_ = width;
    pageHeight_ = height;
}

void PageModel::setCurrentPage(std::string directory, std::string fileName) {
    directory_ = std::move(directory);
    fileName_ = std::move(fileName);
}

std::string PageModel::currentPagePath() const {
    return fileName_.empty() ? std::string() : directory_ + fileName_;
}

bool PageModel::fontInstalled(const std::string& family) const {
    return !fontInstalled_ || fontInstalled_(family);
}

std::string PageModel::ExpandFileName(std::string_view name) const {
    return ExpandPageFileName(name, directory_);
}

std::string PageModel::ResolvePageStep(std::string_view value) {
    const bool forward = value.size() > 1 && value[1] == '+';
    const char* condition = forward ? "next" : "prev";
    if (!fileName_.empty()) {
        const std::string path = directory_ + StepPageFileName(fileName_, forward);
        if (fileExists(path)) {
            SetCondition(condition, true);
            const std::size_t at = value.find('@');
            return at == std::string_view::npos ? path : path + std::string(value.substr(at));
        }
    }
    SetCondition(condition, false);
    return {};
}

int PageModel::LoadPicture(std::string_view name) {
    TXPicture picture;
    picture.keep = !name.empty() && name.front() == '*';
    if (picture.keep)
        name.remove_prefix(1);
    if (!name.empty() && name.front() == '$') {
        picture.origin = TXPicture::Origin::Resource;
        picture.name = name;
    } else if (!name.empty() && name.front() == '%') {
        picture.origin = TXPicture::Origin::Blank;
        picture.name = name;
    } else {
        picture.name = ExpandFileName(name);
    }

    const int existing = pictures_.find(picture.name);
    if (existing >= 0) {
        if (picture.keep)
            pictures_[static_cast<std::size_t>(existing)].keep = true;
        return existing;
    }
    return addPicture(std::move(picture));
}

int PageModel::addPicture(TXPicture picture) {
    const int index = pictures_.add(std::move(picture));
    if (pictureLoader_) {
        auto image = pictureLoader_(pictures_[static_cast<std::size_t>(index)]);
        if (!image) {
            pictures_.removeLast();
            return -1;
        }
        pictures_[static_cast<std::size_t>(index)].image = std::move(image);
    }
    return index;
}

int PageModel::CreatePicture(int width, int height, std::string name) {
    TXPicture picture;
    picture.origin = TXPicture::Origin::Blank;
    picture.name = std::move(name);
    picture.width = width;
    picture.height = height;
    return addPicture(std::move(picture));
}

std::optional<std::string> PageModel::loadPageText(const std::string& path) const {
    if (pageLoader_)
        return pageLoader_(path);
    THTMLStream stream;
    if (!ReadPage(path, stream))
        return std::nullopt;
    return stream.bytes();
}

} // namespace qor
