#pragma once
// Exercise files (".qor" pages): many small exercise pages in one file, of
// which a run shows a few at random.
//
//   "QOR!"  two decimal digits (how many to present)  text
//
// The text is a header, then exercises each introduced by "<EX>", the last
// one closed by "</EX>", then a trailer. Every exercise is shown as
// header + exercise + trailer.

#include "platform/Random.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class PageModel;

class ExerciseFile {
public:
    // Nothing when the file does not start with the identifier "QOR!".
    static std::optional<ExerciseFile> parse(std::string_view bytes);

    // Reads and parses a file; shows "Falsches Format (ID)" for a wrong
    // identifier (and the read error for an unreadable file).
    static std::optional<ExerciseFile> load(std::string_view name);

    // How many exercises to present when the run does not say.
    int defaultCount() const { return defaultCount_; }

    const std::string& header() const { return header_; }
    const std::vector<std::string>& exercises() const { return exercises_; }
    const std::string& trailer() const { return trailer_; }

    // The page text of one exercise: header + exercise + trailer.
    std::string pageText(std::size_t exercise) const;

private:
    int defaultCount_ = 0;
    std::string header_;
    std::vector<std::string> exercises_;
    std::string trailer_;
};

// The exercise that comes next in a run.
struct ExerciseChoice {
    std::size_t index = 0; // into ExerciseFile::exercises()
    std::string next;      // the value of the alias "#next": "ex" while more are to come
};

// Which exercises of a file a run shows: how many are still to come and
// which were used recently, so that a file is worked through without
// repetition.
class ExerciseRun {
public:
    static constexpr std::size_t MaxRecentlyUsed = 20;
    static constexpr int UseFileCount = -1;

    // Gives a number in 0 .. range - 1.
    using RandomSource = std::function<int(int range)>;

    // The program's random generator unless another is given (tests).
    explicit ExerciseRun(RandomSource random = {});

    // The count asked for by the command that opens the file; UseFileCount
    // takes the file's own count when the file is started.
    void setRemaining(int count) { remaining_ = count; }
    int remaining() const { return remaining_; }

    // A new run from the start: no exercise counts as recently used.
    void forgetRecentlyUsed() { recentlyUsed_.clear(); }
    const std::deque<std::size_t>& recentlyUsed() const { return recentlyUsed_; }

    // Takes the file; its count applies when none was asked for.
    void start(ExerciseFile file);
    const ExerciseFile& file() const { return file_; }

    // Counts one exercise off and picks it among those not used recently.
    // A file without exercises shows "0 Aufgaben stehen zur Verfügung!" and
    // gives nothing.
    std::optional<ExerciseChoice> next();

private:
    std::size_t pick();

    RandomSource random_;
    ExerciseFile file_;
    int remaining_ = UseFileCount;
    std::deque<std::size_t> recentlyUsed_; // oldest first
};

// Puts the chosen exercise on the page model: clears the page, sets the
// alias "#next" to the choice's value and parses header + exercise + trailer
// while the condition "#ex" holds. Layout and drawing are the caller's.
void ParseExercise(PageModel& model, const ExerciseFile& file, const ExerciseChoice& choice);

} // namespace qor
