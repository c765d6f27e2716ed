// <FONT> and </FONT>, including style definitions with ID.

#include "page/model/Attributes.h"
#include "page/model/PageParser.h"
#include "platform/Text.h"

#include <algorithm>

namespace qor {

// </FONT> returns to the format before the tag, so the tag saves it once,
// before its first change, and not again before every further attribute
// (which would leave </FONT> undoing only the last one).
void PageParser::tagFont(TParser& parser) {
    const TextFormat start = format_;
    bool saved = false;
    const auto saveFormat = [&] {
        if (!saved)
            state_.fontSlot = format_;
        saved = true;
    };
    parser.setStrict(false);
    while (const int keyword = parser.Keyword({"SIZE", "COLOR", "FACE", "LINESPACE", "ID",
                                               "TRACKING", "BCOLOR", "FLASH", "LINK"})) {
        switch (keyword) {
        case 1: { // SIZE: "+n" and "-n" change the size, where "-n" counts as 0
            saveFormat();
            const std::string value = ReadPlainValue(parser);
            const int size = std::clamp(ParseInteger(value).value_or(3), 0, 720);
            if (!value.empty() && (value.front() == '+' || value.front() == '-'))
                format_.size += size;
            else
                format_.size = size;
            break;
        }
        case 2:
            saveFormat();
            format_.textColor = readColor(parser);
            break;
        case 3: { // FACE: the first installed font of a list
            saveFormat();
            for (const std::string& name : SplitText(ReadQuotedValue(parser), ",")) {
                const std::string face(TrimBlanks(name));
                if (!face.empty() && model_.fontInstalled(face)) {
                    format_.face = face.substr(0, TextFormat::MaxFaceLength);
                    break;
                }
            }
            break;
        }
        case 4: {
            const int spacing = ReadNumberValue(parser, -500, 500, 0);
            format_.lineSpacing = spacing == 0 ? 0 : spacing + LineSpacingOffset;
            break;
        }
        case 5: // ID: a style of the format so far; the text keeps its format
            model_.styles().add(TXStyle::capture(ReadPlainValue(parser), format_));
            format_ = start;
            break;
        case 6:
            format_.tracking = ReadNumberValue(parser, -500, 500, 0);
            break;
        case 7: {
            saveFormat();
            const std::string value = ReadPlainValue(parser);
            if (equalsIgnoreCase(value, "OFF")) {
                format_.transparent = true;
            } else {
                format_.backgroundColor =
                    ParseColorValue(value, page_.colorNames, model_.randomSource());
                format_.transparent = false;
            }
            break;
        }
        case 8:
            saveFormat();
            format_.flashColor = readColor(parser);
            break;
        default:
            saveFormat();
            format_.linkColor = readColor(parser);
            break;
        }
    }
}

void PageParser::tagFontEnd(TParser&) {
    format_.size = state_.fontSlot.size;
    format_.textColor = state_.fontSlot.textColor;
    format_.face = state_.fontSlot.face;
}

} // namespace qor
