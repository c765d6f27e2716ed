// Every page of the sample installation, shown by a page control of the main
// window's size with the exercise objects attached, as a link or a command
// shows it: from the call to a drawn buffer (reading, parsing, includes,
// layout, drawing, the exercise controls). One benchmark per page; the
// summary names the slowest. Target: at most 2 ms for every page.

#include "QtBenchmarks.h"
#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace qor;

const std::string PageRoot = std::string(QOR_SAMPLE_ROOT) + "/hqor/";

// A page below the page folder: its file name as the file system has it
// (for the report) and as the program names it (Windows-1252).
struct BundledPage {
    std::string shownName;
    std::string programName;
};

std::vector<BundledPage> bundledPages() {
    std::vector<BundledPage> pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(PageRoot)) {
        if (entry.path().extension() != ".htx")
            continue;
        const std::string relative =
            std::filesystem::relative(entry.path(), PageRoot).generic_string();
        if (const auto name = fromNativePath(relative))
            pages.push_back({relative, *name});
    }
    std::sort(pages.begin(), pages.end(),
              [](const auto& a, const auto& b) { return a.shownName < b.shownName; });
    return pages;
}

// What the shell sets before its pages are shown: a user is logged in.
void prepare(TXPage& page) {
    page.resize(800, 572);
    page.setAutoJump(false);
    page.SetDefine("user", "Ana");
    page.SetDefine("program", "*qor spanisch");
    page.SetCondition("login", true);
}

void showPage(benchmark::State& state, const std::string& name) {
    ScriptedMessages messages;
    TXPage page;
    prepare(page);
    PageExercises exercises(page);
    const std::string path = PageRoot + name;
    // The first showing makes the fonts and word pictures that every later
    // page finds ready.
    page.setXFile(path);
    for (auto _ : state) {
        if (!page.setXFile(path))
            state.SkipWithError("the page could not be shown");
        benchmark::DoNotOptimize(page.buffer().constBits());
    }
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenUnlessChosen();
    QApplication application(argc, argv);
    if (!bench::initializeBenchmarks(argc, argv))
        return 1;
    const std::vector<BundledPage> pages = bundledPages();
    if (pages.empty()) {
        std::fprintf(stderr, "No pages in %s.\n", PageRoot.c_str());
        return 1;
    }
    for (const BundledPage& page : pages) {
        benchmark::RegisterBenchmark(
            ("PageChange/" + page.shownName).c_str(),
            [name = page.programName](benchmark::State& state) { showPage(state, name); })
            ->Unit(benchmark::kMillisecond);
    }
    bench::TimeKeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto slowest =
        std::max_element(reporter.milliseconds.begin(), reporter.milliseconds.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (slowest != reporter.milliseconds.end())
        std::printf("\nslowest of %zu pages: %s, %.3f ms\n", reporter.milliseconds.size(),
                    slowest->first.c_str(), slowest->second);
    benchmark::Shutdown();
    return 0;
}
