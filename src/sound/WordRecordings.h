#pragma once
// Playing the recording of a word: the sound database names the file, the
// device "welle" plays it. Where a Spanish word has no recording, the
// program's speech says it, if the user wants that (the Extras switch).

#include "sound/SpeechSynthesizer.h"

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

// What is heard for a word: its recording, else - when the word is Spanish
// and the base speaks what it has no recording of - the words to speak.
struct WordSound {
    std::string recording;
    std::string speech; // program text, set only without a recording

    bool empty() const { return recording.empty() && speech.empty(); }
};

WordSound FindWordSound(const TXWaveBase& base, std::string_view word, bool spanish);

// Plays the recording or speaks the words on "welle", quietly. True when
// there was nothing to play or nothing could be said; false when the
// sound device failed.
bool PlayWordSound(const WordSound& sound, SpeechRate rate = SpeechRate::Normal);

// What is said of a word without a recording: its first meaning without
// bracketed comments ("[fam.] tío; pariente" -> "tío", "casa (f)" -> "casa").
std::string SpokenText(std::string_view word);

// The recording of word, or (speakIfMissing: the word is Spanish) its speech.
bool PlayWordRecording(const TXWaveBase& base, std::string_view word, bool speakIfMissing = false);

// Plays the recording of the meaning under the caret of an edit text (caret
// counted from 0), or of the selected text; errors are shown. Without a
// recording, speakIfMissing (the text is Spanish) speaks the selection, or
// else the meaning under the caret.
void PlayRecordingAt(const TXWaveBase& base, std::string_view text, int caret, int selectionLength,
                     bool speakIfMissing = false);

} // namespace qor
