#pragma once
// A page control of 400 x 300 pixels for drawing tests, with the messages
// it shows recorded and a folder for the pictures a test writes.

#include "page/view/TXPage.h"
#include "platform/ScriptedMessages.h"
#include "support/GraphicsPrinters.h"
#include "support/PagePrinters.h"
#include "support/TempDir.h"

#include <QColor>
#include <QImage>
#include <string>

namespace qor::test {

class RenderedPage {
public:
    RenderedPage(int width = 400, int height = 300) {
        page.resize(width, height);
        page.model().setCurrentPage(folder.path(), "");
    }

    void show(const std::string& text) { page.ShowText(text); }

    QColor at(int x, int y) const { return page.buffer().pixelColor(x, y); }

    // Writes a picture of two colours, left half and right half, in the
    // format of the file's extension.
    std::string picture(const std::string& name, int width, int height, QColor left, QColor right,
                        const char* format = nullptr) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(right);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                image.setPixelColor(x, y, left);
        image.save(QString::fromStdString(folder.path() + name), format, 100);
        return folder.path() + name;
    }

    // Whether the rectangle holds a pixel of this colour.
    bool holds(const QRect& rect, QColor colour) const {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (at(x, y) == colour)
                    return true;
        return false;
    }

    // Whether the rectangle holds a pixel darker than 60 in every channel.
    bool holdsDark(const QRect& rect) const {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = at(x, y);
                if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                    return true;
            }
        return false;
    }

    ScriptedMessages messages;
    TempDir folder;
    TXPage page;
};

inline QColor rgb(int red, int green, int blue) {
    return QColor(red, green, blue);
}

inline QRect qRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

} // namespace qor::test
