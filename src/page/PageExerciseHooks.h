#pragma once
// The moments at which the exercise objects of a page (typing fields, the
// drag exercise, sentence building, the multiple choice, buttons and the
// recorder) take part in drawing and clearing it. The page control calls
// these; the objects that answer them keep their own state. Every hook does
// nothing unless overridden.

#include <QImage>

namespace qor {

class TXPage;

class PageExerciseHooks {
public:
    virtual ~PageExerciseHooks() = default;

    // While drawing, after the drag tray: the sentence-building exercises
    // (their parts shuffled at every drawing) go into the page buffer.
    virtual void drawExercises(TXPage& page, QImage& buffer) {
        static_cast<void>(page);
        static_cast<void>(buffer);
    }
    // After drawing and the ONSHOW command: the recorder is made ready.
    virtual void prepareRecorder(TXPage& page) { static_cast<void>(page); }
    // The buffer is on the screen: typing fields (the first one focused when
    // the window is visible), the one-line edit, the buttons and the
    // multiple choice are shown.
    virtual void showControls(TXPage& page) { static_cast<void>(page); }
    // The page scrolled by delta pixels: the buttons move along.
    virtual void scrolled(TXPage& page, int delta) {
        static_cast<void>(page);
        static_cast<void>(delta);
    }
    // The page is cleared: the exercise objects go with it.
    virtual void clear(TXPage& page) { static_cast<void>(page); }
};

} // namespace qor
