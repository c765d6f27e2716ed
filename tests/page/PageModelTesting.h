#pragma once
// Helpers for the page-model tests: a compact picture of the item list and
// a random source that answers from a script.

#include "page/model/PageModel.h"
#include "support/PagePrinters.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor::test {

// The items as text: words as they are, "_" a space, "/" a line break,
// "//" a paragraph break, "[B]" a block object, "[C]" a check box, "[P]" a
// picture; joined by "|".
inline std::string describeItems(const PageModel& model) {
    std::string description;
    for (const tFormatted_text& item : model.items()) {
        if (!description.empty())
            description += '|';
        switch (item.kind) {
        case ItemKind::Word:
            description += item.text;
            break;
        case ItemKind::Space:
            description += '_';
            break;
        case ItemKind::LineBreak:
            description += '/';
            break;
        case ItemKind::ParagraphBreak:
            description += "//";
            break;
        case ItemKind::Block:
            description += "[B]";
            break;
        case ItemKind::CheckBox:
            description += "[C]";
            break;
        case ItemKind::Picture:
            description += "[P]";
            break;
        }
    }
    return description;
}

// Answers the given numbers in turn (forced into range), then zeros.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> answers) : answers_(std::move(answers)) {}
    int operator()(int range) {
        const int answer = next_ < answers_.size() ? answers_[next_++] : 0;
        return range > 0 ? answer % range : 0;
    }

private:
    std::vector<int> answers_;
    std::size_t next_ = 0;
};

// The first word item with this text, or nullptr.
inline const tFormatted_text* findWord(const PageModel& model, const std::string& text) {
    for (const tFormatted_text& item : model.items()) {
        if (item.kind == ItemKind::Word && item.text == text)
            return &item;
    }
    return nullptr;
}

// The first word item with this text. A missing word throws, which fails the
// test where it happens instead of crashing the test program.
inline const tFormatted_text& wordItem(const PageModel& model, const std::string& text) {
    if (const tFormatted_text* item = findWord(model, text))
        return *item;
    throw std::runtime_error("no word \"" + text + "\"");
}

} // namespace qor::test
