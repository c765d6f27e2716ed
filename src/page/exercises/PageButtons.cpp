#include "page/exercises/PageButtons.h"

#include "controls/XColorButton.h"
#include "page/layout/PageColorValues.h"
#include "page/view/PageSurface.h"

namespace qor {

PageButtons::~PageButtons() {
    Clear();
}

void PageButtons::Build() {
    Clear();
    const PageColors& colors = page_.content().colors;
    for (const ButtonSpec& markup : page_.content().buttons) {
        auto* button = new tXColorButton(&page_.controlParent());
        button->hide();
        button->setCaption(markup.caption);
        button->setBefehl(markup.href);
        if (markup.color != ColorValue::None)
            button->setColor(ResolveColor(markup.color, colors));
        if (markup.flashColor != ColorValue::None)
            button->setFlashColor(ResolveColor(markup.flashColor, colors));
        button->setDDD(markup.threeD);
        // Without a size the button keeps its own.
        const int width = markup.rect.w == PageRect::NotGiven ? button->width() : markup.rect.w;
        const int height = markup.rect.h == PageRect::NotGiven ? button->height() : markup.rect.h;
        const QRect pageRect(markup.rect.x, markup.rect.y, width, height);
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
