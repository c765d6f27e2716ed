// Block objects (<BOX>, <ELLIPSE>), pictures (<IMG>) and the page settings
// of <BODY>.

#include "page/model/Attributes.h"
#include "page/model/PageParser.h"
#include "platform/Text.h"

namespace qor {

namespace {

// Host-drawn pictures larger than this in either direction get the default
// size; the bitmap is made before anyone looks at it.
constexpr int MaxRequestedPictureSide = 4000;

int boxAlignment(const std::string& value) {
    const std::string upper = upperCase(value);
    if (upper == "CENTER" || upper == "M")
        return TextAlign::Center;
    if (upper == "RIGHT" || upper == "R")
        return TextAlign::Right;
    if (upper == "B")
        return TextAlign::Block;
    return TextAlign::Left;
}

std::uint8_t pictureAlignment(const std::string& value) {
    switch (value.empty() ? '\0' : upperChar(value.front())) {
    case 'B':
        return PictureAlign::Bottom;
    case 'C':
        return PictureAlign::Center;
    case 'M':
        return PictureAlign::Middle;
    case 'R':
        return PictureAlign::Right;
    case 'T':
        return PictureAlign::Top;
    case 'X':
        return PictureAlign::Over;
    default:
        return PictureAlign::Left;
    }
}

bool needsBlending(const TBox& box) {
    const bool curved = box.shape == BoxShape::RoundRect || box.shape == BoxShape::Ellipse;
    return box.alpha < 255 || box.mode != 0 || (curved && (box.filled || box.hasBorder()));
}

} // namespace

void PageParser::tagBox(TParser& parser) {
    parser.setStrict(false);
    TBox box;
    bool placed = false;
    bool linked = false;
    std::string href;
    std::string mosaicFolder;
    std::vector<std::string> mosaicNames;
    MosaicSpec mosaic;
    while (const int keyword = parser.Keyword(
               {"COORDS", "ALIGN", "SHAPE", "OFFSET",  "COLOR",    "BCOLOR", "BWIDTH",
                "RADIUS", "DIR",   "LOMO",  "ZONE2",   "SPEED",    "TOP",    "DEST",
                "ALPHA",  "MODE",  "HREF",  "ONCOLOR", "OFFCOLOR", "ONCOL2", "OFFCOL2"})) {
        switch (keyword) {
        case 1: {
            const PageRect rect = readCoordinates(parser);
            box.left = rect.x;
            box.top = rect.y;
            // Without a width the box reaches the right edge.
            box.width = rect.w == PageRect::NotGiven ? model_.pageWidth() - rect.x : rect.w;
            box.autoHeight = rect.h == PageRect::NotGiven;
            box.height = box.autoHeight ? 20 : rect.h;
            placed = true;
            break;
        }
        case 2:
            format_.alignment = static_cast<std::uint8_t>(boxAlignment(ReadPlainValue(parser)));
            break;
        case 3: {
            const std::string shape = upperCase(ReadPlainValue(parser));
            if (shape == "ROUNDRECT")
                box.shape = BoxShape::RoundRect;
            else if (shape == "ELLIPSE")
                box.shape = BoxShape::Ellipse;
            else if (shape == "RANDOM")
                box.shape = BoxShape::RandomStrips;
            break;
        }
        case 4:
            box.offset = ReadNumberValue(parser, -500, 500, 0);
            break;
        case 5:
            box.fillColor = readColor(parser);
            box.filled = true;
            break;
        case 6:
            box.borderColor = readColor(parser);
            break;
        case 7:
            box.borderWidth = ReadNumberValue(parser, 0, 500, 0);
            break;
        case 8:
            box.radius = ReadNumberValue(parser, 0, 10000, 30);
            if (box.shape == BoxShape::Rectangle)
                box.shape = BoxShape::RoundRect;
            break;
        case 9:
            mosaicFolder = ReadQuotedValue(parser);
            break;
        case 10:
            mosaicNames = SplitText(ReadQuotedValue(parser), "|");
            break;
        case 11:
            mosaic.zone2 = readCoordinates(parser);
            break;
        case 12:
            mosaic.speed = ReadNumberValue(parser, 0, 60000, 500);
            break;
        case 13:
            box.onTop = true;
            break;
        case 14:
            break; // DEST: accepted, no effect
        case 15:
            box.alpha = ReadNumberValue(parser, 0, 255, 255);
            break;
        case 16:
            box.mode = ReadNumberValue(parser, 0, 255, 0);
            break;
        case 17:
            href = ReadQuotedValue(parser);
            if (!href.empty() && href.front() == '!')
                href = model_.ResolvePageStep(href);
            linked = true;
            break;
        case 18:
            box.onColor = readColor(parser);
            break;
        case 19:
            box.offColor = readColor(parser);
            break;
        case 20:
            box.onColor2 = readColor(parser);
            break;
        default:
            box.offColor2 = readColor(parser);
            break;
        }
    }
    // Everything belongs to the box that COORDS places; without it there is none.
    if (!placed)
        return;
    if (linked)
        box.areaIndex = page_.addAreaName(href);
    format_.leftMargin = box.left;
    format_.columnWidth = box.width;
    const int index = static_cast<int>(page_.boxes.size());
    addBlock(box);
    if (!mosaicNames.empty()) {
        mosaic.boxIndex = index;
        for (const std::string& name : mosaicNames) {
            if (!name.empty())
                mosaic.files.push_back(model_.ExpandFileName(mosaicFolder + name));
        }
        page_.mosaic = std::move(mosaic);
    }
}

void PageParser::tagEllipse(TParser& parser) {
    parser.setStrict(false);
    TBox box;
    box.shape = BoxShape::Ellipse;
    PageRect rect;
    while (const int keyword = parser.Keyword({"COORDS", "COLOR", "BCOLOR", "BWIDTH"})) {
        switch (keyword) {
        case 1:
            rect = readCoordinates(parser);
            break;
        case 2:
            box.fillColor = readColor(parser);
            box.filled = true;
            break;
        case 3:
            box.borderColor = readColor(parser);
            break;
        default:
            box.borderWidth = ReadNumberValue(parser, 0, 500, 0);
            break;
        }
    }
    // COORDS gives the centre and the size; without all four there is no ellipse.
    if (rect.x == PageRect::NotGiven || rect.y == PageRect::NotGiven ||
        rect.w == PageRect::NotGiven || rect.h == PageRect::NotGiven)
        return;
    box.left = rect.x - rect.w / 2;
    box.top = rect.y - rect.h / 2;
    box.width = rect.w;
    box.height = rect.h;
    addBlock(box);
}

// The block item stands at the object's top.
void PageParser::addBlock(TBox box) {
    if (needsBlending(box))
        page_.needsEffectBitmap = true;
    format_.boxIndex = static_cast<int>(page_.boxes.size());
    format_.objectTop = box.top;
    page_.boxes.push_back(std::move(box));
    addBreak(ItemKind::Block);
    format_.boxIndex = -1;
    format_.objectTop = -1;
}

void PageParser::tagImage(TParser& parser) {
    parser.setStrict(false);
    PictureFields fields;
    std::string source;
    std::string hoverPicture;
    while (const int keyword =
               parser.Keyword({"SRC", "SCALE", "ALIGN", "USEMAP", "FLASH", "BASE", "RADIUS",
                               "ALPHA", "TRANSPARENT", "MODE", "ALT", "COLOR", "FCOLOR"})) {
        switch (keyword) {
        case 1:
            source = definitionReference(ReadQuotedValue(parser));
            break;
        case 2: { // SCALE=50%
            parser.Expect("=");
            std::string percent;
            parser.ReadUntil("%", percent);
            const std::optional<int> scale = ParseInteger(percent);
            // SCALE=0% (or less) reads as 100: a picture cannot shrink to
            // nothing or turn over.
            fields.scale = scale && *scale > 0 ? *scale : 100;
            break;
        }
        case 3:
            fields.alignment = pictureAlignment(ReadPlainValue(parser));
            break;
        case 4:
            fields.map = ReadQuotedValue(parser);
            break;
        case 5:
            hoverPicture = ReadQuotedValue(parser);
            break;
        case 6:
            fields.baseline = ReadNumberValue(parser, 0, 500, 0);
            break;
        case 7:
            fields.radius = ReadNumberValue(parser, 0, 10000, 0);
            break;
        case 8:
            fields.alpha = ReadNumberValue(parser, 0, 100, 100) * 255 / 100;
            break;
        case 9:
            fields.alpha = 255 - ReadNumberValue(parser, 0, 255, 0);
            break;
        case 10: {
            const int mode = ReadNumberValue(parser, 0, 9, 0);
            fields.mode = static_cast<std::uint8_t>(mode == 9 ? 7 + model_.random(2) : mode);
            break;
        }
        case 11:
            fields.alt = ReadQuotedValue(parser);
            break;
        case 12:
            fields.effectColor = readColor(parser);
            if (fields.mode == 0)
                fields.mode = 7;
            break;
        default:
            fields.second = readColor(parser) + ColorValue::FrameColorMarker;
            fields.mode = 7;
            break;
        }
    }
    if (source.empty())
        return;
    // FLASH names the picture shown under the mouse, as its name says, so it
    // goes second in the "normal|hover" source; putting it first would show
    // it until the mouse comes and the SRC picture while hovered.
    if (!hoverPicture.empty())
        source += "|" + hoverPicture;
    if (fields.radius > 0 || fields.alpha < 255 || fields.mode != 0)
        page_.needsEffectBitmap = true;
    addPicture(source, std::move(fields));
}

// A picture item from an <IMG> source: a file, "normal|hover" files, or
// "%WxH=code", a blank bitmap the host draws into.
void PageParser::addPicture(const std::string& source, PictureFields fields) {
    int index;
    if (source.front() == '%' && model_.OnPictureRequest) {
        const std::string_view request = std::string_view(source).substr(1);
        const std::size_t equals = request.find('=');
        const std::string_view size = request.substr(0, equals);
        const std::size_t times = size.find('x');
        std::optional<int> width, height;
        if (times != std::string_view::npos) {
            width = ParseInteger(size.substr(0, times));
            height = ParseInteger(size.substr(times + 1));
        }
        const auto sensible = [](const std::optional<int>& side) {
            return side && *side > 0 && *side <= MaxRequestedPictureSide;
        };
        if (!sensible(width) || !sensible(height)) {
            width = 100;
            height = 60;
        }
        index = model_.CreatePicture(*width, *height, source);
        if (index < 0)
            return;
        const std::string code(equals == std::string_view::npos ? std::string_view()
                                                                : request.substr(equals + 1));
        model_.OnPictureRequest(code, index);
    } else {
        const std::size_t bar = source.find('|');
        index = model_.LoadPicture(std::string_view(source).substr(0, bar));
        if (index < 0)
            return; // left out
        if (bar != std::string::npos) {
            const int hover = model_.LoadPicture(std::string_view(source).substr(bar + 1));
            if (hover >= 0)
                fields.second = hover;
        }
    }
    TextFormat format = format_;
    fields.index = index;
    format.picture = std::move(fields);
    addItem(ItemKind::Picture, source, format);
}

void PageParser::tagBody(TParser& parser) {
    parser.setStrict(false);
    while (const int keyword =
               parser.Keyword({"BGCOLOR", "TEXT", "LINK", "GAP", "KLOTZ", "KBGR", "BACKGROUND",
                               "MCHAN", "MCHAUS", "WAIT", "ONSHOW", "FORM"})) {
        switch (keyword) {
        case 1:
            page_.body.background = readColor(parser);
            break;
        case 2:
            page_.body.text = readColor(parser);
            break;
        case 3:
            page_.body.link = readColor(parser);
            break;
        case 4:
            page_.colors.gap = readColor(parser);
            break;
        case 5:
            page_.colors.dragBlock = readColor(parser);
            break;
        case 6:
            page_.colors.draggedBackground = readColor(parser);
            break;
        case 7: {
            const std::string file = ReadPlainValue(parser);
            page_.backgroundPicture = file.empty() ? file : model_.currentDirectory() + file;
            break;
        }
        case 8:
            page_.colors.choiceActive = readColor(parser);
            break;
        case 9:
            page_.colors.choiceInactive = readColor(parser);
            break;
        case 10: { // WAIT="milliseconds,target"
            parser.Expect("=");
            parser.Expect("\"");
            std::string milliseconds;
            std::string target;
            parser.ReadUntil(",", milliseconds);
            parser.ReadUntil("\"", target);
            target = definitionReference(target);
            const int pause = ParseInteger(milliseconds).value_or(0);
            if (pause > 0 && !target.empty())
                page_.wait = WaitJump{pause, target};
            break;
        }
        case 11:
            page_.onShow = ReadQuotedValue(parser);
            break;
        default:
            page_.formTakesBackground = true;
            break;
        }
    }
}

} // namespace qor
