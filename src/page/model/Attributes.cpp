#include "page/model/Attributes.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace qor {

std::string StripQuotes(std::string_view value) {
    if (!value.empty() && value.front() == '"')
        value.remove_prefix(1);
    if (!value.empty() && value.back() == '"')
        value.remove_suffix(1);
    return std::string(value);
}

std::optional<int> ParseInteger(std::string_view text) {
    text = TrimBlanks(text);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-'))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string ReadPlainValue(TParser& parser) {
    parser.Expect("=");
    // A value at the very end of the tag has no blank after it.
    const bool strict = parser.strict();
    parser.setStrict(false);
    std::string value;
    if (!parser.ReadUntil(" ", value))
        value = parser.Rest();
    parser.Failed();
    parser.setStrict(strict);
    return StripQuotes(value);
}

std::string ReadQuotedValue(TParser& parser) {
    std::string value;
    parser.Expect("=");
    parser.Expect("\"");
    parser.ReadUntil("\"", value);
    return value;
}

int ReadNumberValue(TParser& parser, int min, int max, int fallback) {
    const std::optional<int> number = ParseInteger(ReadPlainValue(parser));
    if (!number)
        return fallback;
    return std::clamp(*number, min, max);
}

std::vector<int> ParseNumberList(std::string_view value, std::size_t count) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t comma = value.find(',');
        const std::string_view piece = value.substr(0, comma);
        numbers.push_back(ParseInteger(piece).value_or(PageRect::NotGiven));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    }
    return numbers;
}

namespace {

int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

PageRect ParseCoordinates(std::string_view value, int pageWidth, int pageHeight) {
    const std::vector<int> n = ParseNumberList(value, 4);
    PageRect rect{n[0], n[1], n[2], n[3]};
    // C++ keeps the remainder's sign with the dividend, as the markup expects.
    if (rect.x < -10000)
        rect.x = clampToInt(static_cast<long long>(rect.x % 10000) + pageWidth);
    if (rect.y < -10000)
        rect.y = clampToInt(static_cast<long long>(rect.y % 10000) + pageHeight);
    if (rect.w < 1 && rect.w != PageRect::NotGiven)
        rect.w = clampToInt(static_cast<long long>(pageWidth) + rect.w - rect.x);
    if (rect.h < 1 && rect.h != PageRect::NotGiven)
        rect.h = clampToInt(static_cast<long long>(pageHeight) + rect.h - rect.y);
    return rect;
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t found = text.find(separator);
        pieces.emplace_back(text.substr(0, found));
        if (found == std::string_view::npos || separator.empty())
            return pieces;
        text.remove_prefix(found + separator.size());
    }
}

} // namespace qor
