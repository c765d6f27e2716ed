#include "page/view/Celebration.h"

#include "page/view/PageFonts.h"
#include "platform/QtText.h"

#include <QFontMetrics>
#include <QPainter>

namespace qor {

namespace {

// "Times New Roman" at 48 points, which the screen's 96 dots per inch make
// 64 pixels high.
constexpr int TextPixels = 64;

} // namespace

Celebration::Celebration(QSize size, const std::string& text, RandomSource random)
    : size_(size), text_(toQString(text)),
      font_(PageFonts::makeFont("Times New Roman", TextPixels, false, false, true)),
      random_(std::move(random)) {
    const QFontMetrics metrics(font_);
    position_ = QPoint((size_.width() - metrics.horizontalAdvance(text_)) / 2,
                       (size_.height() - metrics.height()) / 2);
}

QImage Celebration::blankFrame() const {
    QImage frame(size_, QImage::Format_RGB32);
    frame.fill(Qt::black);
    return frame;
}

void Celebration::DrawFrame(QImage& frame) {
    QPainter painter(&frame);
    const QRect field = frame.rect().adjusted(InsetX, InsetY, -InsetX, -InsetY);
    painter.fillRect(field, Qt::black);

    const int specks = 4 + randomBelow(random_, 4);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < specks; ++i) {
        painter.setBrush(randomBelow(random_, 2) ? QColor(0xC0, 0xC0, 0xC0)
                                                 : QColor(0x80, 0x80, 0x80));
        const int x = field.left() + randomBelow(random_, std::max(1, field.width()));
        const int y = field.top() + randomBelow(random_, std::max(1, field.height()));
        if (randomBelow(random_, 2)) {
            painter.drawRect(x, y, 1 + randomBelow(random_, 6), 1 + randomBelow(random_, 8));
        } else {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawEllipse(x, y, 1 + randomBelow(random_, 10), 1 + randomBelow(random_, 10));
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
    }

    painter.setFont(font_);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(font_);
    painter.drawText(position_ + QPoint(0, metrics.ascent()), text_);
    position_ += QPoint(randomBelow(random_, 5) - 2, randomBelow(random_, 5) - 2);
}

} // namespace qor
