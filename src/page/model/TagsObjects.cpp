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

// SHAPE: an unknown shape keeps the one the box has.
int boxShape(const std::string& value, int shape) {
    const std::string upper = upperCase(value);
    if (upper == "ROUNDRECT")
        return BoxShape::RoundRect;
    if (upper == "ELLIPSE")
        return BoxShape::Ellipse;
    if (upper == "RANDOM")
        return BoxShape::RandomStrips;
    return shape;
}

// COORDS of a box: without a width it reaches the right edge, without a
// height it grows to its text.
void placeBox(TBox& box, const PageRect& rect, int pageWidth) {
    box.left = rect.x;
    box.top = rect.y;
    box.width = rect.w == PageRect::NotGiven ? pageWidth - rect.x : rect.w;
    box.autoHeight = rect.h == PageRect::NotGiven;
    box.height = box.autoHeight ? 20 : rect.h;
}

// SCALE=50%. SCALE=0% (or less) reads as 100: a picture cannot shrink to
// nothing or turn over.
int readScale(TParser& parser) {
    parser.Expect("=");
    std::string percent;
    parser.ReadUntil("%", percent);
    const std::optional<int> scale = ParseInteger(percent);
    return scale && *scale > 0 ? *scale : 100;
}

bool needsBlending(const TBox& box) {
    const bool curved = box.shape == BoxShape::RoundRect || box.shape == BoxShape::Ellipse;
    return box.alpha < 255 || box.mode != 0 || (curved && (box.filled || box.hasBorder()));
}

} // namespace

// What a <BOX> tag collects before the box is placed.
struct PageParser::BoxTag {
    static const AttributeRule<BoxTag> attributes[];

    explicit BoxTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    TBox box;
    bool placed = false;
    bool linked = false;
    std::string href;
    std::string mosaicFolder;
    std::vector<std::string> mosaicNames;
    MosaicSpec mosaic;
};

const AttributeRule<PageParser::BoxTag> PageParser::BoxTag::attributes[] = {
    {"COORDS",
     [](BoxTag& t, TParser& p) {
         placeBox(t.box, t.self.readCoordinates(p), t.self.model_.pageWidth());
         t.placed = true;
     }},
    {"ALIGN",
     [](BoxTag& t, TParser& p) {
         t.self.format_.alignment = static_cast<std::uint8_t>(boxAlignment(ReadPlainValue(p)));
     }},
    {"SHAPE",
     [](BoxTag& t, TParser& p) {
         t.box.shape = boxShape(ReadPlainValue(p), t.box.shape);
     }},
    {"OFFSET",
     [](BoxTag& t, TParser& p) {
         t.box.offset = ReadNumberValue(p, -500, 500, 0);
     }},
    {"COLOR",
     [](BoxTag& t, TParser& p) {
         t.box.fillColor = t.self.readColor(p);
         t.box.filled = true;
     }},
    {"BCOLOR",
     [](BoxTag& t, TParser& p) {
         t.box.borderColor = t.self.readColor(p);
     }},
    {"BWIDTH",
     [](BoxTag& t, TParser& p) {
         t.box.borderWidth = ReadNumberValue(p, 0, 500, 0);
     }},
    {"RADIUS",
     [](BoxTag& t, TParser& p) {
         t.box.radius = ReadNumberValue(p, 0, 10000, 30);
         if (t.box.shape == BoxShape::Rectangle)
             t.box.shape = BoxShape::RoundRect;
     }},
    {"DIR",
     [](BoxTag& t, TParser& p) {
         t.mosaicFolder = ReadQuotedValue(p);
     }},
    {"LOMO",
     [](BoxTag& t, TParser& p) {
         t.mosaicNames = SplitText(ReadQuotedValue(p), "|");
     }},
    {"ZONE2",
     [](BoxTag& t, TParser& p) {
         t.mosaic.zone2 = t.self.readCoordinates(p);
     }},
    {"SPEED",
     [](BoxTag& t, TParser& p) {
         t.mosaic.speed = ReadNumberValue(p, 0, 60000, 500);
     }},
    {"TOP",
     [](BoxTag& t, TParser&) {
         t.box.onTop = true;
     }},
    // DEST is accepted and has no effect.
    {"DEST",
     [](BoxTag&, TParser&) {
     }},
    {"ALPHA",
     [](BoxTag& t, TParser& p) {
         t.box.alpha = ReadNumberValue(p, 0, 255, 255);
     }},
    {"MODE",
     [](BoxTag& t, TParser& p) {
         t.box.mode = ReadNumberValue(p, 0, 255, 0);
     }},
    {"HREF",
     [](BoxTag& t, TParser& p) {
         t.href = ReadQuotedValue(p);
         if (!t.href.empty() && t.href.front() == '!')
             t.href = t.self.model_.ResolvePageStep(t.href);
         t.linked = true;
     }},
    {"ONCOLOR",
     [](BoxTag& t, TParser& p) {
         t.box.onColor = t.self.readColor(p);
     }},
    {"OFFCOLOR",
     [](BoxTag& t, TParser& p) {
         t.box.offColor = t.self.readColor(p);
     }},
    {"ONCOL2",
     [](BoxTag& t, TParser& p) {
         t.box.onColor2 = t.self.readColor(p);
     }},
    {"OFFCOL2",
     [](BoxTag& t, TParser& p) {
         t.box.offColor2 = t.self.readColor(p);
     }},
};

