#include "page/exercises/DragSprite.h"

#include "graphics/QtGraphics.h"

#include <QPainter>

namespace qor {

void DragSprite::Begin(QImage& buffer, QImage picture, QPoint topLeft) {
    picture_ = std::move(picture);
    active_ = true;
    drawAt(buffer, topLeft);
}

QRect DragSprite::MoveTo(QImage& buffer, QPoint topLeft) {
    if (!active_)
        return {};
    const QRect before = Lift(buffer);
    active_ = true;
    drawAt(buffer, topLeft);
    return before.united(rect());
}

QRect DragSprite::Lift(QImage& buffer) {
    if (!active_)
        return {};
    QPainter painter(&buffer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(position_, under_);
    active_ = false;
    return rect();
}

void DragSprite::Drop() {
    active_ = false;
    under_ = {};
}

void DragSprite::drawAt(QImage& buffer, QPoint topLeft) {
    position_ = topLeft;
    // Parts outside the buffer come back transparent and are put back as such.
    under_ = copyLogical(buffer, rect());
    QPainter painter(&buffer);
    painter.drawImage(position_, picture_);
}

} // namespace qor
