#pragma once
// The clock of the full-screen presentation: a tick every 100 ms runs the
// next step of the mode unless a drawing is still running or a wait is
// pending; a stop asked for ends it at the next tick.

namespace qor {

class FadeTimeline {
public:
    static constexpr int TickMs = 100;

    enum class Tick {
        Nothing, // busy, or waiting
        Close,   // a stop was asked for
        Step,    // run Step(), then check the music
    };
    Tick OnTick(bool drawing);
    int Step() const { return step_; }
    // A pause after the step that just ran.
    void Wait(int milliseconds) { wait_ = milliseconds; }
    // The next tick starts again at step 0.
    void Restart() { step_ = -1; }
    // Key presses and clicks end the presentation once it has begun.
    void RequestStop();
    bool Stopping() const { return stop_; }

private:
    int step_ = -1;
    int wait_ = 0;
    bool started_ = false;
    bool stop_ = false;
};

// "klassisch": every colour fade lasts 1500 ms at 100 %, longer when slower.
int ClassicFadeMs(int klassikFaktor);

// "abgedreht": the pause after a step, for a text of textLength characters
// (the word with its braces, or the meaning) and the pause unit faktor.
int CrazyWaitMs(int step, int textLength, int faktor);

} // namespace qor
