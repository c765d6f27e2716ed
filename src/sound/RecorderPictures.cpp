#include "sound/RecorderPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace qor {

namespace {
constexpr int Size = 32;
} // namespace

QImage builtInRecorderPicture(RecorderButton button, bool active) {
    QImage picture(Size, Size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A round button face, ringed in the button's colour while active.
    const QColor accent =
        button == RecorderButton::Record ? QColor(220, 30, 30) : QColor(30, 150, 40);
    painter.setPen(active ? QPen(accent, 3) : QPen(QColor(120, 120, 120), 1.5));
    painter.setBrush(active ? QColor(255, 250, 235) : QColor(235, 235, 235));
    painter.drawEllipse(QRectF(2, 2, Size - 4, Size - 4));

    painter.setPen(Qt::NoPen);
    if (button == RecorderButton::Record) {
        painter.setBrush(active ? accent : QColor(130, 40, 40));
        painter.drawEllipse(QRectF(10, 10, 12, 12));
    } else {
        painter.setBrush(active ? accent : QColor(60, 90, 60));
        QPainterPath triangle;
        triangle.moveTo(12, 9);
        triangle.lineTo(24, 16);
        triangle.lineTo(12, 23);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    }
    return picture;
}

} // namespace qor
