#pragma once
// The items a page text is parsed into: a flat list that layout breaks into
// lines. Each item carries the format it was created with.

#include "page/model/TextFormat.h"

#include <cstdint>
#include <memory>
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

// The format of an item, read through -> or as a const TextFormat&. Items
// with the same format share one copy: a long page has a great many items
// but only a few formats, and a format is large.
class SharedFormat {
public:
    SharedFormat() : format_(defaultFormat()) {}
    // A copy of its own; the parser shares copies instead.
    SharedFormat(const TextFormat& format) // NOLINT(google-explicit-constructor)
        : format_(std::make_shared<const TextFormat>(format)) {}
    explicit SharedFormat(std::shared_ptr<const TextFormat> format) : format_(std::move(format)) {}

    const TextFormat& operator*() const { return *format_; }
    const TextFormat* operator->() const { return format_.get(); }
    operator const TextFormat&() const { return *format_; } // NOLINT(google-explicit-constructor)

private:
    static const std::shared_ptr<const TextFormat>& defaultFormat() {
        static const auto format = std::make_shared<const TextFormat>();
        return format;
    }
    std::shared_ptr<const TextFormat> format_;
};

struct tFormatted_text {
    std::string text; // words and spaces; the source of a picture; a check box's name
    ItemKind kind = ItemKind::Word;
    int tab = 0; // from an <X> tag, 0 none
    SharedFormat format;
};

using tFormatted_text_list = std::vector<tFormatted_text>;

} // namespace qor
