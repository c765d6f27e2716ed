#pragma once
// TPageEdit: the typing field of pages (EDIT and A GAP). Enter judges the
// answer against Lsg: right hides the field (OnReturn, OnRichtig); almost
// right marks the wrong characters red and puts the caret on the first
// difference (OnBeinahe); wrong clears it for another try, and the fifth
// attempt or an empty answer hides it for good (OnFalsch).

#include "controls/XColorEdit.h"

namespace qor {

class TPageEdit : public tXColorEdit {
    Q_OBJECT
public:
    using tXColorEdit::tXColorEdit;

    // Attempts used so far (0 to 5).
    int Attempts() const { return attempts_; }
    // Unanswered: neither right nor finally wrong yet.
    bool Open() const { return open_; }

    // Judges the text as Enter does.
    void CheckAnswer();

protected:
    void ReturnPressed() override { CheckAnswer(); }

private:
    int attempts_ = 0;
    bool open_ = true;
};

} // namespace qor
