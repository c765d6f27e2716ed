#include "sound/Recorder.h"

#include "graphics/QtGraphics.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "sound/MciSenders.h"
#include "sound/RecorderPictures.h"

#include <QPainter>
#include <charconv>
#include <memory>

namespace qor {

using namespace literals;

const std::string RecorderSettings::Channels = "Kanäle"_cp;

namespace {

constexpr int TimerInterval = 100; // ms

std::unique_ptr<tWaveRec> sharedRecorder;

int validOr(std::optional<std::int32_t> value, std::initializer_list<int> valid, int fallback) {
    if (value)
        for (int v : valid)
            if (*value == v)
                return v;
    return fallback;
}

// A number the device answered; 0 for anything else.
int answerNumber(const std::string& answer) {
    int value = 0;
    std::from_chars(answer.data(), answer.data() + answer.size(), value);
    return value;
}

// Centred in the area, the right and bottom edges counted as in the page's
// rectangles (one past the last pixel).
void drawCentred(QPainter& painter, const QRect& area, const QImage& picture) {
    const int right = area.left() + area.width();
    const int bottom = area.top() + area.height();
    painter.drawImage((area.left() + right - picture.width()) / 2,
                      (area.top() + bottom - picture.height()) / 2, picture);
}

} // namespace

tWaveRec::tWaveRec(Registry& registry) : registry_(registry) {
    timer_.setInterval(TimerInterval);
    QObject::connect(&timer_, &QTimer::timeout, [this] { TimerTick(); });
    SetPictureDirectory({});
    OpenDevice();
}

tWaveRec::~tWaveRec() {
    if (canvas_)
        canvas_->recorderDestroyed();
    SendRecorderMci("close test");
    // Settings never read are read first, so that a recorder that never
    // recorded does not overwrite them with its defaults.
    if (!settingsRead_)
        ReadSettings();
    WriteSettings();
}

void tWaveRec::SetVisible(bool visible) {
    const bool turnedOn = visible && !visible_;
    visible_ = visible;
    if (turnedOn)
        Draw(true);
}

void tWaveRec::SetLengthLimit(int seconds) {
    lengthLimit_ = seconds >= 1 && seconds <= 19 ? seconds : DefaultLengthLimit;
}

void tWaveRec::SetPictureDirectory(const std::string& dir) {
    struct File {
        Picture picture;
        const char* name;
        RecorderButton button;
        bool active;
    };
    static const File files[] = {{PlayIdle, "play0.bmp", RecorderButton::Play, false},
                                 {PlayActive, "play1.bmp", RecorderButton::Play, true},
                                 {RecordIdle, "rec0.bmp", RecorderButton::Record, false},
                                 {RecordActive, "rec1.bmp", RecorderButton::Record, true}};
    for (const File& file : files) {
        QImage picture;
        if (!dir.empty())
            picture.load(
                QString::fromStdString(toNativePath(includeTrailingSeparator(dir) + file.name)));
        pictures_[file.picture] =
            picture.isNull() ? builtInRecorderPicture(file.button, file.active) : picture;
    }
}

void tWaveRec::SetAreas(const QRect& recordArea, const QRect& playArea) {
    recordArea_ = recordArea;
    playArea_ = playArea;
}

void tWaveRec::SetBackgroundColor(std::uint32_t color) {
    background_ = color;
}

void tWaveRec::SetCanvas(RecorderCanvas* canvas) {
    canvas_ = canvas;
}

void tWaveRec::SetFormat(int bitsPerSample, int samplesPerSecond, int channels) {
    bits_ = validOr(bitsPerSample, {8, 16}, 16);
    rate_ = validOr(samplesPerSecond, {11025, 22050, 44100}, 44100);
    channels_ = validOr(channels, {1, 2}, 1);
}

void tWaveRec::OpenDevice() {
    SendRecorderMci("close test");
    SendRecorderMci("open new type waveaudio alias test");
}

void tWaveRec::ApplyFormat() {
    const int alignment = bits_ * channels_ / 8;
    SendRecorderMci("set test bitspersample " + std::to_string(bits_) + " channels " +
                    std::to_string(channels_) + " alignment " + std::to_string(alignment) +
                    " samplespersec " + std::to_string(rate_) + " bytespersec " +
                    std::to_string(alignment * rate_));
}

void tWaveRec::ReadSettings() {
    bits_ =
        validOr(registry_.readInteger(RecorderSettings::Key, RecorderSettings::Bits), {8, 16}, 16);
    rate_ = validOr(registry_.readInteger(RecorderSettings::Key, RecorderSettings::Rate),
                    {11025, 22050, 44100}, 44100);
    channels_ = validOr(registry_.readInteger(RecorderSettings::Key, RecorderSettings::Channels),
                        {1, 2}, 1);
    settingsRead_ = true;
}

void tWaveRec::WriteSettings() {
    registry_.writeInteger(RecorderSettings::Key, RecorderSettings::Bits, bits_);
    registry_.writeInteger(RecorderSettings::Key, RecorderSettings::Rate, rate_);
    registry_.writeInteger(RecorderSettings::Key, RecorderSettings::Channels, channels_);
}

void tWaveRec::StartRecording() {
    // A fresh device: whatever played or recorded before stops.
    OpenDevice();
    if (!settingsRead_)
        ReadSettings();
    ApplyFormat();
    SendRecorderMci("seek test to start");
    SendRecorderMci("record test");
    timer_.start();
    state_ = Recording;
    Draw(true);
}

void tWaveRec::StartPlaying() {
    SendRecorderMci("seek test to start");
    SendRecorderMci("play test");
    state_ = Playing;
    timer_.start();
    Draw(true);
}

void tWaveRec::Stop() {
    SendRecorderMci("stop test");
    state_ = Idle;
    Draw(true);
}

bool tWaveRec::Save(const std::string& path) {
    return !IsMciError(SendRecorderMci("save test \"" + path + "\""));
}

std::string tWaveRec::StatusPosition() {
    return SendRecorderMci("status test position");
}

std::string tWaveRec::StatusMode() {
    return SendRecorderMci("status test mode");
}

void tWaveRec::TimerTick() {
    const std::string position = StatusPosition();
    if (IsMciError(position)) {
        // The device is gone: nothing records or plays any more.
        timer_.stop();
        state_ = Idle;
        Draw(true);
        return;
    }
    if (answerNumber(position) >= lengthLimit_ * 1000) {
        Stop();
        timer_.stop();
    }
    // "stopped", or "beendet" from a German device.
    const std::string mode = StatusMode();
    if (mode.starts_with("stop") || mode.starts_with("been")) {
        state_ = Idle;
        timer_.stop();
        Draw(true);
    }
}

void tWaveRec::Draw(bool copyToScreen) {
    if (!visible_ || !canvas_)
        return;
    {
        QPainter painter(&canvas_->offScreen());
        painter.fillRect(recordArea_, toQColor(background_));
        painter.fillRect(playArea_, toQColor(background_));
        drawCentred(painter, recordArea_,
                    pictures_[state_ == Recording ? RecordActive : RecordIdle]);
        drawCentred(painter, playArea_, pictures_[state_ == Playing ? PlayActive : PlayIdle]);
    }
    if (copyToScreen) {
        canvas_->copyToScreen(recordArea_);
        canvas_->copyToScreen(playArea_);
    }
}

tWaveRec& SharedRecorder(Registry& registry) {
    if (!sharedRecorder)
        sharedRecorder = std::make_unique<tWaveRec>(registry);
    return *sharedRecorder;
}

tWaveRec* ExistingSharedRecorder() {
    return sharedRecorder.get();
}

void FreeSharedRecorder() {
    sharedRecorder.reset();
}

} // namespace qor
