#pragma once
// How a link or file name on a page becomes a full path, and the page names
// that page arithmetic ("!+", "!-") steps to.

#include <string>
#include <string_view>

namespace qor {

// The full path of a link target or file name on a page in the folder
// pageDirectory (ending in '/'):
//  - a leading "*" is kept in front of the result; everything from "@" on
//    is dropped;
//  - a name starting with "ex" is an exercise command: its "file=" value up
//    to the next blank, or nothing when it has none;
//  - '\' counts as '/'; a name starting with '\' lies in the page folder,
//    an absolute name stays as it is, any other is appended to the page
//    folder, each leading "../" climbing one folder up.
std::string ExpandPageFileName(std::string_view name, std::string_view pageDirectory);

// The file name whose number before the first "." is one more (forward) or
// one less than that of fileName: "lektion09.htx" -> "lektion10.htx". Two
// digits stay two digits; a name without a number counts as 0.
std::string StepPageFileName(std::string_view fileName, bool forward);

} // namespace qor
