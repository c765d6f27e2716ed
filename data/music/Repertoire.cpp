#include "Repertoire.h"

namespace qor::music {

namespace {

using enum ChordKind;

// Partial amplitudes of the instruments: a triangle's odd partials for
// strings, falling harmonics for an organ flute, few and weak ones for a
// flute, a plucked harp and a music box.
const std::vector<double> strings = {1, 0.1, 1.0 / 9, 0.03, 1.0 / 25, 0, 1.0 / 49};
const std::vector<double> organ = {1, 0.45, 0.2, 0.1, 0.05};
const std::vector<double> flute = {1, 0.2, 0.06};
const std::vector<double> harp = {1, 0.35, 0.12, 0.05};
const std::vector<double> musicBox = {1, 0, 0.25, 0, 0.08};
const std::vector<double> cello = {1, 0.3, 0.15, 0.06, 0.03};

Instrument pad(const std::vector<double>& partials, double detuneCents) {
    return {Timbre(partials), {.attack = 1.2, .release = 1.8}, detuneCents, 0.3};
}

Instrument bass(const std::vector<double>& partials) {
    return {Timbre(partials), {.attack = 0.4, .release = 1.5}, 3, 0.1};
}

Instrument plucked(const std::vector<double>& partials, double decay) {
    return {Timbre(partials), {.attack = 0.015, .decay = decay, .release = 0.6}, 4, 0.15};
}

Instrument drone(const std::vector<double>& partials) {
    return {Timbre(partials), {.attack = 5, .release = 5}, 4, 0.4};
}

} // namespace

std::vector<Piece> repertoire() {
    return {
        // The bass line of Pachelbel's canon.
        {.file = "largo_in_c.mp3",
         .key = 60,
         .tempo = 60,
         .progression = {{0, Major},
                         {7, Major},
                         {9, Minor},
                         {4, Minor},
                         {5, Major},
                         {0, Major},
                         {5, Major},
                         {7, Major}},
         .arpeggioPattern = {0, 1, 2, 3, 2, 1, 2, 1},
         .pad = pad(strings, 8),
         .bass = bass(cello),
         .arpeggio = plucked(harp, 0.9),
         .seed = 1},
        {.file = "andante_in_g.mp3",
         .key = 55,
         .tempo = 66,
         .progression = {{0, Major},
                         {5, Major},
                         {2, Minor},
                         {7, Major},
                         {4, Minor},
                         {9, Minor},
                         {5, Major},
                         {7, DominantSeventh}},
         .arpeggioPattern = {0, 2, 1, 3, 2, 1, 3, 2},
         .pad = pad(organ, 5),
         .bass = bass(cello),
         .arpeggio = plucked(musicBox, 0.6),
         .room = 0.6f,
         .seed = 2},
        // The baroque circle of fifths down to the dominant.
        {.file = "adagio_in_a_moll.mp3",
         .key = 57,
         .tempo = 54,
         .progression = {{0, Minor},
                         {5, Minor},
                         {10, Major},
                         {3, Major},
                         {8, Major},
                         {2, Diminished},
                         {7, Major},
                         {7, DominantSeventh}},
         .arpeggioNotesPerBeat = 1,
         .arpeggioPattern = {0, 1, 2, 3, 2, 1},
         .pad = pad(strings, 10),
         .bass = bass(flute),
         .arpeggio = plucked(harp, 1.2),
         .room = 0.6f,
         .seed = 3},
        // Broken chords in triplets over a shepherd's drone.
        {.file = "pastorale_in_f.mp3",
         .key = 53,
         .tempo = 58,
         .progression = {{0, Major},
                         {5, Major},
                         {0, Major},
                         {7, Major},
                         {9, Minor},
                         {2, Minor},
                         {7, Major},
                         {7, DominantSeventh}},
         .arpeggioNotesPerBeat = 3,
         .arpeggioPattern = {0, 1, 2, 3, 2, 1},
         .pad = pad(flute, 6),
         .bass = bass(cello),
         .arpeggio = plucked(strings, 0.7),
         .drone = drone(organ),
         .seed = 4},
    };
}

} // namespace qor::music
