#pragma once
// An instrument of the background music and how it plays a note into the
// signal. Every note sounds as two voices a few cents apart, panned a little
// apart, whose slow beating makes the tone warm and wide.

#include "Envelope.h"
#include "StereoSignal.h"
#include "Timbre.h"

namespace qor::music {

struct Instrument {
    Timbre timbre;
    Envelope envelope;
    double detuneCents = 6;   // distance of the two voices
    double voiceSpread = 0.3; // their distance in the stereo field (0 .. 1)
};

struct Note {
    double start = 0;  // seconds
    double length = 1; // seconds until the release begins
    double pitch = 60; // MIDI note number, 69 is a' at 440 Hz
    double loudness = 0.1;
    double pan = 0; // -1 left .. 1 right
};

double frequency(double pitch);

// Adds the note to the signal; what lies outside the signal is left out.
void play(const Instrument& instrument, const Note& note, StereoSignal& signal);

} // namespace qor::music
