#pragma once
// The tables that tags fill besides the item list: block objects, check
// boxes, image maps, exercise objects, buttons and the page's one-off
// controls. They record what the markup says; layout places and draws them.

#include "graphics/Color.h"
#include "page/model/TextFormat.h"

#include <string>
#include <vector>

namespace qor {

// A rectangle as the markup gives it (see ParseCoordinates).
struct PageRect {
    static constexpr int NotGiven = -1000000;

    int x = NotGiven;
    int y = NotGiven;
    int w = NotGiven;
    int h = NotGiven;
};

namespace BoxShape {
constexpr int Rectangle = 0;
constexpr int RoundRect = 1;
constexpr int Ellipse = 2;
constexpr int RandomStrips = 3;
} // namespace BoxShape

// A block object from <BOX> or <ELLIPSE>.
struct TBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool filled = false;
    Color fillColor = ColorValue::None;
    // Hover tints: the highlighted image uses onColor over onColor2, the
    // normal one offColor over offColor2. onColor None: no hover images.
    Color onColor = ColorValue::None;
    Color offColor = ColorValue::None;
    Color onColor2 = ColorValue::White;
    Color offColor2 = ColorValue::White;
    int areaIndex = -1; // the box's link, -1 none
    Color borderColor = ColorValue::None;
    int borderWidth = 0;
    bool autoHeight = false; // grows to its text
    bool onTop = false;      // drawn above the text
    int shape = BoxShape::Rectangle;
    int radius = 30;
    int offset = 0;
    int alpha = 255;
    int mode = 0;

    bool hasBorder() const { return borderColor != ColorValue::None; }
    bool hasHoverImages() const { return onColor != ColorValue::None; }
};
using TBoxList = std::vector<TBox>;

// A check box; layout fills in where it stands.
struct TCheckBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool checked = false;
    std::string name;
    Color flashColor = ColorValue::None;
};
using TCheckBoxList = std::vector<TCheckBox>;

struct ImageMapArea {
    PageRect rect; // relative to the picture
    std::string href;
};

struct ImageMap {
    std::string name;
    std::vector<ImageMapArea> areas;
};
using ImageMapList = std::vector<ImageMap>;

// A typing field: <EDIT> at its own place, or <A GAP> over its placeholder text.
struct TypingFieldSpec {
    bool gap = false;
    PageRect rect; // <EDIT> only; gaps are placed by layout
    std::vector<std::string> solutions;
    std::string help; // "*": a mask of the first solution
    std::string tip;  // hover hint
    std::string reaction;
    Color color = ColorValue::None; // None: the control's own
    bool border = true;
    TextFormat format; // <EDIT> only: the font of its text, the text's at the tag
};

// A sentence-building exercise from <SATZ>.
struct SentenceExerciseSpec {
    PageRect rect;
    std::vector<std::string> parts; // in their right order
    std::string solution;           // the parts joined
    TextFormat format;              // the font of its parts: the text's at the tag
};

// The drag exercise's settings from <KLOTZ>; its drop targets are the
// <A DRAG> words, placed by layout.
struct DragExerciseSettings {
    std::vector<std::string> distractors;
    int trayTop = 350;
    int columns = 4;
    int blockWidth = 120;
    int trayLeft = -1; // -1: centred
    int trayRight = -1;
};

struct ButtonSpec {
    PageRect rect;
    std::string caption;
    std::string href;
    Color color = ColorValue::None; // None: the control's own
    Color flashColor = ColorValue::None;
    bool threeD = false;
};

// The page's multiple-choice control.
struct MultipleChoiceSpec {
    PageRect rect; // x, y and the cell width and height
    int rows = 1;
    int columns = 1;
    std::vector<std::string> items; // shuffled
    int rightIndex = 0;             // the right item after shuffling
    Color activeColor = ColorValue::None;
    Color inactiveColor = ColorValue::None;
    Color highlightColor = ColorValue::None;
    std::string reaction;
    TextFormat format; // its font
};

// The page's one-line edit bound to a definition.
struct LineEditSpec {
    PageRect rect; // height comes from the font
    std::string name;
    Color color = ColorValue::None;
    bool border = true;
    TextFormat format;
};

struct RecorderSpec {
    PageRect recordButton;
    PageRect playButton;
    std::string pictures; // full path of the button pictures
    Color color = ColorValue::None;
    int maxSeconds = 4;
};

// The picture mosaic inside a box.
struct MosaicSpec {
    int boxIndex = -1;
    std::vector<std::string> files; // full paths
    PageRect zone2;                 // a second zone when given
    int speed = 500;                // milliseconds between tile changes
};

// The colours of the page; reset with every page.
struct PageColors {
    Color background = ColorValue::White;
    Color text = ColorValue::Black;
    Color link = rgbColor(0x00, 0x80, 0x00);
    Color gap = ColorValue::White;
    Color dragBlock = rgbColor(0xC0, 0xC0, 0xC0);
    Color draggedBackground = rgbColor(0x00, 0xFF, 0x00); // this value: the page background
    Color choiceActive = rgbColor(0xFF, 0x00, 0x00);
    Color choiceInactive = rgbColor(0x80, 0x80, 0x80);
};

// The colours <BODY> gives; copied into PageColors after every tag.
struct BodyColors {
    Color background = ColorValue::White;
    Color text = ColorValue::Black;
    Color link = rgbColor(0x00, 0x80, 0x00);
};

// <BODY WAIT>: a jump after a pause.
struct WaitJump {
    int milliseconds = 0;
    std::string target;
};

} // namespace qor
