#pragma once
// The one meeting point of the program's colours and rectangles with Qt's.

#include "graphics/Color.h"
#include "graphics/PixelRect.h"

#include <QColor>
#include <QRect>

namespace qor {

// A colour of 0x00BBGGRR (marker bits above are ignored).
inline QColor toQColor(Color color) {
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

inline QRect toQRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

inline PixelRect toPixelRect(const QRect& rect) {
    return PixelRect::fromSize(rect.x(), rect.y(), rect.width(), rect.height());
}

} // namespace qor
