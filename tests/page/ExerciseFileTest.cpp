#include "page/model/ExerciseFile.h"

#include "page/model/PageModel.h"
#include "platform/AppMessage.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

using namespace qor::literals;
using Strings = std::vector<std::string>;

TEST(ExerciseFile, SplitsHeaderExercisesAndTrailer) {
    const struct {
        const char* bytes;
        int count;
        const char* header;
        Strings exercises;
        const char* trailer;
    } cases[] = {
        {"QOR!03\r\n <title>Kopf</title><EX>eins<EX>zwei\r\n</EX>Ende",
         3,
         "<title>Kopf</title>",
         {"eins", "zwei\r\n"},
         "Ende"},
        // Without "</EX>" the last exercise runs to the end.
        {"QOR!05Kopf<EX>a<EX>b und mehr", 5, "Kopf", {"a", "b und mehr"}, ""},
        // A "</EX>" behind every exercise: the list ends at the last one.
        {"QOR!02<EX>a</EX>\r\n<EX>b</EX>Ende", 2, "", {"a</EX>\r\n", "b"}, "Ende"},
        // A "</EX>" before the last "<EX>" does not end the list.
        {"QOR!02<EX>a</EX><EX>b", 2, "", {"a</EX>", "b"}, ""},
        // Markers are upper case.
        {"QOR!01K<ex>a<EX>b</ex>", 1, "K<ex>a", {"b</ex>"}, ""},
        {"QOR!10nur ein Kopf", 10, "nur ein Kopf", {}, ""},
        {"QOR!00<EX><EX></EX>", 0, "", {"", ""}, ""},
        // A count that is no number reads its leading digits.
        {"QOR!7 <EX>a", 7, "", {"a"}, ""},
        {"QOR!xx<EX>a", 0, "", {"a"}, ""},
        {"QOR!", 0, "", {}, ""},
        {"QOR!1", 1, "", {}, ""},
    };
    for (const auto& c : cases) {
        const std::optional<ExerciseFile> file = ExerciseFile::parse(c.bytes);
        ASSERT_TRUE(file) << c.bytes;
        EXPECT_EQ(file->defaultCount(), c.count) << c.bytes;
        EXPECT_EQ(file->header(), c.header) << c.bytes;
        EXPECT_EQ(file->exercises(), c.exercises) << c.bytes;
        EXPECT_EQ(file->trailer(), c.trailer) << c.bytes;
    }
}

TEST(ExerciseFile, PageTextIsHeaderExerciseTrailer) {
    const auto file = ExerciseFile::parse("QOR!02 K <EX>a<EX>b</EX> T");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->pageText(0), "K a T");
    EXPECT_EQ(file->pageText(1), "K b T");
}

TEST(ExerciseFile, WrongIdentifierIsRejected) {
    for (const char* bytes : {"", "QOR", "qor!03<EX>a", " QOR!03<EX>a", "QOX!03"})
        EXPECT_FALSE(ExerciseFile::parse(bytes)) << bytes;

    test::TempDir dir;
    ScriptedMessages messages;
    EXPECT_FALSE(ExerciseFile::load(dir.file("falsch.qor", "<html>keine Aufgaben")));
    EXPECT_EQ(messages.texts(), Strings{"Falsches Format (ID)"});

    messages.clear();
    const auto file = ExerciseFile::load(dir.file("richtig.qor", "QOR!02<EX>a<EX>b"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->exercises().size(), 2u);
    EXPECT_TRUE(messages.shown().empty());
}

ExerciseFile fileWith(int exercises, const char* count) {
    std::string bytes = std::string("QOR!") + count + "Kopf";
    for (int i = 0; i < exercises; ++i)
        bytes += "<EX>" + std::to_string(i);
    return *ExerciseFile::parse(bytes + "</EX>");
}

// Runs the file and returns the exercises shown and the "#next" values.
std::pair<std::vector<std::size_t>, Strings> runThrough(ExerciseRun& run, int steps) {
    std::pair<std::vector<std::size_t>, Strings> shown;
    for (int i = 0; i < steps; ++i) {
        const std::optional<ExerciseChoice> choice = run.next();
        if (!choice)
            break;
        shown.first.push_back(choice->index);
        shown.second.push_back(choice->next);
    }
    return shown;
}

TEST(ExerciseRun, CountFromFileOrCommand) {
    ExerciseRun run;
    run.start(fileWith(5, "03"));
    const auto [shown, next] = runThrough(run, 3);
    EXPECT_EQ(std::set<std::size_t>(shown.begin(), shown.end()).size(), 3u);
    EXPECT_EQ(next, (Strings{"ex", "ex", ""}));

    ExerciseRun picked;
    picked.setRemaining(2);
    picked.start(fileWith(5, "03"));
    EXPECT_EQ(runThrough(picked, 2).second, (Strings{"ex", ""}));
}

TEST(ExerciseRun, NoRepetitionWithinTwentyExercises) {
    ExerciseRun run;
    run.start(fileWith(30, "99"));
    const std::vector<std::size_t> shown = runThrough(run, 500).first;
    ASSERT_EQ(shown.size(), 500u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t back = 1; back <= 20 && back <= i; ++back)
            ASSERT_NE(shown[i], shown[i - back]) << "step " << i;
    }
    EXPECT_EQ(run.recentlyUsed().size(), ExerciseRun::MaxRecentlyUsed);
}

