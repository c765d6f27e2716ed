#include "page/view/PageHintWindow.h"

#include "platform/QtText.h"

#include <QPainter>

namespace qor {

namespace {
constexpr int Padding = 2;
} // namespace

PageHintWindow::PageHintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, &PageHintWindow::appear);
    connect(&hideTimer_, &QTimer::timeout, this, &PageHintWindow::hideHint);
}

void PageHintWindow::showLater(const std::string& text, QPoint screenPosition) {
    hideHint();
    text_ = text;
    position_ = screenPosition;
    showTimer_.start(ShowDelayMs);
}

void PageHintWindow::hideHint() {
    showTimer_.stop();
    hideTimer_.stop();
    hide();
}

int PageHintWindow::textFlags() const {
    return Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
}

// As wide as the text wants, but no wider than MaxWidth; long hints wrap.
void PageHintWindow::appear() {
    const QFontMetrics metrics(font(), this);
    const QRect text = metrics.boundingRect(QRect(0, 0, MaxWidth - 2 * Padding, 1 << 16),
                                            textFlags(), toQString(text_));
    resize(text.width() + 2 * Padding + 2, text.height() + 2 * Padding + 2);
    move(position_);
    show();
    hideTimer_.start(ShowTimeMs);
}

void PageHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0xFF, 0xFF, 0xE1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect().adjusted(Padding + 1, Padding + 1, -Padding - 1, -Padding - 1),
                     textFlags(), toQString(text_));
}

} // namespace qor
