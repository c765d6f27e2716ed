#include "vocabulary/LibraryFile.h"

#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace qor {

namespace {

// The lines of a text ended by CR LF, CR or LF; a line end at the very end
// starts no further line.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return lines;
}

class LineReader {
public:
    explicit LineReader(std::string_view text) : lines_(splitLines(text)) {
        // Blank lines after the last entry are no entry.
        while (!lines_.empty() && TrimBlanks(lines_.back()).empty())
            lines_.pop_back();
    }
    bool atEnd() const { return next_ >= lines_.size(); }
    std::optional<std::string_view> line() {
        if (atEnd())
            return std::nullopt;
        return lines_[next_++];
    }

private:
    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
};

std::optional<int> decimal(std::string_view text) {
    text = TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<TVokabel> readEntry(LineReader& reader) {
    TVokabel entry;
    const auto word = reader.line();
    auto meaning = reader.line();
    if (meaning && meaning->starts_with(".wav"))
        meaning = reader.line();
    const auto further = reader.line();
    const auto context = reader.line();
    auto flag = reader.line();
    if (!word || !meaning || !further || !context || !flag)
        return std::nullopt;
    entry.Vokabel = TrimBlanks(*word);
    entry.Bedeutung[0] = TrimBlanks(*meaning);
    entry.Bedeutung[1] = TrimBlanks(*further);
    entry.Kontext[0] = *context;
    if (entry.Kontext[0].empty() && flag->size() > 5) {
        entry.Kontext[0] = *flag;
        flag = reader.line();
        if (!flag)
            return std::nullopt;
    }
    entry.KtxDazu[0] = *flag != "0";
    const auto context2 = reader.line();
    const auto flag2 = reader.line();
    const auto wordClass = reader.line();
    const auto german = reader.line();
    const auto difficulty = reader.line();
    if (!context2 || !flag2 || !wordClass || !german || !difficulty || difficulty->empty())
        return std::nullopt;
    entry.Kontext[1] = *context2;
    entry.KtxDazu[1] = *flag2 != "0";
    const std::optional<int> classNumber = decimal(*wordClass);
    // The file keeps a byte: a class beyond it is damage, not a class.
    if (!classNumber || *classNumber < 0 || *classNumber > 255)
        return std::nullopt;
    entry.Wortart = static_cast<std::uint8_t>(*classNumber);
    entry.Deutsch = *german == "-1";
    // Only the first character counts ("12" is 1); out of range is clamped.
    entry.Schwierigkeit =
        static_cast<std::uint8_t>(std::clamp(difficulty->front() - '0', 0, Difficulties - 1));
    return entry;
}

std::string flagText(bool flag) {
    return flag ? "-1" : "0";
}

} // namespace

LibraryText ReadLibraryText(std::string_view text) {
    LibraryText result;
    LineReader reader(text);
    while (!reader.atEnd()) {
        std::optional<TVokabel> entry = readEntry(reader);
        if (!entry) {
            result.complete = false;
            break;
        }
        result.entries.push_back(std::move(*entry));
    }
    return result;
}

std::string WriteLibraryText(const std::vector<TVokabel>& entries) {
    std::size_t count = entries.size();
    if (count > 0 && entries.back().IsEmpty())
        --count;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const TVokabel& entry = entries[i];
        for (const std::string& line :
             {entry.Vokabel, entry.Bedeutung[0], entry.Bedeutung[1], entry.Kontext[0],
              flagText(entry.KtxDazu[0]), entry.Kontext[1], flagText(entry.KtxDazu[1]),
              std::to_string(entry.Wortart), flagText(entry.Deutsch),
              std::to_string(entry.Schwierigkeit)})
            text += line + "\r\n";
    }
    return text;
}

} // namespace qor
