#include "qor-pack/DataFile.h"

#include "platform/Text.h"
#include "qor-pack/PackError.h"
#include "qor-pack/TextConversion.h"

namespace qor::pack {

namespace {

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// A string that would read back as something else without a leading '\'.
bool needsEscape(std::string_view text) {
    return text.empty() || text.front() == '#' || text.front() == '\\' || isBlankLine(text);
}

std::string lineLabel(std::string_view sourceName, std::size_t line) {
    return std::string(sourceName) + ":" + std::to_string(line);
}

} // namespace

std::vector<std::string> parseDataFileSource(std::string_view utf8, std::string_view sourceName,
                                             std::size_t recordSize) {
    const std::vector<std::string_view> lines = splitLines(utf8);
    std::vector<std::string> strings;
    std::size_t groupStart = 0; // line number of the group's first string, 0 outside a group
    std::size_t groupSize = 0;
    const auto closeGroup = [&] {
        if (recordSize > 0 && groupStart > 0 && groupSize % recordSize != 0) {
            throw PackError(lineLabel(sourceName, groupStart) + ": the group starting here holds " +
                            std::to_string(groupSize) + " strings, not a multiple of " +
                            std::to_string(recordSize));
        }
        groupStart = 0;
        groupSize = 0;
    };

    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        const std::size_t lineNumber = i + 1;
        if (i == 0 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        if (line.starts_with('#'))
            continue;
        if (isBlankLine(line)) {
            closeGroup();
            continue;
        }
        if (line.starts_with('\\'))
            line.remove_prefix(1);
        strings.push_back(convertSourceLine(line, sourceName, lineNumber));
        if (groupStart == 0)
            groupStart = lineNumber;
        ++groupSize;
    }
    closeGroup();
    return strings;
}

std::string joinDataFileStrings(const std::vector<std::string>& strings) {
    std::string content;
    for (const std::string& text : strings) {
        content += text;
        content += '\0';
    }
    return content;
}

std::vector<std::string> splitDataFileContent(std::string_view content,
                                              std::string_view sourceName) {
    if (!content.empty() && content.back() != '\0') {
        throw PackError(std::string(sourceName) +
                        ": the content does not end with a zero byte (damaged or cut off)");
    }
    std::vector<std::string> strings;
    while (!content.empty()) {
        const std::size_t end = content.find('\0');
        strings.emplace_back(content.substr(0, end));
        content.remove_prefix(end + 1);
    }
    return strings;
}

std::string formatDataFileSource(const std::vector<std::string>& strings, std::size_t recordSize) {
    std::string source;
    for (std::size_t i = 0; i < strings.size(); ++i) {
        const std::string& text = strings[i];
        if (text.find_first_of("\r\n") != std::string::npos) {
            throw PackError("string " + std::to_string(i + 1) +
                            " holds a line break, which a source line cannot hold");
        }
        if (needsEscape(text))
            source += '\\';
        source += cp1252ToUtf8(text);
        source += '\n';
        if (recordSize > 0 && (i + 1) % recordSize == 0 && i + 1 < strings.size())
            source += '\n';
    }
    return source;
}

} // namespace qor::pack
