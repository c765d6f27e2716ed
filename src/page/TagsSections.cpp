// Conditional sections (IF, ELSE, /IF) and the page title. Sections do not
// nest: the first /IF ends whatever is open.

#include "page/PageParser.h"

namespace qor {

namespace {

constexpr std::string_view ExerciseCondition = "#ex";

} // namespace

bool PageParser::sectionShown(const std::string& condition) {
    switch (condition.empty() ? '\0' : condition.front()) {
    case '$':
        return !model_.GetDefine(std::string_view(condition).substr(1)).empty();
    case '?': {
        if (!model_.OnSpecialCode)
            return false;
        std::string code = condition.substr(1);
        model_.OnSpecialCode(code);
        return code == "+";
    }
    case '#': {
        if (condition == ExerciseCondition)
            return model_.exerciseActive();
        const std::string* alias = page_.aliases.find(condition);
        return alias && !alias->empty();
    }
    default:
        return model_.HasCondition(condition);
    }
}

// The condition is the rest of the tag as written: "<IF abc >" asks for
// "abc ", which no page sets.
void PageParser::tagIf(TParser& parser) {
    condition_ = parser.Rest();
    skip_ = sectionShown(condition_) ? Skip::None : Skip::Condition;
}

// ELSE does not invert the IF's answer: it asks again, and only the alias
// table or the condition list. So a "$", "?" or "#ex" condition that was
// shown shows its ELSE branch as well, and an ELSE with no IF before it
// asks for the empty condition, which ends a hidden section or a title.
void PageParser::tagElse(TParser&) {
    bool hidden;
    if (!condition_.empty() && condition_.front() == '#') {
        const std::string* alias = page_.aliases.find(condition_);
        hidden = alias && !alias->empty();
    } else {
        hidden = model_.HasCondition(condition_);
    }
    skip_ = hidden ? Skip::Condition : Skip::None;
}

void PageParser::tagEndIf(TParser&) {
    skip_ = Skip::None;
    condition_.clear();
}

void PageParser::tagTitle(TParser&) {
    page_.title.clear();
    skip_ = Skip::Title;
}

// Ends the title only: inside a hidden section it must not reveal the rest.
void PageParser::tagEndTitle(TParser&) {
    if (skip_ == Skip::Title)
        skip_ = Skip::None;
}

} // namespace qor
