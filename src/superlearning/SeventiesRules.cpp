#include "superlearning/SeventiesRules.h"

#include <charconv>

namespace qor {

std::string ChooseDDPage(const std::string& fixed, const std::vector<std::string>& pages,
                         const std::string& last,
                         const std::function<bool(const std::string&)>& pageExists,
                         const RandomSource& random) {
    if (!fixed.empty() && pageExists(fixed))
        return fixed;
    if (pages.empty())
        return {};
    if (pages.size() == 1)
        return pages.front();
    std::string page;
    do
        page = pages[static_cast<std::size_t>(randomBelow(random, static_cast<int>(pages.size())))];
    while (page == last);
    return page;
}

TextArea DDTextArea(std::string_view declared, int pageWidth, int pageHeight) {
    const TextArea whole{0, 0, pageWidth, pageHeight};
    int numbers[4] = {};
    std::size_t position = 0;
    for (int& number : numbers) {
        while (position < declared.size() && declared[position] == ' ')
            ++position;
        const char* begin = declared.data() + position;
        const char* end = declared.data() + declared.size();
        const auto [next, error] = std::from_chars(begin, end, number);
        if (error != std::errc())
            return whole;
        position = static_cast<std::size_t>(next - declared.data());
        while (position < declared.size() &&
               (declared[position] == ' ' || declared[position] == ','))
            ++position;
    }
    const TextArea area{numbers[0], numbers[1], numbers[2], numbers[3]};
    if (area.x < 0 || area.y < 0 || area.width <= 0 || area.height <= 0 ||
        area.x + area.width > pageWidth || area.y + area.height > pageHeight)
        return whole;
    return area;
}

std::size_t NextTypedPiece(std::string_view text, std::size_t typed) {
    if (typed >= text.size())
        return 0;
    return text[typed] == ' ' && typed + 1 < text.size() ? 2 : 1;
}

} // namespace qor
