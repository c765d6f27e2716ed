#include "page/exercises/PageLineEdit.h"

#include "controls/AccentKey.h"
#include "controls/ControlPainting.h"
#include "page/layout/PageColorValues.h"
#include "page/view/PageSurface.h"
#include "platform/QtText.h"

#include <QKeyEvent>

namespace qor {

void PageInputEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (OnEnter)
            OnEnter();
        return;
    }
    if (AccentKey(this, event->key())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

PageInput::~PageInput() {
    Clear();
}

void PageInput::Build() {
    Clear();
    const std::optional<LineEditSpec>& markup = page_.content().lineEdit;
    if (!markup)
        return;
    edit_ = new PageInputEdit(&page_.controlParent());
    edit_->hide();
    edit_->setFont(page_.fontFor(markup->format).font());
    edit_->setFrame(markup->border);
    if (markup->color != ColorValue::None) {
        QPalette palette = edit_->palette();
        palette.setColor(QPalette::Base,
                         toQColor(ResolveColor(markup->color, page_.content().colors)));
        edit_->setPalette(palette);
    }
    const std::string name = markup->name;
    edit_->setText(toQString(page_.definition(name)));
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this, name](const QString& text) {
        page_.setDefinition(name, fromQString(text));
    });
    edit_->OnEnter = [this, name] {
        page_.setDefinition(name, fromQString(edit_->text()));
        outlet_.SendCommand(name);
    };
    const int width = markup->rect.w == PageRect::NotGiven ? DefaultWidth : markup->rect.w;
    pageRect_ = QRect(markup->rect.x, markup->rect.y, width, edit_->sizeHint().height());
    Place();
}

void PageInput::Place() {
    if (edit_)
        edit_->setGeometry(pageRect_.translated(0, -page_.scrollPosition()));
}

void PageInput::Show() {
    if (!edit_)
        return;
    edit_->show();
    edit_->setFocus(Qt::OtherFocusReason);
}

void PageInput::Clear() {
    if (edit_) {
        edit_->hide();
        edit_->disconnect();
        edit_->OnEnter = nullptr;
        edit_->deleteLater();
    }
    edit_ = nullptr;
}

} // namespace qor
