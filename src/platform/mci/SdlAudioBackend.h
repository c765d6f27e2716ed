#pragma once
// The devices of the MCI interpreter on SDL2 audio and libsndfile: sound
// files are decoded by libsndfile and played through an SDL output device;
// "new" wave audio devices record from SDL's capture device into memory,
// play that back and save it as a wave file. Without a usable audio driver
// every device fails with an error and nothing else happens.

#include "platform/mci/MciDevice.h"

namespace qor {

class SdlAudioBackend : public MciBackend {
public:
    // Starts SDL's audio subsystem (SDL_AUDIODRIVER chooses the driver).
    SdlAudioBackend();
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    // Whether an audio driver could be started.
    bool available() const { return available_; }

    MciOpened openFile(const std::string& path) override;
    MciOpened openNewWaveAudio() override;

private:
    bool available_ = false;
};

} // namespace qor
