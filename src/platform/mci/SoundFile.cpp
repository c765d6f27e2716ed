#include "platform/mci/SoundFile.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace qor {

namespace {

// A growing byte buffer that libsndfile writes into like a file.
struct MemoryFile {
    std::string bytes;
    sf_count_t position = 0;
};

sf_count_t memoryLength(void* file) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(file)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* file) {
    auto* memory = static_cast<MemoryFile*>(file);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = memory->position;
    else if (whence == SEEK_END)
        base = static_cast<sf_count_t>(memory->bytes.size());
    memory->position = std::max<sf_count_t>(0, base + offset);
    return memory->position;
}

sf_count_t memoryRead(void* buffer, sf_count_t count, void* file) {
    auto* memory = static_cast<MemoryFile*>(file);
    const auto size = static_cast<sf_count_t>(memory->bytes.size());
    const sf_count_t available = std::clamp<sf_count_t>(size - memory->position, 0, count);
    std::memcpy(buffer, memory->bytes.data() + memory->position,
                static_cast<std::size_t>(available));
    memory->position += available;
    return available;
}

sf_count_t memoryWrite(const void* buffer, sf_count_t count, void* file) {
    auto* memory = static_cast<MemoryFile*>(file);
    const auto end = static_cast<std::size_t>(memory->position + count);
    if (end > memory->bytes.size())
        memory->bytes.resize(end);
    std::memcpy(memory->bytes.data() + memory->position, buffer, static_cast<std::size_t>(count));
    memory->position += count;
    return count;
}

sf_count_t memoryTell(void* file) {
    return static_cast<MemoryFile*>(file)->position;
}

} // namespace

std::unique_ptr<SoundFileReader> SoundFileReader::open(std::string_view path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(toNativePath(path).c_str(), SFM_READ, &info);
    if (!file)
        return nullptr;
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1) {
        sf_close(file);
        return nullptr;
    }
    const std::int64_t frames =
        info.frames == SF_COUNT_MAX ? 0 : std::max<sf_count_t>(0, info.frames);
    return std::unique_ptr<SoundFileReader>(
        new SoundFileReader(file, info.channels, info.samplerate, frames));
}

SoundFileReader::SoundFileReader(SNDFILE* file, int channels, int sampleRate, std::int64_t frames)
    : file_(file), channels_(channels), sampleRate_(sampleRate), frames_(frames) {}

SoundFileReader::~SoundFileReader() {
    sf_close(file_);
}

std::int64_t SoundFileReader::read(float* buffer, std::int64_t frames) {
    const sf_count_t got = sf_readf_float(file_, buffer, frames);
    return std::max<sf_count_t>(0, got);
}

bool SoundFileReader::seek(std::int64_t frame) {
    return sf_seek(file_, frame, SEEK_SET) >= 0;
}

std::string encodeWaveFile(const WaveFormat& format, std::string_view samples) {
    if ((format.bitsPerSample != 8 && format.bitsPerSample != 16) || format.channels < 1)
        return {};
    SF_INFO info{};
    info.samplerate = format.samplesPerSecond;
    info.channels = format.channels;
    info.format = SF_FORMAT_WAV | (format.bitsPerSample == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile memory;
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!file)
        return {};

    // libsndfile takes 16-bit samples and turns them into unsigned bytes
    // itself; an 8-bit sample v is the 16-bit sample (v - 128) * 256.
    const std::size_t count = samples.size() / static_cast<std::size_t>(format.bitsPerSample / 8);
    std::vector<short> wide(count);
    if (format.bitsPerSample == 16) {
        std::memcpy(wide.data(), samples.data(), count * sizeof(short));
    } else {
        for (std::size_t i = 0; i < count; ++i)
            wide[i] = static_cast<short>((static_cast<unsigned char>(samples[i]) - 128) * 256);
    }
    const auto frames = static_cast<sf_count_t>(count / static_cast<std::size_t>(format.channels));
    const bool written = sf_writef_short(file, wide.data(), frames) == frames;
    const bool closed = sf_close(file) == 0;
    return written && closed ? std::move(memory.bytes) : std::string();
}

} // namespace qor
