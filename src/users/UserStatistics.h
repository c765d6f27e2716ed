#pragma once
// The figures of a user's records that the statistics page shows: the four
// score charts and the averages and shares, and how a chart is drawn.

#include "graphics/Color.h"
#include "users/PerformanceRecord.h"

#include <array>
#include <vector>

namespace qor {

constexpr int ChartBins = 21;

// Chart 0 absolute scores, 1 relative scores, 2 the absolute scores of
// records whose word is German, 3 of those whose word is Spanish.
enum Chart { AbsoluteChart, RelativeChart, GermanChart, SpanishChart, ChartCount };

struct UserStatistics {
    std::array<std::array<int, ChartBins>, ChartCount> charts{};
    int records = 0;
    int perfa = 0; // average absolute score
    int perfr = 0; // average relative score
    int perfd = 0; // average absolute score, German words
    int perff = 0; // average absolute score, Spanish words
    int nrd = 0;   // records of German words
    int nrf = 0;   // records of Spanish words
    int pe = 0;    // percentage of the kept answers that were typed
    int pm = 0;    // ... given by multiple choice
    int pv = 0;    // ... given in the bingo game
};

UserStatistics ComputeStatistics(const std::vector<PerformanceRecord>& records);

// Where a chart is drawn: filled rectangles on a picture.
class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Fills from left, top up to (not including) right, bottom.
    virtual void fillRect(int left, int top, int right, int bottom, Color color) = 0;
    // A line two pixels wide between the centres of two pixels.
    virtual void drawLine(int x1, int y1, int x2, int y2, Color color) = 0;
};

// The left half red, the right half dark grey, and a white bar per column
// whose height is the column's share of all records.
void DrawChart(ChartCanvas& canvas, const UserStatistics& statistics, int chart);

} // namespace qor
