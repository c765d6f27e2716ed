#pragma once
// What activating a link target does, decided without touching the page:
// the rules are tried in a fixed order and the first that applies gives the
// action. The page control carries the action out (PageNavigation.cpp).
//
//   "+name"        toggle the check box name
//   "?word"        the word goes to the right-click handler, when there is one
//   "#name"        stands for the value of the page's alias
//   "http://..."   opens the browser
//   "§rec" "§play" the page's recorder
//   "§[cmd]rest"   hands cmd to the host, then rest is decided from the note rule on
//   "@text"        shows a note
//   "EX", "END", "-", "+"   next exercise, end, back, continuation of an exercise run
//   "EX PICK=..."  starts an exercise file
//   "x.htx" ...    navigation; "x.wav", "x.mp3" play; anything else does nothing

#include "page/layout/LinkTargets.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct ActivationContext {
    // The value of an alias "#name" (empty when not defined); null when the
    // page has no aliases, so "#name" stays as it is.
    std::function<std::string(std::string_view name)> alias;
    // Someone takes "?word" targets (the page's or its parent's right-click handler).
    bool rightClickHandler = false;
    // An exercise run left a continuation target for "+".
    bool continuationSet = false;
};

enum class TargetActionKind {
    None,
    ToggleCheckBox, // text: the check box's name
    RightClickWord, // text: the word
    OpenUrl,        // text: the address
    Recorder,       // text: "rec" or "play"
    HandOver,       // text: the command; rest: what follows it
    Note,           // text: the note
    NextExercise,
    EndApplication,
    GoBack,
    LoadContinuation,
    StartExercise, // exercise: the command read
    Navigate,      // text: the page
    PlaySound,     // text: the sound file
};

struct TargetAction {
    TargetActionKind kind = TargetActionKind::None;
    std::string text;
    std::string rest; // HandOver: decided next with DecideRestAction
    ExerciseCommand exercise;
};

// The action of a target, from the first rule on.
TargetAction DecideTargetAction(std::string_view target, const ActivationContext& context);

// The action of what follows a handed-over command: from the note rule on.
TargetAction DecideRestAction(std::string_view rest, const ActivationContext& context);

// The first link of a page whose file is missing, for page authors. names
// are the names of the page's areas in hit-test order; fileMissing tells
// whether a link target, or the file of an exercise command, names a file
// that does not exist. An area without a name gives "(leeres Ziel)"; none
// broken gives an empty string. Targets that lead to no file (commands,
// notes, check boxes, web addresses, "-", "%") are passed over.
using FileMissingTest = std::function<bool(const std::string& name, bool exerciseFile)>;
std::string FindBrokenLink(const std::vector<std::string>& names, const ActivationContext& context,
                           const FileMissingTest& fileMissing);

} // namespace qor
