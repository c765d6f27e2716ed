#include "SoundTestFiles.h"

#include "platform/FileSystem.h"

#include <cmath>
#include <cstring>
#include <numbers>
#include <sndfile.h>
#include <stdexcept>

namespace qor::test {

std::vector<std::int16_t> testSignal(std::size_t samples, std::int16_t start) {
    std::vector<std::int16_t> signal(samples);
    for (std::size_t i = 0; i < samples; ++i)
        signal[i] = static_cast<std::int16_t>(start + static_cast<int>(i % 2000) * 7);
    return signal;
}

void writeWave16(const std::string& path, const std::vector<std::int16_t>& samples, int channels,
                 int rate) {
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(toNativePath(path).c_str(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error("cannot write " + path);
    sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

bool writeMp3Tone(const std::string& path, int frames, int rate) {
    SF_INFO info{};
    info.channels = 1;
    info.samplerate = rate;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* file = sf_open(toNativePath(path).c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> tone(static_cast<std::size_t>(frames));
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5f * static_cast<float>(std::sin(2 * std::numbers::pi * 440.0 *
                                                     static_cast<double>(i) / rate));
    sf_writef_float(file, tone.data(), frames);
    sf_close(file);
    return true;
}

DecodedWave readWave16(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(toNativePath(path).c_str(), SFM_READ, &info);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    DecodedWave wave;
    wave.channels = info.channels;
    wave.rate = info.samplerate;
    wave.format = info.format;
    wave.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_short(file, wave.samples.data(), info.frames);
    sf_close(file);
    return wave;
}

namespace {
template <typename T> std::vector<T> readRaw(const std::string& path) {
    const std::string bytes = readFile(path).value_or(std::string());
    std::vector<T> values(bytes.size() / sizeof(T));
    std::memcpy(values.data(), bytes.data(), values.size() * sizeof(T));
    return values;
}
} // namespace

std::vector<float> readRawFloats(const std::string& path) {
    return readRaw<float>(path);
}

std::vector<std::int16_t> readRawShorts(const std::string& path) {
    return readRaw<std::int16_t>(path);
}

std::vector<std::uint8_t> readRawBytes(const std::string& path) {
    return readRaw<std::uint8_t>(path);
}

void writeRaw(const std::string& path, const void* data, std::size_t bytes) {
    if (!writeFileAtomic(path, std::string(static_cast<const char*>(data), bytes)))
        throw std::runtime_error("cannot write " + path);
}

} // namespace qor::test
