#pragma once
// Playing the recording of a word: the sound database names the file, the
// device "welle" plays it.

#include <string>
#include <string_view>

namespace qor {

class TXWaveBase;

// Closes "welle", opens path on it and plays it from the start, all quiet.
// True for an empty path (nothing to do); false when the open or the play
// failed (the play is sent even after a failed open).
bool PlayFileQuiet(const std::string& path);

// The path of the recording of word, or empty. A word with a bracketed
// comment ("[fam.] tío") is also tried without it; for a list of meanings
// ("casa; hogar") one of the recorded meanings is chosen at random.
std::string FindWordRecording(const TXWaveBase& base, std::string_view word);

// FindWordRecording, then PlayFileQuiet.
bool PlayWordRecording(const TXWaveBase& base, std::string_view word);

// Plays the recording of the meaning under the caret of an edit text (caret
// counted from 0), or of the selected text; errors are shown.
void PlayRecordingAt(const TXWaveBase& base, std::string_view text, int caret, int selectionLength);

} // namespace qor
