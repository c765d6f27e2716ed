#pragma once
// What the user base remembers of one vocabulary item: its key, the last five
// answers (newest first) and the modes they were given in.

#include <string>
#include <string_view>

namespace qor {

struct PerformanceRecord {
    // "<" (the word is German) or ">" (it is Spanish), the word class as a
    // number, the word: "<1Haus".
    std::string Key;
    // One character per answer: 65 + the answer's value.
    std::string Verlauf;
    // One character per answer: 'e' typed, 'm' multiple choice, 'v' bingo.
    std::string Modi;
};

// How many answers a record keeps.
constexpr std::size_t KeptAnswers = 5;

std::string RecordKey(std::string_view word, bool german, int wordClass);

// The sum of the answers' values, clamped to -100 ... 100.
int Score(const PerformanceRecord& record);
// 20 per typed answer, 12 per multiple choice, 8 per bingo answer, 10 for
// anything else; 100 without answers.
int Weight(const PerformanceRecord& record);
// The score per 100 points of weight, rounded, clamped to -100 ... 100.
int RelativeScore(const PerformanceRecord& record);

// The chart column 0 ... 20 of a score -100 ... 100.
int ChartBin(int score);

// The character an answer of value is stored as. Values run from -64 to
// 190: a character 0 would end the string in the user file.
char AnswerCharacter(int value);

} // namespace qor
