#pragma once
// The pictures of the Techno presentation as frames of its picture area:
// each picture centred on the background colour, faded in at the
// presentation's alpha with its effect and tint; and a frame of the show,
// one picture cross-faded over another.

#include "graphics/Color.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

struct SuperSettings;

// The Techno colours are kept as 0xRRGGBB.
Color ColorOfRedGreenBlue(std::uint32_t value);

struct TechnoFrameLook {
    int width = 800;
    int height = 334;
    Color background = ColorValue::Black;
    int alpha = 255;
    Color tint = ColorValue::Black;
    int mode = 0; // the effect of graphics/Blend.h

    // The picture area between the borders above and below, at alpha.
    static TechnoFrameLook Of(const SuperSettings& settings, int alpha);
};

// The ".jpg" and ".bmp" files of folder in name order, without the
// settings' preview "vorschau.jpg".
std::vector<std::string> TechnoPictureFiles(const std::string& folder);

// The frame of one picture file (24 bits); a null image when the file
// cannot be read.
QImage MakeTechnoFrame(const std::string& file, const TechnoFrameLook& look);

// target (32 bits, the frames' size) gets previous and current over it at
// alpha 0-255.
void ComposeTechnoShow(const QImage& previous, const QImage& current, int alpha, QImage& target);

} // namespace qor
