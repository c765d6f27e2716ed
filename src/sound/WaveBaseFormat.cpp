#include "sound/WaveBaseFormat.h"

#include "platform/Zlib.h"

#include <algorithm>

namespace qor {

namespace {

// The string from pos up to the next zero byte (or the end); pos moves past it.
std::string takeString(std::string_view content, std::size_t& pos) {
    const std::size_t end = std::min(content.find('\0', pos), content.size());
    std::string text(content.substr(pos, end - pos));
    pos = end + 1;
    return text;
}

std::vector<SoundEntry> readPairs(std::string_view content) {
    std::vector<SoundEntry> entries;
    // Pairs are read while the position lies before the last byte, which is
    // the terminator of the last string.
    std::size_t pos = 0;
    while (pos + 1 < content.size()) {
        SoundEntry entry;
        entry.Text = takeString(content, pos);
        entry.Datei = pos < content.size() ? takeString(content, pos) : std::string();
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

bool isPackedWaveBaseName(std::string_view path) {
    return path.ends_with(".qor") || path.ends_with(".rqo");
}

WaveBaseContent parsePackedWaveBase(std::string_view fileBytes) {
    WaveBaseContent result;
    if (fileBytes.empty())
        return result;
    InflateResult inflated = inflateZlib(fileBytes, MaxWaveBaseContent);
    std::string_view content = inflated.data;
    if (!inflated.ok) {
        result.complete = false;
        const std::size_t lastZero = content.rfind('\0');
        content = lastZero == std::string_view::npos ? std::string_view()
                                                     : content.substr(0, lastZero + 1);
    }
    result.entries = readPairs(content);
    return result;
}

WaveBaseContent parsePlainWaveBase(std::string_view fileBytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < fileBytes.size()) {
        std::size_t end = fileBytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = fileBytes.size();
        std::string_view line = fileBytes.substr(pos, end - pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // Zero bytes (a file in UTF-16, say) are left out: the packed file
        // ends its strings with them, so saving would split the entry and
        // shift every later pair.
        std::string& text = lines.emplace_back(line);
        std::erase(text, '\0');
        pos = end + 1;
    }
    WaveBaseContent result;
    for (std::size_t i = 0; i < lines.size(); i += 2)
        result.entries.push_back({lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string()});
    return result;
}

std::string packWaveBase(const std::vector<SoundEntry>& entries) {
    std::string content;
    for (const SoundEntry& entry : entries) {
        content.append(entry.Text).push_back('\0');
        content.append(entry.Datei).push_back('\0');
    }
    return deflateZlib(content);
}

} // namespace qor
