#pragma once
// The last step of every piece: one gain for the whole piece so that its
// loudest moment reaches peak (with room for the MP3 coder's overshoot), and
// fades at both ends so that the piece loops without a jump.

#include "StereoSignal.h"

namespace qor::music {

void master(StereoSignal& signal, float peak, double fadeInSeconds, double fadeOutSeconds);

} // namespace qor::music
