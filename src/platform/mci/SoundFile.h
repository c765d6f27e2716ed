#pragma once
// Sound files through libsndfile: reading wave, MP3 and whatever else the
// library decodes, as float samples; writing a recording as a wave file.

#include "platform/mci/MciDevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

typedef struct sf_private_tag SNDFILE;

namespace qor {

class SoundFileReader {
public:
    // Nothing when the file cannot be opened or decoded. path is program text.
    static std::unique_ptr<SoundFileReader> open(std::string_view path);
    ~SoundFileReader();
    SoundFileReader(const SoundFileReader&) = delete;
    SoundFileReader& operator=(const SoundFileReader&) = delete;

    int channels() const { return channels_; }
    int sampleRate() const { return sampleRate_; }
    // Frames in the file; for MP3 only an estimate until read to the end.
    std::int64_t frames() const { return frames_; }

    // Interleaved float frames; fewer than asked only at the end.
    std::int64_t read(float* buffer, std::int64_t frames);
    bool seek(std::int64_t frame);

private:
    SoundFileReader(SNDFILE* file, int channels, int sampleRate, std::int64_t frames);

    SNDFILE* file_;
    int channels_;
    int sampleRate_;
    std::int64_t frames_;
};

// The bytes of a PCM wave file holding samples in format: 8-bit samples are
// unsigned, 16-bit ones signed in the machine's byte order. Empty on failure.
std::string encodeWaveFile(const WaveFormat& format, std::string_view samples);

} // namespace qor
