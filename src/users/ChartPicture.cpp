#include "users/ChartPicture.h"

#include "graphics/QtGraphics.h"

#include <QPainter>

namespace qor {

void ChartPicture::fillRect(int left, int top, int right, int bottom, Color color) {
    QPainter painter(&image_);
    painter.fillRect(QRect(left, top, right - left, bottom - top), toQColor(color));
}

void ChartPicture::drawLine(int x1, int y1, int x2, int y2, Color color) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(color), 2));
    painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

} // namespace qor
