#include "platform/IniFile.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>

namespace qor {

namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The name of a "[section]" line.
std::optional<std::string_view> sectionOf(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value; // as written, trimmed
};

std::optional<KeyLine> keyLineOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(line.substr(0, equals));
    if (key.empty() || key.front() == ';' || key.front() == '[')
        return std::nullopt;
    return KeyLine{key, trim(line.substr(equals + 1))};
}

bool isQuoted(std::string_view value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// The text after "=" that reads back as value: blanks at either end and an
// outer pair of quotes would be lost otherwise, line breaks would split the line.
std::string encodeValue(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (out != trim(out) || isQuoted(out))
        out = "\"" + out + "\"";
    return out;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

bool IniFile::exists() const {
    return fileExists(path_);
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
    return lookUp(section, key).has_value();
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return lookUp(section, key).value_or(std::string(defaultValue));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto text = lookUp(section, key);
    if (!text)
        return defaultValue;
    std::string_view digits = trim(*text); // also inside quotes
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return defaultValue;
    return value;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::vector<std::string> lines = readLines();
    setValue(lines, section, key, value);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return writeFileAtomic(path_, text);
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

std::vector<std::string> IniFile::splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
    }
    return lines;
}

std::optional<std::string> IniFile::findValue(const std::vector<std::string>& lines,
                                              std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const std::string& line : lines) {
        if (const auto name = sectionOf(line)) {
            inSection = equalsIgnoreCase(*name, trim(section));
        } else if (inSection) {
            const auto entry = keyLineOf(line);
            if (entry && equalsIgnoreCase(entry->key, trim(key))) {
                const std::string_view value = entry->value;
                return std::string(isQuoted(value) ? value.substr(1, value.size() - 2) : value);
            }
        }
    }
    return std::nullopt;
}

void IniFile::setValue(std::vector<std::string>& lines, std::string_view section,
                       std::string_view key, std::string_view value) {
    const std::string_view wantedSection = trim(section);
    const std::string_view wantedKey = trim(key);
    const std::string encoded = encodeValue(value);

    // New keys go after the last non-blank line of the first such section, so
    // that blank lines stay between it and the next section.
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i])) {
            inSection = equalsIgnoreCase(*name, wantedSection);
            inFirstSection = inSection && !insertAt;
            if (inFirstSection)
                insertAt = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        const auto entry = keyLineOf(lines[i]);
        if (entry && equalsIgnoreCase(entry->key, wantedKey)) {
            lines[i] = std::string(entry->key) + "=" + encoded;
            return;
        }
        if (inFirstSection && !trim(lines[i]).empty())
            insertAt = i + 1;
    }
    const std::string entry = std::string(wantedKey) + "=" + encoded;
    if (insertAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    } else {
        lines.push_back("[" + std::string(wantedSection) + "]");
        lines.push_back(entry);
    }
}

std::vector<std::string> IniFile::readLines() const {
    const auto text = readFile(path_);
    return text ? splitLines(*text) : std::vector<std::string>();
}

std::optional<std::string> IniFile::lookUp(std::string_view section, std::string_view key) const {
    return findValue(readLines(), section, key);
}

} // namespace qor
