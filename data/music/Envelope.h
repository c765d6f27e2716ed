#pragma once
// How loud a note is over its life: a raised-cosine attack, for plucked and
// bell-like notes an exponential decay, and a raised-cosine release after the
// note's length. The cosine shapes start and end without a click.

namespace qor::music {

struct Envelope {
    double attack = 0.05; // seconds to full loudness
    double decay = 0;     // time constant in seconds after the attack; 0 holds the note
    double release = 0.5; // seconds to silence after the note's length

    // The gain at a time after the note's start, for a note of that length.
    double gain(double time, double length) const;
    // How long the note sounds in all.
    double span(double length) const { return length + release; }
};

} // namespace qor::music
