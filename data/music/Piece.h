#pragma once
// A piece of the background music: a slow chord progression in one key,
// played in rounds by a sustained pad over a bass, with a broken-chord
// arpeggio above it and, in some pieces, a drone on the key note and its
// fifth. It ends on the key's own chord, held until it dies away.

#include "Harmony.h"
#include "Instrument.h"
#include "StereoSignal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qor::music {

struct Piece {
    std::string file;  // its name in the MP3 folder
    int key = 60;      // the key note in the pad's octave, MIDI
    double tempo = 60; // beats a minute
    int beatsPerChord = 4;
    std::vector<Chord> progression; // from the key's own chord
    int rounds = 2;
    // The first round plays one arpeggio note a beat, the later ones this many.
    int arpeggioNotesPerBeat = 2;
    // Which of the arpeggio's tones (from the lowest) sound, note by note.
    std::vector<int> arpeggioPattern;
    Instrument pad, bass, arpeggio;
    std::optional<Instrument> drone = std::nullopt;
    float room = 0.5f;      // loudness of the hall's echo
    std::uint32_t seed = 1; // of the small deviations in loudness and timing
};

// The whole piece, mastered: it fades in and out and peaks below full scale.
StereoSignal render(const Piece& piece);

} // namespace qor::music
