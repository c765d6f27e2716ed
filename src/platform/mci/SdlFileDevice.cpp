#include "platform/mci/MciErrors.h"
#include "platform/mci/SdlDevices.h"

#include <algorithm>

namespace qor {

SourceFormat SdlFileDevice::Source::format() const {
    return {AUDIO_F32SYS, reader_.channels(), reader_.sampleRate()};
}

std::int64_t SdlFileDevice::Source::read(void* buffer, std::int64_t frames) {
    return reader_.read(static_cast<float*>(buffer), frames);
}

SdlFileDevice::SdlFileDevice(std::unique_ptr<SoundFileReader> reader)
    : reader_(std::move(reader)), source_(*reader_), output_(source_) {}

std::int64_t SdlFileDevice::frames() {
    return std::max(reader_->frames(), output_.position());
}

int SdlFileDevice::play(std::optional<std::int64_t> fromMs) {
    const std::int64_t from = fromMs ? *fromMs * reader_->sampleRate() / 1000 : output_.position();
    return output_.play(from);
}

int SdlFileDevice::stop() {
    output_.stop();
    return MciError::None;
}

int SdlFileDevice::seek(std::int64_t ms) {
    output_.setPosition(frameAtMs(ms, reader_->sampleRate(), frames()));
    return MciError::None;
}

MciMode SdlFileDevice::mode() {
    return output_.playing() ? MciMode::Playing : MciMode::Stopped;
}

std::int64_t SdlFileDevice::positionMs() {
    return output_.position() * 1000 / reader_->sampleRate();
}

std::int64_t SdlFileDevice::lengthMs() {
    return frames() * 1000 / reader_->sampleRate();
}

int SdlFileDevice::setWaveFormat(const WaveFormat&) {
    return MciError::UnsupportedFunction;
}

int SdlFileDevice::record() {
    return MciError::UnsupportedFunction;
}

int SdlFileDevice::save(const std::string&) {
    return MciError::UnsupportedFunction;
}

} // namespace qor
