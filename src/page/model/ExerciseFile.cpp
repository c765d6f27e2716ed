#include "page/model/ExerciseFile.h"

#include "page/model/PageMessages.h"
#include "page/model/PageModel.h"
#include "page/model/PageStream.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace qor {

namespace {

using namespace qor::literals;

constexpr std::string_view Identifier = "QOR!";
constexpr std::string_view Open = "<EX>";
constexpr std::string_view Close = "</EX>";

// The decimal digits the count field starts with; none read as 0, which
// like "00" presents a single exercise.
int readCount(std::string_view field) {
    int count = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            break;
        count = count * 10 + (c - '0');
    }
    return count;
}

} // namespace

std::optional<ExerciseFile> ExerciseFile::parse(std::string_view bytes) {
    if (!bytes.starts_with(Identifier))
        return std::nullopt;

    ExerciseFile file;
    bytes.remove_prefix(Identifier.size());
    file.defaultCount_ = readCount(bytes.substr(0, 2));
    bytes.remove_prefix(std::min<std::size_t>(2, bytes.size()));
    while (!bytes.empty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes.remove_prefix(1);

    const std::size_t first = bytes.find(Open);
    if (first == std::string_view::npos) {
        file.header_ = bytes;
        return file;
    }
    file.header_ = bytes.substr(0, first);

    // The list ends at a "</EX>" behind the last "<EX>"; without one the
    // last exercise runs to the end of the text and there is no trailer.
    std::string_view list = bytes.substr(first);
    const std::size_t lastOpen = list.rfind(Open);
    const std::size_t close = list.rfind(Close);
    if (close != std::string_view::npos && close > lastOpen) {
        file.trailer_ = list.substr(close + Close.size());
        list = list.substr(0, close);
    }

    for (std::size_t open = 0; open != std::string_view::npos;) {
        const std::size_t start = open + Open.size();
        open = list.find(Open, start);
        file.exercises_.emplace_back(list.substr(
            start, open == std::string_view::npos ? std::string_view::npos : open - start));
    }
    return file;
}

std::optional<ExerciseFile> ExerciseFile::load(std::string_view name) {
    const std::optional<std::string> bytes = readPageFile(name);
    if (!bytes)
        return std::nullopt;
    std::optional<ExerciseFile> file = parse(*bytes);
    if (!file)
        ShowPageError("Falsches Format (ID)");
    return file;
}

std::string ExerciseFile::pageText(std::size_t exercise) const {
    return header_ + exercises_.at(exercise) + trailer_;
}

ExerciseRun::ExerciseRun(RandomSource random) : random_(std::move(random)) {
    if (!random_)
        random_ = [](int range) {
            return Random(range);
        };
}

void ExerciseRun::start(ExerciseFile file) {
    file_ = std::move(file);
    if (remaining_ == UseFileCount)
        remaining_ = file_.defaultCount();
}

std::optional<ExerciseChoice> ExerciseRun::next() {
    if (remaining_ > std::numeric_limits<int>::min())
        --remaining_;
    if (file_.exercises().empty()) {
        ShowPageInformation("0 Aufgaben stehen zur Verfügung!"_cp);
        return std::nullopt;
    }
    const std::size_t chosen = pick();
    recentlyUsed_.push_back(chosen);
    if (recentlyUsed_.size() > MaxRecentlyUsed)
        recentlyUsed_.pop_front();
    return ExerciseChoice{chosen, remaining_ >= 1 ? "ex" : ""};
}

std::size_t ExerciseRun::pick() {
    const std::size_t count = file_.exercises().size();
    std::vector<std::size_t> fresh;
    for (std::size_t i = 0; i < count; ++i) {
        if (std::find(recentlyUsed_.begin(), recentlyUsed_.end(), i) == recentlyUsed_.end())
            fresh.push_back(i);
    }
    if (fresh.empty()) {
        // A run that asks for more exercises than a small file holds has
        // used them all: the one shown longest ago comes back first, so the
        // run goes on and repeats as late as it can. The list may also hold
        // numbers of a larger file shown before; they are passed over.
        const auto oldest = std::find_if(recentlyUsed_.begin(), recentlyUsed_.end(),
                                         [count](std::size_t used) { return used < count; });
        const std::size_t chosen = *oldest;
        recentlyUsed_.erase(oldest);
        return chosen;
    }
    const int last = static_cast<int>(fresh.size()) - 1;
    return fresh[static_cast<std::size_t>(std::clamp(random_(last + 1), 0, last))];
}

void ParseExercise(PageModel& model, const ExerciseFile& file, const ExerciseChoice& choice) {
    model.Clear();
    model.aliases().set("#next", choice.next);

    THTMLStream text;
    text.append(file.pageText(choice.index));
    text.terminate();

    // "#ex" must not outlast the parse, even when it ends early.
    struct ExerciseActive {
        PageModel& page;
        explicit ExerciseActive(PageModel& p) : page(p) { page.setExerciseActive(true); }
        ~ExerciseActive() { page.setExerciseActive(false); }
        ExerciseActive(const ExerciseActive&) = delete;
        ExerciseActive& operator=(const ExerciseActive&) = delete;
    } active(model);
    model.Parse(text.bytes(), false);
}

} // namespace qor
