#include "controls/XListBox.h"

#include "platform/QtText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

namespace qor {
namespace {

constexpr std::size_t MarkedTextLimit = 80;
constexpr std::size_t RightPartLimit = 4;
constexpr int WheelStep = 120; // one notch of a mouse wheel

} // namespace

ListItemParts SplitListItem(std::string_view item) {
    ListItemParts parts;
    if (!item.empty() && (item.front() == OnMarker || item.front() == OffMarker)) {
        parts.marker = item.front();
        item.remove_prefix(1);
    }
    const auto amp = item.find('&');
    if (amp != std::string_view::npos) {
        parts.right = std::string(item.substr(amp + 1, RightPartLimit));
        item = item.substr(0, amp);
    }
    parts.text = std::string(parts.marker != 0 ? item.substr(0, MarkedTextLimit) : item);
    return parts;
}

std::string ListItemText(std::string_view item) {
    if (!item.empty() && (item.front() == OnMarker || item.front() == OffMarker))
        item.remove_prefix(1);
    return std::string(item);
}

std::string ToggleListItemMarker(std::string_view item) {
    std::string toggled(item);
    if (!toggled.empty() && toggled.front() == OnMarker)
        toggled.front() = OffMarker;
    else if (!toggled.empty() && toggled.front() == OffMarker)
        toggled.front() = OnMarker;
    return toggled;
}

TXListBox::TXListBox(QWidget* parent)
    : QWidget(parent), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) { setTopline(value); });
    resize(121, 97);
    updateScrollBar();
}

void TXListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (selected_ >= static_cast<int>(items_.size()))
        selected_ = -1;
    topline_ = std::clamp(topline_, 0, maxTopline());
    updateScrollBar();
    update();
}

void TXListBox::setSelected(int index) {
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    update();
}

void TXListBox::setTopline(int index) {
    const int topline = std::clamp(index, 0, maxTopline());
    if (topline == topline_)
        return;
    topline_ = topline;
    scrollBar_->setValue(topline_);
    update();
}

void TXListBox::setItemHeight(int height) {
    itemHeight_ = std::max(1, height);
    updateScrollBar();
    update();
}

void TXListBox::setListenTyp(TListenTyp type) {
    listenTyp_ = type;
    update();
}

void TXListBox::setFarbeAn(qor::Color color) {
    farbeAn_ = color;
    update();
}

void TXListBox::setFarbeAus(qor::Color color) {
    farbeAus_ = color;
    update();
}

void TXListBox::setColor(qor::Color color) {
    color_ = color;
    update();
}

void TXListBox::setIcon1(QImage icon) {
    icon1_ = std::move(icon);
    update();
}

void TXListBox::setIcon2(QImage icon) {
    icon2_ = std::move(icon);
    update();
}

void TXListBox::setImage(const QImage* picture) {
    image_ = picture;
    update();
}

void TXListBox::setHintergrund(Backdrop hintergrund) {
    hintergrund_ = hintergrund;
    update();
}

int TXListBox::listWidth() const {
    return !scrollBar_->isHidden() ? width() - scrollBar_->width() : width();
}

int TXListBox::visibleRows() const {
    return std::max(1, height() / itemHeight_);
}

int TXListBox::maxTopline() const {
    return std::max(0, static_cast<int>(items_.size()) - visibleRows());
}

void TXListBox::updateScrollBar() {
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
    scrollBar_->setRange(0, maxTopline());
    scrollBar_->setPageStep(visibleRows());
    scrollBar_->setValue(topline_);
    scrollBar_->setVisible(maxTopline() > 0);
}

void TXListBox::scrollTo(int index) {
    if (index < topline_)
        setTopline(index);
    else if (index >= topline_ + visibleRows())
        setTopline(index - visibleRows() + 1);
}

int TXListBox::ItemAt(QPoint point) const {
    if (point.x() < 0 || point.x() >= listWidth() || point.y() < 0 || point.y() >= height())
        return -1;
    const int index = topline_ + point.y() / itemHeight_;
    return index < static_cast<int>(items_.size()) ? index : -1;
}

