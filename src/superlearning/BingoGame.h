#pragma once
// The bingo game without a window: a word above, a meaning below, and the
// player clicks when they belong together. Right clicks raise the score and
// the energy, wrong ones cost energy, and every pair drains a little; the
// game is over when the energy is gone. It is played in rounds of fourteen
// clicks with a fresh mix of the vocabulary between them.
//
// The game runs on a clock the window ticks (Tick with the milliseconds
// since the start); what is to be drawn is its state, which the window
// reads after every tick.

#include "graphics/Color.h"
#include "platform/Random.h"
#include "superlearning/BingoList.h"

#include <deque>
#include <functional>
#include <string>

namespace qor {

struct TVocAufgabe;
struct TVokabel;

// What the game needs from the program.
class BingoHost {
public:
    virtual ~BingoHost() = default;
    // An active entry of the training range with its five wrong choices
    // (Auswahl[1..5]); null when the range has none.
    virtual const TVocAufgabe* DrawTask() = 0;
    // How many entries the training range spans (Bis - Von).
    virtual int RangeSpan() const = 0;
    // A fresh random mix from the folder of the last, all of it the range.
    virtual void NewMix() = 0;
    // Changes the logged-in user's record of the word; nothing without one.
    virtual void Record(const TVokabel& entry, int value) = 0;
    virtual void StartMusic() = 0;
    virtual void CheckMusic() = 0;
    virtual void StopMusic() = 0;
};

class BingoGame {
public:
    static constexpr int FullEnergy = 100;
    static constexpr int ClicksPerRound = 14;
    static constexpr Color Wrong = rgbColor(204, 0, 0);

    BingoGame(BingoHost& host, TBingoList phrases, int vegasFaktor, int fontCount,
              RandomSource random = Random);

    // Advances the game to this time; false once it is over.
    bool Tick(long long now);
    // A click or the space key: counts while clicks are allowed.
    void Click();
    // The command "stop" or Escape: the game ends as soon as it can.
    void Stop() { stop_ = true; }

    // What the window draws.
    const std::string& Upper() const { return upper_; }
    const std::string& Lower() const { return lower_; }
    Color TextColour() const { return textColour_; }
    // A lower text "#RRGGBB" is drawn as a field of this colour.
    bool Swatch() const { return swatch_; }
    Color SwatchColour() const { return swatchColour_; }
    int SwatchAlpha() const { return swatchAlpha_; }
    int Font() const { return font_; }
    int Energy() const { return energy_; }
    int Score() const { return score_; }
    int RoundNumber() const { return round_; }
    bool ClicksAllowed() const { return clicksAllowed_; }
    // Whether the pair shown belongs together.
    bool PairBelongs() const { return kind_ == 0; }
    // Where the window goes when the game is over: "again.htx" after the
    // energy ran out, else the vocabulary menu.
    std::string EndPage() const;

private:
    // What the game does at the moment; each ends after its time, and fades
    // and waits also when a click counts.
    enum class Activity { FadeIn, FadeOut, Wait, Done };
    // Where the game goes on when the activity is over.
    enum class Next {
        RoundShown,
        ReadyWaited,
        RoundStarting,
        PairShown,
        PairWaited,
        CommentShownAfterWait,
        PairHidden,
        CommentShownAfterHide,
        EndShown,
        EndWaited,
        Finished,
    };

    int r(int range) { return randomBelow(random_, range); }
    int scaled(int milliseconds) const;
    void begin(Activity activity, int milliseconds, Next next);
    void fade(long long now);
    void proceed();
    void startRound();
    void nextPair();
    void choosePair();
    void choosePhrase();
    void evaluate(Next after);
    void afterPair();
    void endRound();
    void showEnd();
    void setTexts(std::string upper, std::string lower);

    BingoHost& host_;
    TBingoList phrases_;
    int vegasFaktor_;
    int fontCount_;
    RandomSource random_;

    Activity activity_ = Activity::Done;
    Next next_ = Next::Finished;
    long long now_ = 0;
    long long started_ = -1;
    int duration_ = 0;
    bool over_ = false;

    bool stop_ = false;
    bool clicked_ = false;
    bool clicksAllowed_ = true;
    Color base_ = ColorValue::Black;
    Color textColour_ = ColorValue::Black;
    bool swatch_ = false;
    Color swatchColour_ = 0;
    int swatchAlpha_ = 0;
    int font_ = 0;
    int energy_ = FullEnergy;
    int score_ = 0;
    int round_ = 0;
    int clicks_ = 1;
    int kind_ = 0;
    int streak_ = 0;
    const TVokabel* entry_ = nullptr; // the vocabulary pair's entry, null for a phrase
    std::string upper_;
    std::string lower_;
    std::deque<std::string> recent_;
};

// One of the meanings of a choice: "casa [f]; hogar" gives "casa" or
// "hogar", without bracketed comments and blanks at the ends.
std::string PickMeaning(const std::string& meanings, const RandomSource& random);

} // namespace qor
