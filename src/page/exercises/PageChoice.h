#pragma once
// The page's multiple choice (MULTIPLE): a TXMultipleChoice over the page,
// its items already shuffled by the parser with the right one followed. A
// choice with a reaction goes to the host (reaction + "+", or reaction + "["
// + item + "]-") and the control disappears; without one the page
// celebrates or mourns, and the control comes back showing the right item,
// locked.

#include "controls/XMultipleChoice.h"
#include "page/exercises/ExerciseOutlet.h"

#include <QPointer>
#include <QRect>

namespace qor {

class PageSurface;

class PageChoice {
public:
    PageChoice(PageSurface& page, ExerciseOutlet& outlet) : page_(page), outlet_(outlet) {}
    ~PageChoice();
    PageChoice(const PageChoice&) = delete;
    PageChoice& operator=(const PageChoice&) = delete;

    // Creates the control, hidden, when the page has a multiple choice.
    void Build();
    void Place();
    // Shows it unless its answer went to the host.
    void Show();
    void Clear();

    TXMultipleChoice* Control() const { return control_; }

private:
    void selected(int cell, Qt::MouseButton button);

    PageSurface& page_;
    ExerciseOutlet& outlet_;
    QPointer<TXMultipleChoice> control_;
    QRect pageRect_;
    std::string reaction_;
    bool handedOver_ = false;
};

} // namespace qor
