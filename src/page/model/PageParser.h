#pragma once
// The parser behind PageModel::Parse: scans page text into items and runs
// the tag handlers. One parser lives for one call of Parse; the format it
// works on belongs to the model, so that included text continues it.
//
// The handlers are spread by topic: Parser.cpp (scanning and items),
// TagTable.cpp (which tag runs which handler), TagsSections.cpp (IF, ELSE,
// TITLE), TagsText.cpp (character and paragraph formatting, styles),
// TagsFont.cpp, TagsLinks.cpp (A, MAP, AREA, ONCLICK, BUTTON),
// TagsObjects.cpp (BOX, ELLIPSE, IMG, BODY), TagsExercises.cpp and
// TagsDefinitions.cpp (DEFINE, ALIAS, COLORS, INCLUDE).
//
// A tag whose attributes come in any order gathers them in a nested struct
// (BoxTag, ...) with a table of {keyword, handler} rows that ReadAttributes
// (Attributes.h) walks.

#include "page/model/ColorAttribute.h"
#include "page/model/PageModel.h"
#include "page/model/TagScanner.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class PageParser {
public:
    explicit PageParser(PageModel& model);

    // Scans text (without NUL bytes) into the model.
    void run(std::string_view text);

private:
    using Handler = void (PageParser::*)(TParser&);
    struct TagRule {
        std::string_view name;
        bool prefix; // the tag name only has to begin with it
        Handler handler;
    };

    // A stretch of text being scanned: the page text, or the value of a
    // substitution that is read before the page text goes on.
    struct Source {
        std::string text;
        std::size_t position = 0;
        bool atEnd() const { return position >= text.size(); }
        char at(std::size_t offset = 0) const {
            return position + offset < text.size() ? text[position + offset] : '\0';
        }
    };

    enum class Skip { None, Condition, Title };
    using LinkKind = PageModel::FormatState::Link;

    // Scanning (Parser.cpp)
    Source& source() { return substitution_ ? *substitution_ : text_; }
    void scanBlanks(Source& source);
    void scanPreformattedBlanks(Source& source);
    void scanWord(Source& source, std::string word);
    bool scanSubstitution(Source& source);
    void passOverSkippedText(Source& source);
    bool readTag(Source& source);
    void handleTag(std::string_view tagText);

    // Items (Parser.cpp)
    bool spaceMayStartHere() const;
    void flushPendingSpace();
    void addWord(const std::string& text);
    void addItem(ItemKind kind, std::string text, const TextFormat& format);
    // The format as items share it: words and the spaces between them
    // alternate between two formats at most.
    SharedFormat share(const TextFormat& format);
    void addBreak(ItemKind kind);

    // Shared value readers (Parser.cpp)
    Color readColor(TParser& parser);
    PageRect readCoordinates(TParser& parser);
    std::string definitionReference(std::string value) const;

    // Tag table (TagTable.cpp)
    static const TagRule* findRule(std::string_view name);

    // Conditional sections and the title (TagsSections.cpp)
    bool sectionShown(const std::string& condition);
    void tagEndIf(TParser&);
    void tagElse(TParser&);
    void tagEndTitle(TParser&);
    void tagTitle(TParser&);
    void tagIf(TParser&);

    // Character and paragraph formatting (TagsText.cpp)
    void tagIgnore(TParser&) {}
    void tagInverse(TParser&);
    void tagInverseEnd(TParser&);
    void tagClearBackground(TParser&);
    void tagBold(TParser&);
    void tagBoldEnd(TParser&);
    void tagItalic(TParser&);
    void tagItalicEnd(TParser&);
    void tagUnderline(TParser&);
    void tagUnderlineEnd(TParser&);
    void tagEmphasis(TParser&);
    void tagEmphasisEnd(TParser&);
    void tagTab(TParser&);
    void tagHeading(TParser&);
    void tagHeadingEnd(TParser&);
    void tagParagraph(TParser&);
    void tagLineBreak(TParser&);
    void tagTeletype(TParser&);
    void tagTeletypeEnd(TParser&);
    void tagRandomOffset(TParser&);
    void tagRandomOffsetEnd(TParser&);
    void tagPre(TParser&);
    void tagPreEnd(TParser&);
    void tagCenter(TParser&);
    void tagCenterEnd(TParser&);
    void tagBlock(TParser&);
    void tagRight(TParser&);
    void tagStyle(TParser&);

    // Fonts (TagsFont.cpp)
    struct FontTag;
    void tagFont(TParser&);
    void tagFontEnd(TParser&);

    // Links and image maps (TagsLinks.cpp)
    struct LinkTag;
    struct ButtonTag;
    void tagMap(TParser&);
    void tagArea(TParser&);
    void tagLink(TParser&);
    bool readLinkTarget(TParser& parser, std::string& areaName);
    void readGap(TParser& parser);
    void tagLinkEnd(TParser&);
    void tagOnClick(TParser&);
    void tagButton(TParser&);

    // Boxes, pictures and the page body (TagsObjects.cpp)
    struct BoxTag;
    struct EllipseTag;
    struct ImageTag;
    struct BodyTag;
    void tagBox(TParser&);
    void addBox(BoxTag& tag);
    void tagEllipse(TParser&);
    void addBlock(TBox box);
    void tagImage(TParser&);
    void addPicture(const std::string& source, PictureFields fields);
    void tagBody(TParser&);
    void readWait(TParser& parser);

    // Exercise objects and controls (TagsExercises.cpp)
    struct KlotzTag;
    struct MultipleTag;
    struct EditTag;
    struct CheckBoxTag;
    struct InputTag;
    struct RecorderTag;
    struct SentenceTag;
    void tagKlotz(TParser&);
    void tagMultiple(TParser&);
    void tagEdit(TParser&);
    void tagCheckBox(TParser&);
    void tagInput(TParser&);
    void tagRecorder(TParser&);
    void tagSentence(TParser&);

    // Definitions, aliases, colour names and included files (TagsDefinitions.cpp)
    void tagAlias(TParser&);
    void tagDefine(TParser&);
    void tagColors(TParser&);
    void tagInclude(TParser&);

    PageModel& model_;
    PageModel::FormatState& state_;
    TextFormat& format_;
    PageContent& page_;
    std::array<std::shared_ptr<const TextFormat>, 2> sharedFormats_;
    std::size_t olderSharedFormat_ = 0;
    Source text_;
    std::optional<Source> substitution_;
    std::string tagName_; // upper-cased, of the tag being handled
    Skip skip_ = Skip::None;
    std::string condition_; // of the last <IF>
    bool conditionShown_ = false;
};

} // namespace qor
