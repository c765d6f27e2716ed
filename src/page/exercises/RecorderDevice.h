#pragma once
// What the recorder on a page needs of a recorder, and what a recorder
// needs of the page it is drawn on. The sound subsystem's tWaveRec is such
// a recorder; the page engine knows it only through this.

#include <QImage>
#include <QRect>
#include <cstdint>
#include <string>

namespace qor {

// Where the recorder draws: the page's off-screen buffer, and the visible
// page to which drawn areas are copied.
class RecorderCanvas {
public:
    virtual ~RecorderCanvas() = default;
    virtual QImage& offScreen() = 0;
    virtual void copyToScreen(const QRect& area) = 0;
    // The recorder drawing here is destroyed (the program frees its recorder
    // before the windows that show it go).
    virtual void recorderDestroyed() {}
};

// A recorder with a record and a play button drawn on a canvas.
class RecorderDevice {
public:
    enum State : std::uint8_t { Idle = 0, Recording = 1, Playing = 2 };

    virtual ~RecorderDevice() = default;

    // Turning visible on draws the buttons.
    virtual void SetVisible(bool visible) = 0;
    // In seconds.
    virtual void SetLengthLimit(int seconds) = 0;
    // The folder of the button pictures.
    virtual void SetPictureDirectory(const std::string& dir) = 0;
    virtual void SetAreas(const QRect& recordArea, const QRect& playArea) = 0;
    virtual void SetBackgroundColor(std::uint32_t color) = 0; // 0x00BBGGRR
    // Null: draws nowhere.
    virtual void SetCanvas(RecorderCanvas* canvas) = 0;
    virtual void Draw(bool copyToScreen) = 0;

    virtual void StartRecording() = 0;
    virtual void StartPlaying() = 0;
    virtual void Stop() = 0;
    virtual State state() const = 0;
};

} // namespace qor
