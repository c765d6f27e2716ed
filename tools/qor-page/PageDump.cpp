#include "qor-page/PageDump.h"

#include "page/model/ExerciseFile.h"
#include "page/model/PageModel.h"
#include "page/model/PageStream.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <cstdio>
#include <set>
#include <sstream>

namespace qor::pagetool {

namespace {

// Program text in double quotes, as UTF-8, with control characters escaped.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 32 || byte == 127) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += cp1252ToUtf8(std::string_view(&c, 1));
        }
    }
    return out + "\"";
}

std::string color(Color value) {
    switch (value) {
    case ColorValue::None:
        return "none";
    case ColorValue::PageText:
        return "page-text";
    case ColorValue::PageLink:
        return "page-link";
    default:
        break;
    }
    char text[12];
    if (value < 0 || value > 0xFFFFFF) {
        if ((value & 0x7F000000) == ColorValue::PaletteIndexMarker)
            return "i" + std::to_string(value & 0xFFFFFF);
        std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
        return text;
    }
    std::snprintf(text, sizeof text, "#%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF,
                  (value >> 16) & 0xFF);
    return text;
}

std::string coordinate(int value) {
    return value == PageRect::NotGiven ? "-" : std::to_string(value);
}

std::string rect(const PageRect& r) {
    return coordinate(r.x) + "," + coordinate(r.y) + "," + coordinate(r.w) + "," + coordinate(r.h);
}

std::string list(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts)
        out += (out.empty() ? "" : " ") + quoted(text);
    return out;
}

const char* kindName(ItemKind kind) {
    switch (kind) {
    case ItemKind::Word:
        return "word";
    case ItemKind::Space:
        return "space";
    case ItemKind::LineBreak:
        return "br";
    case ItemKind::ParagraphBreak:
        return "p";
    case ItemKind::Block:
        return "block";
    case ItemKind::CheckBox:
        return "checkbox";
    case ItemKind::Picture:
        return "picture";
    }
    return "?";
}

const char* alignmentName(std::uint8_t alignment) {
    switch (alignment) {
    case TextAlign::Center:
        return "center";
    case TextAlign::Right:
        return "right";
    case TextAlign::Block:
        return "block";
    default:
        return "left";
    }
}

const char* pictureAlignmentName(std::uint8_t alignment) {
    switch (alignment) {
    case PictureAlign::Left:
        return "left";
    case PictureAlign::Center:
        return "center";
    case PictureAlign::Right:
        return "right";
    case PictureAlign::Top:
        return "top";
    case PictureAlign::Middle:
        return "middle";
    case PictureAlign::Bottom:
        return "bottom";
    case PictureAlign::Over:
        return "over";
    default:
        return "?";
    }
}

void styleBits(std::ostream& out, std::uint8_t bits) {
    if (bits & TextStyle::Bold)
        out << " bold";
    if (bits & TextStyle::Italic)
        out << " italic";
    if (bits & TextStyle::Underline)
        out << " underline";
}

// The character fields a style snapshots, where they differ from the start.
void characterFields(std::ostream& out, std::uint8_t bits, const std::string& face, int size,
                     Color text, Color link, Color background, bool transparent, Color flash,
                     bool hot) {
    const TextFormat initial;
    styleBits(out, bits);
    if (face != initial.face)
        out << " face=" << quoted(face);
    if (size != initial.size)
        out << " size=" << size;
    if (text != initial.textColor)
        out << " color=" << color(text);
    if (link != initial.linkColor)
        out << " link=" << color(link);
    if (!transparent)
        out << " background=" << color(background);
    if (flash != initial.flashColor)
        out << " flash-color=" << color(flash);
    if (hot)
        out << " hot";
}

void lineSpacing(std::ostream& out, int stored) {
    if (stored >= ExplicitLineSpacing)
        out << " linespace=" << stored - LineSpacingOffset << "!";
    else if (stored != TextFormat{}.lineSpacing)
        out << " linespace=" << stored;
}

