#pragma once
// The grammar of link targets, as the names of interactive areas carry them:
//
//   target@hint          the hint is shown while the mouse is over the area
//   left°right           the left button follows "left", any other "right"
//   §[command]rest       hands the command to the host, then goes on with rest
//   §command             hands the command to the host
//   EX PICK=n FILE=name WEITER=target   starts an exercise file
//
// Targets and hints are program text (Windows-1252): "§" is byte 167, "°"
// byte 176.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr char SectionSign = '\xA7';
inline constexpr char DegreeSign = '\xB0';

struct TargetAndHint {
    std::string target; // before the first "@"
    std::string hint;   // after it; empty without one
};
TargetAndHint SplitAreaName(std::string_view name);

// The part of a target a mouse button follows: the left button the part
// before "°" (all of it without one), any other button the part after it
// (nothing without one).
std::string TargetForButton(std::string_view target, bool leftButton);

// Whether the target leads anywhere: not empty and not the placeholder "%".
bool IsRealTarget(std::string_view target);

// "§[cmd]rest" gives cmd and rest; "§[cmd" without "]" gives everything
// after "§[" and no rest; "§word" gives word. Nothing for other targets.
struct SectionCommand {
    std::string command;
    std::string rest;
};
std::optional<SectionCommand> ParseSectionCommand(std::string_view target);

// "EX PICK=n FILE=name WEITER=target", read with the tag scanner (not
// strict). What cannot be read keeps its default; messages holds the
// information messages to show, in order ("EX nicht gefunden", "FILE=
// nicht gefunden").
struct ExerciseCommand {
    int pick = -1; // not a number: the count written in the file
    std::string file;
    std::string continuation = "#weiter";
    std::vector<std::string> messages;
};
ExerciseCommand ParseExerciseCommand(std::string_view target);

// Whether the host hears of the target under the mouse (OnAnkerChange):
// always for none, never for the page's own controls "+", "%", "-", "ex",
// for notes ("@...") and for exercise commands ("EX...").
bool ReportsAnkerChange(std::string_view target);

// The hover sound of an area: a hint containing "°" names, after it, a
// ".wav" file of the page folder. Nothing without a target or without "°".
std::string HoverSoundFile(std::string_view target, std::string_view hint);

} // namespace qor
