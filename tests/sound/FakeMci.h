#pragma once
// A scripted MCI backend for tests: every device call is written to a shared
// log, and the test sets what devices report and which opens fail.

#include "platform/mci/Mci.h"
#include "platform/mci/MciDevice.h"
#include "platform/mci/MciErrors.h"
#include "platform/mci/MciInterpreter.h"
#include "support/MciPrinters.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qor::test {

// What a fake device reports; the test may change it while the device is open.
struct FakeDeviceState {
    MciMode mode = MciMode::Stopped;
    std::int64_t positionMs = 0;
    std::int64_t lengthMs = 1000;
    int playError = 0;
    int recordError = 0;
    int saveError = 0;
};

class FakeDevice : public MciDevice {
public:
    FakeDevice(std::string name, std::vector<std::string>& log, FakeDeviceState& state,
               std::optional<WaveFormat> format)
        : name_(std::move(name)), log_(log), state_(state), format_(format) {}
    ~FakeDevice() override { log_.push_back("closed " + name_); }

    int play(std::optional<std::int64_t> fromMs) override {
        log_.push_back("play " + name_ + (fromMs ? " from " + std::to_string(*fromMs) : ""));
        if (state_.playError == 0)
            state_.mode = MciMode::Playing;
        return state_.playError;
    }
    int stop() override {
        log_.push_back("stop " + name_);
        state_.mode = MciMode::Stopped;
        return 0;
    }
    int seek(std::int64_t ms) override {
        log_.push_back("seek " + name_ + " " + std::to_string(ms));
        state_.positionMs = ms;
        return 0;
    }
    MciMode mode() override { return state_.mode; }
    std::int64_t positionMs() override { return state_.positionMs; }
    std::int64_t lengthMs() override { return state_.lengthMs; }
    std::optional<WaveFormat> waveFormat() const override { return format_; }
    int setWaveFormat(const WaveFormat& format) override {
        log_.push_back("format " + name_ + " " + std::to_string(format.bitsPerSample) + "/" +
                       std::to_string(format.channels) + "/" +
                       std::to_string(format.samplesPerSecond));
        format_ = format;
        return 0;
    }
    int record() override {
        if (!format_)
            return MciError::UnsupportedFunction;
        log_.push_back("record " + name_);
        if (state_.recordError == 0)
            state_.mode = MciMode::Recording;
        return state_.recordError;
    }
    int save(const std::string& path) override {
        if (!format_)
            return MciError::UnsupportedFunction;
        log_.push_back("save " + name_ + " " + path);
        return state_.saveError;
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
    FakeDeviceState& state_;
    std::optional<WaveFormat> format_;
};

class FakeBackend : public MciBackend {
public:
    MciOpened openFile(const std::string& path) override {
        log.push_back("open " + path);
        if (const auto it = openErrors.find(path); it != openErrors.end())
            return {nullptr, it->second};
        return {std::make_unique<FakeDevice>(path, log, state, std::nullopt), 0};
    }
    MciOpened openNewWaveAudio() override {
        log.push_back("open new");
        if (newError)
            return {nullptr, newError};
        return {std::make_unique<FakeDevice>("new", log, state, WaveFormat{}), 0};
    }
    // Logged as "open memory <samples per second>/<frames>".
    MciOpened openMemory(PcmSound sound) override {
        const std::string name =
            "memory " + std::to_string(sound.format.samplesPerSecond) + "/" +
            std::to_string(sound.samples.size() /
                           static_cast<std::size_t>(sound.format.blockAlign()));
        log.push_back("open " + name);
        memorySounds.push_back(std::move(sound));
        if (memoryError)
            return {nullptr, memoryError};
        return {std::make_unique<FakeDevice>(name, log, state, std::nullopt), 0};
    }

    std::vector<std::string> log;
    FakeDeviceState state; // shared by every device it opens
    std::map<std::string, int> openErrors;
    int newError = 0;
    std::vector<PcmSound> memorySounds; // every sound opened from memory
    int memoryError = 0;
};

// The fake backend behind the program's interpreter for one test.
class InstalledFakeMci {
public:
    InstalledFakeMci() : previous_(installMciInterpreter(&interpreter)) {}
    ~InstalledFakeMci() { installMciInterpreter(previous_); }
    InstalledFakeMci(const InstalledFakeMci&) = delete;
    InstalledFakeMci& operator=(const InstalledFakeMci&) = delete;

    FakeBackend backend;
    MciInterpreter interpreter{backend};

private:
    MciInterpreter* previous_;
};

} // namespace qor::test
