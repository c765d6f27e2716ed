#pragma once
// TXLabel: a note label, a framed coloured rectangle with its caption inside
// an 8-pixel margin. Pages show notes with it next to the text they explain.

#include "graphics/Color.h"

#include <QWidget>
#include <string>

namespace qor {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Where the label sits in its parent: freely, or along one side, or filling it.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Where a note of size note belongs for the rectangle anchor on a page of
// size page: 8 pixels right of the anchor's left and below its bottom; moved
// left when it would reach past the page's right edge minus 8, and above the
// anchor when it would reach below the page's bottom minus 24.
QPoint NotePosition(const QRect& anchor, const QSize& note, const QSize& page);

class TXLabel : public QWidget {
    Q_OBJECT
public:
    static constexpr int Margin = 8;
    static constexpr int NoteWidth = 200;

    explicit TXLabel(QWidget* parent = nullptr);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    // Sized to the caption plus the margins; word-wrapped labels keep their width as the limit.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    // "&" marks the next character as a shortcut letter ("&&" is "&").
    bool ShowAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);
    qor::Color Color() const { return color_; }
    void setColor(qor::Color color);
    qor::Color FontColor() const { return fontColor_; }
    void setFontColor(qor::Color color);
    TAlign Align() const { return align_; }
    void setAlign(TAlign align);

    // Shows text as a note for anchor on a page of the given size; a left
    // click on the note hides it again.
    void ShowNote(std::string text, const QRect& anchor, const QSize& page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int textFlags() const;
    void fitToCaption();
    void applyAlign();

    std::string caption_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool wordWrap_ = true;
    bool showAccelChar_ = true;
    qor::Color color_ = rgbColor(0xFF, 0xFF, 0xE0);
    qor::Color fontColor_ = ColorValue::Black;
    TAlign align_ = TAlign::alNone;
    bool note_ = false;
};

} // namespace qor
