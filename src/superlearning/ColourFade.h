#pragma once
// The colours of "klassisch": the text band fades from its colours to new
// ones - a light text on a dark background, the text into the background,
// or everything to black.

#include "graphics/Color.h"
#include "platform/Random.h"

namespace qor {

struct BandColours {
    Color text = 0;
    Color background = 0;
};

enum class FadeKind {
    NewColours = 0,     // a new light text on a new dark background
    TextIntoBackground, // the text takes the new background's colour
    ToBlack = 3,        // text and background go black
};

struct FadeLook {
    bool blackAndWhite = false;
    bool withoutBackground = false;
};

BandColours FadeTargets(FadeKind kind, FadeLook look, const RandomSource& random);

// from and to mixed: alpha 0 is from, 255 is to.
Color MixColour(Color from, Color to, int alpha);
BandColours MixColours(const BandColours& from, const BandColours& to, int alpha);

} // namespace qor
