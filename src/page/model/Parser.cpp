// Scanning page text: words, blanks, substitutions and tags, and the items
// they become.

#include "page/model/Attributes.h"
#include "page/model/Entities.h"
#include "page/model/PageParser.h"
#include "platform/Text.h"

namespace qor {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

PageParser::PageParser(PageModel& model)
    : model_(model), state_(model.state_), format_(model.state_.format), page_(model.page_) {}

void PageParser::run(std::string_view text) {
    text_.text = text;
    for (;;) {
        Source& current = source();
        if (current.atEnd()) {
            if (!substitution_)
                return;
            substitution_.reset();
            continue;
        }
        if (skip_ != Skip::None) {
            passOverSkippedText(current);
            if (!current.atEnd())
                readTag(current);
            continue;
        }
        const char c = current.at();
        if (c == '<') {
            if (current.at(1) == '<') {
                current.position += 2;
                scanWord(current, "<");
            } else {
                readTag(current);
            }
        } else if (c == '$' && current.at(1) == '[' && !substitution_ &&
                   scanSubstitution(current)) {
            continue;
        } else if (isBlank(c)) {
            if (format_.fixedPitch)
                scanPreformattedBlanks(current);
            else
                scanBlanks(current);
        } else {
            scanWord(current, {});
        }
    }
}

// "$[name]": the definition, else the host's special code, else
// "[undefined]". The value is read before the text after "]" goes on. It is
// not searched for substitutions again, so that a value naming itself
// cannot run forever; and "$[" with no "]" after it is plain text.
bool PageParser::scanSubstitution(Source& current) {
    const std::size_t close = current.text.find(']', current.position + 2);
    if (close == std::string::npos)
        return false;
    const std::string name =
        current.text.substr(current.position + 2, close - current.position - 2);
    current.position = close + 1;

    std::string value;
    if (const std::string* defined = model_.definitions().find(name)) {
        value = *defined;
    } else if (model_.OnSpecialCode) {
        value = name;
        model_.OnSpecialCode(value);
    } else {
        value = "[undefined]";
    }
    value.resize(std::min(value.size(), value.find('\0')));
    if (!value.empty())
        substitution_ = Source{std::move(value), 0};
    return true;
}

void PageParser::scanBlanks(Source& current) {
    if (!state_.spacePending && spaceMayStartHere()) {
        state_.spacePending = true;
        state_.spaceFormat = format_;
        state_.spaceText = " ";
    }
    while (!current.atEnd() && isBlank(current.at()))
        ++current.position;
}

// Inside <PRE> the text keeps its lines and its blanks: every line end is
// a line break (except one right after <PRE>), and a run of blanks is a
// space of that many blanks, a tab counting as four.
void PageParser::scanPreformattedBlanks(Source& current) {
    while (!current.atEnd() && isBlank(current.at())) {
        const char c = current.at();
        ++current.position;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && current.at() == '\n')
                ++current.position;
            if (state_.preLineStart)
                state_.preLineStart = false;
            else
                addBreak(ItemKind::LineBreak);
            continue;
        }
        state_.preLineStart = false;
        if (!state_.spacePending) {
            state_.spacePending = true;
            state_.spaceFormat = format_;
            state_.spaceText.clear();
        }
        state_.spaceText += c == '\t' ? "    " : " ";
    }
}

void PageParser::scanWord(Source& current, std::string word) {
    const std::size_t start = current.position;
    while (!current.atEnd() && !isBlank(current.at()) && current.at() != '<')
        ++current.position;
    word.append(current.text, start, current.position - start);
    addWord(word);
}

// Hidden text runs to the next "<". A hidden section or title that never
// ends hides (or titles) everything up to the end of the text.
void PageParser::passOverSkippedText(Source& current) {
    std::size_t next = current.text.find('<', current.position);
    if (next == std::string::npos)
        next = current.text.size();
    if (skip_ == Skip::Title)
        page_.title.append(current.text, current.position, next - current.position);
    current.position = next;
}

