#include "page/view/TXBitmap.h"

#include <QPainter>

namespace qor {

TXBitmap::TXBitmap(int width, int height) : image_(width, height, QImage::Format_RGB888) {}

TXBitmap::TXBitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB888)) {}

Bitmap24 bitmap24(QImage& image) {
    return {image.bits(), image.width(), image.height(), image.bytesPerLine()};
}

void TXBitmap::Draw(QImage& target, int x, int y, TTransitionMode mode,
                    const QImage* coverage) const {
    Draw(target, x, y, static_cast<int>(mode), coverage);
}

namespace {

// An image at another pixel density, the same logical size.
QImage atRatio(const QImage& image, qreal ratio) {
    if (image.devicePixelRatio() == ratio)
        return image;
    const qreal scale = ratio / image.devicePixelRatio();
    QImage dense = image.scaled(qRound(image.width() * scale), qRound(image.height() * scale),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    dense.setDevicePixelRatio(ratio);
    return dense;
}

} // namespace

void TXBitmap::Draw(QImage& target, int x, int y, int mode, const QImage* coverage) const {
    if (image_.isNull())
        return;
    const qreal ratio = target.devicePixelRatio();
    if (ratio == 1.0 && image_.devicePixelRatio() == 1.0) {
        blend(target, x, y, mode, coverage);
        return;
    }
    TXBitmap dense(*this);
    dense.image_ = atRatio(image_, ratio).convertToFormat(QImage::Format_RGB888);
    const QImage denseCoverage =
        coverage ? atRatio(*coverage, ratio).convertToFormat(QImage::Format_Alpha8) : QImage();
    dense.blend(target, qRound(x * ratio), qRound(y * ratio), mode,
                coverage ? &denseCoverage : nullptr);
}

void TXBitmap::blend(QImage& target, int x, int y, int mode, const QImage* coverage) const {
    CoverageMask mask;
    if (coverage)
        mask = {coverage->constBits(), coverage->bytesPerLine()};
    // constBits: the source is only read.
    const Bitmap24 source{const_cast<uchar*>(image_.constBits()), image_.width(), image_.height(),
                          image_.bytesPerLine()};
    if (target.format() == QImage::Format_RGB888) {
        BlendBitmap(source, bitmap24(target), x, y, mode, Alpha, Tint, coverage ? &mask : nullptr);
        return;
    }
    if (target.format() == QImage::Format_RGB32) {
        const Bitmap32 pixels{target.bits(), target.width(), target.height(),
                              target.bytesPerLine()};
        BlendBitmap(source, pixels, x, y, mode, Alpha, Tint, coverage ? &mask : nullptr);
        return;
    }
    // Another target format: blend on a 24-bit copy of the part covered.
    const QRect area = QRect(x, y, image_.width(), image_.height()).intersected(target.rect());
    if (area.isEmpty())
        return;
    QImage part = target.copy(area).convertToFormat(QImage::Format_RGB888);
    BlendBitmap(source, bitmap24(part), x - area.x(), y - area.y(), mode, Alpha, Tint,
                coverage ? &mask : nullptr);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), part);
}

} // namespace qor
