// The grammar of link targets and the decision what activating one does,
// without a page: split at "@" and "°", "§" commands, exercise commands,
// the order of the activation rules and the broken-link check.

#include "page/layout/TargetActions.h"
#include "platform/Text.h"

#include <gtest/gtest.h>
#include <map>

namespace qor {
namespace {

using namespace qor::literals;
using Kind = TargetActionKind;

const std::string S = "\xA7";   // §
const std::string Deg = "\xB0"; // °

TEST(LinkTargetsTest, AreaNamesSplitAtTheFirstAt) {
    struct Case {
        std::string name, target, hint;
    } cases[] = {
        {"seite.htx", "seite.htx", ""},
        {"seite.htx@Zur Seite", "seite.htx", "Zur Seite"},
        {"@Hallo", "", "Hallo"},
        {"a@b@c", "a", "b@c"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const TargetAndHint split = SplitAreaName(c.name);
        EXPECT_EQ(split.target, c.target) << c.name;
        EXPECT_EQ(split.hint, c.hint) << c.name;
    }
}

TEST(LinkTargetsTest, EachButtonFollowsItsSideOfTheDegreeSign) {
    const std::string both = "verben.htx" + Deg + S + "[info]";
    EXPECT_EQ(TargetForButton(both, true), "verben.htx");
    EXPECT_EQ(TargetForButton(both, false), S + "[info]");
    EXPECT_EQ(TargetForButton("seite.htx", true), "seite.htx");
    EXPECT_EQ(TargetForButton("seite.htx", false), "");
    EXPECT_EQ(TargetForButton(Deg + "rechts.htx", true), "");
    EXPECT_EQ(TargetForButton(Deg + "rechts.htx", false), "rechts.htx");
}

TEST(LinkTargetsTest, SectionCommandsWithAndWithoutBrackets) {
    struct Case {
        std::string target, command, rest;
    } cases[] = {
        {S + "[stop]next.htx", "stop", "next.htx"}, {S + "[stop]", "stop", ""},
        {S + "[a,b]@Notiz", "a,b", "@Notiz"},       {S + "[ohne Ende", "ohne Ende", ""},
        {S + "vabfrage", "vabfrage", ""},           {S, "", ""},
    };
    for (const Case& c : cases) {
        const auto command = ParseSectionCommand(c.target);
        ASSERT_TRUE(command) << c.target;
        EXPECT_EQ(command->command, c.command) << c.target;
        EXPECT_EQ(command->rest, c.rest) << c.target;
    }
    EXPECT_FALSE(ParseSectionCommand("seite.htx"));
    EXPECT_FALSE(ParseSectionCommand(""));
}

TEST(LinkTargetsTest, ExerciseCommandsReadPickFileAndContinuation) {
    struct Case {
        std::string target;
        int pick;
        std::string file, continuation;
        std::vector<std::string> messages;
    } cases[] = {
        {"EX PICK=3 FILE=verben.qor WEITER=fertig.htx", 3, "verben.qor", "fertig.htx", {}},
        {"EX PICK=3 FILE=verben.qor", 3, "verben.qor", "#weiter", {}},
        {"ex pick=2 file=a.qor weiter=#ende", 2, "a.qor", "#ende", {}},
        {"EX PICK=viele FILE=a.qor", -1, "a.qor", "#weiter", {}},
        {"EX PICK=3 FILE=", 3, "", "#weiter", {"FILE= nicht gefunden"}},
        // Values are read after the blanks in front of them.
        {"EX PICK=3 FILE= WEITER=x.htx", 3, "WEITER=x.htx", "#weiter", {}},
        // What is missing is reported, and reading goes on.
        {"EXPICK=3 FILE=a.qor", -1, "a.qor", "#weiter", {"EX nicht gefunden"}},
    };
    for (const Case& c : cases) {
        const ExerciseCommand command = ParseExerciseCommand(c.target);
        EXPECT_EQ(command.pick, c.pick) << c.target;
        EXPECT_EQ(command.file, c.file) << c.target;
        EXPECT_EQ(command.continuation, c.continuation) << c.target;
        EXPECT_EQ(command.messages, c.messages) << c.target;
    }
}

TEST(LinkTargetsTest, TheHostHearsOfLinksButNotOfThePagesOwnTargets) {
    for (const char* reported : {"", "seite.htx", "+name", S.c_str(), "Ex", "extra.htx"})
        EXPECT_TRUE(ReportsAnkerChange(reported)) << reported;
    for (const char* silent : {"@x", "+", "%", "-", "ex", "EX", "EX PICK=1 FILE=a.qor"})
        EXPECT_FALSE(ReportsAnkerChange(silent)) << silent;
}

TEST(LinkTargetsTest, HoverSoundsAreNamedAfterTheDegreeSignOfTheHint) {
    EXPECT_EQ(HoverSoundFile("a.htx", Deg + "klick"), "klick.wav");
    EXPECT_EQ(HoverSoundFile("a.htx", "Weiter" + Deg + "klick"), "klick.wav");
    EXPECT_EQ(HoverSoundFile("", Deg + "klick"), "");
    EXPECT_EQ(HoverSoundFile("a.htx", "Weiter"), "");
}

// The activation rules, in their order.
TEST(TargetActionsTest, TheFirstRuleThatAppliesDecides) {
    const std::map<std::string, std::string> aliases = {
        {"#WEITER", "seite2.htx"}, {"#NOTIZ", "@Merken"}, {"#BEFEHL", S + "[los]a.htx"}};
    ActivationContext context;
    context.alias = [&](std::string_view name) {
        const auto found = aliases.find(upperCase(name));
        return found == aliases.end() ? std::string() : found->second;
    };

    struct Case {
        std::string target;
        Kind kind;
        std::string text;
        std::string rest;
    } cases[] = {
        {"", Kind::None, "", ""},
        {"+agb", Kind::ToggleCheckBox, "agb", ""},
        {"?casa", Kind::None, "", ""}, // nobody takes words: no extension, nothing
        {"#weiter", Kind::Navigate, "seite2.htx", ""},
        {"#notiz", Kind::Note, "Merken", ""},
        {"#befehl", Kind::HandOver, "los", "a.htx"},
        {"#unbekannt", Kind::None, "", ""},
        {"http://www.qor.de", Kind::OpenUrl, "http://www.qor.de", ""},
        {"HTTP://www.qor.de", Kind::None, "", ""},
        {S + "rec", Kind::Recorder, "rec", ""},
        {S + "play", Kind::Recorder, "play", ""},
        {S + "[stop]next.htx", Kind::HandOver, "stop", "next.htx"},
        {S + "vabfrage", Kind::HandOver, "vabfrage", ""},
        {"@Hallo", Kind::Note, "Hallo", ""},
        {"EX", Kind::NextExercise, "", ""},
        {"ex", Kind::NextExercise, "", ""},
        {"END", Kind::EndApplication, "", ""},
        {"end", Kind::None, "", ""},
        {"-", Kind::GoBack, "", ""},
        {"+", Kind::None, "", ""}, // no continuation set
        {"EX PICK=2 FILE=a.qor", Kind::StartExercise, "", ""},
        {"seite.htx", Kind::Navigate, "seite.htx", ""},
        {"../oben/seite.hqor", Kind::Navigate, "../oben/seite.hqor", ""},
        {"seite.html", Kind::Navigate, "seite.html", ""},
        {"aufgaben.qor", Kind::Navigate, "aufgaben.qor", ""},
        {"a.HTX", Kind::None, "", ""},
        {"lektion.rqol", Kind::None, "", ""},
        {"ohne", Kind::None, "", ""},
        {"ton.wav", Kind::PlaySound, "ton.wav", ""},
        {"musik.mp3", Kind::PlaySound, "musik.mp3", ""},
    };
    for (const Case& c : cases) {
        const TargetAction action = DecideTargetAction(c.target, context);
        EXPECT_EQ(action.kind, c.kind) << c.target;
        EXPECT_EQ(action.text, c.text) << c.target;
        EXPECT_EQ(action.rest, c.rest) << c.target;
    }
}

TEST(TargetActionsTest, WordsGoToTheRightClickHandlerWhenThereIsOne) {
    ActivationContext context;
    context.rightClickHandler = true;
    const TargetAction word = DecideTargetAction("?casa", context);
    EXPECT_EQ(word.kind, Kind::RightClickWord);
    EXPECT_EQ(word.text, "casa");
    // The lone "?" is no word.
    EXPECT_EQ(DecideTargetAction("?", context).kind, Kind::None);
}

TEST(TargetActionsTest, WithoutAliasesAHashTargetStaysAsItIs) {
    EXPECT_EQ(DecideTargetAction("#weiter.htx", ActivationContext{}).kind, Kind::Navigate);
}

TEST(TargetActionsTest, ThePlusFollowsAContinuationWhenOneIsSet) {
    ActivationContext context;
    context.continuationSet = true;
    EXPECT_EQ(DecideTargetAction("+", context).kind, Kind::LoadContinuation);
}

TEST(TargetActionsTest, TheRestOfACommandStartsAtTheNoteRule) {
    ActivationContext context;
    context.rightClickHandler = true;
    EXPECT_EQ(DecideRestAction("next.htx", context).kind, Kind::Navigate);
    EXPECT_EQ(DecideRestAction("@Notiz", context).kind, Kind::Note);
    // Rules before the note rule do not apply to a rest.
    EXPECT_EQ(DecideRestAction("+agb", context).kind, Kind::None);
    EXPECT_EQ(DecideRestAction("?casa", context).kind, Kind::None);
    EXPECT_EQ(DecideRestAction(S + "noch", context).kind, Kind::None);
}

TEST(TargetActionsTest, AnExerciseContinuationIsResolvedThroughTheAliases) {
    ActivationContext context;
    context.alias = [](std::string_view name) {
        return upperCase(name) == "#WEITER" ? std::string("ende.htx") : std::string();
    };
    const TargetAction action = DecideTargetAction("EX PICK=1 FILE=a.qor", context);
    ASSERT_EQ(action.kind, Kind::StartExercise);
    EXPECT_EQ(action.exercise.continuation, "ende.htx");
    EXPECT_EQ(action.exercise.file, "a.qor");
}

TEST(BrokenLinkTest, TheFirstAreaWithAMissingFileIsReported) {
    const std::vector<std::string> existing = {"da.htx", "ton.wav", "auf.qor"};
    std::vector<std::pair<std::string, bool>> asked;
    const FileMissingTest missing = [&](const std::string& name, bool exerciseFile) {
        asked.emplace_back(name, exerciseFile);
        return std::find(existing.begin(), existing.end(), name) == existing.end();
    };
    ActivationContext context;
    context.alias = [](std::string_view name) {
        return upperCase(name) == "#N" ? std::string("weg.htx@Hinweis") : std::string();
    };
    struct Case {
        std::vector<std::string> names;
        std::string broken;
    } cases[] = {
        {{}, ""},
        {{"da.htx", "ton.wav@Hoer mal"}, ""},
        {{"da.htx", "fehlt.htx@Hinweis", "auch.htx"}, "fehlt.htx@Hinweis"},
        {{"da.htx", ""}, "(leeres Ziel)"},
        {{"%", "@Notiz", S + "cmd", S + "[cmd]", "-", "+agb", "+", "?wort", "http://x.de", "END",
          "EX", "ex"},
         ""},
        {{S + "[stop]da.htx", S + "[stop]fort.htx"}, S + "[stop]fort.htx"},
        {{"#n"}, "#n"},
        {{"da.htx" + Deg + "fort.htx"}, "da.htx" + Deg + "fort.htx"},
        {{"EX PICK=1 FILE=auf.qor", "EX PICK=1 FILE=zu.qor"}, "EX PICK=1 FILE=zu.qor"},
        {{"a.HTX"}, "a.HTX"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindBrokenLink(c.names, context, missing), c.broken)
            << testing::PrintToString(c.names);

    asked.clear();
    FindBrokenLink({"EX PICK=1 FILE=auf.qor"}, context, missing);
    EXPECT_EQ(asked, (std::vector<std::pair<std::string, bool>>{{"auf.qor", true}}));
}

} // namespace
} // namespace qor
