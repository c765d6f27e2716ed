#pragma once
// The items a page text is parsed into: a flat list that layout breaks into
// lines. Each item carries the format it was created with.

#include "page/model/TextFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

enum class ItemKind : std::uint8_t {
    Word = 0,
    Space = 1,
    LineBreak = 2,
    ParagraphBreak = 3,
    Block = 4, // a box or ellipse; format.boxIndex tells which
    CheckBox = 5,
    Picture = 6,
};

struct tFormatted_text {
    std::string text; // words and spaces; the source of a picture; a check box's name
    ItemKind kind = ItemKind::Word;
    int tab = 0; // from an <X> tag, 0 none
    TextFormat format;
};

using tFormatted_text_list = std::vector<tFormatted_text>;

} // namespace qor
