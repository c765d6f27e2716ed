#pragma once
// Plays frames from a source through an SDL output device. The device is
// opened when playing starts and closed when it stops or the sound has run
// out. SDL calls fill() on its own audio thread; everything it shares with
// the program's thread is guarded by the device lock, and the position is
// counted from what the device has really taken.

#include <SDL_audio.h>
#include <cstdint>
#include <vector>

namespace qor {

struct SourceFormat {
    SDL_AudioFormat format = AUDIO_F32SYS;
    int channels = 1;
    int rate = 44100;

    int frameBytes() const { return SDL_AUDIO_BITSIZE(format) / 8 * channels; }
};

// The frame ms milliseconds into a sound of end frames at rate frames a
// second, at most end: a script may seek to any number, and the product
// must not leave the range.
std::int64_t frameAtMs(std::int64_t ms, int rate, std::int64_t end);

class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual SourceFormat format() const = 0;
    virtual std::int64_t frameCount() const = 0;
    // Interleaved frames in format(); fewer than asked only at the end.
    virtual std::int64_t read(void* buffer, std::int64_t frames) = 0;
    virtual void seek(std::int64_t frame) = 0;
};

class SdlOutput {
public:
    // The source must outlive the output and is touched only while the
    // output is stopped or under the device lock.
    explicit SdlOutput(FrameSource& source);
    ~SdlOutput();
    SdlOutput(const SdlOutput&) = delete;
    SdlOutput& operator=(const SdlOutput&) = delete;

    // MciError::NoOutputDevice when SDL cannot open a device.
    int play(std::int64_t fromFrame);
    void stop();
    bool playing();
    // In frames of the source.
    std::int64_t position();
    void setPosition(std::int64_t frame);

private:
    static void SDLCALL fillCallback(void* self, Uint8* out, int length);
    void fill(Uint8* out, int length);
    void closeDevice();

    FrameSource& source_;
    SourceFormat sourceFormat_;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioStream* stream_ = nullptr;
    int deviceRate_ = 0;
    int deviceFrameBytes_ = 0;
    Uint8 silence_ = 0;
    std::vector<unsigned char> chunk_;

    // Shared with the audio thread while the device is open.
    bool running_ = false;
    bool sourceEnded_ = false;
    std::int64_t startFrame_ = 0;
    std::int64_t framesRead_ = 0;
    std::int64_t deviceFrames_ = 0;
    std::int64_t position_ = 0;
};

} // namespace qor
