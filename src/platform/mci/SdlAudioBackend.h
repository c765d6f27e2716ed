#pragma once
// The devices of the MCI interpreter on SDL2 audio and libsndfile: sound
// files are decoded by libsndfile and played through an SDL output device;
// "new" wave audio devices record from SDL's capture device into memory,
// play that back and save it as a wave file. Without a usable audio driver
// every device fails with an error and nothing else happens.

#include "platform/mci/MciDevice.h"

#include <optional>

namespace qor {

class SdlAudioBackend : public MciBackend {
public:
    // SDL's audio subsystem starts with the first device opened
    // (SDL_AUDIODRIVER chooses the driver): pages that only close devices
    // do not wait for the sound server at the program's start.
    SdlAudioBackend() = default;
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    // Whether an audio driver could be started (starts it).
    bool available();

    MciOpened openFile(const std::string& path) override;
    MciOpened openNewWaveAudio() override;
    MciOpened openMemory(PcmSound sound) override;

private:
    std::optional<bool> started_; // empty: not tried yet
};

} // namespace qor
