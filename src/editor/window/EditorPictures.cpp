#include "editor/window/EditorPictures.h"

#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

namespace qor {

namespace {

// Stripes from top to bottom: colour and share of the height.
using Stripes = std::vector<std::pair<QColor, double>>;

const Stripes& stripesOf(bool german) {
    static const Stripes germany = {{QColor(0x00, 0x00, 0x00), 1.0 / 3},
                                    {QColor(0xDD, 0x00, 0x00), 1.0 / 3},
                                    {QColor(0xFF, 0xCE, 0x00), 1.0 / 3}};
    static const Stripes spain = {{QColor(0xAA, 0x15, 0x1B), 0.25},
                                  {QColor(0xF1, 0xBF, 0x00), 0.5},
                                  {QColor(0xAA, 0x15, 0x1B), 0.25}};
    return german ? germany : spain;
}

} // namespace

QImage FlagPicture(bool german, QSize size) {
    QImage flag(size, QImage::Format_ARGB32_Premultiplied);
    flag.fill(Qt::transparent);
    QPainter painter(&flag);
    double top = 0;
    for (const auto& [color, share] : stripesOf(german)) {
        const double height = share * size.height();
        painter.fillRect(QRectF(0, top, size.width(), height), color);
        top += height;
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return flag;
}

QImage ListFlag(bool german, int rowHeight) {
    const int flagHeight = std::max(rowHeight / 2, 6);
    const int flagWidth = flagHeight * 5 / 3;
    QImage mark(flagWidth + 10, rowHeight, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.drawImage(4, (rowHeight - flagHeight) / 2,
                      FlagPicture(german, QSize(flagWidth, flagHeight)));
    return mark;
}

} // namespace qor
