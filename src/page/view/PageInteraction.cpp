// The page under the mouse and the keyboard: hover feedback (cursor,
// highlight, the host's link and hint events, hover sounds, the hint
// window), button presses and releases, clicks and keys.

#include "controls/XLabel.h"
#include "page/layout/LinkTargets.h"
#include "page/view/PageCursors.h"
#include "page/view/PageHintWindow.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>

namespace qor {

namespace {

bool startsWithDegree(std::string_view text) {
    return !text.empty() && text.front() == DegreeSign;
}

} // namespace

std::string TXPage::resolvedAlias(std::string_view name) const {
    return model_.aliases().get(name);
}

void TXPage::mouseMoveEvent(QMouseEvent* event) {
    lastMouse_ = event->position().toPoint();
    if (!mouseEnabled_ || animating_)
        return;
    hover(lastMouse_, event->buttons());
}

void TXPage::hover(QPoint at, Qt::MouseButtons buttons) {
    const QPoint pagePoint = at + QPoint(0, scroll_);
    if ((buttons & Qt::LeftButton) && hooks().dragging()) {
        hooks().moveDrag(pagePoint);
        return;
    }

    const AreaHit hit = areas_.HitTest(pagePoint.x(), pagePoint.y());
    std::string target = hit.target;
    std::string hint = hit.hint;
    if (hooks().overDraggable(pagePoint)) {
        setCursor(DragCursor());
    } else {
        if (!target.empty() && target.front() == '#') {
            TargetAndHint resolved = SplitAreaName(resolvedAlias(target));
            target = std::move(resolved.target);
            hint = std::move(resolved.hint);
        }
        if (IsRealTarget(target))
            setCursor(HandCursor());
        else
            setCursor(Qt::ArrowCursor);
    }

    if (hit.hoverIndex != hoverIndex_) {
        if (hit.hoverIndex < 0)
            highlight(-1);
        else if (IsRealTarget(target))
            highlight(hit.hoverIndex);
    }

    if (target == lastTarget_ && hint == lastHint_)
        return;
    const QPointer<TXPage> alive(this);
    if (OnAnkerChange && ReportsAnkerChange(target)) {
        OnAnkerChange(target);
        if (!alive)
            return;
    }
    const std::string sound = HoverSoundFile(target, hint);
    if (!sound.empty() && PlayHoverSound && fileExists(XPath() + sound))
        PlayHoverSound(XPath() + sound);
    showHint(target, hint);
    lastTarget_ = target;
    lastHint_ = hint;
}

void TXPage::highlight(int entry) {
    hoverIndex_ = entry;
    for (const PixelRect& changed : areas_.Highlight(entry, buffer_))
        showBufferRect(QRect(changed.left, changed.top, changed.width(), changed.height()));
}

// The host shows hints itself when it listens; otherwise the page's own
// window shows the hint of a link a moment after the mouse came to it.
// Hints starting with "°" only name a sound.
void TXPage::showHint(const std::string& target, const std::string& hint) {
    if (OnHintChange) {
        if (hint != lastHintSent_ && !startsWithDegree(hint)) {
            lastHintSent_ = hint;
            OnHintChange(hint);
        }
        return;
    }
    if (!hint.empty() && !startsWithDegree(hint) && IsRealTarget(target)) {
        const QPoint screen = lastMouse_.x() < 0 ? QCursor::pos() : mapToGlobal(lastMouse_);
        hintWindow_->showLater(hint, screen + QPoint(12, 16));
    } else {
        hintWindow_->hideHint();
    }
}

void TXPage::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    highlight(-1);
    lastMouse_ = QPoint(-1, -1);
}

