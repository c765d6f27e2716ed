#pragma once
// The page's one-line edit (INPUT): a plain edit bound to a definition.
// Every change writes its text into the definition NAME; Enter writes it
// too and hands NAME to the host as command, and goes no further (the
// page's own Enter target stays untouched); F1 cycles the accent of the
// character before the caret.

#include "page/exercises/ExerciseOutlet.h"

#include <QLineEdit>
#include <QPointer>
#include <QRect>
#include <functional>
#include <string>

namespace qor {

class PageSurface;

class PageInputEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class PageInput {
public:
    // Without a width the edit is this wide.
    static constexpr int DefaultWidth = 121;

    PageInput(PageSurface& page, ExerciseOutlet& outlet) : page_(page), outlet_(outlet) {}
    ~PageInput();
    PageInput(const PageInput&) = delete;
    PageInput& operator=(const PageInput&) = delete;

    // Creates the edit, hidden, showing the definition's value.
    void Build();
    void Place();
    // Shows it and gives it the focus.
    void Show();
    void Clear();

    PageInputEdit* Edit() const { return edit_; }

private:
    PageSurface& page_;
    ExerciseOutlet& outlet_;
    QPointer<PageInputEdit> edit_;
    QRect pageRect_;
};

} // namespace qor
