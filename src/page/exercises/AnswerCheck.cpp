#include "page/exercises/AnswerCheck.h"

#include "page/exercises/CommonCharacters.h"

#include <algorithm>

namespace qor {

ClosestSolution FindClosestSolution(std::string_view answer,
                                    const std::vector<std::string>& solutions) {
    ClosestSolution closest;
    const auto answerLength = static_cast<long>(answer.size());
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        const auto solutionLength = static_cast<long>(solutions[i].size());
        std::string common = CommonCharacters(answer, solutions[i]);
        const bool close = answerLength > solutionLength - 4 && answerLength < solutionLength + 6 &&
                           2 * answerLength <= 3 * static_cast<long>(common.size());
        if (close && (closest.index < 0 || common.size() > closest.common.size())) {
            closest.index = static_cast<int>(i);
            closest.common = std::move(common);
        }
    }
    return closest;
}

std::string MarkCommonCharacters(std::string_view answer, std::string_view common) {
    std::string farbe(answer.size(), '1');
    std::size_t from = 0;
    for (const char c : common) {
        const std::size_t found = answer.find(c, from);
        if (found == std::string_view::npos)
            continue;
        farbe[found] = '0';
        from = found + 1;
    }
    return farbe;
}

int FirstDifference(std::string_view answer, std::string_view solution) {
    const auto [differs, unused] =
        std::mismatch(answer.begin(), answer.end(), solution.begin(), solution.end());
    return static_cast<int>(differs - answer.begin()) + 1;
}

AnswerJudgement JudgeAnswer(std::string_view answer, const std::vector<std::string>& solutions,
                            int attemptsBefore) {
    AnswerJudgement judgement;
    judgement.attempts = std::min(attemptsBefore + 1, MaxAttempts);
    // Giving no answer at all gives up.
    if (answer.empty())
        judgement.attempts = MaxAttempts;

    if (std::find(solutions.begin(), solutions.end(), answer) != solutions.end()) {
        judgement.outcome = AnswerOutcome::Right;
        return judgement;
    }
    if (judgement.attempts < MaxAttempts) {
        const ClosestSolution closest = FindClosestSolution(answer, solutions);
        if (closest.index >= 0) {
            judgement.outcome = AnswerOutcome::Almost;
            judgement.farbe = MarkCommonCharacters(answer, closest.common);
            judgement.caret =
                FirstDifference(answer, solutions[static_cast<std::size_t>(closest.index)]);
            return judgement;
        }
    }
    judgement.outcome =
        judgement.attempts >= MaxAttempts ? AnswerOutcome::FinallyWrong : AnswerOutcome::TryAgain;
    return judgement;
}

} // namespace qor
