#pragma once
// Reading the drawn controls back as pixels: render a control off the screen
// and count the pixels of a region that match a colour test.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

namespace qor::test {

inline QImage renderControl(QWidget& control) {
    return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using PixelTest = std::function<bool(QRgb)>;

inline int countPixels(const QImage& image, const QRect& region, const PixelTest& test) {
    int count = 0;
    const QRect clipped = region.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (test(image.pixel(x, y)))
                ++count;
    return count;
}

// Colours as anti-aliased text leaves them: clearly one hue, not exactly it.
inline bool isReddish(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100;
}
inline bool isDark(QRgb p) {
    return qRed(p) < 110 && qGreen(p) < 110 && qBlue(p) < 110;
}
inline PixelTest isColor(QRgb color) {
    return [color](QRgb p) {
        return (p & 0xFFFFFF) == (color & 0xFFFFFF);
    };
}
inline PixelTest isNear(QRgb color, int tolerance = 60) {
    return [color, tolerance](QRgb p) {
        return std::abs(qRed(p) - qRed(color)) <= tolerance &&
               std::abs(qGreen(p) - qGreen(color)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(color)) <= tolerance;
    };
}

// The font the control tests draw with: metric-compatible and always installed.
inline QFont testFont(int pixelSize = 13) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    return font;
}

inline QImage filled(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace qor::test