// A tag runs to the next ">"; without one the rest of the text is no tag
// and ends the scan.
bool PageParser::readTag(Source& current) {
    const std::size_t close = current.text.find('>', current.position + 1);
    if (close == std::string::npos) {
        current.position = current.text.size();
        return false;
    }
    const std::string tag = current.text.substr(current.position + 1, close - current.position - 1);
    current.position = close + 1;
    handleTag(tag);
    return true;
}

void PageParser::handleTag(std::string_view tagText) {
    ++format_.serial;
    if (!tagText.empty() && tagText.front() == '!')
        return; // a comment

    TParser parser(tagText);
    parser.setStrict(false);
    std::string name;
    if (!parser.ReadUntil(" ", name))
        name = parser.Rest();
    parser.Failed();
    parser.setStrict(true);
    tagName_ = upperCase(name);

    if (skip_ != Skip::None && tagName_ != "/IF" && tagName_ != "ELSE" && tagName_ != "/TITLE")
        return;
    if (const TagRule* rule = findRule(tagName_)) {
        try {
            (this->*rule->handler)(parser);
        } catch (const EParseError& error) {
            // A damaged tag is abandoned; the page goes on.
            if (model_.OnTagError)
                model_.OnTagError(tagName_, error.what());
        }
    }
    if (skip_ == Skip::None) {
        page_.colors.background = page_.body.background;
        page_.colors.text = page_.body.text;
        page_.colors.link = page_.body.link;
    }
}

// No space at the start of a line: before the first item, after a break or
// block object, or before a block-aligned tab.
bool PageParser::spaceMayStartHere() const {
    if (page_.items.empty())
        return false;
    switch (page_.items.back().kind) {
    case ItemKind::LineBreak:
    case ItemKind::ParagraphBreak:
    case ItemKind::Block:
        return false;
    default:
        break;
    }
    return !(state_.pendingTab > 0 && format_.alignment == TextAlign::Block);
}

// A space joins a link or hot spot only when the item before it belongs to
// the same one.
void PageParser::flushPendingSpace() {
    if (!state_.spacePending)
        return;
    state_.spacePending = false;
    auto& items = page_.items;
    if (!items.empty() && items.back().kind == ItemKind::Space)
        return;
    TextFormat format = state_.spaceFormat;
    if (!items.empty()) {
        const TextFormat& before = items.back().format;
        if (before.areaIndex != format.areaIndex)
            format.areaIndex = -1;
        if (before.hot != format.hot)
            format.hot = false;
    }
    items.push_back({DecodeFirstEntity(state_.spaceText), ItemKind::Space, 0, share(format)});
}

SharedFormat PageParser::share(const TextFormat& format) {
    for (const auto& shared : sharedFormats_)
        if (shared && *shared == format)
            return SharedFormat(shared);
    auto& replaced = sharedFormats_[olderSharedFormat_];
    olderSharedFormat_ = 1 - olderSharedFormat_;
    replaced = std::make_shared<const TextFormat>(format);
    return SharedFormat(replaced);
}

void PageParser::addWord(const std::string& text) {
    flushPendingSpace();
    page_.items.push_back(
        {DecodeFirstEntity(text), ItemKind::Word, state_.pendingTab, share(format_)});
    state_.pendingTab = 0;
    state_.preLineStart = false;
}

// Pictures and check boxes stand in the text like words: a blank before
// them is kept.
void PageParser::addItem(ItemKind kind, std::string text, const TextFormat& format) {
    flushPendingSpace();
    page_.items.push_back({std::move(text), kind, 0, share(format)});
    state_.preLineStart = false;
}

// Line ends and block objects start a new line, so a blank before them
// would only hang at the end of the old one.
void PageParser::addBreak(ItemKind kind) {
    state_.spacePending = false;
    page_.items.push_back({{}, kind, 0, share(format_)});
}

Color PageParser::readColor(TParser& parser) {
    return ParseColorValue(ReadPlainValue(parser), page_.colorNames, model_.randomSource());
}

PageRect PageParser::readCoordinates(TParser& parser) {
    return ParseCoordinates(ReadPlainValue(parser), model_.pageWidth(), model_.pageHeight());
}

std::string PageParser::definitionReference(std::string value) const {
    if (!value.empty() && value.front() == '$')
        return model_.GetDefine(std::string_view(value).substr(1));
    return value;
}

} // namespace qor
