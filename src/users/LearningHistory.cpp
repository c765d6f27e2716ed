#include "users/LearningHistory.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qor {

namespace {

constexpr std::string_view LogCounters[] = {"Eintippen:\t", "Mult. Ch.:\t", "Las Vegas:\t"};

// The whole number that follows label in line, or nothing.
std::optional<int> numberAfter(std::string_view line, std::string_view label) {
    const std::size_t at = line.find(label);
    if (at == std::string_view::npos)
        return std::nullopt;
    line.remove_prefix(at + label.size());
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end == line.data() || value < 0)
        return std::nullopt;
    return value;
}

// Calls each(line) for every line of text, without its line end.
template <typename Each> void forEachLine(std::string_view text, Each each) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        each(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

// The share line stays this far inside the picture, so that its points
// are seen whole at 0 % and 100 %.
constexpr int ShareInset = 3;

} // namespace

void LearningHistory::AddLog(std::string_view logText) {
    forEachLine(logText, [this](std::string_view line) {
        const auto day = ParseShortDate(line.substr(0, 10));
        if (!day)
            return;
        int answers = 0;
        for (std::string_view label : LogCounters) {
            const auto count = numberAfter(line, label);
            if (!count)
                return;
            answers += *count;
        }
        days_[*day].answers += answers;
    });
}

void LearningHistory::AddRightAnswers(std::string_view historyText) {
    forEachLine(historyText, [this](std::string_view line) {
        const auto day = ParseShortDate(line.substr(0, 10));
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first == std::string_view::npos ? 0 : first + 1);
        if (!day || second == std::string_view::npos)
            return;
        const auto answers = numberAfter(line.substr(first, second - first), "\t");
        const auto right = numberAfter(line.substr(second), "\t");
        if (!answers || !right || *right > *answers)
            return;
        HistoryDay& entry = days_[*day];
        entry.judged += *answers;
        entry.right += *right;
    });
}

void LearningHistory::AddLogin(int day, int answers, int right) {
    HistoryDay& entry = days_[day];
    entry.answers += answers;
    entry.judged += answers;
    entry.right += right;
}

std::string HistoryLine(DateTime login, int answers, int right) {
    return ShortDateText(login) + "\t" + std::to_string(answers) + "\t" + std::to_string(right);
}

int MostAnswers(const LearningHistory& history, int today, int days) {
    int most = 0;
    const auto& all = history.Days();
    for (auto at = all.lower_bound(today - days + 1); at != all.end() && at->first <= today; ++at)
        most = std::max(most, at->second.answers);
    return most;
}

HistoryChart LayOutHistoryChart(const LearningHistory& history, int today, int width, int height,
                                int days) {
    HistoryChart chart;
    const int first = today - days + 1;
    chart.mostAnswers = MostAnswers(history, today, days);
    const int barRoom = height - 2 * ShareInset;
    const int shareRoom = height - 1 - 2 * ShareInset;
    for (int i = 0; i < days; ++i) {
        HistoryColumn column;
        column.left = i * width / days;
        column.right = (i + 1) * width / days;
        column.barTop = height;
        const auto found = history.Days().find(first + i);
        if (found != history.Days().end()) {
            const HistoryDay& day = found->second;
            if (chart.mostAnswers > 0)
                column.barTop = height - rounded(static_cast<double>(day.answers) * barRoom /
                                                 chart.mostAnswers);
            if (day.judged > 0)
                column.shareY = ShareInset + rounded(static_cast<double>(day.judged - day.right) *
                                                     shareRoom / day.judged);
        }
        chart.columns.push_back(column);
    }
    return chart;
}

void DrawHistoryChart(ChartCanvas& canvas, const HistoryChart& chart) {
    const int width = canvas.width();
    const int height = canvas.height();
    const Color paper = ColorValue::White;
    const Color grid = rgbColor(0xE6, 0xD8, 0xBC);
    const Color bar = rgbColor(0xE8, 0xB5, 0x3A);
    const Color share = rgbColor(0x2E, 0x6B, 0x3A);
    canvas.fillRect(0, 0, width, height, paper);
    const int full = ShareInset;
    const int half = ShareInset + (height - 1 - 2 * ShareInset) / 2;
    canvas.fillRect(0, full, width, full + 1, grid);
    canvas.fillRect(0, half, width, half + 1, grid);
    for (const HistoryColumn& column : chart.columns)
        if (column.barTop < height)
            canvas.fillRect(column.left + 1, column.barTop, column.right - 1, height, bar);
    const HistoryColumn* previous = nullptr;
    for (const HistoryColumn& column : chart.columns) {
        if (column.shareY < 0)
            continue;
        const int x = (column.left + column.right) / 2;
        if (previous)
            canvas.drawLine((previous->left + previous->right) / 2, previous->shareY, x,
                            column.shareY, share);
        canvas.fillRect(x - 2, column.shareY - 2, x + 3, column.shareY + 3, share);
        previous = &column;
    }
}

} // namespace qor
