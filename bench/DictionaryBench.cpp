// The dictionary as the user meets it: loading both directions at start-up,
// and one search in each direction (the dictionary window's search of
// headwords) and over both (the page command "suchen", whole words) for each
// of 1,000 real words; the search figures are reported as median and 95th
// percentile per search. The sample installation's s_d.qor and d_s.qor are
// used when they have been built, else a generated dictionary of 30,000
// entries per direction. Targets: loading under 60 ms, a search at most 5 ms.

#include "dictionary/XDatabase.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace qor;

struct DictionaryFiles {
    std::string spanishGerman;
    std::string germanSpanish;
};

// A word of letters from a number, so that generated words vary like real ones.
std::string wordFrom(unsigned number, const char* letters) {
    std::string word;
    do {
        word += letters[number % 20];
        number /= 20;
    } while (number > 0 || word.size() < 4);
    return word;
}

std::string generatedDirection(const std::string& path, const char* letters, const char* others) {
    TXDatabase db;
    for (unsigned i = 0; i < 30000; ++i) {
        const unsigned n = i * 7919u;
        db.AddEntry(wordFrom(n, letters), std::to_string(i % 6 + 1),
                    "[fam.] " + wordFrom(n + 1, others) + "; " + wordFrom(n + 2, others) + " " +
                        wordFrom(n + 3, others));
    }
    db.WriteDirection(0, path);
    return path;
}

const DictionaryFiles& files() {
    static const DictionaryFiles found = [] {
        const std::string root = std::string(QOR_SAMPLE_ROOT) + "/";
        if (fileExists(root + "s_d.qor") && fileExists(root + "d_s.qor")) {
            std::printf("Dictionary: the sample installation's s_d.qor and d_s.qor\n");
            return DictionaryFiles{root + "s_d.qor", root + "d_s.qor"};
        }
        std::printf("Dictionary: generated, 30,000 entries per direction\n");
        const std::string dir = std::filesystem::temp_directory_path().string() + "/";
        return DictionaryFiles{generatedDirection(dir + "qor-bench-s_d.qor", "aeioubcdfglmnprstvzh",
                                                  "aeiou\xE4\xF6\xFC"
                                                  "bdfgklmnrstw"),
                               generatedDirection(dir + "qor-bench-d_s.qor",
                                                  "aeiou\xE4\xF6\xFC"
                                                  "bdfgklmnrstw",
                                                  "aeioubcdfglmnprstvzh")};
    }();
    return found;
}

void loadBoth(TXDatabase& db) {
    db.SelectDirection(true);
    db.Load(files().germanSpanish);
    db.SelectDirection(false);
    db.Load(files().spanishGerman);
}

// 1,000 headwords spread evenly over a direction.
std::vector<std::string> wordsOf(const std::vector<DictionaryEntry>& entries) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < 1000 && !entries.empty(); ++i)
        words.push_back(entries[i * entries.size() / 1000].Vokabel);
    return words;
}

void LoadBothDirections(benchmark::State& state) {
    ScriptedMessages messages;
    for (auto _ : state) {
        TXDatabase db;
        loadBoth(db);
        benchmark::DoNotOptimize(db.Count());
    }
}
BENCHMARK(LoadBothDirections)->Unit(benchmark::kMillisecond);

double threadMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double percentile(std::vector<double>& values, int percent) {
    std::sort(values.begin(), values.end());
    return values[values.size() * static_cast<std::size_t>(percent) / 100];
}

// Times one search per word and reports median and 95th percentile in µs,
// of the wall clock and of the thread's processor time (the machine's other
// work shows in the first only).
template <typename Search>
void timeSearches(benchmark::State& state, const std::vector<std::string>& words, Search search) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        for (const std::string& word : words) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = threadMicros();
            search(word);
            cpu.push_back(threadMicros() - cpuStart);
            wall.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    state.counters["median_us"] = percentile(wall, 50);
    state.counters["p95_us"] = percentile(wall, 95);
    state.counters["cpu_median_us"] = percentile(cpu, 50);
    state.counters["cpu_p95_us"] = percentile(cpu, 95);
    state.counters["searches"] = static_cast<double>(wall.size());
}

void SearchEachDirection(benchmark::State& state) {
    ScriptedMessages messages;
    TXDatabase db;
    loadBoth(db);
    const bool german = state.range(0) == 1;
    db.SelectDirection(german);
    const std::vector<std::string> words = wordsOf(db.Entries(db.Direction()));
    timeSearches(state, words, [&db, german](const std::string& word) {
        db.Search(word, {.WholeWord = false, .German = german, .BothDirections = false});
        benchmark::DoNotOptimize(db.ResultCount());
    });
}
BENCHMARK(SearchEachDirection)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("germanSpanish")
    ->Unit(benchmark::kMillisecond);

void SearchBothDirectionsWholeWords(benchmark::State& state) {
    ScriptedMessages messages;
    TXDatabase db;
    loadBoth(db);
    std::vector<std::string> words = wordsOf(db.Entries(0));
    const std::vector<std::string> german = wordsOf(db.Entries(1));
    words.resize(500);
    words.insert(words.end(), german.begin(), german.begin() + 500);
    timeSearches(state, words, [&db](const std::string& word) {
        db.Search(word, {.WholeWord = true, .German = false, .BothDirections = true});
        benchmark::DoNotOptimize(db.ResultCount());
    });
}
BENCHMARK(SearchBothDirectionsWholeWords)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
