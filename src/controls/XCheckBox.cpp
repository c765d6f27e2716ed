#include "controls/XCheckBox.h"

#include "controls/ControlPainting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace qor {

tXCheckBox::tXCheckBox(QWidget* parent) : QWidget(parent) {
    resize(65, 17);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void tXCheckBox::setCaption(std::string caption) {
    caption_ = std::move(caption);
    update();
}

void tXCheckBox::setChecked(bool checked) {
    checked_ = checked;
    update();
}

void tXCheckBox::setFontColor(qor::Color color) {
    fontColor_ = color;
    update();
}

void tXCheckBox::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    painter.fillRect(image.rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(isEnabled() ? toQColor(fontColor_) : QColor(0x80, 0x80, 0x80));
    drawProgramText(painter, CaptionLeft, centredTextTop(0, height(), painter.fontMetrics()),
                    caption_);

    const int top = (height() - BoxSize) / 2;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, top, BoxSize - 1, BoxSize - 1);
    if (checked_) {
        for (int shift = 0; shift < 3; ++shift) {
            const QPoint tick[] = {
                {2, top + 5 + shift}, {4, top + 7 + shift}, {10, top + 1 + shift}};
            painter.drawPolyline(tick, 3);
        }
    }
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

void tXCheckBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setChecked(!checked_);
    const QPoint at = event->position().toPoint();
    fire(OnMouseDown, this, event->button(), event->modifiers(), at.x(), at.y());
}

void tXCheckBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    fire(OnMouseMove, this, event->modifiers(), at.x(), at.y());
}

void tXCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    QPointer<tXCheckBox> alive(this);
    if (event->button() == Qt::LeftButton && rect().contains(at))
        fire(OnClick, this);
    if (alive)
        fire(OnMouseUp, this, event->button(), event->modifiers(), at.x(), at.y());
}

} // namespace qor
