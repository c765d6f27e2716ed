#pragma once
// The rules of DD, the presentation that types the library's words onto
// background pages: which page comes next, where a page lets the text go,
// and how the text is typed piece by piece.

#include "platform/Random.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The fixed page when it is there, else a random one other than the last.
std::string ChooseDDPage(const std::string& fixed, const std::vector<std::string>& pages,
                         const std::string& last,
                         const std::function<bool(const std::string&)>& pageExists,
                         const RandomSource& random);

struct TextArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TextArea&) const = default;
};

// A page declares where its text may go with the definition "Textbereich"
// ("x,y,w,h"); without one, or with one that does not fit, the whole page.
TextArea DDTextArea(std::string_view declared, int pageWidth, int pageHeight);

// How many characters of text the next keystroke types after typed ones: a
// blank goes together with the letter after it.
std::size_t NextTypedPiece(std::string_view text, std::size_t typed);

} // namespace qor
