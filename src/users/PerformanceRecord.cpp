#include "users/PerformanceRecord.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

constexpr int ValueBase = 65;

int clampScore(long value) {
    return static_cast<int>(std::clamp(value, -100L, 100L));
}

} // namespace

std::string RecordKey(std::string_view word, bool german, int wordClass) {
    return (german ? "<" : ">") + std::to_string(wordClass) + std::string(word);
}

int Score(const PerformanceRecord& record) {
    long sum = 0;
    for (const char c : record.Verlauf)
        sum += static_cast<unsigned char>(c) - ValueBase;
    return clampScore(sum);
}

int Weight(const PerformanceRecord& record) {
    if (record.Modi.empty())
        return 100;
    int weight = 0;
    for (const char mode : record.Modi)
        weight += mode == 'e' ? 20 : mode == 'm' ? 12 : mode == 'v' ? 8 : 10;
    return weight;
}

int RelativeScore(const PerformanceRecord& record) {
    const double relative = Score(record) * 100.0 / Weight(record);
    return clampScore(std::lround(relative));
}

int ChartBin(int score) {
    return (score + 100) * 21 / 201;
}

char AnswerCharacter(int value) {
    return static_cast<char>(std::clamp(value, 1 - ValueBase, 255 - ValueBase) + ValueBase);
}

} // namespace qor
