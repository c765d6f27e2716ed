#pragma once
// The program's own data files (dictionary, sound database, user files) hold
// one zlib stream of zero-terminated Windows-1252 strings. Their sources in
// the repository are readable UTF-8 text with one string per line:
//
//   - a line starting with '#' is a comment, a blank line separates groups;
//     neither yields a string;
//   - a line starting with '\' yields the rest of the line after that
//     backslash, taken literally: "\" alone is the empty string, "\#x" is
//     "#x", "\  " is two blanks;
//   - every other line is one string, exactly as written.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor::pack {

// The strings of a source, as Windows-1252. With recordSize above 0 every
// group (the strings between blank lines) must hold a whole number of records
// of that many strings, so a forgotten or extra line is caught where it is.
// Throws PackError naming sourceName and the line at fault.
std::vector<std::string> parseDataFileSource(std::string_view utf8, std::string_view sourceName,
                                             std::size_t recordSize = 0);

// The unpacked content: every string followed by a zero byte.
std::string joinDataFileStrings(const std::vector<std::string>& strings);

// The strings of unpacked content. Throws PackError when the content does not
// end with a zero byte (a damaged or cut-off file).
std::vector<std::string> splitDataFileContent(std::string_view content,
                                              std::string_view sourceName);

// The readable UTF-8 source of the strings, one per line, escaped so that
// parseDataFileSource gives them back; with recordSize above 0 a blank line
// follows every record. Throws PackError for a string with a line break,
// which a line cannot hold.
std::string formatDataFileSource(const std::vector<std::string>& strings,
                                 std::size_t recordSize = 0);

} // namespace qor::pack
