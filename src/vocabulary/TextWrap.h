#pragma once
// Breaking printed texts into lines of a given width, measured with the
// printer's font.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

using LineWidth = std::function<int(std::string_view text)>;

// The lines of text, none wider than width, broken after blanks: each word
// keeps its trailing blank, and once the rest of the text fits beside the
// current line it is put there unbroken. A word wider than width stands
// alone on its line, uncut. An empty text is one empty line.
std::vector<std::string> WrapText(std::string_view text, int width, const LineWidth& measure);

} // namespace qor
