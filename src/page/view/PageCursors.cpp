#include "page/view/PageCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qor {

namespace {

constexpr int CursorSize = 32;

QPixmap blankCursorPixmap() {
    QPixmap pixmap(CursorSize, CursorSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A white shape with a black outline, drawn on whole pixels.
void drawOutlined(QPainter& painter, const QPainterPath& shape) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(shape.simplified());
}

// A hand pointing up with its index finger; the finger tip is the hot spot.
QCursor makeHandCursor() {
    QPixmap pixmap = blankCursorPixmap();
    QPainter painter(&pixmap);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(6, 0, 5, 14), 2.5, 2.5); // index finger
    hand.addRoundedRect(QRectF(10, 6, 4, 8), 2, 2);     // middle finger
    hand.addRoundedRect(QRectF(13, 7, 4, 7), 2, 2);     // ring finger
    hand.addRoundedRect(QRectF(16, 8, 4, 7), 2, 2);     // little finger
    hand.addRoundedRect(QRectF(6, 10, 14, 11), 3, 3);   // palm
    hand.addRoundedRect(QRectF(1, 10, 7, 4), 2, 2);     // thumb
    hand.addRect(QRectF(8, 20, 10, 3));                 // wrist
    drawOutlined(painter, hand);
    painter.setPen(Qt::black);
    painter.drawLine(10, 10, 10, 13);
    painter.drawLine(13, 10, 13, 13);
    painter.drawLine(16, 11, 16, 13);
    painter.end();
    return QCursor(pixmap, 8, 0);
}

// An arrow carrying a block: the arrow's point is the hot spot.
QCursor makeDragCursor() {
    QPixmap pixmap = blankCursorPixmap();
    QPainter painter(&pixmap);
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 15);
    arrow.lineTo(4, 11);
    arrow.lineTo(7, 17);
    arrow.lineTo(9, 16);
    arrow.lineTo(6, 10);
    arrow.lineTo(11, 10);
    arrow.closeSubpath();
    drawOutlined(painter, arrow);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(12, 16, 16, 9);
    painter.drawLine(15, 20, 25, 20);
    painter.end();
    return QCursor(pixmap, 0, 0);
}

} // namespace

const QCursor& HandCursor() {
    static const QCursor cursor = makeHandCursor();
    return cursor;
}

const QCursor& DragCursor() {
    static const QCursor cursor = makeDragCursor();
    return cursor;
}

} // namespace qor
