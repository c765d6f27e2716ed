#pragma once
// tXRadioGroup: a grid of round option buttons drawn as text cells; items fill
// the grid column by column.

#include "controls/ControlEvents.h"
#include "graphics/Color.h"

#include <QWidget>
#include <string>
#include <vector>

namespace qor {

class tXRadioGroup : public QWidget {
    Q_OBJECT
public:
    static constexpr int CircleSize = 12;
    static constexpr int TextOffset = 16;

    explicit tXRadioGroup(QWidget* parent = nullptr);

    // Cells without an item (or with an empty one) read "Option " + index.
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
    void setSelected(int index);
    qor::Color FontColor() const { return fontColor_; }
    void setFontColor(qor::Color color);

    // The text cell index shows.
    std::string CellText(int index) const;

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<std::string> items_;
    int cellWidth_ = 120;
    int cellHeight_ = 20;
    int spalten_ = 1;
    int zeilen_ = 2;
    int selected_ = 0;
    qor::Color fontColor_ = ColorValue::Black;
};

} // namespace qor
