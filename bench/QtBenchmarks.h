#pragma once
// What the benchmark programs that run with Qt share: the display platform
// and Google Benchmark's start, and a console reporter that keeps the time
// of every run for a program's own summary.
//
//   int main(int argc, char** argv) {
//       qor::bench::useOffscreenUnlessChosen();
//       QApplication application(argc, argv);
//       if (!qor::bench::initializeBenchmarks(argc, argv))
//           return 1;
//       ...

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

namespace qor::bench {

// Offscreen unless QT_QPA_PLATFORM chooses; before QApplication is made.
inline void useOffscreenUnlessChosen() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Reads Google Benchmark's flags; false (it said why) for one it does not know.
inline bool initializeBenchmarks(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    return !benchmark::ReportUnrecognizedArguments(argc, argv);
}

// Prints as usual and keeps the real time of every run that did not fail,
// by the name it was registered under.
class TimeKeepingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> milliseconds;
};

} // namespace qor::bench
