#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace qor {

namespace {

// Code points of the bytes 0x80-0x9F. The five bytes the code page leaves
// undefined keep the C1 control of their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

void appendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](unsigned value) {
        out.push_back(static_cast<char>(value));
    };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

// Decodes one well-formed UTF-8 sequence at pos (no overlong forms, no
// surrogates, nothing above U+10FFFF). Returns its length, or 0 when the
// byte at pos does not start one.
std::size_t decodeUtf8(std::string_view in, std::size_t pos, char32_t& cp) {
    const auto byte = [&in](std::size_t i) {
        return static_cast<unsigned char>(in[i]);
    };
    const unsigned lead = byte(pos);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (in.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

// Converts; returns false at the first character that cannot be represented
// when exact, else puts '?' in its place.
bool convertUtf8(std::string_view utf8, bool exact, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(utf8, pos, cp);
        const auto byte = length ? codePointToCp1252(cp) : std::nullopt;
        if (!byte) {
            if (exact)
                return false;
            out.push_back('?');
        } else {
            out.push_back(static_cast<char>(*byte));
        }
        pos += length ? length : 1;
    }
    return true;
}

unsigned char toByte(char c) {
    return static_cast<unsigned char>(c);
}

} // namespace

char32_t cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> codePointToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    convertUtf8(utf8, false, out);
    return out;
}

std::optional<std::string> utf8ToCp1252Exact(std::string_view utf8) {
    std::string out;
    if (!convertUtf8(utf8, true, out))
        return std::nullopt;
    return out;
}

std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes) {
    char32_t cp = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = decodeUtf8(bytes, pos, cp);
        if (length == 0)
            return pos;
        pos += length;
    }
    return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252)
        appendUtf8(out, cp1252ToCodePoint(toByte(c)));
    return out;
}

// The letters of the code page pair up as Windows' ANSI case mapping pairs
// them; ß, µ and ƒ have no partner there and stay as they are.
char upperChar(char c) {
    const unsigned char b = toByte(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 0x20);
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A); // š
    case 0x9C:
        return static_cast<char>(0x8C); // œ
    case 0x9E:
        return static_cast<char>(0x8E); // ž
    case 0xFF:
        return static_cast<char>(0x9F); // ÿ
    default:
        return c;
    }
}

char lowerChar(char c) {
    const unsigned char b = toByte(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A:
        return static_cast<char>(0x9A); // Š
    case 0x8C:
        return static_cast<char>(0x9C); // Œ
    case 0x8E:
        return static_cast<char>(0x9E); // Ž
    case 0x9F:
        return static_cast<char>(0xFF); // Ÿ
    default:
        return c;
    }
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upperChar(c);
    return out;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerChar(c);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperChar(a[i]) != upperChar(b[i]))
            return false;
    }
    return true;
}

int compareIgnoreCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = toByte(upperChar(a[i]));
        const unsigned char y = toByte(upperChar(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) {
        return static_cast<unsigned char>(c) <= ' ';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace qor
