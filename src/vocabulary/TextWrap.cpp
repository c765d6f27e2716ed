#include "vocabulary/TextWrap.h"

namespace qor {

std::vector<std::string> WrapText(std::string_view text, int width, const LineWidth& measure) {
    std::vector<std::string> lines(1);
    int used = 0;
    std::string_view rest = text;
    while (!rest.empty()) {
        if (measure(rest) <= width - used) {
            lines.back() += rest;
            break;
        }
        const auto blank = rest.find(' ');
        const std::string_view word =
            rest.substr(0, blank == std::string_view::npos ? rest.size() : blank + 1);
        rest.remove_prefix(word.size());
        const int wordWidth = measure(word);
        if (used + wordWidth > width && !lines.back().empty()) {
            lines.emplace_back();
            used = 0;
        }
        lines.back() += word;
        used += wordWidth;
    }
    return lines;
}

} // namespace qor
