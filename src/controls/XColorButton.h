#pragma once
// tXColorButton: a push or toggle button drawn in any colour, with pictures
// for its normal and pressed/hovered/on state, a word-wrapped caption,
// optional 3-D frames and a caption colour under the mouse.

#include "controls/ControlEvents.h"
#include "controls/ControlPainting.h"
#include "graphics/Blend.h"
#include "graphics/Color.h"

#include <QImage>
#include <QWidget>
#include <string>

namespace qor {

// The frame colours of a button face.
struct ButtonFrameColors {
    qor::Color light;
    qor::Color dark;
};
// Grey buttons (#808080) get a white and black frame; the others a white (on
// white buttons a light grey) and grey one.
ButtonFrameColors FrameColorsFor(qor::Color buttonColor);

class tXColorButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int CaptionMargin = 4;

    explicit tXColorButton(QWidget* parent = nullptr);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    // The command the button stands for (pages keep the link target here).
    const std::string& Befehl() const { return befehl_; }
    void setBefehl(std::string command) { befehl_ = std::move(command); }
    qor::Color Color() const { return color_; }
    void setColor(qor::Color color);
    // The caption's colour, and its colour under the mouse.
    qor::Color FontColor() const { return fontColor_; }
    void setFontColor(qor::Color color);
    qor::Color FlashColor() const { return flashColor_; }
    void setFlashColor(qor::Color color);
    // Hover effects: FlashColor caption and Picture2.
    bool MouseOver() const { return mouseOver_; }
    void setMouseOver(bool on);
    // A thin raised frame under the mouse (sunken while pressed).
    bool MouseOver3D() const { return mouseOver3D_; }
    void setMouseOver3D(bool on);
    // A 2-pixel 3-D frame.
    bool DDD() const { return ddd_; }
    void setDDD(bool on);

    const QImage& Picture1() const { return picture1_; }
    void setPicture1(QImage picture);
    // Shown while pressed or hovered, or while a toggle button is on.
    const QImage& Picture2() const { return picture2_; }
    void setPicture2(QImage picture);
    // A picture whose top-left part is the button's face; it belongs to the caller.
    const QImage* Image() const { return image_; }
    void setImage(const QImage* picture);
    // The picture seen through the button when Image has none.
    const Backdrop& Hintergrund() const { return hintergrund_; }
    void setHintergrund(Backdrop hintergrund);
    // How Picture1 is drawn when it is a 24-bit picture: blend mode, rounded
    // corners, and the tint of the colour modes (RGB).
    TTransitionMode Mode() const { return mode_; }
    void setMode(TTransitionMode mode);
    int Radius() const { return radius_; }
    void setRadius(int radius);
    qor::Color RGB() const { return rgb_; }
    void setRGB(qor::Color tint);
    bool Stretch() const { return stretch_; }
    void setStretch(bool on);
    // The picture centred, with the caption below it when it is lower than the button.
    bool Center() const { return center_; }
    void setCenter(bool on);
    // The gap between picture and caption.
    int Abstand() const { return abstand_; }
    void setAbstand(int pixels);
    // Sizes the button to Picture1.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    // A toggle button: each release switches IsOn.
    bool OnOff() const { return onOff_; }
    void setOnOff(bool on) { onOff_ = on; }
    bool IsOn() const { return isOn_; }
    void setIsOn(bool on);

    bool Down() const { return down_; }
    bool Hovered() const { return hovered_; }

    TNotifyEvent OnClick;
    TNotifyEvent OnTurnOn;
    TNotifyEvent OnTurnOff;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void drawFace(QPainter& painter) const;
    void drawFrame(QPainter& painter, const QRect& r, int width, bool sunken) const;
    const QImage& shownPicture() const;
    void drawPicture(QImage& image, QPainter& painter, int& captionTop) const;
    void drawBlended(QImage& image, QPoint at, const QImage& picture) const;
    void applyAutoSize();

    std::string caption_;
    std::string befehl_;
    qor::Color color_ = rgbColor(0xC0, 0xC0, 0xC0);
    qor::Color fontColor_ = ColorValue::Black;
    qor::Color flashColor_ = rgbColor(0xFF, 0x00, 0x00);
    bool mouseOver_ = true;
    bool mouseOver3D_ = false;
    bool ddd_ = false;
    QImage picture1_;
    QImage picture2_;
    const QImage* image_ = nullptr;
    Backdrop hintergrund_;
    TTransitionMode mode_ = TTransitionMode::Normal;
    int radius_ = 0;
    qor::Color rgb_ = ColorValue::Black;
    bool stretch_ = false;
    bool center_ = false;
    int abstand_ = 3;
    bool autoSize_ = false;
    bool onOff_ = false;
    bool isOn_ = false;

    bool down_ = false;
    bool hovered_ = false;
};

} // namespace qor
