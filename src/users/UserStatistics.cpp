#include "users/UserStatistics.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

int percentage(int part, int whole) {
    return whole == 0 ? 0 : static_cast<int>(std::lround(part * 100.0 / whole));
}

int average(long sum, int count) {
    return count == 0 ? 0 : static_cast<int>(sum / count);
}

} // namespace

UserStatistics ComputeStatistics(const std::vector<PerformanceRecord>& records) {
    UserStatistics result;
    result.records = static_cast<int>(records.size());
    if (records.empty())
        return result;

    long scoreSum = 0;
    long relativeSum = 0;
    long germanSum = 0;
    long spanishSum = 0;
    int typed = 0;
    int chosen = 0;
    int bingo = 0;
    int modes = 0;
    for (const PerformanceRecord& record : records) {
        const int score = Score(record);
        const int relative = RelativeScore(record);
        ++result.charts[AbsoluteChart][ChartBin(score)];
        ++result.charts[RelativeChart][ChartBin(relative)];
        typed += static_cast<int>(std::ranges::count(record.Modi, 'e'));
        chosen += static_cast<int>(std::ranges::count(record.Modi, 'm'));
        bingo += static_cast<int>(std::ranges::count(record.Modi, 'v'));
        modes += static_cast<int>(record.Modi.size());
        if (record.Key.starts_with('<')) {
            ++result.charts[GermanChart][ChartBin(score)];
            ++result.nrd;
            germanSum += score;
        } else {
            ++result.charts[SpanishChart][ChartBin(score)];
            ++result.nrf;
            spanishSum += score;
        }
        scoreSum += score;
        relativeSum += relative;
    }
    result.perfa = average(scoreSum, result.records);
    result.perfr = average(relativeSum, result.records);
    result.perfd = average(germanSum, result.nrd);
    result.perff = average(spanishSum, result.nrf);
    result.pe = percentage(typed, modes);
    result.pm = percentage(chosen, modes);
    result.pv = percentage(bingo, modes);
    return result;
}

void DrawChart(ChartCanvas& canvas, const UserStatistics& statistics, int chart) {
    const int width = canvas.width();
    const int height = canvas.height();
    canvas.fillRect(0, 0, width / 2, height, rgbColor(0xFF, 0, 0));
    canvas.fillRect(width / 2, 0, width, height, rgbColor(0x33, 0x33, 0x33));
    if (chart < 0 || chart >= ChartCount || statistics.records == 0)
        return;
    for (int bin = 0; bin < ChartBins; ++bin) {
        const int count =
            statistics.charts[static_cast<std::size_t>(chart)][static_cast<std::size_t>(bin)];
        const int bar =
            static_cast<int>(std::lround(static_cast<double>(count) * height / statistics.records));
        if (bar > 0)
            canvas.fillRect(bin * width / ChartBins, height - bar, (bin + 1) * width / ChartBins,
                            height, ColorValue::White);
    }
}

} // namespace qor
