#pragma once
// The backdrop: a borderless window over the whole screen, behind the
// program's other windows, in a colour the user picks from its pop-up menu.
// A click on it brings the program's active window to the front.

#include "graphics/Color.h"

#include <QWidget>
#include <cstdint>

class QAction;
class QMenu;

namespace qor {

class TBackdrop : public QWidget {
    Q_OBJECT

public:
    explicit TBackdrop(Color color, QWidget* parent = nullptr);

    // Colours are 0x00BBGGRR.
    Color color() const { return color_; }
    void setColor(Color color);
    // Marks the menu item of the current colour; none for any other colour.
    void ShowColor();

    QMenu* popupMenu() const { return menu_; }
    QAction* colorItem(int index) const { return colorItems_[index]; }
    QAction* minimizeItem() const { return minimize_; }

    static constexpr int ColorCount = 4;
    // White, light grey, dark grey, black: the menu's colours in its order.
    static const Color Colors[ColorCount];

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void chooseColor(int index);
    void applyColor();

    Color color_;
    QMenu* menu_;
    QAction* minimize_;
    QAction* colorItems_[ColorCount] = {};
};

} // namespace qor
