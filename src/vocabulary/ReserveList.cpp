#include "vocabulary/ReserveList.h"

#include "page/model/ZipResource.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace qor {

namespace {

constexpr int ReserveResource = 3;

int number(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Ten lines an entry, taken as they stand: the list is the program's own.
std::vector<TVokabel> readEntries(TZIPResource& resource) {
    std::vector<TVokabel> entries;
    while (!resource.Eof() && entries.size() < TRes::MaxEntries) {
        TVokabel entry;
        entry.Vokabel = resource.ReadLine();
        entry.Bedeutung[0] = resource.ReadLine();
        entry.Bedeutung[1] = resource.ReadLine();
        entry.Kontext[0] = resource.ReadLine();
        entry.KtxDazu[0] = resource.ReadLine() != "0";
        entry.Kontext[1] = resource.ReadLine();
        entry.KtxDazu[1] = resource.ReadLine() != "0";
        entry.Wortart = static_cast<std::uint8_t>(std::clamp(number(resource.ReadLine()), 0, 255));
        entry.Deutsch = resource.ReadLine() == "-1";
        entry.Schwierigkeit =
            static_cast<std::uint8_t>(std::clamp(number(resource.ReadLine()), 0, Difficulties - 1));
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

TRes::TRes() {
    TZIPResource resource(ReserveResource);
    entries_ = readEntries(resource);
}

TRes::TRes(std::string_view packed) {
    TZIPResource resource = TZIPResource::fromPacked(packed);
    entries_ = readEntries(resource);
}

} // namespace qor
