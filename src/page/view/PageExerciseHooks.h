#pragma once
// The moments at which the exercise objects of a page (typing fields, the
// drag exercise, sentence building, the multiple choice, buttons and the
// recorder) take part in drawing and clearing it. The page control calls
// these; the objects that answer them keep their own state and reach the
// page through its PageSurface. Every hook does nothing unless overridden.

#include <QImage>
#include <QPoint>

namespace qor {

class PageExerciseHooks {
public:
    virtual ~PageExerciseHooks() = default;

    // While drawing, after the drag tray: the sentence-building exercises
    // (their parts shuffled at every drawing) go into the page buffer.
    virtual void drawExercises(QImage& buffer) { static_cast<void>(buffer); }
    // After drawing and the ONSHOW command: the recorder is made ready.
    virtual void prepareRecorder() {}
    // The buffer is on the screen: typing fields (the first one focused when
    // the window is visible), the one-line edit, the buttons and the
    // multiple choice are shown.
    virtual void showControls() {}
    // The page scrolled by delta pixels: the buttons move along.
    virtual void scrolled(int delta) { static_cast<void>(delta); }
    // The page is cleared: the exercise objects go with it.
    virtual void clear() {}

    // Mouse input the interaction hands over, in page coordinates (the
    // scroll position included). A left button pressed where no area is may
    // start a drag of a block or sentence part; true when one started.
    virtual bool startDrag(QPoint pagePoint) {
        static_cast<void>(pagePoint);
        return false;
    }
    virtual bool dragging() const { return false; }
    // Whether a block or sentence part that can be dragged lies under the
    // point (the mouse shows the drag cursor there).
    virtual bool overDraggable(QPoint pagePoint) {
        static_cast<void>(pagePoint);
        return false;
    }
    virtual void moveDrag(QPoint pagePoint) { static_cast<void>(pagePoint); }
    virtual void endDrag(QPoint pagePoint) { static_cast<void>(pagePoint); }
    // A check box was toggled by its "+name" target (already redrawn).
    virtual void checkBoxToggled(int checkBoxIndex) { static_cast<void>(checkBoxIndex); }
    // "§rec" and "§play": true when the page has a recorder that took it.
    virtual bool recorderCommand(bool record) {
        static_cast<void>(record);
        return false;
    }
};

} // namespace qor
