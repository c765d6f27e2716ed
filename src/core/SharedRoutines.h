#pragma once
// Small routines that many windows share: accent cycling, the file-name
// character test, hint masks, the recursive file count and colour byte order.

#include "graphics/Color.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The character after c in its row of the accent table (a -> á -> à -> â ->
// ä -> æ -> a, ...), or 0 when c is in no row.
char CycleAccent(char c);

// The nine characters a file name must not contain, in the order messages list them.
extern const char* const InvalidFileNameChars; // /\*:<>|?"
bool HasInvalidFileNameChar(std::string_view name);

// A hint: the first (and from four characters on the last) character stays,
// punctuation and blanks stay, the rest turns into dots, except that from the
// fifth character on about one letter in five stays visible.
std::string MaskWithDots(std::string_view text);

// Counts the files below dir (recursively) whose lower-cased extension is
// ext1 or, when given, ext2 (".asc"); appends their paths to list when given.
int CountFilesWithExtension(std::string_view dir, std::string_view ext1, std::string_view ext2 = {},
                            std::vector<std::string>* list = nullptr);

// Swaps red and blue (bytes 0 and 2), keeps green and clears byte 3.
Color SwapRedBlue(Color color);

} // namespace qor
