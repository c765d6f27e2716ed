// Links (<A>), image maps, the page-click target and push buttons.

#include "page/model/Attributes.h"
#include "page/model/PageParser.h"
#include "platform/Text.h"

namespace qor {

void PageParser::tagMap(TParser& parser) {
    parser.Expect("NAME");
    page_.imageMaps.push_back({ReadQuotedValue(parser), {}});
}

// <AREA SHAPE=RECT COORDS="x,y,w,h" HREF="..."> in exactly this order.
void PageParser::tagArea(TParser& parser) {
    parser.Expect("SHAPE");
    if (upperCase(ReadPlainValue(parser)) != "RECT")
        return;
    parser.Expect("COORDS");
    const PageRect rect =
        ParseCoordinates(ReadQuotedValue(parser), model_.pageWidth(), model_.pageHeight());
    parser.Expect("HREF");
    std::string href = ReadQuotedValue(parser);
    if (page_.imageMaps.empty())
        return; // an area before any map belongs nowhere
    page_.imageMaps.back().areas.push_back({rect, std::move(href)});
}

struct PageParser::LinkTag {
    static const AttributeRule<LinkTag> attributes[];

    explicit LinkTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    bool targetKnown = false;
    std::string areaName;
};

const AttributeRule<PageParser::LinkTag> PageParser::LinkTag::attributes[] = {
    {"HREF",
     [](LinkTag& t, TParser& p) {
         t.targetKnown = t.self.readLinkTarget(p, t.areaName);
         if (!t.targetKnown)
             p.Rest(); // a link to this very page is plain text: the tag ends here
     }},
    {"RETURN",
     [](LinkTag& t, TParser&) {
         if (t.targetKnown)
             t.self.page_.enterTarget = t.areaName;
     }},
    {"GAP",
     [](LinkTag& t, TParser& p) {
         t.self.readGap(p);
     }},
    {"HOT",
     [](LinkTag& t, TParser& p) {
         PageParser& self = t.self;
         self.state_.linkSlot = self.format_;
         self.format_.areaIndex = self.page_.addAreaName("@" + ReadQuotedValue(p));
         self.format_.hot = true;
         self.state_.link = LinkKind::Hot;
     }},
    {"DRAG",
     [](LinkTag& t, TParser&) {
         PageParser& self = t.self;
         self.state_.linkSlot = self.format_;
         self.format_.exerciseIndex = DragExerciseIndex;
         self.state_.link = LinkKind::Drag;
     }},
    {"FOCUS",
     [](LinkTag& t, TParser&) {
         t.self.format_.focus = true;
     }},
};

void PageParser::tagLink(TParser& parser) {
    parser.setStrict(false);
    LinkTag tag(*this);
    ReadAttributes(parser, LinkTag::attributes, tag);
}

// HREF: resolves the target, and unless it is this page itself, turns the
// following text into a link (or a note spot for "@text").
bool PageParser::readLinkTarget(TParser& parser, std::string& areaName) {
    std::string target = ReadQuotedValue(parser);
    state_.linkSlot = format_;
    if (!target.empty() && target.front() == '*') {
        target.erase(0, 1);
        format_.focus = true;
    }

    std::string resolved;
    switch (target.empty() ? '\0' : target.front()) {
    case '#':
        resolved = page_.aliases.get(target);
        if (!resolved.empty() && resolved.front() == '*') {
            resolved.erase(0, 1);
            format_.focus = true;
        }
        areaName = target; // aliases are looked up again when used
        break;
    case '$':
        resolved = model_.GetDefine(std::string_view(target).substr(1));
        areaName = resolved;
        break;
    case '!':
        resolved = model_.ResolvePageStep(target);
        areaName = resolved;
        break;
    default:
        resolved = target;
        areaName = target;
        break;
    }
    const std::string ownPath = model_.currentPagePath();
    if (!ownPath.empty() && model_.ExpandFileName(resolved) == ownPath)
        return false;

    // Hover highlighting: a FLASH colour anywhere later in the tag, or the
    // flash colour the format already has.
    std::string passedOver;
    if (parser.ReadUntil("FLASH", passedOver)) {
        format_.flashColor = readColor(parser);
        format_.flash = true;
    } else {
        format_.flash = format_.flashColor != ColorValue::None;
    }
    parser.Failed();

    if (!target.empty() && target.front() == '@') {
        areaName = "%" + target; // no target, the text as a note
        format_.hot = true;
    } else {
        format_.textColor =
            format_.linkColor != ColorValue::None ? format_.linkColor : ColorValue::PageLink;
        if (!format_.flash)
            format_.styleBits |= TextStyle::Underline;
    }
    format_.areaIndex = page_.addAreaName(areaName);
    state_.link = LinkKind::Normal;
    return true;
}

// GAP lsg="..." help="..." [tip="..."] [reaction="..."]: the text up to </A>
// is the placeholder of a typing field.
void PageParser::readGap(TParser& parser) {
    state_.linkSlot = format_;
    TypingFieldSpec field;
    field.gap = true;
    field.tip = "Hilfe mit F12!";
    parser.Expect("LSG");
    field.solutions = SplitText(ReadQuotedValue(parser), "; ");
    std::erase(field.solutions, std::string());
    parser.Expect("HELP");
    field.help = ReadQuotedValue(parser);
    if (parser.Expect("TIP"))
        field.tip = ReadQuotedValue(parser);
    if (parser.Expect("REACTION"))
        field.reaction = ReadQuotedValue(parser);
    parser.Failed();
    // Exercise index 255 marks drag words, so gaps end at 254.
    if (page_.typingFields.size() > static_cast<std::size_t>(LastGapExerciseIndex))
        return;
    format_.exerciseIndex = static_cast<int>(page_.typingFields.size());
    page_.typingFields.push_back(std::move(field));
    state_.link = LinkKind::Gap;
}

// Ends any kind of link: colour and style bits come back from its start and
// the text belongs to no area, exercise or focus any more.
void PageParser::tagLinkEnd(TParser&) {
    if (state_.link == LinkKind::None)
        return;
    format_.textColor = state_.linkSlot.textColor;
    format_.styleBits = state_.linkSlot.styleBits;
    format_.areaIndex = -1;
    format_.exerciseIndex = -1;
    format_.hot = false;
    format_.focus = false;
    state_.link = LinkKind::None;
}

void PageParser::tagOnClick(TParser& parser) {
    parser.Expect("HREF");
    page_.clickTarget = ReadQuotedValue(parser);
    parser.setStrict(false);
    std::string passedOver;
    if (parser.ReadUntil("RETURN", passedOver) && page_.enterTarget.empty())
        page_.enterTarget = page_.clickTarget;
}

struct PageParser::ButtonTag {
    static const AttributeRule<ButtonTag> attributes[];

    explicit ButtonTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    ButtonSpec button;
    bool placed = false;
};

const AttributeRule<PageParser::ButtonTag> PageParser::ButtonTag::attributes[] = {
    {"COORDS",
     [](ButtonTag& t, TParser& p) {
         t.button.rect = t.self.readCoordinates(p);
         t.placed = true;
     }},
    {"CAPTION",
     [](ButtonTag& t, TParser& p) {
         t.button.caption = ReadQuotedValue(p);
     }},
    {"HREF",
     [](ButtonTag& t, TParser& p) {
         t.button.href = ReadQuotedValue(p);
     }},
    {"COLOR",
     [](ButtonTag& t, TParser& p) {
         t.button.color = t.self.readColor(p);
     }},
    {"FLASH",
     [](ButtonTag& t, TParser& p) {
         t.button.flashColor = t.self.readColor(p);
     }},
    {"3D",
     [](ButtonTag& t, TParser&) {
         t.button.threeD = true;
     }},
};

void PageParser::tagButton(TParser& parser) {
    parser.setStrict(false);
    ButtonTag tag(*this);
    ReadAttributes(parser, ButtonTag::attributes, tag);
    if (tag.placed)
        page_.buttons.push_back(std::move(tag.button));
}

} // namespace qor
