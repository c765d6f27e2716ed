#include "vocabulary/LibraryImport.h"

#include "platform/Text.h"

#include <charconv>
#include <string>

namespace qor {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> cells;
    while (true) {
        const std::size_t end = text.find(separator);
        cells.push_back(TrimBlanks(text.substr(0, end)));
        if (end == std::string_view::npos)
            return cells;
        text.remove_prefix(end + 1);
    }
}

// The number in the cell when it lies in min ... max, else fallback.
int numberIn(std::string_view cell, int min, int max, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (cell.empty() || error != std::errc() || end != cell.data() + cell.size() || value < min ||
        value > max)
        return fallback;
    return value;
}

// "a, b/c" -> "a; b; c".
std::string normalizedMeanings(std::string_view meanings) {
    std::string result;
    while (true) {
        const std::size_t end = meanings.find_first_of(",/");
        result += TrimBlanks(meanings.substr(0, end));
        if (end == std::string_view::npos)
            return result;
        result += "; ";
        meanings.remove_prefix(end + 1);
    }
}

TVokabel entryOf(const std::vector<std::string_view>& columns,
                 const std::vector<std::string_view>& cells) {
    TVokabel entry;
    entry.Schwierigkeit = 2;
    int meanings = 0;
    int contexts = 0;
    for (std::size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
        const std::string_view column = columns[c];
        const std::string_view cell = cells[c];
        if (column == "Vokabel") {
            entry.Vokabel = cell;
        } else if (column == "Bedeutung") {
            if (meanings < 2)
                entry.Bedeutung[static_cast<std::size_t>(meanings)] = cell;
            else
                entry.Bedeutung[1] += "; " + std::string(cell);
            ++meanings;
        } else if (column == "Wortart") {
            entry.Wortart = static_cast<std::uint8_t>(numberIn(cell, 0, 6, 0));
        } else if (column == "Schwierigkeit") {
            entry.Schwierigkeit = static_cast<std::uint8_t>(numberIn(cell, 0, 4, 2));
        } else if (column == "Deutsch") {
            entry.Deutsch = cell == "-1" || cell == "+" || cell == "1";
        } else if (column == "Kontext" && contexts < 2) {
            entry.Kontext[static_cast<std::size_t>(contexts)] = cell;
            entry.KtxDazu[static_cast<std::size_t>(contexts)] = true;
            ++contexts;
        }
    }
    return entry;
}

} // namespace

std::vector<TVokabel> ImportDelimitedText(std::string_view text, std::string_view header,
                                          char separator) {
    const std::vector<std::string_view> columns = split(header, ',');
    std::vector<TVokabel> entries;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos       ? text.size()
                           : text.compare(end, 2, "\r\n") == 0 ? end + 2
                                                               : end + 1);
        TVokabel entry = entryOf(columns, split(line, separator));
        if (entry.Vokabel.empty() || entry.Bedeutung[0].empty())
            continue;
        for (std::string& meanings : entry.Bedeutung)
            meanings = normalizedMeanings(meanings);
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace qor
