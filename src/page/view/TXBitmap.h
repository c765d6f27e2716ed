#pragma once
// A 24-bit bitmap with an alpha and a tint colour for blending it onto
// another bitmap in one of the transition modes: how boxes, pictures and
// hover images are blended into the page. The blending works row by row on
// the target's own pixels (24 or 32 bits), so the page buffer is blended
// into directly and never copied for it.

#include "graphics/Blend.h"

#include <QImage>

namespace qor {

class TXBitmap {
public:
    TXBitmap() = default;
    TXBitmap(int width, int height);
    explicit TXBitmap(const QImage& image); // converted to 24 bits

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    int Alpha = 255;
    Color Tint = 0; // 0x00BBGGRR

    // Blends this bitmap onto target (any RGB format) with its top left at
    // (x, y), logical pixels of the target. coverage: an Alpha8 mask of this
    // bitmap's size. A target of a higher pixel density (a HiDPI page
    // buffer) gets the bitmap and the mask scaled to its density.
    void Draw(QImage& target, int x, int y, TTransitionMode mode,
              const QImage* coverage = nullptr) const;
    void Draw(QImage& target, int x, int y, int mode, const QImage* coverage = nullptr) const;

private:
    // The blending itself, in the target's own pixels.
    void blend(QImage& target, int x, int y, int mode, const QImage* coverage) const;

    QImage image_; // Format_RGB888
};

// A view of a Format_RGB888 image's pixels.
Bitmap24 bitmap24(QImage& image);

} // namespace qor
