#pragma once
// The one meeting point of the program's colours and rectangles with Qt's.

#include "graphics/Color.h"
#include "graphics/PixelRect.h"

#include <QColor>
#include <QImage>
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

// Images with a device pixel ratio (the page buffer on a HiDPI screen) are
// addressed in logical pixels like all others; this is the rectangle of the
// image's own pixels under a logical one.
inline QRect toDevicePixels(const QImage& image, const QRect& logical) {
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1.0)
        return logical;
    return QRectF(logical.x() * ratio, logical.y() * ratio, logical.width() * ratio,
                  logical.height() * ratio)
        .toAlignedRect();
}

// The whole image in logical pixels.
inline QRect logicalRect(const QImage& image) {
    return {QPoint(0, 0), (QSizeF(image.size()) / image.devicePixelRatio()).toSize()};
}

// A new image of a logical size at a pixel ratio; its pixels are not set.
inline QImage newImageAt(const QSize& logical, QImage::Format format, qreal ratio) {
    QImage image(qRound(logical.width() * ratio), qRound(logical.height() * ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

// The part of an image under a logical rectangle, at the image's ratio.
inline QImage copyLogical(const QImage& image, const QRect& logical) {
    QImage part = image.copy(toDevicePixels(image, logical));
    part.setDevicePixelRatio(image.devicePixelRatio());
    return part;
}

} // namespace qor
