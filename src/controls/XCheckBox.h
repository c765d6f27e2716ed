#pragma once
// tXCheckBox: a check box drawn as a white square with a tick and its caption.

#include "controls/ControlEvents.h"
#include "graphics/Color.h"

#include <QWidget>
#include <string>

namespace qor {

class tXCheckBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int BoxSize = 12;
    static constexpr int CaptionLeft = 16;

    explicit tXCheckBox(QWidget* parent = nullptr);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    bool Checked() const { return checked_; }
    void setChecked(bool checked);
    // A number the owner keeps with the box.
    int Index() const { return index_; }
    void setIndex(int index) { index_ = index; }
    // The caption's colour; the font is the widget's font.
    qor::Color FontColor() const { return fontColor_; }
    void setFontColor(qor::Color color);

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::string caption_;
    bool checked_ = false;
    int index_ = 0;
    qor::Color fontColor_ = ColorValue::Black;
};

} // namespace qor
