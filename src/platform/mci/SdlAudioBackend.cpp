#include "platform/mci/SdlAudioBackend.h"

#include "platform/FileSystem.h"
#include "platform/mci/MciErrors.h"
#include "platform/mci/SdlDevices.h"

#include <SDL.h>

namespace qor {

namespace {

// The program keeps its own handling of SIGINT and SIGTERM: SDL must not
// swallow them, or the program could not be stopped from outside.
bool initAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

} // namespace

SdlAudioBackend::~SdlAudioBackend() {
    if (started_.value_or(false))
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioBackend::available() {
    if (!started_)
        started_ = initAudio();
    return *started_;
}

MciOpened SdlAudioBackend::openFile(const std::string& path) {
    if (!fileExists(path))
        return {nullptr, MciError::FileNotFound};
    if (!available())
        return {nullptr, MciError::NoOutputDevice};
    auto reader = SoundFileReader::open(path);
    if (!reader)
        return {nullptr, MciError::InvalidFile};
    return {std::make_unique<SdlFileDevice>(std::move(reader)), MciError::None};
}

MciOpened SdlAudioBackend::openNewWaveAudio() {
    if (!available())
        return {nullptr, MciError::NoInputDevice};
    return {std::make_unique<SdlWaveAudioDevice>(), MciError::None};
}

MciOpened SdlAudioBackend::openMemory(PcmSound sound) {
    if (!available())
        return {nullptr, MciError::NoOutputDevice};
    return {std::make_unique<SdlWaveAudioDevice>(std::move(sound)), MciError::None};
}

} // namespace qor
