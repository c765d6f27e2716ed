#include "page/exercises/PageChoice.h"

#include "page/layout/PageColorValues.h"
#include "page/view/PageSurface.h"

namespace qor {

namespace {

const char* const RightText = "Unglaublich!";
const char* const WrongText = "Oh nein!!!";

} // namespace

PageChoice::~PageChoice() {
    Clear();
}

void PageChoice::Build() {
    Clear();
    const std::optional<MultipleChoiceSpec>& markup = page_.content().multipleChoice;
    if (!markup)
        return;
    const PageColors& colors = page_.content().colors;
    control_ = new TXMultipleChoice(&page_.controlParent());
    control_->hide();
    // A single item is the right one: the parser leaves it unshuffled (a
    // shuffle needs two places), and choosing it answers right.
    control_->setItems(markup->items);
    control_->setLsg(markup->rightIndex);
    control_->setZeilen(markup->rows);
    control_->setSpalten(markup->columns);
    if (markup->rect.w != PageRect::NotGiven)
        control_->setCellWidth(markup->rect.w);
    if (markup->rect.h != PageRect::NotGiven)
        control_->setCellHeight(markup->rect.h);
    control_->setActiveColor(ResolveColor(markup->activeColor, colors));
    control_->setInActiveColor(ResolveColor(markup->inactiveColor, colors));
    control_->setHighlightColor(ResolveColor(markup->highlightColor, colors));
    control_->setFont(page_.fontFor(markup->format).font());
    reaction_ = markup->reaction;
    pageRect_ = QRect(markup->rect.x, markup->rect.y, control_->CellWidth() * control_->Spalten(),
                      control_->CellHeight() * control_->Zeilen());
    control_->OnSelect = [this](QWidget*, int cell, Qt::MouseButton button) {
        selected(cell, button);
    };
    Place();
}

void PageChoice::Place() {
    if (!control_)
        return;
    const int scroll = page_.scrollPosition();
    control_->setGeometry(pageRect_.translated(0, -scroll));
    // The page shows through the control.
    control_->setBitmap({&page_.buffer(), QPoint(0, -scroll)});
}

void PageChoice::Show() {
    if (control_ && !handedOver_)
        control_->show();
}

void PageChoice::Clear() {
    if (control_) {
        control_->hide();
        control_->OnSelect = nullptr;
        control_->deleteLater();
    }
    control_ = nullptr;
    reaction_.clear();
    handedOver_ = false;
}

void PageChoice::selected(int cell, Qt::MouseButton button) {
    // Only a left click that began on this very cell chooses, and only
    // until the right answer is shown. A cell without an item is no answer.
    if (!control_ || button != Qt::LeftButton || control_->Highlight() >= 0 ||
        control_->Selected() != cell || cell >= static_cast<int>(control_->Items().size()))
        return;
    const bool right = cell == control_->Lsg();
    control_->hide();
    if (!reaction_.empty()) {
        handedOver_ = true;
        outlet_.SendCommand(right ? reaction_ + "+"
                                  : reaction_ + "[" +
                                        control_->Items()[static_cast<std::size_t>(cell)] + "]-");
        return;
    }
    QPointer<TXMultipleChoice> control = control_;
    outlet_.Celebrate(right ? RightText : WrongText, ChoiceCelebrationMs, [control] {
        if (!control)
            return;
        control->setHighlight(control->Lsg());
        control->show();
    });
}

} // namespace qor
