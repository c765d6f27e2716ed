#include "Piece.h"

#include "Mastering.h"
#include "Room.h"

#include <random>

namespace qor::music {

namespace {

constexpr double lead = 1.0; // seconds before the first chord is fully there
constexpr double tail = 2.0; // seconds after the last release, for the hall
constexpr float peak = 0.7f; // leaves the MP3 coder room to overshoot

// Small deviations in loudness and timing that keep the arpeggio from sounding
// mechanical; the same in every build.
class Humanizer {
public:
    explicit Humanizer(std::uint32_t seed) : engine_(seed) {}

    double between(double low, double high) {
        return low + (high - low) * static_cast<double>(engine_()) / 4294967296.0;
    }

private:
    std::mt19937 engine_;
};

// From -width on the left to width on the right by position among count.
double spread(std::size_t position, std::size_t count, double width) {
    return count < 2 ? 0
                     : -width + 2 * width * static_cast<double>(position) /
                                    static_cast<double>(count - 1);
}

// Plays the layers of one piece into its signal.
class Performance {
public:
    Performance(const Piece& piece, StereoSignal& signal)
        : piece_(piece), signal_(signal), humanizer_(piece.seed) {}

    // The pad reaches full loudness on the chord's beat, and its release
    // overlaps the next chord's attack, so chords melt into each other.
    void padAndBass(const Chord& chord, double start, double length) {
        const double early = piece_.pad.envelope.attack / 2;
        const std::vector<int> tones = chordTones(chord, piece_.key, piece_.key - 5);
        for (std::size_t i = 0; i < tones.size(); ++i)
            play(piece_.pad,
                 {.start = start - early,
                  .length = length,
                  .pitch = static_cast<double>(tones[i]),
                  .loudness = 0.16 * humanizer_.between(0.9, 1.05),
                  .pan = spread(i, tones.size(), 0.35)},
                 signal_);
        play(piece_.bass,
             {.start = start - piece_.bass.envelope.attack / 2,
              .length = length,
              .pitch = static_cast<double>(rootTone(chord, piece_.key, piece_.key - 22)),
              .loudness = 0.3},
             signal_);
    }

    void arpeggio(const Chord& chord, double start, int notesPerBeat) {
        std::vector<int> tones = chordTones(chord, piece_.key, piece_.key + 7);
        tones.push_back(tones.front() + 12);
        const double step = 60 / piece_.tempo / notesPerBeat;
        const int count = piece_.beatsPerChord * notesPerBeat;
        for (int n = 0; n < count; ++n) {
            const auto pattern = static_cast<std::size_t>(n) % piece_.arpeggioPattern.size();
            const auto tone =
                static_cast<std::size_t>(piece_.arpeggioPattern[pattern]) % tones.size();
            const double accent = n % notesPerBeat == 0 ? 1.0 : 0.8;
            play(piece_.arpeggio,
                 {.start = start + n * step + humanizer_.between(-0.01, 0.01),
                  .length = 60 / piece_.tempo,
                  .pitch = static_cast<double>(tones[tone]),
                  .loudness = 0.1 * accent * humanizer_.between(0.75, 1.05),
                  .pan = spread(tone, tones.size(), 0.5)},
                 signal_);
        }
    }

    void drone(const Instrument& instrument, double length) {
        play(instrument, {.length = length, .pitch = piece_.key - 12.0, .loudness = 0.12}, signal_);
        play(instrument, {.length = length, .pitch = piece_.key - 5.0, .loudness = 0.07}, signal_);
    }

private:
    const Piece& piece_;
    StereoSignal& signal_;
    Humanizer humanizer_;
};

} // namespace

StereoSignal render(const Piece& piece) {
    const double chordLength = 60 / piece.tempo * piece.beatsPerChord;
    const std::size_t chords = piece.progression.size() * static_cast<std::size_t>(piece.rounds);
    const double ending = lead + static_cast<double>(chords) * chordLength;
    const double finalLength = 2 * chordLength;
    const double end = ending + finalLength + piece.pad.envelope.release;
    StereoSignal signal(static_cast<std::size_t>((end + tail) * sampleRate));

    Performance performance(piece, signal);
    if (piece.drone)
        performance.drone(*piece.drone, end - piece.drone->envelope.release);
    for (std::size_t i = 0; i < chords; ++i) {
        const Chord& chord = piece.progression[i % piece.progression.size()];
        const double start = lead + static_cast<double>(i) * chordLength;
        performance.padAndBass(chord, start, chordLength);
        const bool firstRound = i < piece.progression.size();
        performance.arpeggio(chord, start, firstRound ? 1 : piece.arpeggioNotesPerBeat);
    }
    performance.padAndBass(piece.progression.front(), ending, finalLength);
    performance.arpeggio(piece.progression.front(), ending, 1);

    addRoom(signal, piece.room);
    master(signal, peak, lead, tail + piece.pad.envelope.release / 2);
    return signal;
}

} // namespace qor::music
