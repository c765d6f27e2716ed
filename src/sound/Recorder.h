#pragma once
// The recorder: records the learner's voice through the wave audio device
// "test" and plays it back, drawn on a page as two buttons (record and play)
// whose pictures show whether they are active. A 100 ms timer follows the
// device while it records or plays and stops a recording at the length limit.

#include "page/exercises/RecorderDevice.h"
#include "platform/Registry.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <string>

namespace qor {

namespace RecorderSettings {
inline constexpr const char* Key = "Software\\qor\\Aufnahme";
inline constexpr const char* Bits = "Bits";
inline constexpr const char* Rate = "Rate";
extern const std::string Channels; // "Kanäle"
} // namespace RecorderSettings

class tWaveRec : public RecorderDevice {
public:
    static constexpr int DefaultLengthLimit = 4;

    // Opens the device at once; the settings are read before the first recording.
    explicit tWaveRec(Registry& registry);
    // Closes the device and writes the settings.
    ~tWaveRec() override;
    tWaveRec(const tWaveRec&) = delete;
    tWaveRec& operator=(const tWaveRec&) = delete;

    // Turning visible on draws the buttons.
    void SetVisible(bool visible) override;
    // 1 to 19 seconds; anything else becomes 4.
    void SetLengthLimit(int seconds) override;
    // Loads "rec0.bmp", "rec1.bmp", "play0.bmp" and "play1.bmp" from dir
    // (program path); a picture that is not there is replaced by the
    // program's own.
    void SetPictureDirectory(const std::string& dir) override;
    void SetAreas(const QRect& recordArea, const QRect& playArea) override;
    void SetBackgroundColor(std::uint32_t color) override; // 0x00BBGGRR
    void SetCanvas(RecorderCanvas* canvas) override;

    void StartRecording() override;
    void StartPlaying() override;
    void Stop() override;
    // Saves the recording as a wave file; false when the device refused.
    bool Save(const std::string& path);

    // "close test" (quiet) and "open new type waveaudio alias test".
    void OpenDevice();
    // Sends the format to the device.
    void ApplyFormat();
    // Invalid or missing values fall back to 16 bits, 44100 Hz, mono.
    void ReadSettings();
    void WriteSettings();
    void Draw(bool copyToScreen) override;

    // What the 100 ms timer does.
    void TimerTick();
    // The device's answers, for windows that follow the recorder themselves.
    std::string StatusPosition();
    std::string StatusMode();

    State state() const override { return state_; }
    bool visible() const { return visible_; }
    bool timerActive() const { return timer_.isActive(); }
    bool settingsRead() const { return settingsRead_; }
    int lengthLimit() const { return lengthLimit_; }
    int bitsPerSample() const { return bits_; }
    int samplesPerSecond() const { return rate_; }
    int channels() const { return channels_; }
    // The format for the next ApplyFormat (the set-up dialog); values as in ReadSettings.
    void SetFormat(int bitsPerSample, int samplesPerSecond, int channels);

private:
    enum Picture { PlayIdle, PlayActive, RecordIdle, RecordActive, PictureCount };

    Registry& registry_;
    bool visible_ = false;
    int lengthLimit_ = DefaultLengthLimit;
    State state_ = Idle;
    QTimer timer_;
    int bits_ = 16;
    int rate_ = 44100;
    int channels_ = 1;
    bool settingsRead_ = false;
    RecorderCanvas* canvas_ = nullptr;
    QRect recordArea_;
    QRect playArea_;
    std::uint32_t background_ = 0x00FFFFFF;
    QImage pictures_[PictureCount];
};

// The recorder of the pages and of the recording set-up dialog: created on
// first use, freed at shutdown. The vocabulary editor keeps its own.
tWaveRec& SharedRecorder(Registry& registry);
tWaveRec* ExistingSharedRecorder();
void FreeSharedRecorder();

} // namespace qor