void PageParser::tagBox(TParser& parser) {
    parser.setStrict(false);
    BoxTag tag{*this};
    ReadAttributes(parser, BoxTag::attributes, tag);
    // Everything belongs to the box that COORDS places; without it there is none.
    if (tag.placed)
        addBox(tag);
}

// A placed box, its link and the mosaic shown in it.
void PageParser::addBox(BoxTag& tag) {
    if (tag.linked)
        tag.box.areaIndex = page_.addAreaName(tag.href);
    format_.leftMargin = tag.box.left;
    format_.columnWidth = tag.box.width;
    const int index = static_cast<int>(page_.boxes.size());
    addBlock(tag.box);
    if (tag.mosaicNames.empty())
        return;
    tag.mosaic.boxIndex = index;
    for (const std::string& name : tag.mosaicNames) {
        if (!name.empty())
            tag.mosaic.files.push_back(model_.ExpandFileName(tag.mosaicFolder + name));
    }
    page_.mosaic = std::move(tag.mosaic);
}

struct PageParser::EllipseTag {
    static const AttributeRule<EllipseTag> attributes[];

    explicit EllipseTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    TBox box;
    PageRect rect;
};

const AttributeRule<PageParser::EllipseTag> PageParser::EllipseTag::attributes[] = {
    {"COORDS",
     [](EllipseTag& t, TParser& p) {
         t.rect = t.self.readCoordinates(p);
     }},
    {"COLOR",
     [](EllipseTag& t, TParser& p) {
         t.box.fillColor = t.self.readColor(p);
         t.box.filled = true;
     }},
    {"BCOLOR",
     [](EllipseTag& t, TParser& p) {
         t.box.borderColor = t.self.readColor(p);
     }},
    {"BWIDTH",
     [](EllipseTag& t, TParser& p) {
         t.box.borderWidth = ReadNumberValue(p, 0, 500, 0);
     }},
};

