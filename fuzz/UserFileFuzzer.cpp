// Any bytes as a user file, or as the content of one: it must read without
// harm; what it yields must write and read back the same; and the statistics
// and charts of its records must stay in their ranges.

#include "FuzzCheck.h"
#include "platform/Zlib.h"
#include "users/UserFile.h"
#include "users/UserStatistics.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

bool sameRecords(const std::vector<PerformanceRecord>& a, const std::vector<PerformanceRecord>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Key != b[i].Key || a[i].Verlauf != b[i].Verlauf || a[i].Modi != b[i].Modi)
            return false;
    return true;
}

// Checks that every bar stays inside the picture.
class CheckedCanvas : public ChartCanvas {
public:
    int width() const override { return 210; }
    int height() const override { return 60; }
    void fillRect(int left, int top, int right, int bottom, Color) override {
        QOR_FUZZ_CHECK(0 <= left && left <= right && right <= width());
        QOR_FUZZ_CHECK(0 <= top && top <= bottom && bottom <= height());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks a packed file as it is or its content, packed here.
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto content = ReadUserFile(data[0] % 2 ? std::string(bytes) : deflateZlib(bytes));
    if (!content)
        return 0;
    if (!content->blank) {
        const auto again = ReadUserFile(WriteUserFile(*content));
        QOR_FUZZ_CHECK(again && again->identity == content->identity);
        QOR_FUZZ_CHECK(sameRecords(again->records, content->records));
    }
    const UserStatistics statistics = ComputeStatistics(content->records);
    QOR_FUZZ_CHECK(statistics.nrd + statistics.nrf == statistics.records);
    QOR_FUZZ_CHECK(-100 <= statistics.perfa && statistics.perfa <= 100);
    QOR_FUZZ_CHECK(0 <= statistics.pe && statistics.pe <= 100);
    CheckedCanvas canvas;
    for (int chart = 0; chart < ChartCount; ++chart)
        DrawChart(canvas, statistics, chart);
    return 0;
}
