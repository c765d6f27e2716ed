#pragma once
// Small rules of the editor window: the names recordings are saved under,
// what pasting and typing leave in a field, and how the window divides its
// room.

#include <string>
#include <string_view>

namespace qor {

// A recording is always a wave file: a name without extension gets ".wav",
// any other extension is replaced by it.
std::string WaveFileName(const std::string& path);

// A reference of the sound database: a path below the user's own recording
// folder as "XU:" + the rest from the folder's separator on; others as they are.
std::string OwnRecordingReference(const std::string& path, const std::string& ownWaveDir);

// Pasting into a field of several meanings: a leading and a trailing "; "
// go, so that the field does not begin or end with a separator.
std::string StripOuterSeparators(std::string_view text);

// An entry's fields are lines of the library file: line breaks become blanks.
std::string SingleLine(std::string_view text);

// The width of the left panel: half the client width up to a window 800
// pixels wide, beyond that 400 + a third of what the client has over 800.
int ListPanelWidth(int windowWidth, int clientWidth);

// The second context shows in an entry frame at least 534 pixels high.
bool SecondContextShown(int frameHeight);

} // namespace qor
