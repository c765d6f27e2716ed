#pragma once
// The formatting state while a page text is parsed. Every item keeps a copy
// of the format it was created with; layout and drawing read only that copy.

#include "graphics/Color.h"

#include <cstdint>
#include <string>

namespace qor {

namespace TextAlign {
constexpr std::uint8_t Left = 0;
constexpr std::uint8_t Center = 1;
constexpr std::uint8_t Right = 2;
constexpr std::uint8_t Block = 3; // justified
} // namespace TextAlign

namespace TextStyle {
constexpr std::uint8_t Bold = 1;
constexpr std::uint8_t Italic = 2;
constexpr std::uint8_t Underline = 4;
} // namespace TextStyle

// How a picture sits on its line.
namespace PictureAlign {
constexpr std::uint8_t Left = 0; // at the column's left margin
constexpr std::uint8_t Center = 1;
constexpr std::uint8_t Right = 2;
constexpr std::uint8_t Top = 3;
constexpr std::uint8_t Middle = 4;
constexpr std::uint8_t Bottom = 5;
constexpr std::uint8_t Over = 6; // takes no height on its line
} // namespace PictureAlign

// The exercise index of text that belongs to a drag exercise.
constexpr int DragExerciseIndex = 255;
// Gap typing fields use exercise indexes 0 to this one.
constexpr int LastGapExerciseIndex = 254;

// The fields of one picture; reset after every picture.
struct PictureFields {
    int index = -1; // into the page's picture list
    int radius = 0;
    int alpha = 255;       // 255 opaque
    std::uint8_t mode = 0; // blend mode 0-8
    Color effectColor = rgbColor(0xFF, 0, 0);
    // The hover picture's index, or a frame colour plus FrameColorMarker; -1 none.
    int second = -1;
    int scale = 100; // percent
    int baseline = 0;
    std::uint8_t alignment = PictureAlign::Bottom;
    std::string alt;
    std::string map; // image-map name

    bool hasFrameColor() const { return second >= ColorValue::FrameColorMarker; }
    Color frameColor() const { return second - ColorValue::FrameColorMarker; }
    bool hasHoverPicture() const { return second >= 0 && !hasFrameColor(); }
    bool operator==(const PictureFields&) const = default;
};

// A stored line spacing of this value or more is an explicit setting whose
// amount is the stored value minus LineSpacingOffset.
constexpr int ExplicitLineSpacing = 1000;
constexpr int LineSpacingOffset = 2000;

struct TextFormat {
    int serial = 0;         // changes with every tag; equal serials mean equal formats
    int boxIndex = -1;      // block items: index into the block objects
    int checkBoxIndex = -1; // check-box items: index into the check boxes
    int leftMargin = 8;
    int objectTop = -1;    // block items: the object's top
    int columnWidth = -1;  // -1: the page width
    int checkBoxSize = 12; // side of a check box's square
    int checkBoxGap = 4;   // space after it
    int lineSpacing = 1;   // see ExplicitLineSpacing
    std::uint8_t alignment = TextAlign::Left;
    std::uint8_t styleBits = 0;
    std::string face = "Times New Roman"; // at most MaxFaceLength characters
    int size = 3;                         // 1-7 like HTML; above 7 a height in pixels
    Color textColor = ColorValue::PageText;
    Color linkColor = ColorValue::None; // none: the page's link colour
    Color backgroundColor = 0;
    bool transparent = true;
    Color flashColor = ColorValue::None; // link colour under the mouse
    bool hot = false;                    // text of a note spot or hot spot
    int areaIndex = -1;                  // the interactive area of the current link
    bool flash = false;                  // hover highlighting of the current link
    bool focus = false;
    int tracking = 0;       // extra pixels between characters
    int exerciseIndex = -1; // gap typing field 0-254, DragExerciseIndex, or -1
    bool fixedPitch = false;
    int randomOffset = -1; // 0-99 inside <W>, else -1
    PictureFields picture;

    static constexpr std::size_t MaxFaceLength = 40;

    bool operator==(const TextFormat&) const = default;

    // The line spacing in pixels, explicit or not.
    int lineSpacingPixels() const {
        return lineSpacing >= ExplicitLineSpacing ? lineSpacing - LineSpacingOffset : lineSpacing;
    }
};

} // namespace qor
