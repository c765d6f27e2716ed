#include "platform/mci/SdlOutput.h"

#include "platform/mci/MciErrors.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>

namespace qor {

namespace {

constexpr std::int64_t ChunkFrames = 1024;

// About 20 to 25 ms per device buffer: short enough to follow the position.
Uint16 bufferFrames(int rate) {
    return rate > 24000 ? 1024 : 512;
}

// Holds the device lock for one scope.
class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) {
        SDL_LockAudioDevice(device_);
    }
    ~DeviceLock() { SDL_UnlockAudioDevice(device_); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID device_;
};

} // namespace

std::int64_t frameAtMs(std::int64_t ms, int rate, std::int64_t end) {
    if (ms <= 0 || rate <= 0)
        return 0;
    if (ms / 1000 > end / rate)
        return end;
    return std::min(end, ms / 1000 * rate + ms % 1000 * rate / 1000);
}

SdlOutput::SdlOutput(FrameSource& source) : source_(source) {}

SdlOutput::~SdlOutput() {
    closeDevice();
}

int SdlOutput::play(std::int64_t fromFrame) {
    stop();
    sourceFormat_ = source_.format();
    source_.seek(fromFrame);
    startFrame_ = fromFrame;
    position_ = fromFrame;
    framesRead_ = 0;
    deviceFrames_ = 0;
    sourceEnded_ = false;
    running_ = true;
    chunk_.resize(static_cast<std::size_t>(ChunkFrames * sourceFormat_.frameBytes()));

    SDL_AudioSpec wanted{};
    wanted.freq = sourceFormat_.rate;
    wanted.format = sourceFormat_.format;
    wanted.channels = static_cast<Uint8>(sourceFormat_.channels);
    wanted.samples = bufferFrames(sourceFormat_.rate);
    wanted.callback = &SdlOutput::fillCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device_ == 0) {
        running_ = false;
        return MciError::NoOutputDevice;
    }
    stream_ =
        SDL_NewAudioStream(sourceFormat_.format, static_cast<Uint8>(sourceFormat_.channels),
                           sourceFormat_.rate, obtained.format, obtained.channels, obtained.freq);
    if (!stream_) {
        closeDevice();
        running_ = false;
        return MciError::NoOutputDevice;
    }
    deviceRate_ = obtained.freq;
    deviceFrameBytes_ = SDL_AUDIO_BITSIZE(obtained.format) / 8 * obtained.channels;
    silence_ = obtained.silence;
    // The device opens paused: nothing runs the callback before this.
    SDL_PauseAudioDevice(device_, 0);
    return MciError::None;
}

void SdlOutput::stop() {
    if (device_ == 0)
        return;
    {
        DeviceLock lock(device_);
        running_ = false;
    }
    closeDevice();
}

bool SdlOutput::playing() {
    if (device_ == 0)
        return false;
    bool running = false;
    {
        DeviceLock lock(device_);
        running = running_;
    }
    if (!running)
        closeDevice();
    return running;
}

std::int64_t SdlOutput::position() {
    if (device_ == 0)
        return position_;
    DeviceLock lock(device_);
    return position_;
}

void SdlOutput::setPosition(std::int64_t frame) {
    stop();
    position_ = frame;
}

void SdlOutput::closeDevice() {
    if (device_ != 0) {
        // Waits for the audio thread, which then no longer touches anything.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (stream_) {
        SDL_FreeAudioStream(stream_);
        stream_ = nullptr;
    }
}

void SDLCALL SdlOutput::fillCallback(void* self, Uint8* out, int length) {
    static_cast<SdlOutput*>(self)->fill(out, length);
}

// On the audio thread, with the device lock held.
void SdlOutput::fill(Uint8* out, int length) {
    int delivered = 0;
    if (running_) {
        while (!sourceEnded_ && SDL_AudioStreamAvailable(stream_) < length) {
            const std::int64_t got = source_.read(chunk_.data(), ChunkFrames);
            if (got > 0) {
                SDL_AudioStreamPut(stream_, chunk_.data(),
                                   static_cast<int>(got * sourceFormat_.frameBytes()));
                framesRead_ += got;
            }
            if (got < ChunkFrames) {
                sourceEnded_ = true;
                SDL_AudioStreamFlush(stream_);
            }
        }
        delivered = std::max(0, SDL_AudioStreamGet(stream_, out, length));
        deviceFrames_ += delivered / deviceFrameBytes_;
        position_ =
            startFrame_ + std::min(framesRead_, deviceFrames_ * sourceFormat_.rate / deviceRate_);
        if (sourceEnded_ && SDL_AudioStreamAvailable(stream_) == 0) {
            running_ = false;
            position_ = startFrame_ + framesRead_;
        }
    }
    std::memset(out + delivered, silence_, static_cast<std::size_t>(length - delivered));
}

} // namespace qor
