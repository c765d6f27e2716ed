#include "qor-pack/TextConversion.h"

#include "platform/Text.h"
#include "qor-pack/PackError.h"

#include <cstdio>
#include <optional>

namespace qor::pack {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence a lead byte announces; 0 for a byte that
// cannot start one.
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

// The code point of a well-formed sequence, for the error message.
char32_t codePointOf(std::string_view sequence) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = static_cast<unsigned char>(sequence[0]) & kLeadMask[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return cp;
}

std::string codePointName(char32_t cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

bool isRefusedControl(char32_t cp) {
    const bool c0 = cp < 0x20 && cp != U'\t' && cp != U'\r';
    const bool c1 = cp >= 0x80 && cp <= 0x9F;
    return c0 || c1 || cp == 0x7F;
}

[[noreturn]] void fail(std::string_view sourceName, std::size_t line, std::size_t column,
                       const std::string& what) {
    throw PackError(std::string(sourceName) + ":" + std::to_string(line) + ":" +
                    std::to_string(column) + ": " + what);
}

} // namespace

std::string convertSourceLine(std::string_view utf8Line, std::string_view sourceName,
                              std::size_t lineNumber) {
    std::string out;
    out.reserve(utf8Line.size());
    std::size_t column = 1;
    for (std::size_t pos = 0; pos < utf8Line.size(); ++column) {
        const auto lead = static_cast<unsigned char>(utf8Line[pos]);
        const std::size_t length = sequenceLength(lead);
        const std::string_view sequence = utf8Line.substr(pos, length ? length : 1);
        // The platform converter validates the sequence (overlong forms,
        // surrogates) and knows the code page. Even its lossy form turns a
        // well-formed sequence into exactly one character, while a malformed
        // one gives a '?' per byte: that tells the two failures apart.
        const std::optional<std::string> converted = utf8ToCp1252Exact(sequence);
        const bool wellFormed = length && sequence.size() == length &&
                                (converted || utf8ToCp1252(sequence).size() == 1);
        if (!wellFormed) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", lead);
            fail(sourceName, lineNumber, column, std::string("invalid UTF-8 (byte ") + byte + ")");
        }
        const char32_t cp = codePointOf(sequence);
        if (!converted) {
            fail(sourceName, lineNumber, column,
                 "\"" + std::string(sequence) + "\" (" + codePointName(cp) +
                     ") cannot be written in Windows-1252");
        }
        if (isRefusedControl(cp))
            fail(sourceName, lineNumber, column, "control character " + codePointName(cp));
        out += *converted;
        pos += length;
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r') && end != std::string_view::npos)
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string convertSourceText(std::string_view utf8, std::string_view sourceName) {
    if (utf8.starts_with(kByteOrderMark))
        utf8.remove_prefix(kByteOrderMark.size());
    const bool endsWithLineEnd = utf8.ends_with('\n');
    const std::vector<std::string_view> lines = splitLines(utf8);
    std::string out;
    out.reserve(utf8.size() + lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += convertSourceLine(lines[i], sourceName, i + 1);
        if (i + 1 < lines.size() || endsWithLineEnd)
            out += "\r\n";
    }
    return out;
}

} // namespace qor::pack
