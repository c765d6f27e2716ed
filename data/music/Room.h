#pragma once
// The reverberation of a quiet hall around the instruments: a small
// Schroeder reverb (parallel damped comb filters, then all-pass filters),
// slightly different in the two channels so that the sound is wide.

#include "StereoSignal.h"

namespace qor::music {

// Adds the hall's echo; at wet 1 it is about as loud as the dry sound.
void addRoom(StereoSignal& signal, float wet);

} // namespace qor::music
