#include "controls/ControlPainting.h"

#include "graphics/QtGraphics.h"
#include "platform/QtText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace qor {

QImage controlImage(const QWidget& control) {
    QImage image(control.size(), QImage::Format_RGB32);
    // Fonts given in points must come out as large as on the control itself.
    constexpr double inchesPerMetre = 39.37;
    image.setDotsPerMeterX(qRound(control.logicalDpiX() * inchesPerMetre));
    image.setDotsPerMeterY(qRound(control.logicalDpiY() * inchesPerMetre));
    return image;
}

int centredTextTop(int top, int height, const QFontMetrics& metrics) {
    return top + (height - metrics.height()) / 2;
}

void drawProgramText(QPainter& painter, int x, int top, std::string_view text) {
    painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), toQString(text));
}

bool drawBackdrop(QPainter& painter, const Backdrop& backdrop, const QRect& geometry) {
    if (!backdrop.present())
        return false;
    // Logical pixels; a HiDPI picture gives its own pixels under them.
    const QRect source(geometry.topLeft() - backdrop.topLeft, geometry.size());
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(geometry.size())), *backdrop.picture,
                      QRectF(toDevicePixels(*backdrop.picture, source)));
    return true;
}

} // namespace qor
