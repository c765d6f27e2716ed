#include "platform/mci/Mci.h"

#include "platform/mci/SdlAudioBackend.h"

#include <chrono>
#include <memory>
#include <thread>

namespace qor {

namespace {

MciInterpreter* installed = nullptr;

MciInterpreter& builtInInterpreter() {
    static SdlAudioBackend backend;
    static MciInterpreter interpreter(backend);
    return interpreter;
}

} // namespace

MciInterpreter& mciInterpreter() {
    return installed ? *installed : builtInInterpreter();
}

MciInterpreter* installMciInterpreter(MciInterpreter* interpreter) {
    MciInterpreter* previous = installed;
    installed = interpreter;
    return previous;
}

MciAnswer mciSend(std::string_view command) {
    return mciInterpreter().send(command);
}

bool IsMciError(std::string_view answer) {
    return answer.substr(0, 5) == "Error";
}

bool PlaySoundSync(std::string_view path) {
    using namespace std::chrono;
    MciOpened opened = mciInterpreter().backend().openFile(std::string(path));
    if (!opened.device || opened.device->play(0) != 0)
        return false;
    // A device that never reports the end cannot hold the program for long.
    const auto deadline =
        steady_clock::now() + milliseconds(opened.device->lengthMs()) + seconds(1);
    while (opened.device->mode() == MciMode::Playing && steady_clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds(5));
    return true;
}

} // namespace qor
