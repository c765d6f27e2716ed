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

// The length of the UTF-8 sequence led by this byte, 0 for no lead byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
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

std::optional<std::size_t> FirstInvalidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || pos + length > bytes.size())
            return pos;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(bytes[pos + i]) & 0xC0) != 0x80)
                return pos;
        const auto second = static_cast<unsigned char>(length > 1 ? bytes[pos + 1] : 0);
        // Overlong forms, surrogates and code points beyond U+10FFFF.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
            return pos;
        pos += length;
    }
    return std::nullopt;
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
