#pragma once
// TXListBox: a list drawn over a background picture, with on/off markers.
// Items starting with "§" show Icon1, items starting with "$" Icon2; in an
// on/off list a click switches an item between the two. A "&" splits an item
// into its text and a short value shown at the right.

#include "controls/ControlEvents.h"
#include "controls/ControlPainting.h"
#include "graphics/Color.h"

#include <QImage>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QScrollBar;

namespace qor {

enum class TListenTyp { ltSelect, ltOnOff, ltViewOnly };

constexpr char OnMarker = '\xA7'; // "§"
constexpr char OffMarker = '$';

// An item as the list shows it: "§Verb&12" has the marker "§", the text
// "Verb" and the right part "12" (at most four characters). Text after a
// marker is cut to 80 characters.
struct ListItemParts {
    char marker = 0; // OnMarker, OffMarker or 0
    std::string text;
    std::string right;
};
ListItemParts SplitListItem(std::string_view item);

// The item without its marker.
std::string ListItemText(std::string_view item);
// The item with its marker switched between "§" and "$"; others stay as they are.
std::string ToggleListItemMarker(std::string_view item);

class TXListBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int TextLeft = 8;
    static constexpr int RightPartGap = 30;

    explicit TXListBox(QWidget* parent = nullptr);

    const std::vector<std::string>& Items() const { return items_; }
    void setItems(std::vector<std::string> items);
    int Selected() const { return selected_; }
    void setSelected(int index);
    // The first item shown.
    int Topline() const { return topline_; }
    void setTopline(int index);
    int ItemHeight() const { return itemHeight_; }
    void setItemHeight(int height);
    TListenTyp ListenTyp() const { return listenTyp_; }
    void setListenTyp(TListenTyp type);
    // The selected item's colour (bold in a selection list), and the others'.
    qor::Color FarbeAn() const { return farbeAn_; }
    void setFarbeAn(qor::Color color);
    qor::Color FarbeAus() const { return farbeAus_; }
    void setFarbeAus(qor::Color color);
    qor::Color Color() const { return color_; }
    void setColor(qor::Color color);
    const QImage& Icon1() const { return icon1_; }
    void setIcon1(QImage icon);
    const QImage& Icon2() const { return icon2_; }
    void setIcon2(QImage icon);
    // Background: the part of Hintergrund under the list, else the top-left
    // part of Image's picture (which belongs to the caller), else Color.
    const QImage* Image() const { return image_; }
    void setImage(const QImage* picture);
    const Backdrop& Hintergrund() const { return hintergrund_; }
    void setHintergrund(Backdrop hintergrund);
    // The item last chosen by the user, without its marker.
    const std::string& Text() const { return text_; }

    // The item under point, -1 none.
    int ItemAt(QPoint point) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnPaint;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int listWidth() const;
    int visibleRows() const;
    int maxTopline() const;
    void updateScrollBar();
    void scrollTo(int index);
    void drawItem(QPainter& painter, int index, int top) const;
    // The user chose item index.
    void choose(int index);

    std::vector<std::string> items_;
    int selected_ = -1;
    int topline_ = 0;
    int itemHeight_ = 20;
    TListenTyp listenTyp_ = TListenTyp::ltSelect;
    qor::Color farbeAn_ = rgbColor(0xFF, 0xFF, 0x00);
    qor::Color farbeAus_ = ColorValue::Black;
    qor::Color color_ = ColorValue::White;
    QImage icon1_;
    QImage icon2_;
    const QImage* image_ = nullptr;
    Backdrop hintergrund_;
    std::string text_;
    QScrollBar* scrollBar_;
    int wheelDelta_ = 0;
};

} // namespace qor
