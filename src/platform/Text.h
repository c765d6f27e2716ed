#pragma once
// Program text is std::string holding Windows-1252 bytes. These functions
// (and their Qt twins in QtText.h) are the only crossings to Unicode: file
// names and the UTF-8 literals of the source code.
//
// Every byte maps to one character; the five bytes Windows-1252 leaves
// undefined map to the C1 controls of the same number, so any byte string
// survives a round trip.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// Characters outside Windows-1252 become '?'.
std::string utf8ToCp1252(std::string_view utf8);
// Nothing when a character cannot be represented (file names are never mangled).
std::optional<std::string> utf8ToCp1252Exact(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view cp1252);
// The byte offset of the first byte that does not belong to well-formed
// UTF-8, or nothing.
std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes);

// The Unicode code point of a byte, and the byte of a code point (nothing
// when Windows-1252 has no such character).
char32_t cp1252ToCodePoint(unsigned char byte);
std::optional<unsigned char> codePointToCp1252(char32_t codePoint);

// Windows-1252 upper and lower case of single bytes and strings (ä <-> Ä, ...).
char upperChar(char c);
char lowerChar(char c);
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Without the characters of code 32 and below at either end.
std::string_view TrimBlanks(std::string_view text);
// <0, 0 or >0 like strcmp, comparing the upper-case forms byte by byte.
int compareIgnoreCase(std::string_view a, std::string_view b);

inline namespace literals {
// "Für"_cp: a UTF-8 source literal as Windows-1252 program text.
inline std::string operator""_cp(const char* utf8, std::size_t length) {
    return utf8ToCp1252(std::string_view(utf8, length));
}
} // namespace literals

} // namespace qor
