#pragma once
// Techno, the superlearning presentation inside the main window: the
// pictures of a folder cross-fade (or cut hard) behind the library's words
// and meanings, which stand in the middle or scroll upwards, spoken where
// recordings exist, over the music. It covers the main window while it
// runs; a click, Escape or Stop() ends it, and it says so with Finished();
// the owner then frees it.

#include "superlearning/SuperOptions.h"
#include "superlearning/TechnoFrames.h"
#include "superlearning/TechnoTimeline.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace qor {

class TBibliothek;
class TVocEinstellungen;
class TXWaveBase;

class TTechnoStyle : public QWidget {
    Q_OBJECT

public:
    static constexpr int FrameMs = 20;

    TTechnoStyle(TSuperOptions& options, const TBibliothek& library, const TVocEinstellungen& order,
                 const TXWaveBase& sounds, QWidget* parent, RandomSource random = Random);
    ~TTechnoStyle() override;

    // Makes the frames of the picture folder while a progress bar grows over
    // the page below. False when not one picture could be read.
    bool Prepare();
    // Starts the music and the show.
    void Run();
    // The show ends at its next frame.
    void Stop();

signals:
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Line {
        std::string text;
        WordSound recording;
        int size = TechnoTextSize;
        int x = 0;
    };

    void showFrame();
    void finish();
    void standTexts(std::int64_t nowMs);
    void scrollTexts();
    Line nextLine();
    void speak(const WordSound& recording);
    void drawLines();
    QFont textFont(int size) const;
    void paintProgress(QPainter& painter) const;
    void paintShow(QPainter& painter) const;

    enum class Phase { Idle, Preparing, Running };

    TSuperOptions& options_;
    const TBibliothek& library_;
    const TVocEinstellungen& order_;
    const TXWaveBase& sounds_;
    RandomSource random_;
    TechnoPace pace_;
    TechnoFrameLook look_;
    int areaTop_;
    QString fontFamily_;
    QColor textColour_;
    Phase phase_ = Phase::Idle;
    bool stop_ = false;

    std::size_t filesDone_ = 0;
    std::size_t fileCount_ = 0;
    std::vector<QImage> frames_;
    QImage textBitmap_;

    QTimer frameClock_;
    QElapsedTimer clock_;
    std::optional<TechnoPictures> pictures_;
    std::optional<StandingTexts> standing_;
    std::optional<ScrollingTexts> scrolling_;
    std::optional<FrameRate> frameRate_;
    std::array<Line, 2> lines_; // the word (or a standing text), the meaning
    int textTop_ = 0;
    int lineGap_ = 0;
    QString frameRateText_;
};

} // namespace qor
