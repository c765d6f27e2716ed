#include "controls/XMultipleChoice.h"

#include "controls/GridCells.h"
#include "platform/QtText.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace qor {

TXMultipleChoice::TXMultipleChoice(QWidget* parent) : QWidget(parent) {
    resize(cellWidth_ * spalten_, cellHeight_ * zeilen_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TXMultipleChoice::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    update();
}

void TXMultipleChoice::setCellWidth(int width) {
    cellWidth_ = width;
    update();
}

void TXMultipleChoice::setCellHeight(int height) {
    cellHeight_ = height;
    update();
}

void TXMultipleChoice::setSpalten(int columns) {
    spalten_ = columns;
    update();
}

void TXMultipleChoice::setZeilen(int rows) {
    zeilen_ = rows;
    update();
}

void TXMultipleChoice::setHighlight(int index) {
    highlight_ = index;
    if (highlight_ >= 0)
        hover_ = -1;
    update();
}

void TXMultipleChoice::setHighlightColor(qor::Color color) {
    highlightColor_ = color;
    update();
}

void TXMultipleChoice::setActiveColor(qor::Color color) {
    activeColor_ = color;
    update();
}

void TXMultipleChoice::setInActiveColor(qor::Color color) {
    inActiveColor_ = color;
    update();
}

void TXMultipleChoice::setBitmap(Backdrop bitmap) {
    bitmap_ = bitmap;
    update();
}

void TXMultipleChoice::setHintergrund(Backdrop hintergrund) {
    hintergrund_ = hintergrund;
    update();
}

std::string TXMultipleChoice::CellText(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size() &&
        !items_[static_cast<std::size_t>(index)].empty())
        return items_[static_cast<std::size_t>(index)];
    return "Antwort " + std::to_string(index);
}

int TXMultipleChoice::cellAt(QPoint point) const {
    return GridCellAt(point, QSize(cellWidth_, cellHeight_), spalten_, zeilen_);
}

void TXMultipleChoice::setHover(int cell) {
    if (cell == hover_)
        return;
    hover_ = cell;
    update();
}

void TXMultipleChoice::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    if (!drawBackdrop(painter, bitmap_, geometry()) &&
        !drawBackdrop(painter, hintergrund_, geometry()))
        painter.fillRect(image.rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    for (int index = 0; index < spalten_ * zeilen_; ++index) {
        const QRect cell = GridCellRect(index, QSize(cellWidth_, cellHeight_), zeilen_);
        const QString text = toQString(CellText(index));
        const int textLeft = cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2;
        const int textTop = centredTextTop(cell.top(), cell.height(), metrics);
        painter.setPen(toQColor(index == hover_ ? activeColor_ : inActiveColor_));
        painter.drawText(QPoint(textLeft, textTop + metrics.ascent()), text);
        if (index == highlight_)
            drawPointer(painter, cell, textLeft);
    }
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

// A dot at the cell's top, a line down to the middle and across towards the
// text, ending in an arrowhead 10 pixels before it.
void TXMultipleChoice::drawPointer(QPainter& painter, const QRect& cell, int textLeft) const {
    const QColor color = toQColor(highlightColor_);
    const int startX = cell.left() + PointerGap;
    const int middle = cell.top() + cell.height() / 2;
    const int tip = textLeft - PointerGap;
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawEllipse(QPoint(startX, cell.top() + 4), 3, 3);
    const QPoint line[] = {{startX, cell.top() + 4}, {startX, middle}, {tip, middle}};
    painter.drawPolyline(line, 3);
    const QPoint head[] = {{tip, middle}, {tip - 5, middle - 3}, {tip - 5, middle + 3}};
    painter.drawPolygon(head, 3);
}

void TXMultipleChoice::mouseMoveEvent(QMouseEvent* event) {
    if (highlight_ < 0)
        setHover(cellAt(event->position().toPoint()));
}

void TXMultipleChoice::leaveEvent(QEvent*) {
    if (highlight_ < 0)
        setHover(-1);
}

void TXMultipleChoice::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
}

void TXMultipleChoice::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    const bool wasPressed = left && leftPressed_;
    if (left)
        leftPressed_ = false;
    QPointer<TXMultipleChoice> alive(this);
    if (wasPressed && rect().contains(at))
        fire(OnClick, this);
    const int cell = cellAt(at);
    if (!alive || cell < 0)
        return;
    if (wasPressed && highlight_ < 0)
        selected_ = cell;
    fire(OnSelect, this, cell, event->button());
}

} // namespace qor
