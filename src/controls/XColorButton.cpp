#include "controls/XColorButton.h"

#include "platform/QtText.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace qor {
namespace {

constexpr qor::Color Grey = rgbColor(0x80, 0x80, 0x80);
constexpr int DDDWidth = 2;
constexpr int TextFlags = Qt::AlignHCenter | Qt::TextWordWrap;

// Blending works on pictures without transparency, as the page's 24-bit pictures are.
bool isTrueColour(const QImage& picture) {
    return picture.depth() >= 24 && !picture.hasAlphaChannel();
}

} // namespace

ButtonFrameColors FrameColorsFor(qor::Color buttonColor) {
    if (buttonColor == Grey)
        return {ColorValue::White, ColorValue::Black};
    return {buttonColor == ColorValue::White ? rgbColor(0xC0, 0xC0, 0xC0) : ColorValue::White,
            Grey};
}

tXColorButton::tXColorButton(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_Hover);
}

void tXColorButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    update();
}

void tXColorButton::setColor(qor::Color color) {
    color_ = color;
    update();
}

void tXColorButton::setFontColor(qor::Color color) {
    fontColor_ = color;
    update();
}

void tXColorButton::setFlashColor(qor::Color color) {
    flashColor_ = color;
    update();
}

void tXColorButton::setMouseOver(bool on) {
    mouseOver_ = on;
    update();
}

void tXColorButton::setMouseOver3D(bool on) {
    mouseOver3D_ = on;
    update();
}

void tXColorButton::setDDD(bool on) {
    ddd_ = on;
    update();
}

void tXColorButton::setPicture1(QImage picture) {
    picture1_ = std::move(picture);
    applyAutoSize();
    update();
}

void tXColorButton::setPicture2(QImage picture) {
    picture2_ = std::move(picture);
    update();
}

void tXColorButton::setImage(const QImage* picture) {
    image_ = picture;
    update();
}

void tXColorButton::setHintergrund(Backdrop hintergrund) {
    hintergrund_ = hintergrund;
    update();
}

void tXColorButton::setMode(TTransitionMode mode) {
    mode_ = mode;
    update();
}

void tXColorButton::setRadius(int radius) {
    radius_ = radius;
    update();
}

void tXColorButton::setRGB(qor::Color tint) {
    rgb_ = tint;
    update();
}

void tXColorButton::setStretch(bool on) {
    stretch_ = on;
    update();
}

void tXColorButton::setCenter(bool on) {
    center_ = on;
    update();
}

void tXColorButton::setAbstand(int pixels) {
    abstand_ = pixels;
    update();
}

void tXColorButton::setAutoSize(bool on) {
    autoSize_ = on;
    applyAutoSize();
}

void tXColorButton::setIsOn(bool on) {
    isOn_ = on;
    update();
}

void tXColorButton::applyAutoSize() {
    if (autoSize_ && !picture1_.isNull())
        resize(picture1_.size());
}

void tXColorButton::drawFrame(QPainter& painter, const QRect& r, int width, bool sunken) const {
    const ButtonFrameColors colors = FrameColorsFor(color_);
    const QColor topLeft = toQColor(sunken ? colors.dark : colors.light);
    const QColor bottomRight = toQColor(sunken ? colors.light : colors.dark);
    for (int i = 0; i < width; ++i) {
        const int left = r.left() + i;
        const int top = r.top() + i;
        const int right = r.right() - i;
        const int bottom = r.bottom() - i;
        painter.setPen(bottomRight);
        painter.drawLine(left, bottom, right, bottom);
        painter.drawLine(right, top, right, bottom);
        painter.setPen(topLeft);
        painter.drawLine(left, top, right, top);
        painter.drawLine(left, top, left, bottom);
    }
}

void tXColorButton::drawFace(QPainter& painter) const {
    const QRect all = rect();
    if (image_ != nullptr && !image_->isNull()) {
        // Pressed, the face moves by a pixel like the caption.
        painter.fillRect(all, toQColor(color_));
        painter.drawImage(down_ ? QPoint(1, 1) : QPoint(0, 0), *image_,
                          QRect(QPoint(0, 0), size()));
    } else if (!drawBackdrop(painter, hintergrund_, geometry())) {
        painter.fillRect(all, toQColor(color_));
    }
    if (ddd_)
        drawFrame(painter, all, DDDWidth, down_);
}

const QImage& tXColorButton::shownPicture() const {
    if (!isEnabled() || picture2_.isNull())
        return picture1_;
    const bool second = onOff_ ? isOn_ : down_ || (hovered_ && mouseOver_);
    return second ? picture2_ : picture1_;
}

