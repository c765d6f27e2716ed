#pragma once
// TXMultipleChoice: answers drawn as text cells over the picture behind them;
// the cell under the mouse lights up, and once the right answer is shown a
// pointer marks it. Items fill the grid column by column.

#include "controls/ControlEvents.h"
#include "controls/ControlPainting.h"
#include "graphics/Color.h"

#include <QWidget>
#include <string>
#include <vector>

namespace qor {

// Sender, the cell (Feld) and the mouse button released on it.
using TMultipleChoiceEvent = std::function<void(QWidget* sender, int feld, Qt::MouseButton button)>;

class TXMultipleChoice : public QWidget {
    Q_OBJECT
public:
    static constexpr int PointerGap = 10;

    explicit TXMultipleChoice(QWidget* parent = nullptr);

    // Cells without an item (or with an empty one) read "Antwort " + index.
    const std::vector<std::string>& Items() const { return items_; }
    void setItems(std::vector<std::string> items);
    int CellWidth() const { return cellWidth_; }
    void setCellWidth(int width);
    int CellHeight() const { return cellHeight_; }
    void setCellHeight(int height);
    int Spalten() const { return spalten_; }
    void setSpalten(int columns);
    int Zeilen() const { return zeilen_; }
    void setZeilen(int rows);
    int Selected() const { return selected_; }
    void setSelected(int index) { selected_ = index; }
    // The index of the right item.
    int Lsg() const { return lsg_; }
    void setLsg(int index) { lsg_ = index; }
    // The item marked as the right answer, -1 none. Marking one ends the hover highlight.
    int Highlight() const { return highlight_; }
    void setHighlight(int index);
    qor::Color HighlightColor() const { return highlightColor_; }
    void setHighlightColor(qor::Color color);
    qor::Color ActiveColor() const { return activeColor_; }
    void setActiveColor(qor::Color color);
    qor::Color InActiveColor() const { return inActiveColor_; }
    void setInActiveColor(qor::Color color);
    // The picture seen through the control: Bitmap (the page buffer on pages)
    // before Hintergrund, else the form's colour.
    const Backdrop& Bitmap() const { return bitmap_; }
    void setBitmap(Backdrop bitmap);
    const Backdrop& Hintergrund() const { return hintergrund_; }
    void setHintergrund(Backdrop hintergrund);

    // The cell under the mouse, -1 none.
    int HoverCell() const { return hover_; }
    std::string CellText(int index) const;

    TMultipleChoiceEvent OnSelect;
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int cellAt(QPoint point) const;
    void setHover(int cell);
    void drawPointer(QPainter& painter, const QRect& cell, int textLeft) const;

    std::vector<std::string> items_;
    int cellWidth_ = 120;
    int cellHeight_ = 40;
    int spalten_ = 1;
    int zeilen_ = 2;
    int selected_ = -1;
    int lsg_ = 0;
    int highlight_ = -1;
    qor::Color highlightColor_ = rgbColor(0xFF, 0xFF, 0x00);
    qor::Color activeColor_ = ColorValue::White;
    qor::Color inActiveColor_ = ColorValue::Black;
    Backdrop bitmap_;
    Backdrop hintergrund_;
    int hover_ = -1;
    bool leftPressed_ = false;
};

} // namespace qor
