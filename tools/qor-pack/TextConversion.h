#pragma once
// Turns a UTF-8 source file of the sample installation into the program's
// own text: Windows-1252 bytes with CR LF line ends.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor::pack {

// The Windows-1252 byte of every character of utf8; a UTF-8 byte-order mark
// at the start is dropped, LF becomes CR LF (a CR LF stays as it is).
// Throws PackError naming sourceName, line and column when the text is no
// valid UTF-8, holds a character Windows-1252 cannot hold, or holds a control
// character other than tab, CR and LF (NUL would end the text early in the
// program, and the other controls are typing mistakes in a source).
std::string convertSourceText(std::string_view utf8, std::string_view sourceName);

// One line (without its line end) of a source, converted the same way;
// lineNumber only serves the error message.
std::string convertSourceLine(std::string_view utf8Line, std::string_view sourceName,
                              std::size_t lineNumber);

// Splits text into lines at LF, dropping a CR in front of it; a text that
// ends with LF has no empty last line.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace qor::pack
