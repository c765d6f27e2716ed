#pragma once
// The exercise objects of the pages a page control shows: typing fields,
// the multiple choice, the drag exercise, sentence building, the one-line
// edit, buttons and the recorder. They are built from the page content when
// the page is first drawn, take part in drawing, scrolling and clearing
// through the page's exercise hooks, reach the page only through its
// PageSurface, and hand their results on after the current input event. It
// must not outlive the page (declare it after the page).
//
//   TXPage page;
//   PageExercises exercises(page);     // attaches itself to the page
//   exercises.setRecorderSource([&] { return &SharedRecorder(registry); });
//   page.setXFile("uebung.htx");

#include "page/exercises/DragExercise.h"
#include "page/exercises/ExerciseOutlet.h"
#include "page/exercises/PageButtons.h"
#include "page/exercises/PageChoice.h"
#include "page/exercises/PageLineEdit.h"
#include "page/exercises/PageRecorder.h"
#include "page/exercises/SentenceExercises.h"
#include "page/exercises/TypingExercises.h"
#include "page/view/PageExerciseHooks.h"
#include "page/view/PageSurface.h"

#include <QObject>
#include <functional>
#include <string>

namespace qor {

class PageExercises : public QObject, public PageExerciseHooks, public ExerciseOutlet {
    Q_OBJECT
public:
    explicit PageExercises(PageSurface& page);
    ~PageExercises() override;

    // How the page celebrates; the page's own celebration unless replaced
    // (tests record it instead of waiting for it).
    std::function<void(const std::string& text, int milliseconds)> Celebration;
    // The recorder for pages with RECORDER; none without.
    void setRecorderSource(PageRecorder::RecorderSource source);

    // No typing field open, no drop target left, no sentence left.
    bool AllSolved() const override;
    // A glide or a closing sentence is under way.
    bool animating() const;

    tTippAufgabenListe& TypingFields() { return typing_; }
    tDragAufgabenListe& DragExercise() { return drag_; }
    tSatzbauListe& Sentences() { return sentences_; }
    PageChoice& Choice() { return choice_; }
    PageInput& Input() { return input_; }
    PageButtons& Buttons() { return buttons_; }
    PageRecorder& Recorder() { return recorder_; }

    // PageExerciseHooks
    void drawExercises(QImage& buffer) override;
    void prepareRecorder() override;
    void showControls() override;
    void scrolled(int delta) override;
    void clear() override;
    bool startDrag(QPoint pagePoint) override;
    bool dragging() const override;
    void moveDrag(QPoint pagePoint) override;
    void endDrag(QPoint pagePoint) override;
    bool overDraggable(QPoint pagePoint) override;
    bool recorderCommand(bool record) override;

    // ExerciseOutlet
    void SendCommand(std::string command) override;
    void SendReaction(const std::string& reaction, std::string command) override;
    void ActivateTarget(std::string target, PixelRect rect) override;
    void Celebrate(std::string text, int milliseconds,
                   std::function<void()> then = nullptr) override;

private:
    void build();
    void placeControls();
    // Runs action once the current event is over.
    void post(std::function<void()> action);

    PageSurface& page_;
    tTippAufgabenListe typing_;
    tDragAufgabenListe drag_;
    tSatzbauListe sentences_;
    PageChoice choice_;
    PageInput input_;
    PageButtons buttons_;
    PageRecorder recorder_;
    bool built_ = false;
    // Counts cleared pages, so that what was posted for one page is not
    // done on the next.
    int generation_ = 0;
};

} // namespace qor