void tXColorButton::drawPicture(QImage& image, QPainter& painter, int& captionTop) const {
    const QImage& shown = shownPicture();
    if (shown.isNull())
        return;
    const QRect inner = ddd_ ? rect().adjusted(DDDWidth, DDDWidth, -DDDWidth, -DDDWidth) : rect();
    QImage picture = shown;
    QPoint at = inner.topLeft();
    if (stretch_) {
        picture = shown.scaled(inner.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else if (center_) {
        at.setX(inner.left() + (inner.width() - picture.width()) / 2);
        at.setY(inner.top() + (inner.height() - picture.height()) / 2);
        if (picture.height() < height() && !caption_.empty()) {
            const QRect textArea = rect().adjusted(CaptionMargin, 0, -CaptionMargin, 0);
            const int textHeight = painter.fontMetrics()
                                       .boundingRect(textArea, TextFlags, toQString(caption_))
                                       .height();
            at.setY((height() - (picture.height() + abstand_ + textHeight)) / 2);
            captionTop = at.y() + picture.height() + abstand_;
        }
    }
    const bool blended = isEnabled() && &shown == &picture1_ && isTrueColour(shown) &&
                         (mode_ != TTransitionMode::Normal || radius_ > 0);
    if (!blended) {
        painter.drawImage(at, picture);
        return;
    }
    painter.end();
    drawBlended(image, at, picture);
    painter.begin(&image);
    painter.setFont(font());
}

// Blending works on 24-bit pixels; the rounded corners are a coverage mask.
void tXColorButton::drawBlended(QImage& image, QPoint at, const QImage& picture) const {
    QImage target = image.convertToFormat(QImage::Format_RGB888);
    QImage source = picture.convertToFormat(QImage::Format_RGB888);
    const auto view = [](QImage& bits) {
        return Bitmap24{bits.bits(), bits.width(), bits.height(), bits.bytesPerLine()};
    };
    QImage corners;
    CoverageMask mask;
    if (radius_ > 0) {
        corners = QImage(source.size(), QImage::Format_Grayscale8);
        corners.fill(0);
        QPainter shape(&corners);
        shape.setRenderHint(QPainter::Antialiasing);
        shape.setPen(Qt::NoPen);
        shape.setBrush(Qt::white);
        shape.drawRoundedRect(QRectF(corners.rect()), radius_, radius_);
        shape.end();
        mask = {corners.constBits(), corners.bytesPerLine()};
    }
    BlendBitmap(view(source), view(target), at.x(), at.y(), static_cast<int>(mode_), 255, rgb_,
                radius_ > 0 ? &mask : nullptr);
    image = target.convertToFormat(QImage::Format_RGB32);
}

void tXColorButton::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    painter.setFont(font());
    drawFace(painter);
    int captionTop = -1;
    drawPicture(image, painter, captionTop);

    QColor captionColor = toQColor(fontColor_);
    if (!isEnabled())
        captionColor = toQColor(Grey);
    else if (hovered_ && mouseOver_)
        captionColor = toQColor(flashColor_);
    painter.setPen(captionColor);
    QRect textArea = rect().adjusted(CaptionMargin, CaptionMargin, -CaptionMargin, -CaptionMargin);
    int flags = TextFlags | Qt::AlignVCenter;
    if (captionTop >= 0) {
        textArea.setTop(captionTop);
        flags = TextFlags | Qt::AlignTop;
    }
    if (down_)
        textArea.translate(1, 1);
    painter.drawText(textArea, flags, toQString(caption_));

    if (hovered_ && mouseOver3D_)
        drawFrame(painter, rect(), 1, down_);
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

void tXColorButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        down_ = true;
        repaint();
    }
    const QPoint at = event->position().toPoint();
    fire(OnMouseDown, this, event->button(), event->modifiers(), at.x(), at.y());
}

void tXColorButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    fire(OnMouseMove, this, event->modifiers(), at.x(), at.y());
}

void tXColorButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    QPointer<tXColorButton> alive(this);
    if (event->button() == Qt::LeftButton && down_) {
        down_ = false;
        if (onOff_) {
            isOn_ = !isOn_;
            fire(isOn_ ? OnTurnOn : OnTurnOff, this);
            if (!alive)
                return;
        }
        // The released look must be on the screen before the click's work starts.
        repaint();
        if (rect().contains(at))
            fire(OnClick, this);
    }
    if (alive)
        fire(OnMouseUp, this, event->button(), event->modifiers(), at.x(), at.y());
}

void tXColorButton::enterEvent(QEnterEvent*) {
    hovered_ = true;
    update();
}

void tXColorButton::leaveEvent(QEvent*) {
    hovered_ = false;
    update();
}

} // namespace qor
