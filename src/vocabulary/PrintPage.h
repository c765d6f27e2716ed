#pragma once
// A printed page as the printing layouts describe it: texts, lines and boxes
// in 0.1 mm units, x growing to the right from the left edge of the
// printable area and y growing upwards from its top edge, so that every
// position on the page is negative. The layouts fill pages; the drawing code
// only puts them on paper (or into a PDF file).

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qor {

// "Arial" in a cell height, upright or not, bold or not.
struct PrintFont {
    int height = 0; // of the character cell, in 0.1 mm
    bool bold = false;
    bool italic = false;
    bool operator==(const PrintFont&) const = default;
};

enum class Ink { Black, White };

// A text whose character cell has its top left corner at (x, y).
struct PageText {
    PrintFont font;
    int x = 0;
    int y = 0;
    std::string text; // program text
    Ink ink = Ink::Black;
    bool operator==(const PageText&) const = default;
};

enum class LineStyle { Solid, Dashed };

struct PageLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    LineStyle style = LineStyle::Solid;
    bool operator==(const PageLine&) const = default;
};

// Outline: a frame; Black: filled black; Shade: filled light grey (EEEEEE).
enum class BoxFill { Outline, Black, Shade };

struct PageBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    BoxFill fill = BoxFill::Outline;
    bool operator==(const PageBox&) const = default;
};

using PageItem = std::variant<PageBox, PageLine, PageText>;

// The items in the order they are drawn.
struct PrintPage {
    std::vector<PageItem> items;
};

// The printable area in 0.1 mm, and whether the printer resolves more than
// 300 dots per inch in both directions (it then gets filled bars).
struct PageFrame {
    int width = 0;
    int height = 0;
    bool fine = false;
};

// How wide a text comes out in a font, in 0.1 mm, measured on the printer.
using TextWidth = std::function<int(const PrintFont& font, std::string_view text)>;

} // namespace qor
