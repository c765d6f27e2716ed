#include "vocabulary/ExchangeText.h"

#include "platform/Text.h"
#include "vocabulary/Bibliothek.h"

#include <algorithm>
#include <charconv>

namespace qor {

namespace {

std::optional<int> number(std::string_view text, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > highest)
        return std::nullopt;
    return value;
}

} // namespace

std::string ExchangeToProgramText(std::string_view utf8, int& replaced) {
    std::string text = utf8ToCp1252(utf8);
    // Each character the code page lacks turned into one '?'.
    replaced += static_cast<int>(std::count(text.begin(), text.end(), '?') -
                                 std::count(utf8.begin(), utf8.end(), '?'));
    std::string oneLine;
    oneLine.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        oneLine.push_back(text[i] == '\r' || text[i] == '\n' ? ' ' : text[i]);
    }
    return oneLine;
}

std::string ExchangeToUtf8(std::string_view text) {
    std::string clean(text);
    std::replace_if(
        clean.begin(), clean.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }, ' ');
    return cp1252ToUtf8(clean);
}

int LineAt(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, std::min(offset, text.size()));
    return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

std::string ExchangeWordClass(int wordClass) {
    const std::string name = WordClassName(wordClass);
    return name.empty() ? std::to_string(wordClass) : name;
}

std::optional<int> ExchangeWordClassOf(std::string_view text) {
    text = TrimBlanks(text);
    for (int wordClass = 0; wordClass < WordClass::Count; ++wordClass)
        if (equalsIgnoreCase(text, WordClassName(wordClass)))
            return wordClass;
    return number(text, 255);
}

std::optional<int> ExchangeDifficultyOf(std::string_view text) {
    text = TrimBlanks(text);
    for (int difficulty = 0; difficulty < Difficulties; ++difficulty)
        if (equalsIgnoreCase(text, DifficultyName(difficulty)))
            return difficulty;
    return number(text, Difficulties - 1);
}

} // namespace qor
