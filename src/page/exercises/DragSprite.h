#pragma once
// A picture moved about on the page buffer, such as a dragged word block or
// sentence part: the buffer under it is kept, so that moving it puts the
// page back where it stood.

#include <QImage>
#include <QPoint>
#include <QRect>

namespace qor {

class DragSprite {
public:
    // Draws picture at topLeft; the page under it is kept.
    void Begin(QImage& buffer, QImage picture, QPoint topLeft);
    // Moves it; gives the buffer rectangle that changed.
    QRect MoveTo(QImage& buffer, QPoint topLeft);
    // Puts the page back under it and forgets it; gives the rectangle.
    QRect Lift(QImage& buffer);
    // Leaves it drawn where it is and forgets it.
    void Drop();

    bool active() const { return active_; }
    QPoint position() const { return position_; }
    QRect rect() const { return {position_, picture_.size()}; }
    const QImage& picture() const { return picture_; }

private:
    void drawAt(QImage& buffer, QPoint topLeft);

    QImage picture_;
    QImage under_;
    QPoint position_;
    bool active_ = false;
};

} // namespace qor
