#include "page/exercises/PageButtons.h"

#include "controls/XColorButton.h"
#include "page/PageColorValues.h"
#include "page/TXPage.h"

namespace qor {

PageButtons::~PageButtons() {
    Clear();
}

void PageButtons::Build() {
    Clear();
    const PageColors& colors = page_.model().page().colors;
    for (const ButtonSpec& spec : page_.model().page().buttons) {
        auto* button = new tXColorButton(&page_);
        button->hide();
        button->setCaption(spec.caption);
        button->setBefehl(spec.href);
        if (spec.color != ColorValue::None)
            button->setColor(ResolveColor(spec.color, colors));
        if (spec.flashColor != ColorValue::None)
            button->setFlashColor(ResolveColor(spec.flashColor, colors));
        button->setDDD(spec.threeD);
        // Without a size the button keeps its own.
        const int width = spec.rect.w == PageRect::NotGiven ? button->width() : spec.rect.w;
        const int height = spec.rect.h == PageRect::NotGiven ? button->height() : spec.rect.h;
        const QRect pageRect(spec.rect.x, spec.rect.y, width, height);
        button->OnClick = [this, pageRect](QWidget* sender) {
            const std::string target = static_cast<tXColorButton*>(sender)->Befehl();
            outlet_.ActivateTarget(target,
                                   PixelRect::fromSize(pageRect.x(), pageRect.y(), pageRect.width(),
                                                       pageRect.height()));
        };
        buttons_.push_back({button, pageRect});
    }
    Place();
}

void PageButtons::Place() {
    for (const Button& button : buttons_)
        if (button.control)
            button.control->setGeometry(button.pageRect.translated(0, -page_.scrollPosition()));
}

void PageButtons::Show() {
    for (const Button& button : buttons_)
        if (button.control)
            button.control->show();
}

void PageButtons::Clear() {
    // A click on a button may clear the page: the buttons go once the event is over.
    for (const Button& button : buttons_) {
        if (!button.control)
            continue;
        button.control->hide();
        button.control->OnClick = nullptr;
        button.control->deleteLater();
    }
    buttons_.clear();
}

std::vector<tXColorButton*> PageButtons::Buttons() const {
    std::vector<tXColorButton*> controls;
    for (const Button& button : buttons_)
        if (button.control)
            controls.push_back(button.control);
    return controls;
}

} // namespace qor
