#include "users/LearningHistory.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// 9 December 2026, as the user base counts days.
constexpr int December9 = 46365;

// Two logins on 7 December, one on the 9th; the history file knows the
// outcome of the 7th only, and a line of each is damaged.
LearningHistory sampleHistory() {
    LearningHistory history;
    history.AddLog("07.12.2026 10:00:00 00:20:00 Eintippen:\t6\tMult. Ch.:\t4\tLas Vegas:\t0\t"
                   "Performance Insgesamt: abs: 6% rel: 0% 2 verschiedene Vokabeln\r\n"
                   "07.12.2026 18:00:00 00:05:00 Eintippen:\t0\tMult. Ch.:\t5\tLas Vegas:\t5\t"
                   "Performance Insgesamt: abs: 6% rel: 0% 2 verschiedene Vokabeln\r\n"
                   "31.02.2026 10:00:00 00:20:00 Eintippen:\t9\tMult. Ch.:\t9\tLas Vegas:\t9\r\n"
                   "09.12.2026 08:00:00 00:10:00 Eintippen:\t5\tMult. Ch.:\t0\tLas Vegas:\t0\t"
                   "Performance Insgesamt: abs: 6% rel: 0% 2 verschiedene Vokabeln");
    history.AddRightAnswers("07.12.2026\t10\t5\r\n07.12.2026\t10\t10\r\n09.12.2026\t5\t9\r\n"
                            "garbage\r\n");
    return history;
}

TEST(LearningHistoryTest, DaysSumTheLogAndTheRightAnswers) {
    LearningHistory history = sampleHistory();
    history.AddLogin(December9, 5, 5); // this login, not yet written
    const auto& days = history.Days();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days.at(December9 - 2).answers, 20);
    EXPECT_EQ(days.at(December9 - 2).judged, 20);
    EXPECT_EQ(days.at(December9 - 2).right, 15);
    EXPECT_EQ(days.at(December9).answers, 10);
    EXPECT_EQ(days.at(December9).judged, 5); // the file's line had more right than answers
    EXPECT_EQ(HistoryLine(December9 + 0.75, 12, 7), "09.12.2026\t12\t7");
}

// A 300 x 106 picture of ten days: 30 pixels a day, bars up to 100 pixels
// high, the share line from 3 (all right) to 102 (none right).
TEST(LearningHistoryTest, TheChartScalesBarsToTheBusiestDayAndPlacesTheShare) {
    LearningHistory history = sampleHistory();
    history.AddLogin(December9, 5, 5);
    const HistoryChart chart = LayOutHistoryChart(history, December9, 300, 106, 10);
    EXPECT_EQ(chart.mostAnswers, 20);
    ASSERT_EQ(chart.columns.size(), 10u);
    struct Column {
        int index, left, barTop, shareY;
    };
    const Column expected[] = {
        {0, 0, 106, -1},     // 30 November: nothing learnt
        {7, 210, 6, 3 + 25}, // 7 December: 20 answers, three quarters right
        {8, 240, 106, -1},   // 8 December
        {9, 270, 56, 3},     // today: 10 answers, all judged right
    };
    for (const Column& c : expected) {
        SCOPED_TRACE(c.index);
        const HistoryColumn& column = chart.columns[static_cast<std::size_t>(c.index)];
        EXPECT_EQ(column.left, c.left);
        EXPECT_EQ(column.right, c.left + 30);
        EXPECT_EQ(column.barTop, c.barTop);
        EXPECT_EQ(column.shareY, c.shareY);
    }
    // Days before the window do not scale the bars.
    EXPECT_EQ(MostAnswers(history, December9, 1), 10);
    EXPECT_EQ(MostAnswers(LearningHistory(), December9), 0);
}

} // namespace
} // namespace qor
