#pragma once
// The push buttons of a page (BUTTON): tXColorButtons at their coordinates
// that follow the page when it scrolls; a click follows the button's HREF
// as a click on a link with the button's rectangle would.

#include "page/exercises/ExerciseOutlet.h"

#include <QPointer>
#include <QRect>
#include <vector>

namespace qor {

class PageSurface;
class tXColorButton;

class PageButtons {
public:
    PageButtons(PageSurface& page, ExerciseOutlet& outlet) : page_(page), outlet_(outlet) {}
    ~PageButtons();
    PageButtons(const PageButtons&) = delete;
    PageButtons& operator=(const PageButtons&) = delete;

    // Creates the page's buttons, hidden.
    void Build();
    void Place();
    void Show();
    void Clear();

    std::vector<tXColorButton*> Buttons() const;

private:
    struct Button {
        QPointer<tXColorButton> control;
        QRect pageRect;
    };

    PageSurface& page_;
    ExerciseOutlet& outlet_;
    std::vector<Button> buttons_;
};

} // namespace qor
