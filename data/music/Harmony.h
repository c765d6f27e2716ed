#pragma once
// The chords of the background music, written as steps of the piece's key,
// and where their tones lie on the keyboard.

#include <vector>

namespace qor::music {

enum class ChordKind { Major, Minor, Diminished, DominantSeventh };

struct Chord {
    int root = 0; // semitones above the key note
    ChordKind kind = ChordKind::Major;
};

// The chord's tones in the octave from lowest upwards (MIDI note numbers,
// ascending). Voicing every chord in the same octave moves each voice by a
// small step from one chord to the next, as a keyboard player would.
std::vector<int> chordTones(const Chord& chord, int key, int lowest);

// The chord's root in the octave from lowest upwards.
int rootTone(const Chord& chord, int key, int lowest);

} // namespace qor::music
