#include "dictionary/MeaningCheck.h"

#include "platform/Text.h"

namespace qor {

namespace {

bool hasCommaOutsideComments(std::string_view meaning) {
    bool inComment = false;
    for (const char c : meaning) {
        if (c == '[')
            inComment = true;
        else if (c == ']')
            inComment = false;
        else if (c == ',' && !inComment)
            return true;
    }
    return false;
}

bool hasBadSemicolon(std::string_view meaning) {
    for (std::size_t i = 0; i < meaning.size(); ++i) {
        if (meaning[i] != ';')
            continue;
        const bool blankBefore = i > 0 && meaning[i - 1] == ' ';
        const bool otherAfter = i + 1 < meaning.size() && meaning[i + 1] != ' ';
        if (blankBefore || otherAfter)
            return true;
    }
    return false;
}

} // namespace

MeaningProblem checkMeaning(std::string_view meaning) {
    if (hasCommaOutsideComments(meaning))
        return MeaningProblem::SuspiciousComma;
    if (hasBadSemicolon(meaning))
        return MeaningProblem::MissingBlankAfterSemicolon;
    return MeaningProblem::None;
}

std::string meaningProblemMessage(MeaningProblem problem) {
    switch (problem) {
    case MeaningProblem::SuspiciousComma:
        return "Verdächtiges Komma in der Bedeutung entdeckt!"_cp;
    case MeaningProblem::MissingBlankAfterSemicolon:
        return "Ein Leerzeichen fehlt nach einem Semikolon!"_cp;
    case MeaningProblem::None:
        break;
    }
    return {};
}

} // namespace qor
