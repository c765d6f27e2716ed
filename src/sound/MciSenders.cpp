#include "sound/MciSenders.h"

#include "platform/AppMessage.h"
#include "platform/mci/Mci.h"
#include "platform/mci/MciErrors.h"

namespace qor {

std::string SendMci(const std::string& command, bool quiet) {
    const MciAnswer answer = mciSend(command);
    if (!answer.ok() && !quiet)
        AppMessage(mciErrorText(answer.error) + " - " + command, MessageStyle::Stop);
    return answer.result();
}

std::string SendRecorderMci(const std::string& command) {
    return mciSend(command).result();
}

} // namespace qor
