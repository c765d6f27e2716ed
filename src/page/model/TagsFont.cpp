// <FONT> and </FONT>, including style definitions with ID.

#include "page/model/Attributes.h"
#include "page/model/PageParser.h"
#include "platform/Text.h"

#include <algorithm>

namespace qor {

// </FONT> returns to the format before the tag, so the tag saves it once,
// before its first change, and not again before every further attribute
// (which would leave </FONT> undoing only the last one).
struct PageParser::FontTag {
    static const AttributeRule<FontTag> attributes[];

    explicit FontTag(PageParser& parser) : self(parser), format(parser.format_), start(format) {}

    void saveFormat() {
        if (!saved)
            self.state_.fontSlot = format;
        saved = true;
    }

    PageParser& self;
    TextFormat& format;
    const TextFormat start;
    bool saved = false;
};

const AttributeRule<PageParser::FontTag> PageParser::FontTag::attributes[] = {
    {"SIZE", // "+n" and "-n" change the size, where "-n" counts as 0
     [](FontTag& t, TParser& p) {
         t.saveFormat();
         const std::string value = ReadPlainValue(p);
         const int size = std::clamp(ParseInteger(value).value_or(3), 0, 720);
         if (!value.empty() && (value.front() == '+' || value.front() == '-'))
             t.format.size += size;
         else
             t.format.size = size;
     }},
    {"COLOR",
     [](FontTag& t, TParser& p) {
         t.saveFormat();
         t.format.textColor = t.self.readColor(p);
     }},
    {"FACE", // the first installed font of a list
     [](FontTag& t, TParser& p) {
         t.saveFormat();
         for (const std::string& name : SplitText(ReadQuotedValue(p), ",")) {
             const std::string face(TrimBlanks(name));
             if (!face.empty() && t.self.model_.fontInstalled(face)) {
                 t.format.face = face.substr(0, TextFormat::MaxFaceLength);
                 break;
             }
         }
     }},
    {"LINESPACE",
     [](FontTag& t, TParser& p) {
         const int spacing = ReadNumberValue(p, -500, 500, 0);
         t.format.lineSpacing = spacing == 0 ? 0 : spacing + LineSpacingOffset;
     }},
    {"ID", // a style of the format so far; the text keeps its format
     [](FontTag& t, TParser& p) {
         t.self.model_.styles().add(TXStyle::capture(ReadPlainValue(p), t.format));
         t.format = t.start;
     }},
    {"TRACKING",
     [](FontTag& t, TParser& p) {
         t.format.tracking = ReadNumberValue(p, -500, 500, 0);
     }},
    {"BCOLOR",
     [](FontTag& t, TParser& p) {
         t.saveFormat();
         const std::string value = ReadPlainValue(p);
         if (equalsIgnoreCase(value, "OFF")) {
             t.format.transparent = true;
         } else {
             const PageParser& self = t.self;
             t.format.backgroundColor =
                 ParseColorValue(value, self.page_.colorNames, self.model_.randomSource());
             t.format.transparent = false;
         }
     }},
    {"FLASH",
     [](FontTag& t, TParser& p) {
         t.saveFormat();
         t.format.flashColor = t.self.readColor(p);
     }},
    {"LINK",
     [](FontTag& t, TParser& p) {
         t.saveFormat();
         t.format.linkColor = t.self.readColor(p);
     }},
};

void PageParser::tagFont(TParser& parser) {
    parser.setStrict(false);
    FontTag tag(*this);
    ReadAttributes(parser, FontTag::attributes, tag);
}

void PageParser::tagFontEnd(TParser&) {
    format_.size = state_.fontSlot.size;
    format_.textColor = state_.fontSlot.textColor;
    format_.face = state_.fontSlot.face;
}

} // namespace qor