TEST(ExerciseRun, SmallFileIsWorkedThroughThenOldestComesBack) {
    ExerciseRun run;
    run.setRemaining(8);
    run.start(fileWith(3, "01"));
    const auto [shown, next] = runThrough(run, 8);
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(std::set<std::size_t>(shown.begin(), shown.begin() + 3).size(), 3u);
    // Once every exercise is used the run repeats them in the order shown.
    for (std::size_t i = 3; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], shown[i - 3]) << "step " << i;
    EXPECT_EQ(next.back(), "");
}

TEST(ExerciseRun, RandomSourceChoosesAmongFreshExercises) {
    // A source that always gives the last number: the highest unused one.
    ExerciseRun run([](int range) { return range - 1; });
    run.setRemaining(4);
    run.start(fileWith(4, "00"));
    EXPECT_EQ(runThrough(run, 4).first, (std::vector<std::size_t>{3, 2, 1, 0}));

    // A source out of its range cannot pick outside the file.
    ExerciseRun wild([](int range) { return range + 5; });
    wild.start(fileWith(2, "02"));
    EXPECT_EQ(runThrough(wild, 2).first, (std::vector<std::size_t>{1, 0}));
}

TEST(ExerciseRun, RecentlyUsedOutlivesAFileUntilForgotten) {
    ExerciseRun run([](int) { return 0; });
    run.start(fileWith(3, "02"));
    EXPECT_EQ(runThrough(run, 2).first, (std::vector<std::size_t>{0, 1}));

    // The next file of the same run avoids those numbers too...
    run.setRemaining(ExerciseRun::UseFileCount);
    run.start(fileWith(1, "01"));
    EXPECT_EQ(runThrough(run, 1).first, std::vector<std::size_t>{0});
    run.setRemaining(ExerciseRun::UseFileCount);
    run.start(fileWith(4, "01"));
    EXPECT_EQ(runThrough(run, 1).first, std::vector<std::size_t>{2});

    // ...until a new run forgets them.
    run.forgetRecentlyUsed();
    run.setRemaining(ExerciseRun::UseFileCount);
    run.start(fileWith(4, "01"));
    EXPECT_EQ(runThrough(run, 1).first, std::vector<std::size_t>{0});
}

TEST(ExerciseRun, FileWithoutExercisesSaysSo) {
    ScriptedMessages messages;
    ExerciseRun run;
    run.start(*ExerciseFile::parse("QOR!03<title>leer</title>"));
    EXPECT_FALSE(run.next());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "0 Aufgaben stehen zur Verfügung!"_cp);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Information);
    EXPECT_EQ(messages.shown()[0].caption, "*qor");
    EXPECT_EQ(run.remaining(), 2);
}

std::string wordsOf(const PageModel& model) {
    std::string words;
    for (const tFormatted_text& item : model.items()) {
        if (item.kind == ItemKind::Word)
            words += (words.empty() ? "" : " ") + item.text;
    }
    return words;
}

TEST(ExerciseRun, ParsesTheChosenExerciseWithItsCondition) {
    const auto file = ExerciseFile::parse(
        "QOR!02<title>Aufgaben</title><IF #ex>Aufgabe</IF><EX>eins <IF #next>mehr<ELSE>Schluss</IF>"
        "<EX>zwei</EX><IF #ex>!</IF>");
    ASSERT_TRUE(file);
    PageModel model;
    model.aliases().set("#alt", "von der letzten Seite");

    ParseExercise(model, *file, ExerciseChoice{0, "ex"});
    EXPECT_EQ(wordsOf(model), "Aufgabe eins mehr !");
    EXPECT_EQ(model.aliases().get("#next"), "ex");
    EXPECT_EQ(model.aliases().find("#alt"), nullptr);
    EXPECT_FALSE(model.exerciseActive());

    ParseExercise(model, *file, ExerciseChoice{0, ""});
    EXPECT_EQ(wordsOf(model), "Aufgabe eins Schluss !");

    // The same text outside an exercise run.
    model.Clear();
    model.Parse(file->pageText(1), false);
    EXPECT_EQ(wordsOf(model), "zwei");
}

} // namespace
} // namespace qor
