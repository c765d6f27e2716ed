// Judging typed answers: right, almost right with its marks and caret,
// wrong, and finally wrong; and the help mask.

#include "page/exercises/AnswerCheck.h"

#include "page/exercises/HelpMask.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

const std::vector<std::string> CasaSolutions{"la casa", "casa"};

TEST(JudgeAnswerTest, ASolutionTypedExactlyIsRightAtOnce) {
    const AnswerJudgement judgement = JudgeAnswer("casa", CasaSolutions, 0);
    EXPECT_EQ(judgement.outcome, AnswerOutcome::Right);
    EXPECT_EQ(judgement.attempts, 1);
}

TEST(JudgeAnswerTest, OneWrongLetterIsAlmostRightWithThatLetterMarked) {
    const AnswerJudgement judgement = JudgeAnswer("la cosa", CasaSolutions, 0);
    EXPECT_EQ(judgement.outcome, AnswerOutcome::Almost);
    EXPECT_EQ(judgement.farbe, "0000100");
    EXPECT_EQ(judgement.caret, 5); // on the "o"
    EXPECT_EQ(judgement.attempts, 1);
}

TEST(JudgeAnswerTest, TheAttemptsCountUpToTheFinalFailure) {
    int attempts = 0;
    for (int attempt = 1; attempt <= 4; ++attempt) {
        const AnswerJudgement judgement = JudgeAnswer("perro", CasaSolutions, attempts);
        EXPECT_EQ(judgement.outcome, AnswerOutcome::TryAgain) << attempt;
        attempts = judgement.attempts;
        EXPECT_EQ(attempts, attempt);
    }
    const AnswerJudgement last = JudgeAnswer("perro", CasaSolutions, attempts);
    EXPECT_EQ(last.outcome, AnswerOutcome::FinallyWrong);
    EXPECT_EQ(last.attempts, 5);
}

TEST(JudgeAnswerTest, TheFifthAttemptIsRightOrFinal) {
    EXPECT_EQ(JudgeAnswer("la casa", CasaSolutions, 4).outcome, AnswerOutcome::Right);
    EXPECT_EQ(JudgeAnswer("la casa", CasaSolutions, 4).attempts, 5);
    // Almost right counts no more on the last attempt.
    EXPECT_EQ(JudgeAnswer("la cosa", CasaSolutions, 4).outcome, AnswerOutcome::FinallyWrong);
}

TEST(JudgeAnswerTest, AnEmptyAnswerFailsAtOnce) {
    const AnswerJudgement judgement = JudgeAnswer("", CasaSolutions, 0);
    EXPECT_EQ(judgement.outcome, AnswerOutcome::FinallyWrong);
    EXPECT_EQ(judgement.attempts, 5);
}

TEST(JudgeAnswerTest, CaseCountsAndTheFirstOfEquallyCloseSolutionsIsTaken) {
    // "Casa" shares "asa" with both solutions; the caret follows "la casa".
    const AnswerJudgement judgement = JudgeAnswer("Casa", CasaSolutions, 0);
    EXPECT_EQ(judgement.outcome, AnswerOutcome::Almost);
    EXPECT_EQ(judgement.farbe, "1000");
    EXPECT_EQ(judgement.caret, 1);
}

TEST(JudgeAnswerTest, NoSolutionsLeaveOnlyTryingAgain) {
    EXPECT_EQ(JudgeAnswer("casa", {}, 0).outcome, AnswerOutcome::TryAgain);
    EXPECT_EQ(JudgeAnswer("casa", {}, 4).outcome, AnswerOutcome::FinallyWrong);
}

TEST(ClosestSolutionTest, LengthAndSharedPartDecide) {
    struct Case {
        const char* answer;
        std::vector<std::string> solutions;
        int index;
    };
    for (const Case& c : {
             // "la csa" with the second; "asa" (3 of 7) is not enough for the first.
             Case{"la cosa", {"casa", "la casa"}, 1},
             // Two thirds of the answer must be shared: "casa" is 4 of 6, not of 7.
             Case{"casa b", {"casa"}, 0},
             Case{"casa bl", {"casa"}, -1},
             // Shorter than the solution plus six, however much agrees.
             Case{"abcdefghijklxxxxx", {"abcdefghijkl"}, 0},
             Case{"abcdefghijklxxxxxx", {"abcdefghijkl"}, -1},
             // Longer than the solution less four.
             Case{"la c", {"la casa"}, 0},
             Case{"la ", {"la casa"}, -1},
             Case{"a", {"casa"}, 0}, // shares its one letter
             // Equally close ("habl"): the first solution.
             Case{"hablo", {"hablas", "hablar"}, 0},
             Case{"", {"casa"}, -1},
         })
        EXPECT_EQ(FindClosestSolution(c.answer, c.solutions).index, c.index) << c.answer;
}

TEST(MarkCommonCharactersTest, MarksEachCommonCharacterOnceFromLeftToRight) {
    EXPECT_EQ(MarkCommonCharacters("la cosa", "la csa"), "0000100");
    EXPECT_EQ(MarkCommonCharacters("casx", "casa"), "0001");
    EXPECT_EQ(MarkCommonCharacters("aab", "ab"), "010"); // the second "a" is not needed
    EXPECT_EQ(MarkCommonCharacters("abc", ""), "111");
    EXPECT_EQ(MarkCommonCharacters("", "abc"), "");
}

TEST(FirstDifferenceTest, IsOneAfterTheEqualBeginning) {
    EXPECT_EQ(FirstDifference("la cosa", "la casa"), 5);
    EXPECT_EQ(FirstDifference("xasa", "casa"), 1);
    EXPECT_EQ(FirstDifference("la cas", "la casa"), 7);
    EXPECT_EQ(FirstDifference("casas", "casa"), 5);
    EXPECT_EQ(FirstDifference("", "casa"), 1);
}

RandomSource always(int value) {
    return [value](int) {
        return value;
    };
}

TEST(HelpMaskTest, HidesLettersButKeepsTheShapeOfTheAnswer) {
    struct Case {
        const char* solution;
        const char* hidden; // random never 3
        const char* lucky;  // random always 3
    };
    for (const Case& c : {
             Case{"", "", ""},
             Case{"a", "_", "_"},
             Case{"ab", "__", "__"},
             Case{"abc", "a__", "a__"}, // three characters: the last one too
             Case{"casa", "c__a", "c__a"},
             // From the fifth character on a letter may stay visible.
             Case{"la casa", "l_ ___a", "l_ _asa"},
             Case{"no, se.", "n_, __.", "n_, se."},
             Case{"it's-ok?", "i_'_-__?", "i_'_-ok?"},
         }) {
        EXPECT_EQ(HelpMask(c.solution, always(0)), c.hidden) << c.solution;
        EXPECT_EQ(HelpMask(c.solution, always(3)), c.lucky) << c.solution;
    }
}

TEST(HelpMaskTest, AsksForLuckOnlyFromTheFifthLetterOn) {
    int asked = 0;
    const RandomSource counting = [&asked](int range) {
        EXPECT_EQ(range, 5);
        ++asked;
        return 0;
    };
    HelpMask("casa", counting);
    EXPECT_EQ(asked, 0);
    // Positions 5 and 6 of "la casa"; the blank and the kept last letter ask nothing.
    HelpMask("la casa", counting);
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace qor