void PageParser::tagEllipse(TParser& parser) {
    parser.setStrict(false);
    EllipseTag tag{*this};
    tag.box.shape = BoxShape::Ellipse;
    ReadAttributes(parser, EllipseTag::attributes, tag);
    // COORDS gives the centre and the size; without all four there is no ellipse.
    const PageRect& rect = tag.rect;
    if (rect.x == PageRect::NotGiven || rect.y == PageRect::NotGiven ||
        rect.w == PageRect::NotGiven || rect.h == PageRect::NotGiven)
        return;
    tag.box.left = rect.x - rect.w / 2;
    tag.box.top = rect.y - rect.h / 2;
    tag.box.width = rect.w;
    tag.box.height = rect.h;
    addBlock(tag.box);
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

struct PageParser::ImageTag {
    static const AttributeRule<ImageTag> attributes[];

    explicit ImageTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    PictureFields fields;
    std::string source;
    std::string hoverPicture;
};

const AttributeRule<PageParser::ImageTag> PageParser::ImageTag::attributes[] = {
    {"SRC",
     [](ImageTag& t, TParser& p) {
         t.source = t.self.definitionReference(ReadQuotedValue(p));
     }},
    {"SCALE",
     [](ImageTag& t, TParser& p) {
         t.fields.scale = readScale(p);
     }},
    {"ALIGN",
     [](ImageTag& t, TParser& p) {
         t.fields.alignment = pictureAlignment(ReadPlainValue(p));
     }},
    {"USEMAP",
     [](ImageTag& t, TParser& p) {
         t.fields.map = ReadQuotedValue(p);
     }},
    {"FLASH",
     [](ImageTag& t, TParser& p) {
         t.hoverPicture = ReadQuotedValue(p);
     }},
    {"BASE",
     [](ImageTag& t, TParser& p) {
         t.fields.baseline = ReadNumberValue(p, 0, 500, 0);
     }},
    {"RADIUS",
     [](ImageTag& t, TParser& p) {
         t.fields.radius = ReadNumberValue(p, 0, 10000, 0);
     }},
    {"ALPHA",
     [](ImageTag& t, TParser& p) {
         t.fields.alpha = ReadNumberValue(p, 0, 100, 100) * 255 / 100;
     }},
    {"TRANSPARENT",
     [](ImageTag& t, TParser& p) {
         t.fields.alpha = 255 - ReadNumberValue(p, 0, 255, 0);
     }},
    {"MODE",
     [](ImageTag& t, TParser& p) {
         const int mode = ReadNumberValue(p, 0, 9, 0);
         t.fields.mode = static_cast<std::uint8_t>(mode == 9 ? 7 + t.self.model_.random(2) : mode);
     }},
    {"ALT",
     [](ImageTag& t, TParser& p) {
         t.fields.alt = ReadQuotedValue(p);
     }},
    {"COLOR",
     [](ImageTag& t, TParser& p) {
         t.fields.effectColor = t.self.readColor(p);
         if (t.fields.mode == 0)
             t.fields.mode = 7;
     }},
    {"FCOLOR",
     [](ImageTag& t, TParser& p) {
         t.fields.second = t.self.readColor(p) + ColorValue::FrameColorMarker;
         t.fields.mode = 7;
     }},
};

void PageParser::tagImage(TParser& parser) {
    parser.setStrict(false);
    ImageTag tag{*this};
    ReadAttributes(parser, ImageTag::attributes, tag);
    PictureFields& fields = tag.fields;
    std::string& source = tag.source;
    const std::string& hoverPicture = tag.hoverPicture;
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

// <BODY> changes the page itself.
struct PageParser::BodyTag {
    static const AttributeRule<BodyTag> attributes[];

    explicit BodyTag(PageParser& parser) : self(parser) {}

    PageParser& self;
};

const AttributeRule<PageParser::BodyTag> PageParser::BodyTag::attributes[] = {
    {"BGCOLOR",
     [](BodyTag& t, TParser& p) {
         t.self.page_.body.background = t.self.readColor(p);
     }},
    {"TEXT",
     [](BodyTag& t, TParser& p) {
         t.self.page_.body.text = t.self.readColor(p);
     }},
    {"LINK",
     [](BodyTag& t, TParser& p) {
         t.self.page_.body.link = t.self.readColor(p);
     }},
    {"GAP",
     [](BodyTag& t, TParser& p) {
         t.self.page_.colors.gap = t.self.readColor(p);
     }},
    {"KLOTZ",
     [](BodyTag& t, TParser& p) {
         t.self.page_.colors.dragBlock = t.self.readColor(p);
     }},
    {"KBGR",
     [](BodyTag& t, TParser& p) {
         t.self.page_.colors.draggedBackground = t.self.readColor(p);
     }},
    {"BACKGROUND",
     [](BodyTag& t, TParser& p) {
         const std::string file = ReadPlainValue(p);
         t.self.page_.backgroundPicture =
             file.empty() ? file : t.self.model_.currentDirectory() + file;
     }},
    {"MCHAN",
     [](BodyTag& t, TParser& p) {
         t.self.page_.colors.choiceActive = t.self.readColor(p);
     }},
    {"MCHAUS",
     [](BodyTag& t, TParser& p) {
         t.self.page_.colors.choiceInactive = t.self.readColor(p);
     }},
    {"WAIT",
     [](BodyTag& t, TParser& p) {
         t.self.readWait(p);
     }},
    {"ONSHOW",
     [](BodyTag& t, TParser& p) {
         t.self.page_.onShow = ReadQuotedValue(p);
     }},
    {"FORM",
     [](BodyTag& t, TParser&) {
         t.self.page_.formTakesBackground = true;
     }},
};

void PageParser::tagBody(TParser& parser) {
    parser.setStrict(false);
    BodyTag tag{*this};
    ReadAttributes(parser, BodyTag::attributes, tag);
}

// WAIT="milliseconds,target": a jump after a pause.
void PageParser::readWait(TParser& parser) {
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
}

} // namespace qor
