#include "platform/FileSystem.h"
#include "platform/mci/MciErrors.h"
#include "platform/mci/SdlDevices.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>

namespace qor {

namespace {

// A recording left running stops growing after ten minutes.
constexpr std::size_t MaxRecordingSeconds = 600;
// Room for this much is taken before recording, so the capture thread
// rarely has to grow the buffer.
constexpr std::size_t ReservedSeconds = 20;

SDL_AudioFormat sdlFormat(const WaveFormat& format) {
    return format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16SYS;
}

} // namespace

SourceFormat SdlWaveAudioDevice::Source::format() const {
    return {sdlFormat(format_), format_.channels, format_.samplesPerSecond};
}

std::int64_t SdlWaveAudioDevice::Source::frameCount() const {
    return static_cast<std::int64_t>(samples_.size()) / format_.blockAlign();
}

std::int64_t SdlWaveAudioDevice::Source::read(void* buffer, std::int64_t frames) {
    const std::int64_t count = std::clamp<std::int64_t>(frameCount() - next_, 0, frames);
    const std::int64_t frameBytes = format_.blockAlign();
    std::memcpy(buffer, samples_.data() + next_ * frameBytes,
                static_cast<std::size_t>(count * frameBytes));
    next_ += count;
    return count;
}

SdlWaveAudioDevice::SdlWaveAudioDevice() : source_(samples_, format_), output_(source_) {}

SdlWaveAudioDevice::SdlWaveAudioDevice(PcmSound sound)
    : format_(sound.format), samples_(std::move(sound.samples)), source_(samples_, format_),
      output_(source_) {}

SdlWaveAudioDevice::~SdlWaveAudioDevice() {
    stopRecording();
}

std::int64_t SdlWaveAudioDevice::recordedFrames() const {
    return static_cast<std::int64_t>(samples_.size()) / format_.blockAlign();
}

std::int64_t SdlWaveAudioDevice::toMs(std::int64_t frames) const {
    return frames * 1000 / format_.samplesPerSecond;
}

int SdlWaveAudioDevice::play(std::optional<std::int64_t> fromMs) {
    stopRecording();
    const std::int64_t from =
        fromMs ? *fromMs * format_.samplesPerSecond / 1000 : output_.position();
    return output_.play(std::min(from, recordedFrames()));
}

int SdlWaveAudioDevice::stop() {
    stopRecording();
    output_.stop();
    return MciError::None;
}

int SdlWaveAudioDevice::seek(std::int64_t ms) {
    stopRecording();
    output_.setPosition(frameAtMs(ms, format_.samplesPerSecond, recordedFrames()));
    return MciError::None;
}

MciMode SdlWaveAudioDevice::mode() {
    if (capture_ != 0)
        return MciMode::Recording;
    return output_.playing() ? MciMode::Playing : MciMode::Stopped;
}

std::int64_t SdlWaveAudioDevice::positionMs() {
    if (capture_ == 0)
        return toMs(output_.position());
    SDL_LockAudioDevice(capture_);
    const std::int64_t frames = recordedFrames();
    SDL_UnlockAudioDevice(capture_);
    return toMs(frames);
}

std::int64_t SdlWaveAudioDevice::lengthMs() {
    if (capture_ == 0)
        return toMs(recordedFrames());
    return positionMs();
}

int SdlWaveAudioDevice::setWaveFormat(const WaveFormat& format) {
    stop();
    if (format != format_) {
        // The samples already taken mean nothing in another format.
        format_ = format;
        samples_.clear();
        output_.setPosition(0);
    }
    return MciError::None;
}

// Records from the current position on, replacing what followed it.
int SdlWaveAudioDevice::record() {
    stop();
    const auto keep = static_cast<std::size_t>(output_.position() * format_.blockAlign());
    samples_.resize(std::min(keep, samples_.size()));
    const auto bytesPerSecond = static_cast<std::size_t>(format_.bytesPerSecond());
    sampleLimit_ = bytesPerSecond * MaxRecordingSeconds;
    samples_.reserve(samples_.size() + bytesPerSecond * ReservedSeconds);

    SDL_AudioSpec wanted{};
    wanted.freq = format_.samplesPerSecond;
    wanted.format = sdlFormat(format_);
    wanted.channels = static_cast<Uint8>(format_.channels);
    wanted.samples = format_.samplesPerSecond > 24000 ? 1024 : 512;
    wanted.callback = &SdlWaveAudioDevice::captureCallback;
    wanted.userdata = this;
    // No changes allowed: SDL converts whatever the hardware gives into
    // exactly the format set.
    capture_ = SDL_OpenAudioDevice(nullptr, 1, &wanted, nullptr, 0);
    if (capture_ == 0)
        return MciError::NoInputDevice;
    SDL_PauseAudioDevice(capture_, 0);
    return MciError::None;
}

int SdlWaveAudioDevice::save(const std::string& path) {
    stop();
    const std::string file = encodeWaveFile(
        format_, std::string_view(reinterpret_cast<const char*>(samples_.data()), samples_.size()));
    if (file.empty() || !writeFileAtomic(path, file))
        return MciError::FileNotSaved;
    return MciError::None;
}

void SdlWaveAudioDevice::stopRecording() {
    if (capture_ == 0)
        return;
    // Waits for the capture thread: afterwards the samples are ours alone.
    SDL_CloseAudioDevice(capture_);
    capture_ = 0;
    output_.setPosition(recordedFrames());
}

// On the capture thread, with the device lock held.
void SDLCALL SdlWaveAudioDevice::captureCallback(void* self, Uint8* data, int length) {
    auto* device = static_cast<SdlWaveAudioDevice*>(self);
    std::vector<unsigned char>& samples = device->samples_;
    const std::size_t room = device->sampleLimit_ - std::min(device->sampleLimit_, samples.size());
    const std::size_t take = std::min(room, static_cast<std::size_t>(length));
    samples.insert(samples.end(), data, data + take);
}

} // namespace qor