void TXPage::mousePressEvent(QMouseEvent* event) {
    buttonDown(event->button(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TXPage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as a press as well.
    const QPointer<TXPage> alive(this);
    buttonDown(event->button(), event->modifiers(), event->position().toPoint());
    if (alive && mouseEnabled_ && !animating_)
        fire(OnDblClick, this);
    event->accept();
}

void TXPage::buttonDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    leftPressed_ = false;
    if (!mouseEnabled_ || animating_)
        return;
    const QPointer<TXPage> alive(this);
    fire(OnMouseDown, this, button, modifiers, at.x(), at.y());
    if (!alive)
        return;
    const QPoint pagePoint = at + QPoint(0, scroll_);
    if (button == Qt::RightButton) {
        rightButtonDown(at, pagePoint);
    } else if (button == Qt::LeftButton) {
        leftPressed_ = true;
        leftButtonDown(pagePoint);
    }
}

void TXPage::rightButtonDown(QPoint at, QPoint pagePoint) {
    if (const std::optional<std::string> word = words_.Lookup(pagePoint.x(), pagePoint.y());
        word && OnRightClick) {
        const PixelRect& rect = words_.lookedUpRect();
        OnRightClick(*this, QRect(rect.left, rect.top - scroll_, rect.width(), rect.height()),
                     *word);
        return;
    }
    const AreaHit hit = areas_.HitTest(pagePoint.x(), pagePoint.y());
    if (TargetForButton(hit.target, false).empty() && popUpMenu_)
        popUpMenu_->popup(mapToGlobal(at));
}

// Links act on release; notes show at once. A press beside every link
// closes what is open over the page, or may pick up a block to drag.
void TXPage::leftButtonDown(QPoint pagePoint) {
    if (popUp_ && popUp_->isVisible())
        popUp_->hide();
    // Note spots ("%@text") and hot spots ("@text") lead nowhere: their
    // text is the note.
    const AreaHit hit = areas_.HitTest(pagePoint.x(), pagePoint.y());
    if (IsRealTarget(hit.target))
        return;
    if (hit.entry >= 0 && !hit.hint.empty()) {
        const PixelRect& r = hit.rect;
        ActivateTarget("@" + hit.hint, QRect(r.left, r.top, r.width(), r.height()));
        return;
    }
    if (note_->isVisible())
        note_->hide();
    else if (htmlChild_)
        hide();
    else
        hooks().startDrag(pagePoint);
}

void TXPage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool clicked = leftPressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (!mouseEnabled_ || animating_)
        return;
    const QPointer<TXPage> alive(this);
    // A click comes before the release of the button: the page-click
    // target goes first, then the link under the mouse.
    if (clicked) {
        fire(OnClick, this);
        if (!alive)
            return;
        const std::string clickTarget = model_.page().clickTarget;
        if (!clickTarget.empty()) {
            ActivateTarget(clickTarget);
            if (!alive || !mouseEnabled_)
                return;
        }
    }
    buttonUp(event->button(), event->position().toPoint() + QPoint(0, scroll_));
}

void TXPage::buttonUp(Qt::MouseButton button, QPoint pagePoint) {
    if (hooks().dragging()) {
        hooks().endDrag(pagePoint);
        return;
    }
    const AreaHit hit = areas_.HitTest(pagePoint.x(), pagePoint.y());
    std::string target = hit.target;
    if (!target.empty() && target.front() == '#')
        target = SplitAreaName(resolvedAlias(target)).target;
    const PixelRect& r = hit.rect;
    ActivateTarget(TargetForButton(target, button == Qt::LeftButton),
                   QRect(r.left, r.top, r.width(), r.height()));
}

void TXPage::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    const QPointer<TXPage> alive(this);
    fire(OnKeyDown, this, key, event->modifiers());
    if (!alive)
        return;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    std::string& enterTarget = model_.page().enterTarget;
    if (enter && !enterTarget.empty()) {
        const std::string target = std::move(enterTarget);
        enterTarget.clear();
        ActivateTarget(target);
        return;
    }
    if (key == 0)
        return;
    QWidget::keyPressEvent(event);
}

void TXPage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    fire(OnEnter, this);
}

void TXPage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    fire(OnExit, this);
}

void TXPage::wheelEvent(QWheelEvent* event) {
    if (scrollBar_->isVisible())
        QCoreApplication::sendEvent(scrollBar_, event);
    else
        QWidget::wheelEvent(event);
}

} // namespace qor
