#pragma once
// The value forms of tag attributes and the number grammars they use.

#include "page/model/SideTables.h"
#include "page/model/TagScanner.h"
#include "platform/Text.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// One attribute of a tag: its keyword and how its value is read into the
// Tag, the object the tag handler builds.
template <typename Tag> struct AttributeRule {
    std::string_view keyword;
    void (*read)(Tag& tag, TParser& parser);
};

// Reads a tag's attributes, in any order, until the text begins with no
// keyword of the table. Rows are tried in table order and the first keyword
// that begins the text wins, so the order of a table is part of the markup.
template <typename Tag, std::size_t Count>
void ReadAttributes(TParser& parser, const AttributeRule<Tag> (&rules)[Count], Tag& tag) {
    while (const AttributeRule<Tag>* rule =
               parser.Keyword(std::span<const AttributeRule<Tag>>(rules)))
        rule->read(tag, parser);
}

// Removes one leading and one trailing double quote.
std::string StripQuotes(std::string_view value);

// A decimal integer with an optional sign, blanks around it allowed.
// Nothing when the text is no number or does not fit into an int.
std::optional<int> ParseInteger(std::string_view text);

// "=" and a value up to the next blank or CR (the rest of the tag when
// there is none), without its quotes. It cannot contain a blank.
std::string ReadPlainValue(TParser& parser);

// "=" and a value between double quotes.
std::string ReadQuotedValue(TParser& parser);

// A plain value as a number clamped to [min, max]; no number gives fallback.
int ReadNumberValue(TParser& parser, int min, int max, int fallback);

// Up to four comma-separated numbers; a missing or invalid one is
// PageRect::NotGiven.
std::vector<int> ParseNumberList(std::string_view value, std::size_t count);

// Coordinates x, y, w, h. Values far below zero count from the right or
// bottom edge (-10020 is 20 pixels left of the right edge); a width or
// height below 1 reaches that far short of the page's edge.
PageRect ParseCoordinates(std::string_view value, int pageWidth, int pageHeight);

// The pieces of text between separators (all of them, empty ones too).
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

} // namespace qor
