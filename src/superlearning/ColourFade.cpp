#include "superlearning/ColourFade.h"

namespace qor {

namespace {

Color backgroundTarget(FadeLook look, const RandomSource& random) {
    if (look.withoutBackground)
        return ColorValue::Black;
    if (look.blackAndWhite) {
        const int grey = randomBelow(random, 128);
        return rgbColor(grey, grey, grey);
    }
    const int red = randomBelow(random, 128);
    const int green = randomBelow(random, 128);
    return rgbColor(red, green, randomBelow(random, 128));
}

int part(Color colour, int shift) {
    return (colour >> shift) & 0xFF;
}

} // namespace

BandColours FadeTargets(FadeKind kind, FadeLook look, const RandomSource& random) {
    if (kind == FadeKind::ToBlack)
        return {ColorValue::Black, ColorValue::Black};
    BandColours targets;
    if (kind == FadeKind::NewColours) {
        if (look.blackAndWhite) {
            targets.text = ColorValue::White;
        } else {
            const int red = 128 + randomBelow(random, 128);
            const int green = 128 + randomBelow(random, 128);
            targets.text = rgbColor(red, green, 128 + randomBelow(random, 128));
        }
        targets.background = backgroundTarget(look, random);
        return targets;
    }
    targets.background = backgroundTarget(look, random);
    targets.text = targets.background;
    return targets;
}

Color MixColour(Color from, Color to, int alpha) {
    const auto mix = [&](int shift) {
        return part(from, shift) + (part(to, shift) - part(from, shift)) * alpha / 255;
    };
    return rgbColor(mix(0), mix(8), mix(16));
}

BandColours MixColours(const BandColours& from, const BandColours& to, int alpha) {
    return {MixColour(from.text, to.text, alpha), MixColour(from.background, to.background, alpha)};
}

} // namespace qor
