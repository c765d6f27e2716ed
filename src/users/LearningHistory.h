#pragma once
// The learning history: how many answers a user gave on each day and how
// many of them were right. The answers come from the learning log; the
// right ones from the history file, which keeps one line per login
// ("09.12.2026", TAB, answers, TAB, right ones) because the log does not
// say. The statistics page draws the last weeks of it as a chart.

#include "users/LearningClock.h"
#include "users/UserStatistics.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct HistoryDay {
    int answers = 0; // from the learning log
    int judged = 0;  // answers whose outcome the history file knows
    int right = 0;   // of those
};

class LearningHistory {
public:
    // The lines of a learning log; lines it cannot read are passed over.
    void AddLog(std::string_view logText);
    // The lines of a history file.
    void AddRightAnswers(std::string_view historyText);
    // A login not yet written to either file.
    void AddLogin(int day, int answers, int right);

    // By day number (whole days of a date-time).
    const std::map<int, HistoryDay>& Days() const { return days_; }

private:
    std::map<int, HistoryDay> days_;
};

// The history file's line of one login (without its line end).
std::string HistoryLine(DateTime login, int answers, int right);

// The chart of the days up to today: per day a column whose bar is the
// day's answers against the busiest day shown, and the point of its share
// of right answers (top 100 %, bottom 0 %), where that is known.
constexpr int HistoryChartDays = 30;

struct HistoryColumn {
    int left = 0;
    int right = 0;   // exclusive
    int barTop = 0;  // the bottom when the day had no answers
    int shareY = -1; // -1: no share known
};

struct HistoryChart {
    int mostAnswers = 0;
    std::vector<HistoryColumn> columns; // oldest day first
};

// The most answers given on one of the days up to today.
int MostAnswers(const LearningHistory& history, int today, int days = HistoryChartDays);

HistoryChart LayOutHistoryChart(const LearningHistory& history, int today, int width, int height,
                                int days = HistoryChartDays);

// Paper, grid lines at 50 % and 100 %, the bars, and the share of right
// answers as a line through the days that have one.
void DrawHistoryChart(ChartCanvas& canvas, const HistoryChart& chart);

} // namespace qor
