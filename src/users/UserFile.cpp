#include "users/UserFile.h"

#include "platform/Text.h"
#include "platform/Zlib.h"
#include "users/LearningClock.h"

namespace qor {

namespace {

std::vector<std::string_view> zeroTerminatedStrings(std::string_view data) {
    std::vector<std::string_view> strings;
    while (!data.empty()) {
        const std::size_t end = data.find('\0');
        strings.push_back(data.substr(0, end));
        data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
    }
    return strings;
}

} // namespace

std::optional<UserFileContent> ReadUserFile(std::string_view file) {
    UserFileContent content;
    content.blank = true;
    if (file.empty())
        return content;
    const InflateResult inflated = inflateZlib(file, MaxUserFileContent);
    if (!inflated.ok)
        return std::nullopt;
    const std::vector<std::string_view> strings = zeroTerminatedStrings(inflated.data);
    if (strings.empty())
        return content;
    content.blank = false;
    content.identity = strings[0];
    std::size_t next = 1;
    if (next < strings.size() && strings[next].starts_with('!')) {
        content.learningTime = ParseDuration(strings[next].substr(1)).value_or(0);
        ++next;
    }
    // The answers are values, not text: a low score is a character below the
    // blank and must survive. Key and modes are text and are trimmed.
    for (; next + 3 <= strings.size(); next += 3)
        content.records.push_back({std::string(TrimBlanks(strings[next])),
                                   std::string(strings[next + 1]),
                                   std::string(TrimBlanks(strings[next + 2]))});
    return content;
}

std::string WriteUserFile(const UserFileContent& content) {
    std::string data = content.identity + '\0';
    data += "!" + DurationText(content.learningTime) + '\0';
    for (const PerformanceRecord& record : content.records)
        data += record.Key + '\0' + record.Verlauf + '\0' + record.Modi + '\0';
    return deflateZlib(data);
}

} // namespace qor