void TXListBox::choose(int index) {
    if (listenTyp_ == TListenTyp::ltViewOnly || index < 0)
        return;
    auto& item = items_[static_cast<std::size_t>(index)];
    if (listenTyp_ == TListenTyp::ltOnOff)
        item = ToggleListItemMarker(item);
    selected_ = index;
    text_ = ListItemText(item);
    scrollTo(index);
    update();
    fire(OnChange, this);
}

void TXListBox::drawItem(QPainter& painter, int index, int top) const {
    const ListItemParts parts = SplitListItem(items_[static_cast<std::size_t>(index)]);
    int left = TextLeft;
    if (parts.marker != 0) {
        const QImage& icon = parts.marker == OnMarker ? icon1_ : icon2_;
        left = icon.isNull() ? TextLeft : icon.width();
        if (!icon.isNull())
            painter.drawImage(0, top + (itemHeight_ - icon.height()) / 2, icon);
    }
    const bool selected = index == selected_;
    QFont font = this->font();
    font.setBold(selected && listenTyp_ == TListenTyp::ltSelect);
    painter.setFont(font);
    painter.setPen(toQColor(selected ? farbeAn_ : farbeAus_));
    const QFontMetrics metrics = painter.fontMetrics();
    const int textTop = centredTextTop(top, itemHeight_, metrics);
    drawProgramText(painter, left, textTop, parts.text);
    if (!parts.right.empty()) {
        const int rightEdge = listWidth() - RightPartGap;
        drawProgramText(painter, rightEdge - metrics.horizontalAdvance(toQString(parts.right)),
                        textTop, parts.right);
    }
}

void TXListBox::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    if (!drawBackdrop(painter, hintergrund_, geometry())) {
        if (image_ != nullptr && !image_->isNull()) {
            painter.fillRect(image.rect(), toQColor(color_));
            painter.drawImage(QPoint(0, 0), *image_, QRect(QPoint(0, 0), size()));
        } else {
            painter.fillRect(image.rect(), toQColor(color_));
        }
    }
    for (int index = topline_, top = 0; index < static_cast<int>(items_.size()) && top < height();
         ++index, top += itemHeight_)
        drawItem(painter, index, top);
    painter.end();
    QPainter(this).drawImage(0, 0, image);
    fire(OnPaint, this);
}

void TXListBox::resizeEvent(QResizeEvent*) {
    topline_ = std::clamp(topline_, 0, maxTopline());
    updateScrollBar();
}

void TXListBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    QPointer<TXListBox> alive(this);
    if (event->button() == Qt::LeftButton)
        choose(ItemAt(at));
    if (alive)
        fire(OnMouseDown, this, event->button(), event->modifiers(), at.x(), at.y());
}

void TXListBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    fire(OnMouseUp, this, event->button(), event->modifiers(), at.x(), at.y());
}

void TXListBox::mouseDoubleClickEvent(QMouseEvent*) {
    fire(OnDblClick, this);
}

void TXListBox::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
    if (step == 0 || items_.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (listenTyp_ == TListenTyp::ltViewOnly)
        return;
    const int target =
        std::clamp(selected_ < 0 ? 0 : selected_ + step, 0, static_cast<int>(items_.size()) - 1);
    if (target == selected_)
        return;
    selected_ = target;
    text_ = ListItemText(items_[static_cast<std::size_t>(selected_)]);
    scrollTo(selected_);
    update();
    fire(OnChange, this);
}

void TXListBox::wheelEvent(QWheelEvent* event) {
    wheelDelta_ += event->angleDelta().y();
    QPointer<TXListBox> alive(this);
    while (alive && std::abs(wheelDelta_) >= WheelStep) {
        const bool up = wheelDelta_ > 0;
        wheelDelta_ -= up ? WheelStep : -WheelStep;
        bool handled = false;
        fire(up ? OnMouseWheelUp : OnMouseWheelDown, this, event->modifiers(),
             event->position().toPoint(), handled);
        if (alive && !handled)
            setTopline(topline_ + (up ? -1 : 1));
    }
}

} // namespace qor