// The format fields of an item that differ from the format a page starts with.
void formatFields(std::ostream& out, const TextFormat& f) {
    const TextFormat initial;
    if (f.boxIndex != initial.boxIndex)
        out << " box=" << f.boxIndex;
    if (f.checkBoxIndex != initial.checkBoxIndex)
        out << " checkbox=" << f.checkBoxIndex;
    if (f.leftMargin != initial.leftMargin)
        out << " margin=" << f.leftMargin;
    if (f.objectTop != initial.objectTop)
        out << " top=" << f.objectTop;
    if (f.columnWidth != initial.columnWidth)
        out << " column=" << f.columnWidth;
    if (f.checkBoxSize != initial.checkBoxSize || f.checkBoxGap != initial.checkBoxGap)
        out << " checkbox-size=" << f.checkBoxSize << "," << f.checkBoxGap;
    lineSpacing(out, f.lineSpacing);
    if (f.alignment != initial.alignment)
        out << " align=" << alignmentName(f.alignment);
    characterFields(out, f.styleBits, f.face, f.size, f.textColor, f.linkColor, f.backgroundColor,
                    f.transparent, f.flashColor, f.hot);
    if (f.areaIndex != initial.areaIndex)
        out << " area=" << f.areaIndex;
    if (f.flash)
        out << " flash";
    if (f.focus)
        out << " focus";
    if (f.tracking != initial.tracking)
        out << " tracking=" << f.tracking;
    if (f.exerciseIndex == DragExerciseIndex)
        out << " drag";
    else if (f.exerciseIndex != initial.exerciseIndex)
        out << " gap=" << f.exerciseIndex;
    if (f.fixedPitch)
        out << " fixed-pitch";
    if (f.randomOffset != initial.randomOffset)
        out << " random-offset";
}

void pictureFields(std::ostream& out, const PictureFields& p) {
    const PictureFields initial;
    out << " picture=" << p.index;
    if (p.radius != initial.radius)
        out << " radius=" << p.radius;
    if (p.alpha != initial.alpha)
        out << " alpha=" << p.alpha;
    if (p.mode != initial.mode)
        out << " mode=" << int{p.mode} << " effect-color=" << color(p.effectColor);
    if (p.hasFrameColor())
        out << " frame=" << color(p.frameColor());
    else if (p.hasHoverPicture())
        out << " hover-picture=" << p.second;
    if (p.scale != initial.scale)
        out << " scale=" << p.scale;
    if (p.baseline != initial.baseline)
        out << " base=" << p.baseline;
    if (p.alignment != initial.alignment)
        out << " picture-align=" << pictureAlignmentName(p.alignment);
    if (!p.alt.empty())
        out << " alt=" << quoted(p.alt);
    if (!p.map.empty())
        out << " usemap=" << quoted(p.map);
}

void items(std::ostream& out, const PageModel& model) {
    out << "items: " << model.items().size() << "\n";
    int index = 0;
    for (const tFormatted_text& item : model.items()) {
        out << "  " << index++ << " " << kindName(item.kind);
        if (item.kind != ItemKind::LineBreak && item.kind != ItemKind::ParagraphBreak &&
            item.kind != ItemKind::Block)
            out << " " << quoted(item.text);
        if (item.tab != 0)
            out << " tab=" << item.tab;
        formatFields(out, item.format);
        if (item.kind == ItemKind::Picture)
            pictureFields(out, item.format->picture);
        out << "\n";
    }
}

void boxes(std::ostream& out, const TBoxList& list) {
    if (list.empty())
        return;
    out << "boxes:\n";
    int index = 0;
    for (const TBox& box : list) {
        out << "  " << index++ << " at " << box.left << "," << box.top << " size " << box.width
            << "x" << box.height;
        if (box.autoHeight)
            out << " auto-height";
        if (box.filled)
            out << " fill=" << color(box.fillColor);
        if (box.hasBorder())
            out << " border=" << color(box.borderColor) << " border-width=" << box.borderWidth;
        const char* shapes[] = {"rectangle", "roundrect", "ellipse", "random"};
        if (box.shape >= 0 && box.shape <= 3 && box.shape != BoxShape::Rectangle)
            out << " shape=" << shapes[box.shape];
        if (box.radius != TBox{}.radius)
            out << " radius=" << box.radius;
        if (box.offset != 0)
            out << " offset=" << box.offset;
        if (box.alpha != 255)
            out << " alpha=" << box.alpha;
        if (box.mode != 0)
            out << " mode=" << box.mode;
        if (box.onTop)
            out << " top";
        if (box.areaIndex >= 0)
            out << " area=" << box.areaIndex;
        if (box.hasHoverImages())
            out << " oncolor=" << color(box.onColor) << "," << color(box.onColor2)
                << " offcolor=" << color(box.offColor) << "," << color(box.offColor2);
        out << "\n";
    }
}

