#pragma once
// The two kinds of device of the SDL backend (see SdlAudioBackend.h).

#include "platform/mci/MciDevice.h"
#include "platform/mci/SdlOutput.h"
#include "platform/mci/SoundFile.h"

#include <memory>
#include <vector>

namespace qor {

// A sound file, played through SDL as float samples.
class SdlFileDevice : public MciDevice {
public:
    explicit SdlFileDevice(std::unique_ptr<SoundFileReader> reader);

    int play(std::optional<std::int64_t> fromMs) override;
    int stop() override;
    int seek(std::int64_t ms) override;
    MciMode mode() override;
    std::int64_t positionMs() override;
    std::int64_t lengthMs() override;
    std::optional<WaveFormat> waveFormat() const override { return std::nullopt; }
    int setWaveFormat(const WaveFormat& format) override;
    int record() override;
    int save(const std::string& path) override;

private:
    class Source : public FrameSource {
    public:
        explicit Source(SoundFileReader& reader) : reader_(reader) {}
        SourceFormat format() const override;
        std::int64_t frameCount() const override { return reader_.frames(); }
        std::int64_t read(void* buffer, std::int64_t frames) override;
        void seek(std::int64_t frame) override { reader_.seek(frame); }

    private:
        SoundFileReader& reader_;
    };

    // The estimate of an MP3 grows once playing has gone past it.
    std::int64_t frames();

    std::unique_ptr<SoundFileReader> reader_;
    Source source_;
    SdlOutput output_;
};

// A recording in memory: captured from SDL's input in the format set,
// played back through SDL, saved as a wave file. A sound made in memory
// plays through the same device, as if it had been recorded.
class SdlWaveAudioDevice : public MciDevice {
public:
    SdlWaveAudioDevice();
    explicit SdlWaveAudioDevice(PcmSound sound);
    ~SdlWaveAudioDevice() override;

    int play(std::optional<std::int64_t> fromMs) override;
    int stop() override;
    int seek(std::int64_t ms) override;
    MciMode mode() override;
    std::int64_t positionMs() override;
    std::int64_t lengthMs() override;
    std::optional<WaveFormat> waveFormat() const override { return format_; }
    int setWaveFormat(const WaveFormat& format) override;
    int record() override;
    int save(const std::string& path) override;

private:
    class Source : public FrameSource {
    public:
        Source(const std::vector<unsigned char>& samples, const WaveFormat& format)
            : samples_(samples), format_(format) {}
        SourceFormat format() const override;
        std::int64_t frameCount() const override;
        std::int64_t read(void* buffer, std::int64_t frames) override;
        void seek(std::int64_t frame) override { next_ = frame; }

    private:
        const std::vector<unsigned char>& samples_;
        const WaveFormat& format_;
        std::int64_t next_ = 0;
    };

    static void SDLCALL captureCallback(void* self, Uint8* data, int length);
    void stopRecording();
    std::int64_t recordedFrames() const;
    std::int64_t toMs(std::int64_t frames) const;

    WaveFormat format_;
    // Written by the capture thread while recording (under its device lock);
    // read by the output only while nothing records.
    std::vector<unsigned char> samples_;
    std::size_t sampleLimit_ = 0;
    SDL_AudioDeviceID capture_ = 0;
    Source source_;
    SdlOutput output_;
};

} // namespace qor
