#include "Harmony.h"

#include <algorithm>

namespace qor::music {

namespace {

std::vector<int> intervals(ChordKind kind) {
    switch (kind) {
    case ChordKind::Major:
        return {0, 4, 7};
    case ChordKind::Minor:
        return {0, 3, 7};
    case ChordKind::Diminished:
        return {0, 3, 6};
    case ChordKind::DominantSeventh:
        return {0, 4, 7, 10};
    }
    return {};
}

int inOctave(int pitch, int lowest) {
    const int offset = (pitch - lowest) % 12;
    return lowest + (offset < 0 ? offset + 12 : offset);
}

} // namespace

std::vector<int> chordTones(const Chord& chord, int key, int lowest) {
    std::vector<int> tones;
    for (const int interval : intervals(chord.kind))
        tones.push_back(inOctave(key + chord.root + interval, lowest));
    std::sort(tones.begin(), tones.end());
    return tones;
}

int rootTone(const Chord& chord, int key, int lowest) {
    return inOctave(key + chord.root, lowest);
}

} // namespace qor::music
