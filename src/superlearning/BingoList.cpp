#include "superlearning/BingoList.h"

#include "platform/FileSystem.h"

namespace qor {

namespace {

std::string_view field(std::string_view line, std::size_t& position) {
    const std::size_t start = position;
    const std::size_t tab = line.find('\t', start);
    position = tab == std::string_view::npos ? line.size() + 1 : tab + 1;
    return line.substr(start, (tab == std::string_view::npos ? line.size() : tab) - start);
}

} // namespace

TBingoList ParseBingoList(std::string_view text) {
    TBingoList list;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find('\t') == std::string_view::npos)
            continue;
        std::size_t position = 0;
        const std::string_view oben = field(line, position);
        const std::string_view unten = field(line, position);
        const std::string_view falsch =
            position <= line.size() ? field(line, position) : std::string_view();
        if (!oben.empty() && !unten.empty())
            list.push_back({std::string(oben), std::string(unten), std::string(falsch)});
    }
    return list;
}

TBingoList ReadBingoList(const std::string& folder) {
    const std::optional<std::string> text =
        readFile(includeTrailingSeparator(folder) + "vegas_S.txt");
    return text ? ParseBingoList(*text) : TBingoList();
}

} // namespace qor
