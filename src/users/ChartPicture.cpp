#include "users/ChartPicture.h"

#include "graphics/QtGraphics.h"

#include <QPainter>

namespace qor {

void ChartPicture::fillRect(int left, int top, int right, int bottom, Color color) {
    QPainter painter(&image_);
    painter.fillRect(QRect(left, top, right - left, bottom - top), toQColor(color));
}

} // namespace qor
