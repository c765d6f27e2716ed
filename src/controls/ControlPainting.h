#pragma once
// What the drawn controls share when they paint: colour values, the
// off-screen image each control draws into, text placement, and the pictures
// a control can show through its background.

#include "graphics/Color.h"
#include "graphics/QtGraphics.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <string_view>

class QFontMetrics;
class QPainter;
class QWidget;

namespace qor {

// A 0x00BBGGRR colour value as a QColor.

// An image of the control's size and resolution to draw into before copying to the screen.
QImage controlImage(const QWidget& control);

// The top of a line of text centred vertically in the band (top, height) by the
// height of the font's character cell.
int centredTextTop(int top, int height, const QFontMetrics& metrics);

// Draws program text with its top-left corner at (x, top).
void drawProgramText(QPainter& painter, int x, int top, std::string_view text);

// A picture lying under a control, such as the page buffer or a picture on
// the form; topLeft is where the picture's top-left corner sits in the
// control's parent. The picture belongs to someone else and must outlive its use.
struct Backdrop {
    const QImage* picture = nullptr;
    QPoint topLeft;

    bool present() const { return picture != nullptr && !picture->isNull(); }
};

// Draws the part of backdrop that lies under geometry (in the parent's
// coordinates) at the painter's origin; false when there is no picture.
bool drawBackdrop(QPainter& painter, const Backdrop& backdrop, const QRect& geometry);

} // namespace qor