void exerciseObjects(std::ostream& out, const PageContent& page) {
    if (!page.checkBoxes.empty()) {
        out << "check boxes:\n";
        for (const TCheckBox& box : page.checkBoxes)
            out << "  " << quoted(box.name) << (box.checked ? " checked" : "")
                << " flash-color=" << color(box.flashColor) << "\n";
    }
    if (!page.typingFields.empty()) {
        out << "typing fields:\n";
        int index = 0;
        for (const TypingFieldSpec& field : page.typingFields) {
            out << "  " << index++ << (field.gap ? " gap" : " edit at " + rect(field.rect))
                << " solutions " << list(field.solutions) << " help=" << quoted(field.help)
                << " tip=" << quoted(field.tip) << " reaction=" << quoted(field.reaction);
            if (field.color != ColorValue::None)
                out << " color=" << color(field.color);
            if (!field.border)
                out << " noborder";
            out << "\n";
        }
    }
    for (const SentenceExerciseSpec& sentence : page.sentences)
        out << "sentence at " << rect(sentence.rect) << " parts " << list(sentence.parts) << "\n";
    const DragExerciseSettings drag;
    if (!page.drag.distractors.empty() || page.drag.trayTop != drag.trayTop ||
        page.drag.columns != drag.columns || page.drag.trayLeft != drag.trayLeft) {
        out << "drag tray: top=" << page.drag.trayTop << " columns=" << page.drag.columns
            << " block-width=" << page.drag.blockWidth << " left=" << page.drag.trayLeft
            << " right=" << page.drag.trayRight << " distractors " << list(page.drag.distractors)
            << "\n";
    }
    if (const auto& choice = page.multipleChoice) {
        out << "multiple choice at " << rect(choice->rect) << " " << choice->rows << "x"
            << choice->columns << " items " << list(choice->items)
            << " right=" << choice->rightIndex << " reaction=" << quoted(choice->reaction)
            << " colors " << color(choice->inactiveColor) << "," << color(choice->activeColor)
            << "\n";
    }
    if (const auto& edit = page.lineEdit)
        out << "line edit at " << rect(edit->rect) << " name=" << quoted(edit->name)
            << (edit->border ? "" : " noborder") << "\n";
    if (const auto& recorder = page.recorder)
        out << "recorder rec at " << rect(recorder->recordButton) << " play at "
            << rect(recorder->playButton) << " pictures=" << quoted(recorder->pictures)
            << " max=" << recorder->maxSeconds << "\n";
    if (const auto& mosaic = page.mosaic) {
        out << "mosaic in box " << mosaic->boxIndex << " speed=" << mosaic->speed << " files "
            << list(mosaic->files);
        if (mosaic->zone2.x != PageRect::NotGiven)
            out << " zone2 " << rect(mosaic->zone2);
        out << "\n";
    }
}

void links(std::ostream& out, const PageContent& page) {
    if (!page.areaNames.empty()) {
        out << "areas:\n";
        int index = 0;
        for (const std::string& name : page.areaNames)
            out << "  " << index++ << " " << quoted(name) << "\n";
    }
    for (const ImageMap& map : page.imageMaps) {
        out << "image map " << quoted(map.name) << "\n";
        for (const ImageMapArea& area : map.areas)
            out << "  " << rect(area.rect) << " " << quoted(area.href) << "\n";
    }
    for (const ButtonSpec& button : page.buttons)
        out << "button at " << rect(button.rect) << " caption=" << quoted(button.caption)
            << " href=" << quoted(button.href) << (button.threeD ? " 3d" : "") << "\n";
    if (!page.enterTarget.empty())
        out << "enter target: " << quoted(page.enterTarget) << "\n";
    if (!page.clickTarget.empty())
        out << "click target: " << quoted(page.clickTarget) << "\n";
    if (!page.onShow.empty())
        out << "onshow: " << quoted(page.onShow) << "\n";
    if (page.wait)
        out << "wait: " << page.wait->milliseconds << " ms, then " << quoted(page.wait->target)
            << "\n";
}

void table(std::ostream& out, const char* title, const TXAliasList& entries) {
    if (entries.empty())
        return;
    out << title << ":\n";
    for (const TXAliasList::Entry& entry : entries.entries())
        out << "  " << quoted(entry.name) << " = " << quoted(entry.value) << "\n";
}

