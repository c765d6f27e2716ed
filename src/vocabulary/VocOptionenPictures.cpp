#include "vocabulary/VocOptionenPictures.h"

#include <QPainter>

namespace qor {

namespace {

constexpr int MarkSize = 16;
constexpr int DirectionMarkWidth = 18;
constexpr int DirectionDot = 8;

} // namespace

QPixmap SettingsMark(bool usable) {
    QPixmap mark(MarkSize, MarkSize);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = usable ? QColor(0x3C, 0xA0, 0x4A) : QColor(0xD8, 0x2A, 0x1E);
    painter.setPen(QPen(fill.darker(140), 1));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1.5, 1.5, MarkSize - 3, MarkSize - 3));
    // A light spot makes the mark read as a lamp.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawEllipse(QRectF(4.5, 4, 4, 3));
    return mark;
}

QImage DirectionMark(bool german, int rowHeight) {
    QImage mark(DirectionMarkWidth, rowHeight, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(german ? QColor(0xB0, 0x41, 0x2E) : QColor(0xE8, 0xB5, 0x3A));
    painter.drawEllipse(QRectF(5, (rowHeight - DirectionDot) / 2.0, DirectionDot, DirectionDot));
    return mark;
}

} // namespace qor
