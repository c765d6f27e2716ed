#pragma once
// What the exercise objects of a page hand on when they are answered: a
// result for the host, a page to load, a link to follow, the page's
// celebration. Everything happens after the current input event, so that a
// control may answer from inside its own key or mouse handler even when
// the result replaces the page.

#include "graphics/PixelRect.h"

#include <functional>
#include <string>

namespace qor {

class ExerciseOutlet {
public:
    virtual ~ExerciseOutlet() = default;

    // A command string for the host (the page control's OnCommand).
    virtual void SendCommand(std::string command) = 0;
    // A reaction: a name with a file extension is loaded as a page, anything
    // else goes to the host as command.
    virtual void SendReaction(const std::string& reaction, std::string command) = 0;
    // A link target activated as a click on rect would.
    virtual void ActivateTarget(std::string target, PixelRect rect) = 0;
    // The full-page animation; then runs afterwards unless the page was
    // cleared meanwhile.
    virtual void Celebrate(std::string text, int milliseconds,
                           std::function<void()> then = nullptr) = 0;
    // Nothing left to answer on the page.
    virtual bool AllSolved() const = 0;
};

// How long the page celebrates a solved page, and a multiple-choice answer.
constexpr int SolvedCelebrationMs = 2000;
constexpr int ChoiceCelebrationMs = 1500;

} // namespace qor