void pageSettings(std::ostream& out, const PageModel& model) {
    const PageContent& page = model.page();
    out << "title: " << quoted(model.title()) << "\n";
    out << "colors: background=" << color(page.colors.background)
        << " text=" << color(page.colors.text) << " link=" << color(page.colors.link)
        << " gap=" << color(page.colors.gap) << " klotz=" << color(page.colors.dragBlock)
        << " kbgr=" << color(page.colors.draggedBackground)
        << " mchan=" << color(page.colors.choiceActive)
        << " mchaus=" << color(page.colors.choiceInactive) << "\n";
    if (!page.backgroundPicture.empty())
        out << "background picture: " << quoted(page.backgroundPicture) << "\n";
    if (page.formTakesBackground)
        out << "form takes the background colour\n";
}

void pictures(std::ostream& out, const tPicture_list& list) {
    if (list.empty())
        return;
    out << "pictures:\n";
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TXPicture& picture = list[i];
        out << "  " << i << " " << quoted(picture.name);
        if (picture.origin == TXPicture::Origin::Resource)
            out << " resource";
        else if (picture.origin == TXPicture::Origin::Blank)
            out << " blank " << picture.width << "x" << picture.height;
        if (picture.keep)
            out << " keep";
        out << "\n";
    }
}

void styles(std::ostream& out, const TXStyleList& list) {
    if (list.styles().empty())
        return;
    out << "styles:\n";
    for (const TXStyle& style : list.styles()) {
        out << "  " << quoted(style.name);
        characterFields(out, style.styleBits, style.face, style.size, style.textColor,
                        style.linkColor, style.backgroundColor, style.transparent, style.flashColor,
                        style.hot);
        lineSpacing(out, style.lineSpacing);
        if (style.tracking != 0)
            out << " tracking=" << style.tracking;
        out << "\n";
    }
}

} // namespace

std::string dumpModel(const PageModel& model) {
    std::ostringstream out;
    pageSettings(out, model);
    items(out, model);
    links(out, model.page());
    boxes(out, model.page().boxes);
    exerciseObjects(out, model.page());
    pictures(out, model.pictures());
    table(out, "definitions", model.definitions());
    table(out, "aliases", model.aliases());
    table(out, "colour names", model.page().colorNames);
    styles(out, model.styles());
    if (!model.Bedingung().names().empty())
        out << "conditions: " << list(model.Bedingung().names()) << "\n";
    return out.str();
}

bool dumpPageFile(const std::string& path, const DumpOptions& options, std::string& out) {
    ScriptedMessages messages;
    PageModel model;
    model.setRandomSource([](int) { return 0; });
    model.setCurrentPage(extractFileDir(path), extractFileName(path));
    for (const std::string& condition : options.conditions)
        model.SetCondition(condition, true);
    for (const std::string& definition : options.definitions) {
        const std::size_t equals = definition.find('=');
        model.SetDefine(definition.substr(0, equals),
                        equals == std::string::npos ? "" : definition.substr(equals + 1));
    }
    // Without a host a code reads as undefined, as the program shows it
    // without a handler; the dump lists what was asked.
    std::set<std::string> asked;
    model.OnSpecialCode = [&asked](std::string& code) {
        asked.insert(code);
        code = "[undefined]";
    };

    const auto finish = [&](std::ostringstream& text) {
        if (!asked.empty())
            text << "special codes asked: "
                 << list(std::vector<std::string>(asked.begin(), asked.end())) << "\n";
        for (const ShownMessage& message : messages.shown())
            text << "message: " << quoted(message.text) << "\n";
        out += text.str();
    };

    std::ostringstream text;
    text << "page: " << quoted(path) << "\n";
    if (pageFileKind(path) != PageFileKind::Exercise) {
        THTMLStream stream;
        if (!ReadPage(path, stream)) {
            finish(text);
            return false;
        }
        model.Parse(stream.bytes(), false);
        text << dumpModel(model);
        finish(text);
        return true;
    }

    const std::optional<ExerciseFile> file = ExerciseFile::load(path);
    if (!file) {
        finish(text);
        return false;
    }
    text << "exercise file: count " << file->defaultCount() << ", " << file->exercises().size()
         << " exercises\n";
    for (std::size_t i = 0; i < file->exercises().size(); ++i) {
        text << "\n== exercise " << i + 1 << "\n";
        ParseExercise(model, *file, ExerciseChoice{i, "ex"});
        text << dumpModel(model);
    }
    finish(text);
    return true;
}

} // namespace qor::pagetool
