#include "controls/XLabel.h"

#include "controls/ControlPainting.h"
#include "platform/QtText.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qor {

QPoint NotePosition(const QRect& anchor, const QSize& note, const QSize& page) {
    const int anchorBottom = anchor.top() + anchor.height();
    QPoint at(anchor.left() + 8, anchorBottom + 8);
    if (at.x() + note.width() > page.width() - 8)
        at.setX(page.width() - note.width() - 24);
    if (at.y() + note.height() > page.height() - 24)
        at.setY(anchor.top() - note.height() - 8);
    return at;
}

TXLabel::TXLabel(QWidget* parent) : QWidget(parent) {
    resize(65, 17);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent != nullptr)
        parent->installEventFilter(this);
}

void TXLabel::setCaption(std::string caption) {
    caption_ = std::move(caption);
    fitToCaption();
    update();
}

void TXLabel::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TXLabel::setAutoSize(bool on) {
    autoSize_ = on;
    fitToCaption();
}

void TXLabel::setWordWrap(bool on) {
    wordWrap_ = on;
    fitToCaption();
    update();
}

void TXLabel::setShowAccelChar(bool on) {
    showAccelChar_ = on;
    fitToCaption();
    update();
}

void TXLabel::setColor(qor::Color color) {
    color_ = color;
    update();
}

void TXLabel::setFontColor(qor::Color color) {
    fontColor_ = color;
    update();
}

void TXLabel::setAlign(TAlign align) {
    align_ = align;
    applyAlign();
}

void TXLabel::ShowNote(std::string text, const QRect& anchor, const QSize& page) {
    note_ = true;
    wordWrap_ = true;
    caption_ = std::move(text);
    resize(NoteWidth, height());
    fitToCaption();
    move(NotePosition(anchor, size(), page));
    raise();
    show();
    update();
}

int TXLabel::textFlags() const {
    int flags = showAccelChar_ ? Qt::TextShowMnemonic : 0;
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    switch (alignment_) {
    case TAlignment::taLeftJustify:
        return flags | Qt::AlignLeft;
    case TAlignment::taRightJustify:
        return flags | Qt::AlignRight;
    case TAlignment::taCenter:
        break;
    }
    return flags | Qt::AlignHCenter;
}

void TXLabel::fitToCaption() {
    if (!autoSize_)
        return;
    const QFontMetrics metrics(font(), this);
    // Without word wrap the caption is as wide as it wants to be.
    const int available = wordWrap_ ? std::max(1, width() - 2 * Margin) : 1 << 20;
    // An empty caption still keeps the height of one line.
    const QString caption = caption_.empty() ? QStringLiteral(" ") : toQString(caption_);
    const QRect text = metrics.boundingRect(QRect(0, 0, available, 1 << 20), textFlags(), caption);
    resize(text.width() + 2 * Margin, text.height() + 2 * Margin);
    applyAlign();
}

void TXLabel::applyAlign() {
    const QWidget* parent = parentWidget();
    if (parent == nullptr || align_ == TAlign::alNone)
        return;
    const QRect area = parent->contentsRect();
    switch (align_) {
    case TAlign::alTop:
        setGeometry(area.left(), area.top(), area.width(), height());
        break;
    case TAlign::alBottom:
        setGeometry(area.left(), area.bottom() + 1 - height(), area.width(), height());
        break;
    case TAlign::alLeft:
        setGeometry(area.left(), area.top(), width(), area.height());
        break;
    case TAlign::alRight:
        setGeometry(area.right() + 1 - width(), area.top(), width(), area.height());
        break;
    case TAlign::alClient:
        setGeometry(area);
        break;
    case TAlign::alNone:
        break;
    }
}

bool TXLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        applyAlign();
    return false;
}

void TXLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToCaption();
    else if (event->type() == QEvent::ParentChange && parentWidget() != nullptr)
        parentWidget()->installEventFilter(this);
}

void TXLabel::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(color_));
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.setFont(font());
    painter.setPen(toQColor(fontColor_));
    painter.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin), textFlags() | Qt::AlignTop,
                     toQString(caption_));
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

void TXLabel::mousePressEvent(QMouseEvent* event) {
    if (note_ && event->button() == Qt::LeftButton)
        hide();
}

} // namespace qor
