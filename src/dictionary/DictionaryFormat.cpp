#include "dictionary/DictionaryFormat.h"

#include "platform/Zlib.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qor {

namespace {

// The string from pos up to its zero byte; pos moves past it. Nothing when
// the string has no terminator.
bool takeString(std::string_view content, std::size_t& pos, std::string_view& text) {
    const void* zero = std::memchr(content.data() + pos, '\0', content.size() - pos);
    if (!zero)
        return false;
    const std::size_t end = static_cast<const char*>(zero) - content.data();
    text = content.substr(pos, end - pos);
    pos = end + 1;
    return true;
}

bool readRecords(std::string_view content, const DictionaryRecordSink& sink) {
    const std::size_t strings =
        static_cast<std::size_t>(std::count(content.begin(), content.end(), '\0'));
    sink.reserve(std::min(strings / 3, MaxDictionaryEntries));
    std::size_t added = 0;
    // Records are read while the position lies before the last byte, which
    // is the terminator of the last string.
    std::size_t pos = 0;
    while (pos + 1 < content.size()) {
        std::array<std::string_view, 3> fields;
        for (std::string_view& field : fields)
            if (!takeString(content, pos, field))
                return false;
        if (added++ == MaxDictionaryEntries)
            return false;
        sink.add(fields[0], fields[1], fields[2]);
    }
    // A last byte left over is a string of its own only when it is a terminator.
    return pos >= content.size() || content[pos] == '\0';
}

} // namespace

std::string_view TextLines::next() {
    if (atEnd())
        return {};
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos)
        end = text_.size();
    std::string_view line = text_.substr(pos_, end - pos_);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    pos_ = end + 1;
    return line;
}

bool readPackedDictionary(std::string_view fileBytes, const DictionaryRecordSink& sink) {
    // An empty file holds nothing to lose: it reads as empty content.
    const InflateResult inflated = fileBytes.empty() ? InflateResult{true, {}, {}}
                                                     : inflateZlib(fileBytes, MaxDictionaryContent);
    if (inflated.ok && inflated.data.empty()) {
        sink.reserve(1);
        sink.add("_leer", "0", "leer");
        return true;
    }
    return readRecords(inflated.data, sink) && inflated.ok;
}

bool readPlainDictionary(std::string_view fileBytes, const DictionaryRecordSink& sink) {
    const bool tooLarge = fileBytes.size() > MaxDictionaryContent;
    const std::string_view text = fileBytes.substr(0, MaxDictionaryContent);
    const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    sink.reserve(std::min(lineCount / 3 + 1, MaxDictionaryEntries));
    TextLines lines(text);
    for (std::size_t added = 0; !lines.atEnd(); ++added) {
        if (added == MaxDictionaryEntries)
            return false;
        const std::string_view word = lines.next();
        const std::string_view wordClass = lines.next();
        sink.add(word, wordClass, lines.next());
    }
    return !tooLarge;
}

std::string packDictionary(const std::vector<DictionaryEntry>& entries) {
    std::size_t size = 0;
    for (const DictionaryEntry& entry : entries)
        size += entry.Vokabel.size() + entry.Bedeutung.size() + 4;
    std::string content;
    content.reserve(size);
    for (const DictionaryEntry& entry : entries) {
        content.append(entry.Vokabel).push_back('\0');
        content.push_back(static_cast<char>('0' + entry.Wortart));
        content.push_back('\0');
        content.append(entry.Bedeutung).push_back('\0');
    }
    return deflateZlib(content);
}

} // namespace qor
