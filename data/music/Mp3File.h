#pragma once
// Writes the music as the presentation plays it: MP3 (MPEG-1 Layer III,
// through libsndfile and its LAME coder), stereo, 44100 Hz.

#include "StereoSignal.h"

#include <string>

namespace qor::music {

// False when the file cannot be written, or libsndfile cannot code MP3.
bool writeMp3(const StereoSignal& signal, const std::string& path);

} // namespace qor::music
