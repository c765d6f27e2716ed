// Conditional sections (IF, ELSE, /IF) and the page title. Sections do not
// nest: the first /IF ends whatever is open.

#include "page/model/PageParser.h"

namespace qor {

namespace {

constexpr std::string_view ExerciseCondition = "#ex";

bool isAliasCondition(std::string_view condition) {
    return !condition.empty() && condition.front() == '#' && condition != ExerciseCondition;
}

bool isPlainCondition(std::string_view condition) {
    return condition.front() != '$' && condition.front() != '?' && condition.front() != '#';
}

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
    conditionShown_ = sectionShown(condition_);
    skip_ = conditionShown_ ? Skip::None : Skip::Condition;
}

// ELSE asks alias and plain conditions again, and so does an ELSE with no
// IF before it: the empty condition is never set, so it ends a hidden
// section or a title. For "$", "?" and "#ex" conditions it takes the
// opposite of the IF's answer: asking again would show both branches (and
// call the host a second time).
void PageParser::tagElse(TParser&) {
    bool shown;
    if (isAliasCondition(condition_)) {
        const std::string* alias = page_.aliases.find(condition_);
        shown = !alias || alias->empty();
    } else if (condition_.empty() || isPlainCondition(condition_)) {
        shown = !model_.HasCondition(condition_);
    } else {
        shown = !conditionShown_;
    }
    skip_ = shown ? Skip::None : Skip::Condition;
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
