#pragma once
// Judging what was typed into a typing field when Enter is pressed: right,
// almost right (with the wrong characters marked and the caret on the first
// difference), wrong with attempts left, or finally wrong.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// A field is finally wrong after this many attempts.
constexpr int MaxAttempts = 5;

// The solution an answer comes closest to, or -1 when none is close: the
// answer must be longer than the solution less four and shorter than the
// solution plus six characters, and share at least two thirds of its length
// with it; the longest common part wins, the first solution on ties.
struct ClosestSolution {
    int index = -1;
    std::string common; // the characters shared with it
};
ClosestSolution FindClosestSolution(std::string_view answer,
                                    const std::vector<std::string>& solutions);

// One flag per answer character: "1" wrong, "0" for the characters of common,
// each looked for from left to right after the one found before.
std::string MarkCommonCharacters(std::string_view answer, std::string_view common);

// The 1-based position of the first character where answer and solution
// differ; one after the shorter text when one begins the other.
int FirstDifference(std::string_view answer, std::string_view solution);

enum class AnswerOutcome {
    Right,        // equals a solution exactly
    Almost,       // close to a solution: marked, the field stays open
    TryAgain,     // wrong: the answer is cleared, the field stays open
    FinallyWrong, // the last attempt, or an empty answer
};

struct AnswerJudgement {
    AnswerOutcome outcome = AnswerOutcome::TryAgain;
    int attempts = 0;  // including this one
    std::string farbe; // Almost: the marks of the answer's characters
    int caret = 1;     // Almost: where the caret goes
};

// Judges answer after attemptsBefore earlier attempts. Solutions compare
// case-sensitively.
AnswerJudgement JudgeAnswer(std::string_view answer, const std::vector<std::string>& solutions,
                            int attemptsBefore);

} // namespace qor
