#include "controls/XRadioGroup.h"

#include "controls/ControlPainting.h"
#include "controls/GridCells.h"

#include <QMouseEvent>
#include <QPainter>

namespace qor {

tXRadioGroup::tXRadioGroup(QWidget* parent) : QWidget(parent) {
    resize(cellWidth_ * spalten_, cellHeight_ * zeilen_);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void tXRadioGroup::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    update();
}

void tXRadioGroup::setCellWidth(int width) {
    cellWidth_ = width;
    update();
}

void tXRadioGroup::setCellHeight(int height) {
    cellHeight_ = height;
    update();
}

void tXRadioGroup::setSpalten(int columns) {
    spalten_ = columns;
    update();
}

void tXRadioGroup::setZeilen(int rows) {
    zeilen_ = rows;
    update();
}

void tXRadioGroup::setSelected(int index) {
    selected_ = index;
    update();
}

void tXRadioGroup::setFontColor(qor::Color color) {
    fontColor_ = color;
    update();
}

std::string tXRadioGroup::CellText(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size() &&
        !items_[static_cast<std::size_t>(index)].empty())
        return items_[static_cast<std::size_t>(index)];
    return "Option " + std::to_string(index);
}

void tXRadioGroup::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    painter.fillRect(image.rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    const QSize cell(cellWidth_, cellHeight_);
    for (int index = 0; index < spalten_ * zeilen_; ++index) {
        const QRect r = GridCellRect(index, cell, zeilen_);
        const int circleTop = r.top() + (r.height() - CircleSize) / 2;
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawEllipse(r.left(), circleTop, CircleSize - 1, CircleSize - 1);
        if (index == selected_) {
            painter.setBrush(Qt::black);
            painter.drawEllipse(r.left() + 2, circleTop + 2, CircleSize - 5, CircleSize - 5);
        }
        painter.setPen(toQColor(fontColor_));
        drawProgramText(painter, r.left() + TextOffset,
                        centredTextTop(r.top(), r.height(), painter.fontMetrics()),
                        CellText(index));
    }
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

void tXRadioGroup::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int index =
        GridCellAt(event->position().toPoint(), QSize(cellWidth_, cellHeight_), spalten_, zeilen_);
    if (index < 0)
        return;
    setSelected(index);
    fire(OnClick, this);
}

} // namespace qor
