#pragma once
// Tiny sound files for the tests, made with libsndfile, and raw sample files
// as SDL's disk audio driver reads and writes them.

#include <cstdint>
#include <string>
#include <vector>

namespace qor::test {

// A ramp that never passes through zero, so it stands out from silence.
std::vector<std::int16_t> testSignal(std::size_t samples, std::int16_t start = 1000);

// Writes a 16-bit PCM wave file (program path); throws on failure.
void writeWave16(const std::string& path, const std::vector<std::int16_t>& samples, int channels,
                 int rate);
// Writes an MP3 file of a tone; false when this libsndfile cannot encode MP3.
bool writeMp3Tone(const std::string& path, int frames, int rate);

struct DecodedWave {
    int channels = 0;
    int rate = 0;
    int format = 0; // libsndfile's format word
    std::vector<std::int16_t> samples;
};
DecodedWave readWave16(const std::string& path);

std::vector<float> readRawFloats(const std::string& path);
std::vector<std::int16_t> readRawShorts(const std::string& path);
std::vector<std::uint8_t> readRawBytes(const std::string& path);
void writeRaw(const std::string& path, const void* data, std::size_t bytes);

} // namespace qor::test
