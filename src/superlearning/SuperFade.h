#pragma once
// The full-screen superlearning window: the library's entries one after the
// other, word then meaning, spoken where recordings exist, over the music.
// "klassisch" fades a text band between random colours; "abgedreht" types
// the text letter by letter in random fonts, sizes and places. A key or a
// click ends it; the window then says so and is freed by its owner.

#include "superlearning/ColourFade.h"
#include "superlearning/CrazyLayout.h"
#include "superlearning/EntryOrder.h"
#include "superlearning/FadeTimeline.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qor {

class TBibliothek;
class TSuperOptions;
class TVocEinstellungen;
class TXWaveBase;

struct SuperFadeSources {
    TSuperOptions& options;
    const TBibliothek& library;
    const TVocEinstellungen& order;
    const TXWaveBase& sounds;
};

class TSuperFade : public QWidget {
    Q_OBJECT

public:
    explicit TSuperFade(SuperFadeSources sources, RandomSource random = Random);
    ~TSuperFade() override;

    // Shows the window over the whole screen and starts the music.
    void Start();
    bool Classic() const { return classic_; }

signals:
    // The presentation has ended; the owner frees the window.
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void tmrSpeedTimer();
    void runClassicStep(int step);
    void runCrazyStep(int step);
    bool nextEntry();
    void speakIfSpanish(bool wordSide);

    void startFade(FadeKind kind);
    void fadeFrame();
    void drawBand(const BandColours& colours);

    void startTyping(const std::string& text);
    void typeLetter();
    void clearCanvas();

    SuperFadeSources sources_;
    RandomSource random_;
    bool classic_;
    FadeLook look_;
    int faktor_;
    int madness_;
    FadeTimeline timeline_;
    QTimer tmrSpeed_;
    EntryCursor cursor_;
    EntryTexts texts_;
    std::string text_;
    QImage canvas_;

    // "klassisch": the band, its place and the fade in progress.
    QImage band_;
    int bandTop_ = 0;
    BandColours current_;
    BandColours target_;
    BandColours from_;
    QTimer fadeTimer_;
    QElapsedTimer fadeClock_;
    int fadeMs_ = 0;

    // "abgedreht": the letters still to be typed.
    std::vector<PlacedLetter> letters_;
    std::size_t typed_ = 0;
    QTimer typingTimer_;
};

} // namespace qor
