#pragma once
// The devices behind the MCI interpreter. The interpreter parses and answers
// command strings; a backend opens devices and a device plays, records and
// reports. The program's backend sits on SDL and libsndfile; tests may put a
// scripted one in its place.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qor {

enum class MciMode { Stopped, Playing, Recording };

// The format of a recording: PCM with 8 (unsigned) or 16 (signed) bits.
struct WaveFormat {
    int bitsPerSample = 8;
    int channels = 1;
    int samplesPerSecond = 11025;

    int blockAlign() const { return bitsPerSample / 8 * channels; }
    int bytesPerSecond() const { return blockAlign() * samplesPerSecond; }
    bool operator==(const WaveFormat&) const = default;
};

// One opened device. Positions are milliseconds. Every call returns an
// MciError number, 0 on success.
class MciDevice {
public:
    virtual ~MciDevice() = default;

    // Plays from a position, or on from where the device stands.
    virtual int play(std::optional<std::int64_t> fromMs) = 0;
    virtual int stop() = 0;
    // Stops and moves to a position (clamped to the length).
    virtual int seek(std::int64_t ms) = 0;

    // Asking may tidy up: a sound that has run out closes its output.
    virtual MciMode mode() = 0;
    virtual std::int64_t positionMs() = 0;
    virtual std::int64_t lengthMs() = 0;

    // Only devices opened with "new" record; the others have no wave format.
    virtual std::optional<WaveFormat> waveFormat() const = 0;
    virtual int setWaveFormat(const WaveFormat& format) = 0;
    virtual int record() = 0;
    // path is program text (Windows-1252, '/' or '\').
    virtual int save(const std::string& path) = 0;
};

// A sound made in memory (speech the program synthesises): PCM samples,
// interleaved, in format.
struct PcmSound {
    WaveFormat format;
    std::vector<unsigned char> samples;
};

struct MciOpened {
    std::unique_ptr<MciDevice> device; // set on success
    int error = 0;
};

class MciBackend {
public:
    virtual ~MciBackend() = default;
    // A sound file to play (wave or MP3); path is program text.
    virtual MciOpened openFile(const std::string& path) = 0;
    // An empty wave audio device that records into memory.
    virtual MciOpened openNewWaveAudio() = 0;
    // A sound in memory, played like a recording.
    virtual MciOpened openMemory(PcmSound sound) = 0;
};

} // namespace qor
