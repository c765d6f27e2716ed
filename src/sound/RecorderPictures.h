#pragma once
// The recorder's own button pictures, drawn by the program: used when a page
// folder brings none of its own.

#include <QImage>

namespace qor {

enum class RecorderButton { Record, Play };

// 32 x 32 pixels on a transparent ground: a red dot for recording, a
// triangle for playing; the active picture is brighter and ringed.
QImage builtInRecorderPicture(RecorderButton button, bool active);

} // namespace qor
